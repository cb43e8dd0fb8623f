// The line to the other PC as the versus dialog and the game use it: sends, reads of what has
// arrived, and reads of an exact count that give up, saying why, when the other PC quits, the line
// dies or nothing comes for ten seconds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "comm_dialog_host.h"
#include "platform/link_port.h"

namespace versus {

inline constexpr const char *kMessageCaption = "Morvexゲーム";
inline constexpr const char *kLineFailedText =
    "回線が異常か、相手側が異常終了しました。(10秒間アクセスなし)";
inline constexpr const char *kPeerQuitText = "相手側がゲームをやめました。";

// What either side sends when it leaves the link.
inline constexpr char kQuit[] = "QUIT";
constexpr size_t kQuitBytes = sizeof kQuit - 1;

class LinkLine {
  public:
    // A read of an exact count gives up when it has taken longer than this.
    static constexpr uint32_t kDeadlineMilliseconds = 10000;
    // Time-outs of the handshake, in which each read may wait this long for a first byte.
    static constexpr uint32_t kHandshakeTimeoutMilliseconds = 100;

    LinkLine(platform::LinkPort &port, CommDialogHost &host);
    LinkLine(const LinkLine &) = delete;
    LinkLine &operator=(const LinkLine &) = delete;
    virtual ~LinkLine() = default;

    // Opens device and sets the handshake's time-outs. A serial port that will not open is not
    // reported: nothing ever arrives on it, and the dialog waits until it is cancelled. A port
    // that says why it did not open (a network address that cannot be used) is reported, and
    // false returned.
    bool OpenPort(const std::string &device);
    void SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds);
    // Sends count bytes, or with count 0 the characters of the zero-terminated text bytes; the
    // number written.
    size_t Send(const void *bytes, size_t count);
    // One read of up to count bytes; 0 when nothing came, platform::LinkPort::kDeadLine when the
    // line is dead.
    int32_t ReadAvailable(void *buffer, size_t count);
    // Reads exactly count bytes into buffer and returns count. -1 after a message when the line
    // is dead, the whole read took longer than kDeadlineMilliseconds, or (count >= 4) the buffer
    // begins with "QUIT".
    int32_t ReadExact(void *buffer, int32_t count);
    // Sends "QUIT" and closes the port; nothing when it is not open.
    void ClosePort();
    bool IsPortOpen() const;

    // A message box with the game's caption and the stop icon.
    void ShowError(const char *text);

  private:
    platform::LinkPort &port_;
    CommDialogHost &host_;
};

}  // namespace versus
