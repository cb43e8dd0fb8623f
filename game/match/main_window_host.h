// What the game window needs from the desktop: time, repaints, the cursor and mouse capture,
// message boxes, the nested event loop and closing. The GTK shell implements it; tests fake it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace match {

struct ClientPoint {
    int32_t x = 0, y = 0;
};

struct ScreenPoint {
    int32_t x = 0, y = 0;
};

enum class MessageIcon { Information, Warning, Error, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// A file dialog: opening an existing file, or saving (asking before one is overwritten).
struct FileDialog {
    enum class Purpose { Open, Save };
    Purpose purpose = Purpose::Open;
    std::string filterName;   // e.g. "ﾌﾚｰﾑﾌｧｲﾙ (*.frm)"
    std::string extension;    // e.g. "frm": the filter's files, and added to a name without one
    std::string initialPath;  // offered at the start; relative to the current folder; may be empty
};

class MainWindowHost {
  public:
    virtual ~MainWindowHost() = default;

    // The millisecond clock (it wraps around at 2^32).
    virtual uint32_t NowMilliseconds() = 0;
    // Asks for the whole window to be painted again, without erasing it first.
    virtual void Invalidate() = 0;
    // Asks for EnterTitle to run once the current event has been handled.
    virtual void PostEnterTitle() = 0;
    virtual void SetCursor(int32_t cursor) = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual ScreenPoint ToScreen(ClientPoint point) = 0;
    // A modal message box; the game stands still while it is open.
    virtual MessageAnswer ShowMessage(const std::string &text, const std::string &caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // Handles waiting events, waiting at most waitMilliseconds for one; false once the program
    // is quitting, which ends the game loop.
    virtual bool DispatchEvents(uint32_t waitMilliseconds) = 0;
    // Asks the window to close, as its close box does (the close check runs first).
    virtual void RequestClose() = 0;
    // Shows the window minimized (it stays so until the player opens it), or asks whether it is.
    virtual void Minimize() = 0;
    virtual bool IsMinimized() = 0;
    // Opens a document (the help) in the desktop's viewer; empty when the viewer started, else
    // why it did not.
    virtual std::string OpenDocument(const std::string &path) = 0;
    // A modal file dialog; the path chosen, or nothing when it was cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialog &dialog) = 0;
    // A modal dialog with prompt above a one-line entry that starts with initial; the text
    // entered, or nothing when it was cancelled.
    virtual std::optional<std::string> AskText(const std::string &caption,
                                               const std::string &prompt,
                                               const std::string &initial) = 0;
    // The window handle the engine names as the owner of its messages.
    virtual void *EngineOwner() = 0;
};

}  // namespace match
