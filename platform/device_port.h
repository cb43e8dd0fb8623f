// The link port for whatever device the player names: tcp:HOST:PORT is a network connection,
// anything else a serial port.
#pragma once

#include "platform/link_port.h"
#include "platform/serial_port.h"
#include "platform/tcp_port.h"

namespace platform {

class DevicePort final : public LinkPort {
  public:
    DevicePort() = default;
    DevicePort(const DevicePort &) = delete;
    DevicePort &operator=(const DevicePort &) = delete;

    // Closes whichever port was open before, then opens the kind the device names.
    bool Open(const std::string &device) override;
    std::string OpenProblem() const override { return chosen_->OpenProblem(); }
    bool IsOpen() const override { return chosen_->IsOpen(); }
    void SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds) override;
    size_t Send(const void *bytes, size_t count) override;
    int32_t ReadAvailable(void *buffer, size_t count) override;
    bool WaitReadable(uint32_t milliseconds) override;
    void Close() override;

  private:
    SerialPort serial_;
    TcpPort network_;
    LinkPort *chosen_ = &serial_;
};

}  // namespace platform
