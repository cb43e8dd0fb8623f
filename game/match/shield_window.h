// The shield window: both robots' names, shield gauges and rounds won.
#pragma once

#include <cairo.h>

#include <string>

namespace match {

class ShieldWindowHost {
  public:
    virtual ~ShieldWindowHost() = default;
    // Shows the window at (x, y) on the screen without activating it.
    virtual void Open(int32_t x, int32_t y) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() = 0;
    // Sets where the window stands when it next opens, without opening it.
    virtual void Place(int32_t x, int32_t y) = 0;
    // Where the window stands (or last stood) on the screen.
    virtual void Position(int32_t *x, int32_t *y) = 0;
    virtual void Invalidate() = 0;
};

class TInforDlg {
  public:
    static constexpr int32_t kWidth = 380, kHeight = 60;

    explicit TInforDlg(ShieldWindowHost &host);

    // Puts the names on their sides: the own robot on the right, except on the calling PC of a
    // linked match, so that the answering side's robot is on the right on both PCs.
    void SetNames(int32_t versusMode, const std::string &ownName, const std::string &peerName);
    // Sets the gauges and win counts on their sides; shown at the next paint.
    void Update(int32_t versusMode, int32_t ownShield, int32_t ownWins, int32_t peerShield,
                int32_t peerWins);
    // Draws names, gauges and stars.
    void OnPaint(cairo_t *dc);

    ShieldWindowHost &Host() { return host_; }

    int32_t rightGauge = 0, leftGauge = 0;
    std::string rightName, leftName;
    int32_t rightWins = 0, leftWins = 0;

  private:
    ShieldWindowHost &host_;
};

}  // namespace match
