// The floating menu: GUN, MISS and TURBO, opened by a right click on the own robot.
#pragma once

#include <cairo.h>

#include "main_window_host.h"

namespace match {

class FloatMenuHost {
  public:
    virtual ~FloatMenuHost() = default;
    // Shows the pop-up (no caption) with its top-left corner at at, width x height pixels.
    virtual void Open(ScreenPoint at, int32_t width, int32_t height) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual void Invalidate() = 0;
};

class TFloatDlg {
  public:
    static constexpr int32_t kWidth = 50, kHeight = 60, kItemHeight = 20;
    static constexpr int32_t kNoItem = -1;

    TFloatDlg(FloatMenuHost &host, MainWindowHost &mainWindow);

    // Opens at the click point, to set the own robot's attack order and weapon choice.
    void Open(ScreenPoint at, int32_t *attackOrder, int32_t *weaponSelect);

    void OnMouseMove(ClientPoint point);
    // Applies the item under the point (GUN, MISS, TURBO) and closes.
    void OnLButtonDown(ClientPoint point);
    // Closes without a choice.
    void OnRButtonDown(ClientPoint point);
    // Draws the items once the mouse has moved over the menu; before that only the background.
    void OnPaint(cairo_t *dc);

    // The item whose rectangle holds the point, or kNoItem.
    static int32_t HitTest(ClientPoint point);

  private:
    void Finish();

    FloatMenuHost &host_;
    MainWindowHost &mainWindow_;
    ScreenPoint at_;
    int32_t *attackOrder_ = nullptr;
    int32_t *weaponSelect_ = nullptr;
    bool mouseMoved_ = false;
    int32_t hovered_ = kNoItem;
};

}  // namespace match
