// The network line through POSIX sockets: one TCP connection carrying the link's bytes as they
// are, every wait bounded by poll.
#include "tcp_port.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <optional>

namespace platform {
namespace {

// Long enough for a PC across the internet to answer, short enough that a player whose
// partner has not started yet soon finds this PC waiting for the call instead.
constexpr uint32_t kConnectTimeout = 3000;
// How long closing waits for the other end to close its side too.
constexpr uint32_t kLongestGoodbye = 300;

std::optional<uint16_t> PortNumber(std::string_view text) {
    uint32_t number = 0;
    const char *end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end || number < 1 || number > 65535) return std::nullopt;
    return static_cast<uint16_t>(number);
}

using AddressList = std::unique_ptr<addrinfo, decltype(&freeaddrinfo)>;

// The host's addresses; none, and the resolver's error code, when it has none.
AddressList Resolve(const NetworkAddress &address, int &error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo *found = nullptr;
    error = getaddrinfo(address.host.c_str(), std::to_string(address.port).c_str(), &hints, &found);
    return AddressList(error == 0 ? found : nullptr, freeaddrinfo);
}

// The link trades small messages and waits for each answer; the system must not hold them
// back to gather bigger packets.
void SendAtOnce(int descriptor) {
    int on = 1;
    setsockopt(descriptor, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

// Calling a port of this PC that nobody listens on can, rarely, join the socket to itself when
// the system picks that same port for the caller's end. Nobody took that call.
bool IsConnectedToItself(int descriptor) {
    sockaddr_storage local{}, peer{};
    socklen_t localLength = sizeof local, peerLength = sizeof peer;
    return getsockname(descriptor, reinterpret_cast<sockaddr *>(&local), &localLength) == 0 &&
           getpeername(descriptor, reinterpret_cast<sockaddr *>(&peer), &peerLength) == 0 &&
           localLength == peerLength && std::memcmp(&local, &peer, localLength) == 0;
}

bool FinishesConnecting(int descriptor) {
    short events = WaitUntil(descriptor, POLLOUT, DeadlineAfter(kConnectTimeout));
    int error = 0;
    socklen_t length = sizeof error;
    return (events & POLLOUT) != 0 &&
           getsockopt(descriptor, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

// A connected socket, or -1 when the address refuses, cannot be reached or does not answer in
// time.
int ConnectTo(const addrinfo &address) {
    int descriptor = socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                            address.ai_protocol);
    if (descriptor < 0) return -1;
    bool connected = connect(descriptor, address.ai_addr, address.ai_addrlen) == 0 ||
                     (errno == EINPROGRESS && FinishesConnecting(descriptor));
    if (connected && !IsConnectedToItself(descriptor)) return descriptor;
    close(descriptor);
    return -1;
}

int ConnectToFirstTaker(const addrinfo *addresses) {
    for (const addrinfo *address = addresses; address != nullptr; address = address->ai_next) {
        int descriptor = ConnectTo(*address);
        if (descriptor >= 0) return descriptor;
    }
    return -1;
}

// A listening socket, or -1 with errno telling why not.
int ListenAt(const sockaddr &address, socklen_t length) {
    int descriptor = socket(address.sa_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0) return -1;
    int off = 0, on = 1;
    // Callers over IPv4 reach the IPv6 socket too, whatever the system's default.
    if (address.sa_family == AF_INET6)
        setsockopt(descriptor, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
    // The last match's connection may hold on to the port for a while after it has closed.
    setsockopt(descriptor, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (bind(descriptor, &address, length) == 0 && listen(descriptor, 1) == 0) return descriptor;
    int error = errno;
    close(descriptor);
    errno = error;
    return -1;
}

// One socket for callers over IPv6 and IPv4, or IPv4 alone where the system has no IPv6.
int ListenOnEveryAddress(uint16_t port) {
    sockaddr_in6 anyIpv6{};
    anyIpv6.sin6_family = AF_INET6;
    anyIpv6.sin6_addr = in6addr_any;
    anyIpv6.sin6_port = htons(port);
    int descriptor = ListenAt(reinterpret_cast<const sockaddr &>(anyIpv6), sizeof anyIpv6);
    if (descriptor >= 0) return descriptor;
    sockaddr_in anyIpv4{};
    anyIpv4.sin_family = AF_INET;
    anyIpv4.sin_addr.s_addr = htonl(INADDR_ANY);
    anyIpv4.sin_port = htons(port);
    return ListenAt(reinterpret_cast<const sockaddr &>(anyIpv4), sizeof anyIpv4);
}

// Closing a socket that still holds unread bytes resets the connection, and a reset can cost the
// other end the link's last message before it is read. So this end stops sending, which the
// other end reads as the end of the stream after that message, and reads away what still comes
// until the other end closes too, or a moment has passed.
void FinishSending(int descriptor) {
    shutdown(descriptor, SHUT_WR);
    WaitClock::time_point end = DeadlineAfter(kLongestGoodbye);
    char discarded[512];
    for (;;) {
        if ((WaitUntil(descriptor, POLLIN, end) & POLLIN) == 0) return;
        ssize_t got = recv(descriptor, discarded, sizeof discarded, 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) return;
    }
}

}  // namespace

// Splits at the last colon, so that a bare IPv6 address keeps its own colons.
std::optional<NetworkAddress> ParseNetworkDevice(std::string_view device) {
    if (!device.starts_with(TcpPort::kDevicePrefix)) return std::nullopt;
    device.remove_prefix(TcpPort::kDevicePrefix.size());
    size_t colon = device.rfind(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::string_view host = device.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    std::optional<uint16_t> port = PortNumber(device.substr(colon + 1));
    if (host.empty() || !port) return std::nullopt;
    return NetworkAddress{std::string(host), *port};
}

TcpPort::~TcpPort() {
    Close();
}

bool TcpPort::Open(const std::string &device) {
    Close();
    problem_.clear();
    std::optional<NetworkAddress> address = ParseNetworkDevice(device);
    if (!address) {
        problem_ =
            "ネットワークのアドレスは tcp:ホスト:ポート の形で書いてください。(" + device + ")";
        return false;
    }
    int lookupError = 0;
    AddressList addresses = Resolve(*address, lookupError);
    if (!addresses) {
        problem_ =
            "ホスト " + address->host + " が見つかりません。(" + gai_strerror(lookupError) + ")";
        return false;
    }
    connection_ = ConnectToFirstTaker(addresses.get());
    if (connection_ >= 0) {
        SendAtOnce(connection_);
        return true;
    }
    // The other PC is not listening yet, so this one listens for its call.
    listener_ = ListenOnEveryAddress(address->port);
    if (listener_ < 0)
        problem_ = "ポート " + std::to_string(address->port) + " で接続を待てません。(" +
                   std::strerror(errno) + ")";
    return IsOpen();
}

void TcpPort::SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds) {
    readTimeout_ = readMilliseconds;
    writeTimeout_ = writeMilliseconds;
}

size_t TcpPort::Send(const void *bytes, size_t count) {
    if (!IsOpen()) return 0;
    if (!AwaitCaller(WaitClock::now())) return count;  // nobody to hear them yet
    const auto *first = static_cast<const unsigned char *>(bytes);
    WaitClock::time_point end = writeTimeout_ == 0 ? kNoDeadline : DeadlineAfter(writeTimeout_);
    size_t sent = 0;
    while (sent < count) {
        // MSG_NOSIGNAL: a connection the other end has closed fails the call, not the program.
        ssize_t written = send(connection_, first + sent, count - sent, MSG_NOSIGNAL);
        if (written > 0) {
            sent += static_cast<size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written == 0 || errno != EAGAIN) break;  // EPIPE, ECONNRESET: the other end has gone
        // Wakes for room, the time-out or a dead connection; only room is worth another send.
        if ((WaitUntil(connection_, POLLOUT, end) & POLLOUT) == 0) break;
    }
    return sent;
}

int32_t TcpPort::ReadAvailable(void *buffer, size_t count) {
    if (!IsOpen()) return kDeadLine;
    // A read of nothing returns 0, which would pass for the end of the stream.
    if (count == 0) return 0;
    WaitClock::time_point end = DeadlineAfter(readTimeout_);
    if (!AwaitCaller(end)) return 0;
    short events = WaitUntil(connection_, POLLIN, end);
    if (events == 0) return 0;
    // Bytes that came before the other end closed are still read; the call after them finds the
    // end of the stream.
    if ((events & POLLIN) == 0) return kDeadLine;
    ssize_t got = recv(connection_, buffer, std::min<size_t>(count, INT32_MAX), 0);
    if (got > 0) return static_cast<int32_t>(got);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    return kDeadLine;  // the end of the stream, or a reset
}

bool TcpPort::WaitReadable(uint32_t milliseconds) {
    // A port that is not open reads as a dead line at once.
    if (!IsOpen()) return true;
    WaitClock::time_point end = DeadlineAfter(milliseconds);
    return AwaitCaller(end) && WaitUntil(connection_, POLLIN, end) != 0;
}

void TcpPort::Close() {
    if (listener_ >= 0) close(listener_);
    listener_ = -1;
    if (connection_ < 0) return;
    FinishSending(connection_);
    close(connection_);
    connection_ = -1;
}

bool TcpPort::AwaitCaller(WaitClock::time_point end) {
    if (listener_ >= 0 && WaitUntil(listener_, POLLIN, end) != 0) {
        // A caller that gave up before being taken leaves nothing to accept; the port listens on.
        int caller = accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (caller >= 0) {
            SendAtOnce(caller);
            // Later callers are turned away: the link has one other end.
            close(listener_);
            listener_ = -1;
            connection_ = caller;
        }
    }
    return connection_ >= 0;
}

}  // namespace platform
