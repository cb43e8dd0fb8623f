// The link port on a tty device: a serial port (/dev/ttyS0, /dev/ttyUSB0) or a pseudo-terminal,
// set up with termios and waited on with poll, so no call blocks forever.
#pragma once

#include "platform/link_port.h"

namespace platform {

class SerialPort final : public LinkPort {
  public:
    SerialPort() = default;
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;
    ~SerialPort() override;

    // Refuses anything that is not a terminal (a plain file, a folder, /dev/null): those are not
    // lines. Claims the device for this process alone where the system allows it.
    bool Open(const std::string &device) override;
    bool IsOpen() const override { return descriptor_ >= 0; }
    void SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds) override;
    // Without a write time-out, Send still stops when the other end hangs up.
    size_t Send(const void *bytes, size_t count) override;
    int32_t ReadAvailable(void *buffer, size_t count) override;
    bool WaitReadable(uint32_t milliseconds) override;
    // Gives bytes still queued for the line a moment to leave before dropping DTR and closing.
    void Close() override;

  private:
    int descriptor_ = -1;
    uint32_t readTimeout_ = 0;
    uint32_t writeTimeout_ = 0;
};

}  // namespace platform
