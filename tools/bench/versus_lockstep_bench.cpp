// versus-lockstep-bench: the versus lockstep over a TCP connection on this PC. Two processes play
// the two PCs of a match and step the same fight as fast as they can, swapping their order records
// before every step; each reports its steps per second and how long its exchanges took, and both
// must end in the same state.
//   versus-lockstep-bench [steps] [port]
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "battle/model_library.h"
#include "battle/random.h"
#include "link/link_line.h"
#include "link/order_record.h"
#include "lockstep_fight.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/tcp_port.h"
#include "timing.h"
#include "trazel.h"

namespace {

constexpr int kDefaultSteps = 5000;
// Every step's exchange time is kept until the end: 80 MB at most.
constexpr int kMostSteps = 10000000;
constexpr char kReadyToken = 'S';
// Both PCs draw the same meteorites from the same sequence, as at the start of a round.
constexpr uint32_t kRoundSeed = 1;

// The link's desktop for a program without one: the clock, and messages on standard error.
class ConsoleLinkHost : public versus::CommDialogHost {
  public:
    uint32_t NowMilliseconds() override { return platform::NowMilliseconds(); }
    void Open() override {}
    void RunModal() override {}
    void Close() override {}
    bool StartTimer(uint32_t) override { return false; }
    void StopTimer() override {}
    void Invalidate() override {}
    void DrawNow() override {}
    void ShowCancelButton(bool) override {}
    void ShowMessage(const std::string &text, const std::string &caption,
                     versus::MessageIcon) override {
        std::fprintf(stderr, "versus-lockstep-bench: %s: %s\n", caption.c_str(), text.c_str());
    }
};

// The engine, open while the models of a fight are loaded and freed.
class OpenEngine {
  public:
    OpenEngine() : open_(OpenTrazel(1) == 1) {}
    OpenEngine(const OpenEngine &) = delete;
    OpenEngine &operator=(const OpenEngine &) = delete;
    ~OpenEngine() { CloseTrazel(); }

    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

struct Settings {
    int steps = kDefaultSteps;
    uint16_t port = 0;  // 0: a free one
};

// What one side measured. The calling side hands it to the answering side through a pipe, as
// plain bytes: both processes are the same program.
struct SideReport {
    bool finished = false;
    double stepsPerSecond = 0;
    double exchangeMedianMicroseconds = 0;
    double exchangeP99Microseconds = 0;
    int32_t roundsFought = 0;
    uint64_t stateHash = 0;
};

std::optional<int> PositiveNumber(std::string_view text, int largest) {
    int number = 0;
    const char *end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end || number < 1 || number > largest) return std::nullopt;
    return number;
}

std::optional<Settings> ParseArguments(int argc, char **argv) {
    Settings settings;
    if (argc > 3) return std::nullopt;
    if (argc > 1) {
        std::optional<int> steps = PositiveNumber(argv[1], kMostSteps);
        if (!steps) return std::nullopt;
        settings.steps = *steps;
    }
    if (argc > 2) {
        std::optional<int> port = PositiveNumber(argv[2], 65535);
        if (!port) return std::nullopt;
        settings.port = static_cast<uint16_t>(*port);
    }
    return settings;
}

// The port the system picks for a socket bound to port 0 is free at that moment; another program
// could take it before the answering side listens there, which is unlikely enough.
std::optional<uint16_t> FreePort() {
    int probe = socket(AF_INET, SOCK_STREAM, 0);
    if (probe < 0) return std::nullopt;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bool bound = bind(probe, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
                 getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length) == 0;
    close(probe);
    if (!bound) return std::nullopt;
    return ntohs(address.sin_port);
}

// The calling side speaks first: what the answering side sent before the call arrived would go
// nowhere. Afterwards both start their clocks within a one-way trip of each other.
bool MeetPeer(versus::LinkLine &line, Role role) {
    char token = kReadyToken;
    if (role == Role::Calling) line.Send(&token, 1);
    if (line.ReadExact(&token, 1) != 1) return false;
    if (role == Role::Answering) line.Send(&token, 1);
    return true;
}

// The game's exchange of a step: false when the line failed (the host has said why) or the
// orders that came are not a robot's.
bool ExchangeOrders(versus::LinkLine &line, LockstepFight &fight) {
    versus::OrderBytes orders = versus::EncodeOrders(fight.Own());
    line.Send(orders.data(), orders.size());
    return line.ReadExact(orders.data(), static_cast<int32_t>(orders.size())) >= 0 &&
           versus::DecodeOrders(orders, fight.Peer());
}

SideReport PlayFight(versus::LinkLine &line, Role role, int steps) {
    LockstepFight fight(role);
    if (!MeetPeer(line, role)) return {};
    battle::SeedRandom(kRoundSeed);
    std::vector<double> exchangeMicroseconds;
    exchangeMicroseconds.reserve(steps);
    const double start = NowMilliseconds();
    for (int step = 0; step < steps; ++step) {
        fight.GiveOwnOrders(step);
        // This includes waiting for the other side to finish its own step.
        const double exchangeStart = NowMilliseconds();
        if (!ExchangeOrders(line, fight)) return {};
        exchangeMicroseconds.push_back((NowMilliseconds() - exchangeStart) * 1000);
        fight.Step();
    }
    const double seconds = (NowMilliseconds() - start) / 1000;
    return {true,
            steps / seconds,
            Median(exchangeMicroseconds),
            Percentile(exchangeMicroseconds, 0.99),
            fight.RoundsFought(),
            fight.StateHash()};
}

SideReport RunSide(platform::TcpPort &port, Role role, int steps) {
    ConsoleLinkHost host;
    versus::LinkLine line(port, host);
    // As in a match: a read takes what has come, and ReadExact waits for the rest.
    line.SetTimeouts(0, 0);
    OpenEngine engine;
    if (!engine.IsOpen()) return {};
    SideReport report = PlayFight(line, role, steps);
    line.ClosePort();
    return report;
}

void PrintReport(const char *side, const SideReport &report) {
    std::printf(
        "%-9s side: %8.0f steps/s, exchange median %7.1f µs, p99 %7.1f µs, %d rounds,"
        " state %016" PRIx64 "\n",
        side, report.stepsPerSecond, report.exchangeMedianMicroseconds,
        report.exchangeP99Microseconds, report.roundsFought, report.stateHash);
}

// Runs the calling side in a child process and hands its report to the parent through reportPipe.
[[noreturn]] void CallingChild(platform::TcpPort &port, const std::string &device, int steps,
                               int reportPipe) {
    // Opening again lets go of the listening socket this copy inherited; the call reaches the
    // parent's.
    SideReport report;
    if (port.Open(device)) {
        report = RunSide(port, Role::Calling, steps);
    } else {
        std::fprintf(stderr, "versus-lockstep-bench: %s\n", port.OpenProblem().c_str());
    }
    bool handedOver = write(reportPipe, &report, sizeof report) == sizeof report;
    _exit(report.finished && handedOver ? 0 : 1);
}

SideReport ReportOfChild(pid_t child, int reportPipe) {
    SideReport report;
    if (read(reportPipe, &report, sizeof report) != sizeof report) report = SideReport{};
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        report.finished = false;
    return report;
}

struct BothReports {
    SideReport answering, calling;
};

// Starts the calling side in a child process and plays the answering side in this one; nothing
// when the child cannot be started.
std::optional<BothReports> PlayBothSides(platform::TcpPort &port, const std::string &device,
                                         int steps) {
    int reportPipe[2];
    if (pipe(reportPipe) != 0) return std::nullopt;
    std::fflush(stdout);  // or the child would print it again
    pid_t child = fork();
    if (child == 0) {
        close(reportPipe[0]);
        CallingChild(port, device, steps, reportPipe[1]);
    }
    close(reportPipe[1]);
    std::optional<BothReports> reports;
    if (child > 0)
        reports =
            BothReports{RunSide(port, Role::Answering, steps), ReportOfChild(child, reportPipe[0])};
    close(reportPipe[0]);
    return reports;
}

int RunBenchmark(const Settings &settings) {
    std::optional<std::string> library = platform::FindDataFile("morvex.m3d");
    std::optional<uint16_t> portNumber = settings.port != 0 ? settings.port : FreePort();
    if (!library || !portNumber) {
        std::fprintf(stderr, "versus-lockstep-bench: %s\n",
                     library ? "no free port" : "no model library morvex.m3d");
        return 1;
    }
    battle::SetModelLibraryPath(*library);
    const std::string device = "tcp:127.0.0.1:" + std::to_string(*portNumber);
    platform::TcpPort port;
    // Nobody is there yet, so this process listens: it is the answering side.
    if (!port.Open(device)) {
        std::fprintf(stderr, "versus-lockstep-bench: %s\n", port.OpenProblem().c_str());
        return 1;
    }
    std::printf("versus-lockstep-bench: %d steps over %s, each side as fast as it can\n",
                settings.steps, device.c_str());
    std::optional<BothReports> reports = PlayBothSides(port, device, settings.steps);
    if (!reports) {
        std::perror("versus-lockstep-bench: cannot start the calling side");
        return 1;
    }
    if (!reports->answering.finished || !reports->calling.finished) {
        std::fprintf(stderr, "versus-lockstep-bench: the %s side did not finish\n",
                     reports->answering.finished ? "calling" : "answering");
        return 1;
    }
    PrintReport("answering", reports->answering);
    PrintReport("calling", reports->calling);
    bool agree = reports->answering.stateHash == reports->calling.stateHash;
    std::printf("%s\n", agree ? "states agree" : "STATES DIFFER");
    return agree ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
    std::optional<Settings> settings = ParseArguments(argc, argv);
    if (!settings) {
        std::fprintf(stderr, "usage: versus-lockstep-bench [steps] [port]\n");
        return 2;
    }
    return RunBenchmark(*settings);
}
