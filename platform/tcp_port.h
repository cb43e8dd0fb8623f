// The link port on a network connection, for a device named tcp:HOST:PORT: this PC calls the
// other one, or, when nobody answers there yet, waits on PORT for the other one to call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/deadline_wait.h"
#include "platform/link_port.h"

namespace platform {

struct NetworkAddress {
    std::string host;  // a name, or an IPv4 or IPv6 address without brackets
    uint16_t port;
};

// HOST and PORT of a device tcp:HOST:PORT (PORT 1..65535); nothing when device is not one.
std::optional<NetworkAddress> ParseNetworkDevice(std::string_view device);

class TcpPort final : public LinkPort {
  public:
    // What a device name starts with to be a network connection rather than a serial port.
    static constexpr std::string_view kDevicePrefix = "tcp:";

    TcpPort() = default;
    TcpPort(const TcpPort &) = delete;
    TcpPort &operator=(const TcpPort &) = delete;
    ~TcpPort() override;

    // HOST is a name, an IPv4 address or an IPv6 address, bare or in brackets. Open gives each of
    // its addresses a few seconds to take the call; when none does, it listens on PORT on every
    // address of this PC and the first caller becomes the other end. Until one calls, what is
    // sent goes nowhere and reads find nothing, as on a cable with nobody at its other end.
    bool Open(const std::string &device) override;
    std::string OpenProblem() const override { return problem_; }
    bool IsOpen() const override { return connection_ >= 0 || listener_ >= 0; }
    void SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds) override;
    // Without a write time-out, Send still stops when the connection dies.
    size_t Send(const void *bytes, size_t count) override;
    int32_t ReadAvailable(void *buffer, size_t count) override;
    bool WaitReadable(uint32_t milliseconds) override;
    // Lets what was sent last reach the other end before the connection goes.
    void Close() override;

  private:
    // Takes the first caller that reaches the listening port by the deadline; true once there is
    // a connection.
    bool AwaitCaller(WaitClock::time_point end);

    int connection_ = -1;
    int listener_ = -1;
    uint32_t readTimeout_ = 0;
    uint32_t writeTimeout_ = 0;
    std::string problem_;
};

}  // namespace platform
