// Fakes around the versus link: a desktop that ticks the dialog's timer on a clock the test owns,
// a port that plays a script of what the other PC sends, and two ports joined back to back for
// two dialogs on two threads.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "link/comm_dialog.h"
#include "platform/link_port.h"

class FakeCommHost : public versus::CommDialogHost {
  public:
    explicit FakeCommHost(uint32_t &now) : now_(now) {}

    uint32_t NowMilliseconds() override { return now_; }
    void Open() override { open = true; }
    // Ticks the timer every 10 ms of the clock until the dialog closes, its timer stops or
    // ticksLeft runs out; afterTick runs after each tick.
    void RunModal() override;
    void Close() override { open = timerRunning = false; }
    bool StartTimer(uint32_t) override {
        timerRunning = !timerFails;
        return timerRunning;
    }
    void StopTimer() override { timerRunning = false; }
    void Invalidate() override {}
    void DrawNow() override { drawnProgress.push_back(dialog->progress); }
    void ShowCancelButton(bool shown) override { cancelShown = shown; }
    void ShowMessage(const std::string &text, const std::string &caption,
                     versus::MessageIcon icon) override {
        messages.push_back(Message{text, caption, icon});
    }

    struct Message {
        std::string text, caption;
        versus::MessageIcon icon;
    };

    versus::TCommDlg *dialog = nullptr;
    bool open = false, timerRunning = false, timerFails = false, cancelShown = false;
    int ticksLeft = 100;
    std::function<void()> afterTick;
    std::vector<int32_t> drawnProgress;
    std::vector<Message> messages;

  private:
    uint32_t &now_;
};

// A line whose other end plays a script: chunks of bytes that arrive a given time after this end
// opens, and perhaps a hang-up. Waiting moves the shared clock instead of sleeping.
class ScriptedPort : public platform::LinkPort {
  public:
    explicit ScriptedPort(uint32_t &now) : now_(now) {}

    void Arrive(uint32_t afterOpen, std::string_view bytes);
    // The line dies this long after it opens, once what arrived before has been read.
    void HangUp(uint32_t afterOpen) { hangUp_ = afterOpen; }

    bool Open(const std::string &device) override;
    bool IsOpen() const override { return open_; }
    void SetTimeouts(uint32_t readMilliseconds, uint32_t) override {
        readTimeout_ = readMilliseconds;
    }
    size_t Send(const void *bytes, size_t count) override;
    int32_t ReadAvailable(void *buffer, size_t count) override;
    bool WaitReadable(uint32_t milliseconds) override;
    void Close() override { open_ = false; }

    std::string OpenProblem() const override { return open_ ? std::string() : openProblem; }

    std::string openedDevice;
    std::string sent;
    // Not empty: the port will not open, and says this.
    std::string openProblem;

  private:
    struct Chunk {
        uint32_t at;
        std::string bytes;
    };
    uint32_t SinceOpen() const { return now_ - openedAt_; }
    bool IsDead() const { return !open_ || SinceOpen() >= hangUp_; }
    void Deliver();
    uint32_t NextEvent() const;

    uint32_t &now_;
    std::vector<Chunk> script_;
    size_t nextChunk_ = 0;
    std::deque<char> arrived_;
    uint32_t hangUp_ = UINT32_MAX;
    uint32_t openedAt_ = 0;
    uint32_t readTimeout_ = 0;
    bool open_ = false;
};

// Two ends of an in-memory line for two dialogs, each run on a thread of its own. Only one side
// runs at a time: a side hands the turn over when it would wait for bytes, as the other PC would
// run meanwhile, so each run takes the same course. The second side starts at the first side's
// first PassTurn, once the first is waiting for a call.
class PortPair {
  public:
    class End : public platform::LinkPort {
      public:
        End(PortPair &pair, int side) : pair_(pair), side_(side) {}
        bool Open(const std::string &device) override;
        bool IsOpen() const override;
        void SetTimeouts(uint32_t readMilliseconds, uint32_t) override;
        size_t Send(const void *bytes, size_t count) override;
        int32_t ReadAvailable(void *buffer, size_t count) override;
        bool WaitReadable(uint32_t milliseconds) override;
        void Close() override;

      private:
        PortPair &pair_;
        int side_;
    };

    End &operator[](int side) { return ends_[side]; }
    // Each side's own clock, moved by its waits.
    uint32_t now[2] = {5000, 900000};
    // Runs first and second on two threads, first starting, until both have returned.
    void Run(const std::function<void()> &first, const std::function<void()> &second);
    // Lets the other side run until it waits.
    void PassTurn(int side);

  private:
    struct Side {
        bool open = false, begun = false, finished = false;
        uint32_t readTimeout = 0;
        std::deque<char> arrived;
    };
    void RunSide(int side, const std::function<void()> &body);
    // Lets the other side run until it hands the turn back (or returns); startOther also starts a
    // side that has not run yet.
    void Yield(std::unique_lock<std::mutex> &lock, int side, bool startOther);
    bool WaitFor(std::unique_lock<std::mutex> &lock, int side, uint32_t milliseconds);

    std::mutex mutex_;
    std::condition_variable turnChanged_;
    int turn_ = 0;
    Side sides_[2];
    End ends_[2] = {End(*this, 0), End(*this, 1)};
};
