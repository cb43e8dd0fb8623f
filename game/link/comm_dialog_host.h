// What the versus dialog needs from the desktop: its modal run, a timer that keeps ticking under
// it, repaints, the cancel button, message boxes and the clock. The GTK shell implements it; tests
// fake it.
#pragma once

#include <cstdint>
#include <string>

namespace versus {

// The dialog's title and the label of its cancel button.
inline constexpr const char *kCommDialogTitle = "対戦モード";
inline constexpr const char *kCancelLabel = "ｷｬﾝｾﾙ";

// The icons the link's messages carry: every one of them ends the link.
enum class MessageIcon { Stop };

class CommDialogHost {
  public:
    virtual ~CommDialogHost() = default;

    // The millisecond clock (it wraps around at 2^32).
    virtual uint32_t NowMilliseconds() = 0;
    // Builds the dialog over the game window, not shown yet.
    virtual void Open() = 0;
    // Shows the dialog modally and returns once Close has been called; the game stands still
    // meanwhile. The dialog is gone afterwards.
    virtual void RunModal() = 0;
    // Ends the modal run; the timer, if still running, stops with the dialog.
    virtual void Close() = 0;
    // Starts calling TCommDlg::OnTimer every milliseconds, also while the dialog runs modally;
    // false when the timer cannot be made.
    virtual bool StartTimer(uint32_t milliseconds) = 0;
    virtual void StopTimer() = 0;
    // Asks for the status to be painted again (through TCommDlg::OnPaint) when the loop is free.
    virtual void Invalidate() = 0;
    // Paints the status through TCommDlg::OnPaint at once: the exchange holds the loop, so a
    // repaint asked for with Invalidate would only come after it.
    virtual void DrawNow() = 0;
    virtual void ShowCancelButton(bool shown) = 0;
    // A modal message box with one OK button.
    virtual void ShowMessage(const std::string &text, const std::string &caption,
                             MessageIcon icon) = 0;
};

}  // namespace versus
