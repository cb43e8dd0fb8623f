// The serial line through termios: raw 8N1 bytes at 19200 bit/s, every wait bounded by poll.
#include "serial_port.h"

#include "deadline_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

namespace platform {
namespace {

// Both PCs set their lines alike: raw 8N1 at 19200 bit/s, no flow control, modem lines
// ignored. A pseudo-terminal keeps only what it has use for, so a refusal is not an error.
void SetRawLine(int descriptor, termios settings) {
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~(CSTOPB | CRTSCTS);
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    cfsetispeed(&settings, B19200);
    cfsetospeed(&settings, B19200);
    tcsetattr(descriptor, TCSANOW, &settings);
}

// The link's last message may still be queued when it closes the port, and the flush that keeps
// close from waiting on the line would drop it. A few bytes leave in milliseconds at 19200
// bit/s; a line that does not drain is given up on after a short while.
void LetQueuedBytesLeave(int descriptor) {
    constexpr uint32_t kLongestDrain = 500;
    WaitClock::time_point end = DeadlineAfter(kLongestDrain);
    int queued = 0;
    while (ioctl(descriptor, TIOCOUTQ, &queued) == 0 && queued > 0 && WaitClock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace

SerialPort::~SerialPort() {
    Close();
}

bool SerialPort::Open(const std::string &device) {
    Close();
    // Without O_NONBLOCK the open could wait for a modem's carrier. The port stays non-blocking:
    // every wait goes through poll, with a time-out or until the line hangs up.
    int descriptor = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return false;
    termios settings{};
    if (tcgetattr(descriptor, &settings) != 0) {
        close(descriptor);
        return false;
    }
    // Keeps a second program off the line; root is not kept off, and the line works either way.
    ioctl(descriptor, TIOCEXCL);
    SetRawLine(descriptor, settings);
    tcflush(descriptor, TCIOFLUSH);
    descriptor_ = descriptor;
    return true;
}

void SerialPort::SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds) {
    readTimeout_ = readMilliseconds;
    writeTimeout_ = writeMilliseconds;
}

size_t SerialPort::Send(const void *bytes, size_t count) {
    if (!IsOpen()) return 0;
    const auto *first = static_cast<const unsigned char *>(bytes);
    WaitClock::time_point end = writeTimeout_ == 0 ? kNoDeadline : DeadlineAfter(writeTimeout_);
    size_t sent = 0;
    while (sent < count) {
        ssize_t written = write(descriptor_, first + sent, count - sent);
        if (written > 0) {
            sent += static_cast<size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written == 0 || errno != EAGAIN) break;  // EIO: the other end has gone
        // Wakes for room, the time-out or a hang-up; only room is worth another write.
        if ((WaitUntil(descriptor_, POLLOUT, end) & POLLOUT) == 0) break;
    }
    return sent;
}

int32_t SerialPort::ReadAvailable(void *buffer, size_t count) {
    if (!IsOpen()) return kDeadLine;
    // A read of nothing returns 0, which would pass for the end of the line.
    if (count == 0) return 0;
    short events = WaitUntil(descriptor_, POLLIN, DeadlineAfter(readTimeout_));
    if (events == 0) return 0;
    // Bytes that came before a hang-up are still read; the call after them finds the line dead.
    if ((events & POLLIN) == 0) return kDeadLine;
    ssize_t got = read(descriptor_, buffer, std::min<size_t>(count, INT32_MAX));
    if (got > 0) return static_cast<int32_t>(got);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    // The end of the file, or EIO from a pseudo-terminal whose other side has closed.
    return kDeadLine;
}

bool SerialPort::WaitReadable(uint32_t milliseconds) {
    // A port that is not open reads as a dead line at once.
    return !IsOpen() || WaitUntil(descriptor_, POLLIN, DeadlineAfter(milliseconds)) != 0;
}

void SerialPort::Close() {
    if (!IsOpen()) return;
    LetQueuedBytesLeave(descriptor_);
    // A pseudo-terminal has no modem lines and refuses this with ENOTTY.
    int dataTerminalReady = TIOCM_DTR;
    ioctl(descriptor_, TIOCMBIC, &dataTerminalReady);
    // The claim outlives this descriptor while another program still holds the device open.
    ioctl(descriptor_, TIOCNXCL);
    // Only what came in is dropped: on a pseudo-terminal, dropping what went out would also take
    // it from the other end before it is read, the link's last message with it.
    tcflush(descriptor_, TCIFLUSH);
    close(descriptor_);
    descriptor_ = -1;
}

}  // namespace platform
