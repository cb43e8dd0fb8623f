// Sends and reads on the link, the exact read with its ten-second deadline, and leaving the link.
#include "link_line.h"

#include <cstring>

namespace versus {

LinkLine::LinkLine(platform::LinkPort &port, CommDialogHost &host) : port_(port), host_(host) {}

bool LinkLine::OpenPort(const std::string &device) {
    bool opened = port_.Open(device);
    SetTimeouts(kHandshakeTimeoutMilliseconds, kHandshakeTimeoutMilliseconds);
    std::string problem = opened ? std::string() : port_.OpenProblem();
    if (!problem.empty()) ShowError(problem.c_str());
    return problem.empty();
}

void LinkLine::SetTimeouts(uint32_t readMilliseconds, uint32_t writeMilliseconds) {
    port_.SetTimeouts(readMilliseconds, writeMilliseconds);
}

size_t LinkLine::Send(const void *bytes, size_t count) {
    if (count == 0) count = std::strlen(static_cast<const char *>(bytes));
    return port_.Send(bytes, count);
}

int32_t LinkLine::ReadAvailable(void *buffer, size_t count) {
    return port_.ReadAvailable(buffer, count);
}

int32_t LinkLine::ReadExact(void *buffer, int32_t count) {
    auto *bytes = static_cast<uint8_t *>(buffer);
    const uint32_t start = host_.NowMilliseconds();
    int32_t got = 0;
    while (got < count) {
        int32_t arrived = port_.ReadAvailable(bytes + got, static_cast<size_t>(count - got));
        if (arrived == platform::LinkPort::kDeadLine) {
            ShowError(kLineFailedText);
            return -1;
        }
        got += arrived;
        // The clock is read after the read, so a read that only completes late still fails.
        uint32_t elapsed = host_.NowMilliseconds() - start;
        if (elapsed > kDeadlineMilliseconds) {
            ShowError(kLineFailedText);
            return -1;
        }
        if (got >= static_cast<int32_t>(kQuitBytes) && std::memcmp(bytes, kQuit, kQuitBytes) == 0) {
            ShowError(kPeerQuitText);
            return -1;
        }
        if (arrived == 0) port_.WaitReadable(kDeadlineMilliseconds + 1 - elapsed);
    }
    return count;
}

void LinkLine::ClosePort() {
    if (!port_.IsOpen()) return;
    Send(kQuit, kQuitBytes);
    port_.Close();
}

bool LinkLine::IsPortOpen() const {
    return port_.IsOpen();
}

void LinkLine::ShowError(const char *text) {
    host_.ShowMessage(text, kMessageCaption, MessageIcon::Stop);
}

}  // namespace versus
