// The network port over loopback: two ports in this process play the two PCs, each pair on a
// port nobody else is using. The device port beside it chooses between it and the serial port.
#include "platform/tcp_port.h"
#include "platform/device_port.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <pty.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <numeric>
#include <string>

using platform::DevicePort;
using platform::LinkPort;
using platform::TcpPort;

namespace {

// A loopback port held by a socket that is bound but does not listen: calls to it are refused.
struct BoundSocket {
    BoundSocket() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        auto *generic = reinterpret_cast<sockaddr *>(&address);
        if (bind(descriptor, generic, length) == 0 &&
            getsockname(descriptor, generic, &length) == 0)
            port = std::to_string(ntohs(address.sin_port));
    }
    ~BoundSocket() { close(descriptor); }
    int descriptor = socket(AF_INET, SOCK_STREAM, 0);
    std::string port;
};

std::string FreePort() {
    return BoundSocket().port;
}

// What arrives at the port: count bytes, or fewer once a read finds the line silent or dead.
std::string Receive(LinkPort &port, size_t count) {
    std::string bytes;
    char chunk[100];
    while (bytes.size() < count) {
        int32_t got = port.ReadAvailable(chunk, std::min(sizeof chunk, count - bytes.size()));
        if (got <= 0) break;
        bytes.append(chunk, static_cast<size_t>(got));
    }
    return bytes;
}

bool HasIpv6Loopback() {
    int descriptor = socket(AF_INET6, SOCK_STREAM, 0);
    sockaddr_in6 address{};
    address.sin6_family = AF_INET6;
    address.sin6_addr = in6addr_loopback;
    bool bound = bind(descriptor, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    close(descriptor);
    return bound;
}

// Every spelling of the host, one match after another on the same port: each time the first PC
// finds nobody and listens, and the second calls it. Two PCs may also name each other: the first
// calls an address where nobody listens (another of this PC's loopback addresses) and waits.
TEST(TcpPortTest, TheFirstToOpenWaitsForTheSecondAndEveryByteValueCrossesBothWays) {
    std::string every(256, '\0');
    std::iota(every.begin(), every.end(), '\0');
    const std::string port = FreePort();
    for (auto [firstHost, host] : {std::pair{"localhost", "localhost"},
                                   {"[::1]", "[::1]"},
                                   {"::1", "::1"},
                                   {"127.0.0.2", "127.0.0.1"}}) {
        SCOPED_TRACE(host);
        if (std::string(host).find(':') != std::string::npos && !HasIpv6Loopback()) continue;
        TcpPort first, second;
        ASSERT_TRUE(first.Open(std::string("tcp:") + firstHost + ":" + port));
        ASSERT_TRUE(second.Open(std::string("tcp:") + host + ":" + port));
        first.SetTimeouts(5000, 5000);
        second.SetTimeouts(5000, 5000);
        EXPECT_EQ(first.Send(every.data(), every.size()), every.size());
        EXPECT_EQ(Receive(second, every.size()), every);
        EXPECT_EQ(second.Send(every.data(), every.size()), every.size());
        EXPECT_EQ(Receive(first, every.size()), every);
        // Leaving first, the PC that listened holds on to the port a while after the match.
        first.Close();
    }
}

// Both PCs may send their last message at once; the one that closes first has not read the
// other's, and the other still reads its own whole.
TEST(TcpPortTest, WhatWasSentJustBeforeClosingArrivesWholeAndThenTheLineIsDead) {
    const std::string device = "tcp:127.0.0.1:" + FreePort();
    TcpPort first, second;
    ASSERT_TRUE(first.Open(device));
    ASSERT_TRUE(second.Open(device));
    first.SetTimeouts(60000, 0);
    EXPECT_EQ(first.Send("QUIT", 4), 4u);
    EXPECT_EQ(second.Send("QUIT", 4), 4u);
    second.Close();
    EXPECT_EQ(Receive(first, 4), "QUIT");
    EXPECT_TRUE(first.WaitReadable(60000));
    char buffer[8];
    for (int call = 0; call < 3; ++call)
        EXPECT_EQ(first.ReadAvailable(buffer, sizeof buffer), LinkPort::kDeadLine);
}

TEST(TcpPortTest, ASilentLineReadsNothingBeforeAndAfterTheOtherEndCalls) {
    const std::string device = "tcp:127.0.0.1:" + FreePort();
    TcpPort first, second;
    first.SetTimeouts(100, 100);
    second.SetTimeouts(100, 100);
    ASSERT_TRUE(first.Open(device));
    EXPECT_EQ(first.Send("CALL", 4), 4u) << "nobody there yet to hear it";
    char buffer[8];
    EXPECT_EQ(first.ReadAvailable(buffer, sizeof buffer), 0);
    EXPECT_FALSE(first.WaitReadable(100));

    ASSERT_TRUE(second.Open(device));
    EXPECT_EQ(first.ReadAvailable(buffer, sizeof buffer), 0);
    EXPECT_EQ(second.ReadAvailable(buffer, sizeof buffer), 0);
}

TEST(TcpPortTest, WhatCannotBeOpenedIsToldToThePlayer) {
    BoundSocket taken;
    const std::string form = "ネットワークのアドレスは tcp:ホスト:ポート の形で書いてください。";
    const struct {
        std::string device, problemStart;
    } cases[] = {
        {"tcp:host", form + "(tcp:host)"},
        {"tcp::5000", form + "(tcp::5000)"},
        {"tcp:host:0", form + "(tcp:host:0)"},
        {"tcp:host:65536", form + "(tcp:host:65536)"},
        {"tcp:host:50x0", form + "(tcp:host:50x0)"},
        {"tcp:no-such-host.invalid:5000", "ホスト no-such-host.invalid が見つかりません。("},
        {"tcp:127.0.0.1:" + taken.port,
         "ポート " + taken.port + " で接続を待てません。(" + std::strerror(EADDRINUSE) + ")"},
    };
    TcpPort port;
    for (const auto &failure : cases) {
        EXPECT_FALSE(port.Open(failure.device)) << failure.device;
        EXPECT_FALSE(port.IsOpen());
        EXPECT_TRUE(port.OpenProblem().starts_with(failure.problemStart)) << port.OpenProblem();
    }
    ASSERT_TRUE(port.Open("tcp:127.0.0.1:" + FreePort()));
    EXPECT_EQ(port.OpenProblem(), "");
}

// A network port would find no tcp:HOST:PORT in the terminal's name, and a serial port no file
// named tcp:..., so only the right choice opens; only the network port has words for its failure.
TEST(DevicePortTest, TheDeviceNameChoosesTheSerialOrTheNetworkPort) {
    int master = -1, slave = -1;
    char terminal[128];
    ASSERT_EQ(openpty(&master, &slave, terminal, nullptr, nullptr), 0);
    const struct {
        std::string device;
        bool opens;
        std::string problem;
    } cases[] = {
        {"tcp:127.0.0.1:" + FreePort(), true, ""},
        {"tcp:host", false,
         "ネットワークのアドレスは tcp:ホスト:ポート の形で書いてください。(tcp:host)"},
        {terminal, true, ""},
    };
    DevicePort port;
    for (const auto &open : cases) {
        EXPECT_EQ(port.Open(open.device), open.opens) << open.device;
        EXPECT_EQ(port.OpenProblem(), open.problem);
    }
    port.Close();
    close(master);
    close(slave);
}

}  // namespace
