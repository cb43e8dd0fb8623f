// The serial port on a pseudo-terminal: the port opens the slave side, and the test plays the
// other PC on the master side.
#include "platform/serial_port.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <thread>

using platform::LinkPort;
using platform::SerialPort;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

class SerialPortTest : public testing::Test {
  protected:
    // openpty's own slave descriptor stays open: it reads the line's settings and what waits in
    // it, since the port's claim on the device keeps anyone but root from opening it again.
    void SetUp() override {
        char name[128];
        ASSERT_EQ(openpty(&master_, &slave_, name, nullptr, nullptr), 0);
        device_ = name;
        ASSERT_TRUE(port_.Open(device_));
    }
    void TearDown() override {
        port_.Close();
        if (master_ >= 0) close(master_);
        close(slave_);
    }

    // What the other PC receives: count bytes, or fewer when no more come within seconds.
    std::string ReceiveAtMaster(size_t count) const {
        std::string bytes;
        char chunk[256];
        pollfd entry{master_, POLLIN, 0};
        while (bytes.size() < count && poll(&entry, 1, 5000) > 0) {
            ssize_t got = read(master_, chunk, std::min(sizeof chunk, count - bytes.size()));
            if (got <= 0) break;
            bytes.append(chunk, static_cast<size_t>(got));
        }
        return bytes;
    }
    // Bytes written on the master side reach the line a moment later.
    void WaitUntilWaiting(int count) const {
        int waiting = 0;
        for (int tries = 0; tries < 500 && waiting != count; ++tries) {
            std::this_thread::sleep_for(10ms);
            ioctl(slave_, FIONREAD, &waiting);
        }
        ASSERT_EQ(waiting, count);
    }

    int master_ = -1, slave_ = -1;
    std::string device_;
    SerialPort port_;
};

TEST_F(SerialPortTest, EveryByteValueCrossesTheLineUnchangedBothWays) {
    std::string every(256, '\0');
    std::iota(every.begin(), every.end(), '\0');
    port_.SetTimeouts(5000, 5000);
    EXPECT_EQ(port_.Send(every.data(), every.size()), every.size());
    EXPECT_EQ(ReceiveAtMaster(every.size()), every);

    ASSERT_EQ(write(master_, every.data(), every.size()), 256);
    std::string received;
    char chunk[100];
    while (received.size() < every.size()) {
        int32_t got = port_.ReadAvailable(chunk, sizeof chunk);
        if (got <= 0) break;
        received.append(chunk, static_cast<size_t>(got));
    }
    EXPECT_EQ(received, every);
}

TEST_F(SerialPortTest, ASendNobodyReadsStopsAtTheWriteTimeOutHavingCountedWhatWentOut) {
    std::string lots(1 << 20, '\0');  // far more than the line holds
    for (size_t index = 0; index < lots.size(); ++index)
        lots[index] = static_cast<char>(index % 251);
    port_.SetTimeouts(0, 100);
    size_t sent = port_.Send(lots.data(), lots.size());
    EXPECT_GT(sent, 0u);
    EXPECT_LT(sent, lots.size());
    EXPECT_EQ(ReceiveAtMaster(sent), lots.substr(0, sent));
    pollfd master{master_, POLLIN, 0};
    EXPECT_EQ(poll(&master, 1, 100), 0) << "more went out than Send counted";
}

TEST_F(SerialPortTest, AReadTakesWhatHasArrivedUpToItsCount) {
    ASSERT_EQ(write(master_, "0123456789", 10), 10);
    WaitUntilWaiting(10);
    char buffer[16];
    ASSERT_EQ(port_.ReadAvailable(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    ASSERT_EQ(port_.ReadAvailable(buffer, sizeof buffer), 6);
    EXPECT_EQ(std::string(buffer, 6), "456789");
}

TEST_F(SerialPortTest, OnAQuietLineAReadWaitsItsTimeOutAndReturnsNothing) {
    const struct {
        uint32_t timeout;
        Clock::duration atLeast, under;
    } cases[] = {{100, 100ms, 5s}, {0, 0ms, 500ms}};
    for (const auto &wait : cases) {
        port_.SetTimeouts(wait.timeout, 0);
        char buffer[8];
        Clock::time_point start = Clock::now();
        EXPECT_EQ(port_.ReadAvailable(buffer, sizeof buffer), 0) << wait.timeout;
        EXPECT_GE(Clock::now() - start, wait.atLeast) << wait.timeout;
        EXPECT_LT(Clock::now() - start, wait.under) << wait.timeout;
        EXPECT_FALSE(port_.WaitReadable(wait.timeout)) << wait.timeout;
    }
}

TEST_F(SerialPortTest, OpeningSetsUpARawLineAt19200WithoutFlowControlAndEmptiesIt) {
    port_.Close();
    termios line{};
    ASSERT_EQ(tcgetattr(slave_, &line), 0);
    line.c_cflag |= CSTOPB | CRTSCTS;
    line.c_iflag |= IXON | IXOFF | IXANY;
    line.c_lflag |= ICANON | ECHO | ISIG;
    cfsetspeed(&line, B9600);
    ASSERT_EQ(tcsetattr(slave_, TCSANOW, &line), 0);
    ASSERT_EQ(write(master_, "stale\n", 6), 6);
    WaitUntilWaiting(6);

    ASSERT_TRUE(port_.Open(device_));
    ASSERT_EQ(tcgetattr(slave_, &line), 0);
    EXPECT_EQ(cfgetispeed(&line), B19200);
    EXPECT_EQ(cfgetospeed(&line), B19200);
    EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS | CLOCAL | CREAD),
              CS8 | CLOCAL | CREAD);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    char buffer[8];
    EXPECT_EQ(port_.ReadAvailable(buffer, sizeof buffer), 0);
}

TEST_F(SerialPortTest, WhenTheOtherEndClosesTheLineIsDeadAtOnce) {
    port_.SetTimeouts(60000, 0);
    close(master_);
    master_ = -1;
    Clock::time_point start = Clock::now();
    EXPECT_TRUE(port_.WaitReadable(60000));
    char buffer[8];
    for (int call = 0; call < 3; ++call)
        EXPECT_EQ(port_.ReadAvailable(buffer, sizeof buffer), LinkPort::kDeadLine);
    EXPECT_EQ(port_.Send("bye", 3), 0u);
    EXPECT_LT(Clock::now() - start, 5s);
}

TEST_F(SerialPortTest, WhatIsNoLineIsRefusedAndThenEveryCallFails) {
    auto folder =
        std::filesystem::temp_directory_path() / ("serial-port-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "plain") << "not a line";
    for (auto device :
         {folder / "missing", folder / "plain", folder, std::filesystem::path("/dev/null")}) {
        EXPECT_FALSE(port_.Open(device)) << device;
        EXPECT_FALSE(port_.IsOpen());
        EXPECT_EQ(port_.Send("x", 1), 0u);
        char buffer[8];
        EXPECT_EQ(port_.ReadAvailable(buffer, sizeof buffer), LinkPort::kDeadLine);
        EXPECT_TRUE(port_.WaitReadable(60000));
    }
    std::filesystem::remove_all(folder);
}

// The link's last message goes out just before the port closes; the other end still reads it.
TEST_F(SerialPortTest, WhatWasSentBeforeClosingStillArrivesAndClosingTwiceIsHarmless) {
    EXPECT_EQ(port_.Send("QUIT", 4), 4u);
    port_.Close();
    EXPECT_EQ(ReceiveAtMaster(4), "QUIT");
    port_.Close();
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_EQ(port_.Send("x", 1), 0u);
}

}  // namespace
