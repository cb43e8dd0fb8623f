// The line to the other PC in a versus match: raw bytes both ways, over a serial port (or,
// behind the same calls, a network connection).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

class LinkPort {
  public:
    // What ReadAvailable returns when the line is dead: the other end has closed or hung up, the
    // device has gone, or the port is not open.
    static constexpr int32_t kDeadLine = -1;

    virtual ~LinkPort() = default;
    // Opens the device and sets it up alike on both PCs (a serial line at 19200 bit/s, raw bytes:
    // 8 data bits, no parity, one stop bit, no flow control), dropping whatever waited in it.
    // False when it cannot be opened; every later call then fails and nothing ever arrives.
    virtual bool Open(const std::string &device) = 0;
    // Why the last Open failed, in words for the player; empty when there is nothing to tell.
    virtual std::string OpenProblem() const { return {}; }
    virtual bool IsOpen() const = 0;
    // How long ReadAvailable waits for a first byte, and Send for room to write, in
    // milliseconds; 0 reads what has arrived and writes without a time-out.
    virtual void SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds) = 0;
    // Writes count bytes; the number written (fewer after a time-out or on a dead line).
    virtual size_t Send(const void *bytes, size_t count) = 0;
    // One read of up to count bytes: what has arrived, waiting at most the read time-out for
    // the first byte; 0 when nothing came, kDeadLine when the line is dead.
    virtual int32_t ReadAvailable(void *buffer, size_t count) = 0;
    // Waits at most milliseconds until a read would return at once (bytes, or a dead line);
    // true then. Lets a caller wait for bytes without spinning.
    virtual bool WaitReadable(uint32_t milliseconds) = 0;
    // Closes the device, dropping DTR where the line has one; nothing when it is not open.
    virtual void Close() = 0;
};

}  // namespace platform
