// The fakes' mechanics: timer ticks, a script played on the clock, and turns between two threads.
#include "link_fakes.h"

#include <algorithm>
#include <thread>

void FakeCommHost::RunModal() {
    while (open && timerRunning && ticksLeft-- > 0) {
        now_ += versus::TCommDlg::kTimerMilliseconds;
        dialog->OnTimer();
        if (afterTick) afterTick();
    }
}

namespace {

int32_t Take(std::deque<char> &arrived, void *buffer, size_t count) {
    size_t taken = std::min(count, arrived.size());
    std::copy_n(arrived.begin(), taken, static_cast<char *>(buffer));
    arrived.erase(arrived.begin(), arrived.begin() + static_cast<std::ptrdiff_t>(taken));
    return static_cast<int32_t>(taken);
}

}  // namespace

void ScriptedPort::Arrive(uint32_t afterOpen, std::string_view bytes) {
    script_.push_back(Chunk{afterOpen, std::string(bytes)});
}

// Opening drops whatever waited on the line, as the serial port does.
bool ScriptedPort::Open(const std::string &device) {
    openedDevice = device;
    open_ = openProblem.empty();
    openedAt_ = now_;
    arrived_.clear();
    return open_;
}

size_t ScriptedPort::Send(const void *bytes, size_t count) {
    if (!open_) return 0;
    sent.append(static_cast<const char *>(bytes), count);
    return count;
}

void ScriptedPort::Deliver() {
    for (; nextChunk_ < script_.size() && script_[nextChunk_].at <= SinceOpen(); ++nextChunk_)
        arrived_.insert(arrived_.end(), script_[nextChunk_].bytes.begin(),
                        script_[nextChunk_].bytes.end());
}

uint32_t ScriptedPort::NextEvent() const {
    uint32_t next = hangUp_;
    if (nextChunk_ < script_.size()) next = std::min(next, script_[nextChunk_].at);
    return next;
}

int32_t ScriptedPort::ReadAvailable(void *buffer, size_t count) {
    if (!open_) return kDeadLine;
    Deliver();
    if (arrived_.empty() && readTimeout_ > 0) WaitReadable(readTimeout_);
    if (arrived_.empty()) return IsDead() ? kDeadLine : 0;
    return Take(arrived_, buffer, count);
}

bool ScriptedPort::WaitReadable(uint32_t milliseconds) {
    Deliver();
    if (!arrived_.empty() || IsDead()) return true;
    uint32_t wait = NextEvent() - SinceOpen();
    if (wait > milliseconds) {
        now_ += milliseconds;
        return false;
    }
    now_ += wait;
    Deliver();
    return true;
}

void PortPair::Run(const std::function<void()> &first, const std::function<void()> &second) {
    std::thread other([&] { RunSide(1, second); });
    RunSide(0, first);
    other.join();
}

void PortPair::RunSide(int side, const std::function<void()> &body) {
    {
        std::unique_lock<std::mutex> lock(mutex_);
        turnChanged_.wait(lock, [&] { return turn_ == side; });
        sides_[side].begun = true;
    }
    body();
    std::lock_guard<std::mutex> lock(mutex_);
    sides_[side].finished = true;
    turn_ = 1 - side;
    turnChanged_.notify_all();
}

void PortPair::PassTurn(int side) {
    std::unique_lock<std::mutex> lock(mutex_);
    Yield(lock, side, true);
}

void PortPair::Yield(std::unique_lock<std::mutex> &lock, int side, bool startOther) {
    const Side &other = sides_[1 - side];
    if (other.finished || (!other.begun && !startOther)) return;
    turn_ = 1 - side;
    turnChanged_.notify_all();
    turnChanged_.wait(lock, [&] { return turn_ == side; });
}

// Nothing to read yet: the other side runs first; still nothing, and the wait's time passes on
// this side's clock.
bool PortPair::WaitFor(std::unique_lock<std::mutex> &lock, int side, uint32_t milliseconds) {
    if (sides_[side].arrived.empty()) Yield(lock, side, false);
    if (!sides_[side].arrived.empty()) return true;
    now[side] += milliseconds;
    return false;
}

bool PortPair::End::Open(const std::string &) {
    std::lock_guard<std::mutex> lock(pair_.mutex_);
    pair_.sides_[side_].open = true;
    pair_.sides_[side_].arrived.clear();
    return true;
}

bool PortPair::End::IsOpen() const {
    std::lock_guard<std::mutex> lock(pair_.mutex_);
    return pair_.sides_[side_].open;
}

void PortPair::End::SetTimeouts(uint32_t readMilliseconds, uint32_t) {
    std::lock_guard<std::mutex> lock(pair_.mutex_);
    pair_.sides_[side_].readTimeout = readMilliseconds;
}

// Bytes sent while the other end is closed are lost, as on a cable to a PC not yet listening.
size_t PortPair::End::Send(const void *bytes, size_t count) {
    std::lock_guard<std::mutex> lock(pair_.mutex_);
    if (!pair_.sides_[side_].open) return 0;
    Side &other = pair_.sides_[1 - side_];
    const char *text = static_cast<const char *>(bytes);
    if (other.open) other.arrived.insert(other.arrived.end(), text, text + count);
    return count;
}

int32_t PortPair::End::ReadAvailable(void *buffer, size_t count) {
    std::unique_lock<std::mutex> lock(pair_.mutex_);
    Side &self = pair_.sides_[side_];
    if (!self.open) return kDeadLine;
    if (self.arrived.empty() && self.readTimeout > 0) pair_.WaitFor(lock, side_, self.readTimeout);
    return Take(self.arrived, buffer, count);
}

bool PortPair::End::WaitReadable(uint32_t milliseconds) {
    std::unique_lock<std::mutex> lock(pair_.mutex_);
    return pair_.WaitFor(lock, side_, milliseconds);
}

void PortPair::End::Close() {
    std::lock_guard<std::mutex> lock(pair_.mutex_);
    pair_.sides_[side_].open = false;
}
