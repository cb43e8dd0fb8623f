// Zero drift: two copies of the game, each in a process of its own as on two PCs, linked through
// two pseudo-terminals joined back to back or over the network, play whole versus matches with
// scripted orders on both sides. After every step both hold the same robots, projectiles, shields,
// obstacles and scores; both end the match in the same step, with mirrored results and one log line
// each.
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <thread>

#include "battle/frame_file.h"
#include "battle/model_library.h"
#include "battle/random.h"
#include "fake_hosts.h"
#include "fight_recorder.h"
#include "platform/clock.h"
#include "platform/device_port.h"

using namespace match;

namespace {

// The versus dialog's desktop on the real clock: its timer ticks every 10 ms until it closes.
class TickingCommHost : public versus::CommDialogHost {
  public:
    uint32_t NowMilliseconds() override { return platform::NowMilliseconds(); }
    void Open() override { open = true; }
    // Writes a byte to waitingSignal once the dialog waits for a call.
    void RunModal() override {
        while (open && timerRunning) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            dialog->OnTimer();
            if (dialog->state == versus::kWaiting && waitingSignal >= 0) {
                EXPECT_EQ(write(waitingSignal, "w", 1), 1);
                waitingSignal = -1;
            }
        }
    }
    void Close() override { open = timerRunning = false; }
    bool StartTimer(uint32_t) override { return timerRunning = true; }
    void StopTimer() override { timerRunning = false; }
    void Invalidate() override {}
    void DrawNow() override {}
    void ShowCancelButton(bool) override {}
    void ShowMessage(const std::string &text, const std::string &, versus::MessageIcon) override {
        messages.push_back(text);
    }

    versus::TCommDlg *dialog = nullptr;
    int waitingSignal = -1;
    bool open = false, timerRunning = false;
    std::vector<std::string> messages;
};

struct Side {
    std::string name, device, frameFile;
    int waitingSignal;
    int32_t level;
    uint32_t seed;  // each PC's generator starts elsewhere; the rounds reseed both alike
};

// The client point whose ground point lies nearest target: the player's aim with the mouse.
ClientPoint PointAt(const TMainFrm &window, battle::GroundPoint target) {
    ClientPoint best{};
    float nearest = std::numeric_limits<float>::infinity();
    for (int32_t y = 0; y < 480; y += 8) {
        for (int32_t x = 0; x < 640; x += 8) {
            float distance = battle::Distance(window.GroundPick({x, y}), target);
            if (distance < nearest) best = {x, y}, nearest = distance;
        }
    }
    return best;
}

// The answering side attacks in rounds 1 and 3, the calling side in round 2: the attacker stands,
// aims at the other robot and fires, changing weapons now and then; the other walks in circles.
void GiveOrders(TMainFrm &window, int step) {
    if (window.gameState != kFight) return;
    battle::TFream &own = *window.myFream;
    bool answering = window.versusMode == kLinkedAnswering;
    bool attacking = (window.roundsPlayed % 2 == 0) == answering;
    battle::GroundPoint target = window.enemyFream->pos;
    if (!attacking) target = battle::MoveAlong({0, 0}, (step * 64) % 4096, 250.0f);
    window.OnMouseMove(PointAt(window, target));
    own.moving = attacking ? 0 : 1;
    if (attacking && step % 3 == 0) own.fireNow = 1;
    if (attacking && step % 40 == 0) own.weaponSelect = 1 - own.weaponSelect;
}

// The state both PCs must agree on, with the answering side's robot first. Below the ground only
// the waves that follow each PC's own robot differ, and they touch nothing.
std::vector<uint8_t> SharedState(const TMainFrm &window) {
    bool answering = window.versusMode == kLinkedAnswering;
    Recorder out;
    PutRobot(out, answering ? *window.myFream : *window.enemyFream);
    PutRobot(out, answering ? *window.enemyFream : *window.myFream);
    for (int slot = battle::kFirstObstacleSlot;
         slot < battle::kFirstObstacleSlot + battle::kObstacleCount; ++slot) {
        const ObjectStruct &obstacle = window.scene[slot];
        out.Put(obstacle.z);
        out.Put(obstacle.angleZ);
        if (obstacle.z >= 0) out.Put(battle::GroundPoint{obstacle.x, obstacle.y});
    }
    for (int32_t value : {window.timeCount, window.resultCount, window.roundsPlayed,
                          answering ? window.roundsWon : window.roundsPlayed - window.roundsWon})
        out.Put(value);
    return out.data;
}

// One PC: links, plays the match and writes <name>.steps (the shared state before every step)
// and <name>.txt (its role, the stage, what the match added to its record, every message) into
// folder.
void PlaySide(const Side &side, const std::string &folder) {
    battle::SetModelLibraryPath(MORVEX_DATA "/morvex.m3d");
    battle::SeedRandom(side.seed);
    FakeHosts fakes;
    platform::DevicePort port;
    TickingCommHost commHost;
    commHost.waitingSignal = side.waitingSignal;
    Hosts hosts{fakes.window,       fakes.floatMenu,
                fakes.shieldWindow, fakes.versionDialog,
                fakes.freamEditor,  fakes.silentSounds,
                fakes.silentMusic,  fakes.settings,
                commHost,           port};
    std::ofstream(fakes.settings.Path()) << "[morvex infor]\ncomm1device=" << side.device << "\n";
    TMainFrm window(hosts);
    window.OnSize(640, 480);
    window.OnWindowCreated();
    commHost.dialog = window.commDialog.get();
    window.framePath = folder + "/" + side.name + ".frm";
    if (!side.frameFile.empty()) {
        std::FILE *frame = std::fopen(side.frameFile.c_str(), "rb");
        battle::LoadFrame(frame, *window.myFream);
        std::fclose(frame);
    }
    window.selectedLevel = side.level;
    window.RunCommand(kVersusCommand);
    std::ofstream steps(folder + "/" + side.name + ".steps", std::ios::binary);
    std::string role;
    int32_t stage = 0, playedBefore = 0, wonBefore = 0;
    int step = 0;
    fakes.window.passesLeft = 100000;
    fakes.window.onPass = [&] {
        if (!IsLinked(window.versusMode)) {
            fakes.window.passesLeft = 0;
            return;
        }
        if (role.empty()) {
            role = window.versusMode == kLinkedAnswering ? "answering" : "calling";
            stage = window.currentLevel;
            playedBefore = window.myFream->record.versusPlayed;
            wonBefore = window.myFream->record.versusWon;
        }
        std::vector<uint8_t> state = SharedState(window);
        steps.write(reinterpret_cast<const char *>(state.data()), std::ssize(state));
        GiveOrders(window, step++);
        fakes.window.now = window.tickBase + 51;
    };
    window.RunCommand(kStartCommand);
    std::ofstream summary(folder + "/" + side.name + ".txt");
    summary << "role " << role << "\nstage " << stage << "\nplayed "
            << window.myFream->record.versusPlayed - playedBefore << " won "
            << window.myFream->record.versusWon - wonBefore << "\n";
    for (const FakeWindowHost::Message &message : fakes.window.messages)
        summary << "box " << message.caption << ": " << message.text << "\n";
    for (const std::string &text : commHost.messages) summary << "link " << text << "\n";
}

pid_t StartSide(const Side &side, const std::string &folder) {
    pid_t pid = fork();
    if (pid != 0) return pid;
    alarm(120);  // a side that hangs dies, and the test fails instead of hanging
    PlaySide(side, folder);
    _exit(0);
}

enum class LineKind { PseudoTerminals, Network };

// The line between the two copies: two pseudo-terminals whose master sides this process joins,
// as a null-modem cable would, or one port of the loopback network.
class TestLine {
  public:
    explicit TestLine(LineKind kind) {
        if (kind == LineKind::Network) {
            device_[0] = device_[1] = "tcp:127.0.0.1:" + std::to_string(FreePort());
            return;
        }
        for (int end = 0; end < 2; ++end) {
            char name[128];
            EXPECT_EQ(openpty(&master_[end], &slave_[end], name, nullptr, nullptr), 0);
            // Raw from the start: a cooked line would echo the first call back to its sender.
            termios settings{};
            tcgetattr(slave_[end], &settings);
            cfmakeraw(&settings);
            tcsetattr(slave_[end], TCSANOW, &settings);
            device_[end] = name;
        }
    }
    ~TestLine() {
        for (int fd : {master_[0], master_[1], slave_[0], slave_[1]})
            if (fd >= 0) close(fd);
    }
    const std::string &Device(int end) const { return device_[end]; }

    // Passes bytes across (the network needs no help) until done() holds or the time runs out;
    // false then.
    bool PassUntil(const std::function<bool()> &done, std::chrono::seconds limit) {
        auto end = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            pollfd entries[2] = {{master_[0], POLLIN, 0}, {master_[1], POLLIN, 0}};
            if (poll(entries, master_[0] >= 0 ? 2 : 0, 20) <= 0) continue;
            for (int from = 0; from < 2; ++from) {
                if ((entries[from].revents & POLLIN) == 0) continue;
                char chunk[4096];
                ssize_t got = read(master_[from], chunk, sizeof chunk);
                if (got <= 0) continue;
                EXPECT_EQ(write(master_[1 - from], chunk, got), got);
            }
        }
        return true;
    }

  private:
    static uint16_t FreePort() {
        int probe = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(probe, reinterpret_cast<sockaddr *>(&address), length);
        getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
        close(probe);
        return ntohs(address.sin_port);
    }

    int master_[2] = {-1, -1}, slave_[2] = {-1, -1};
    std::string device_[2];
};

bool Readable(int descriptor) {
    pollfd entry{descriptor, POLLIN, 0};
    return poll(&entry, 1, 0) > 0;
}

std::string ReadAll(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

bool Exited(pid_t pid, int *status) {
    return *status != -1 || waitpid(pid, status, WNOHANG) == pid;
}

}  // namespace

// Plays a match on stage 1 and one on stage 6 over a line of kind.
void ExpectMatchesWithoutDrift(LineKind kind) {
    for (int32_t level : {1, 6}) {
        SCOPED_TRACE("stage " + std::to_string(level));
        std::string folder = ::testing::TempDir() + "lockstep-" + std::to_string(getpid()) + "-" +
                             std::to_string(level);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
        TestLine line(kind);
        // The first copy calls into the void and waits; the second calls and is answered, and
        // takes over the answering side's stage.
        int waiting[2];
        ASSERT_EQ(pipe(waiting), 0);
        pid_t first = StartSide({"first", line.Device(0), "", waiting[1], level, 7}, folder);
        bool firstWaits =
            line.PassUntil([&] { return Readable(waiting[0]); }, std::chrono::seconds(30));
        close(waiting[0]);
        close(waiting[1]);
        int firstStatus = -1, secondStatus = -1;
        pid_t second = -1;
        if (firstWaits) {
            second = StartSide(
                {"second", line.Device(1), MORVEX_TEST_INPUTS "/tiny_robot.frm", -1, 3, 12345},
                folder);
        }
        bool ended =
            firstWaits &&
            line.PassUntil(
                [&] { return Exited(first, &firstStatus) && Exited(second, &secondStatus); },
                std::chrono::seconds(150));
        if (!ended) {
            for (pid_t side : {first, second}) {
                if (side < 0) continue;
                kill(side, SIGKILL);
                waitpid(side, nullptr, 0);
            }
        }
        ASSERT_TRUE(ended);
        EXPECT_EQ(firstStatus, 0);
        EXPECT_EQ(secondStatus, 0);

        std::string firstSteps = ReadAll(folder + "/first.steps");
        std::string secondSteps = ReadAll(folder + "/second.steps");
        EXPECT_GT(firstSteps.size(), 0u);
        EXPECT_EQ(firstSteps.size(), secondSteps.size()) << "the match ended in different steps";
        auto [drift, _] = std::mismatch(firstSteps.begin(), firstSteps.end(), secondSteps.begin(),
                                        secondSteps.end());
        EXPECT_TRUE(drift == firstSteps.end()) << "drift from byte " << drift - firstSteps.begin();

        const std::string again = "\nもう一度ゲームをする場合はスタートボタンを押してください。\n";
        std::string stage = "stage " + std::to_string(level) + "\n";
        EXPECT_EQ(ReadAll(folder + "/first.txt"),
                  "role answering\n" + stage +
                      "played 1 won 1\nbox 対戦モード: あなたの勝ちです。" + again);
        EXPECT_EQ(ReadAll(folder + "/second.txt"),
                  "role calling\n" + stage + "played 1 won 0\nbox 対戦モード: あなたの負けです。" +
                      again);
        for (auto [log, score] :
             {std::pair{"/first.rrk", "  2:  1 ○\n"}, {"/second.rrk", "  1:  2 ×\n"}}) {
            std::string line = ReadAll(folder + log);
            EXPECT_TRUE(line.ends_with(score) && std::ranges::count(line, '\n') == 1) << line;
        }
        std::filesystem::remove_all(folder);
    }
}

TEST(VersusLockstepTest, TwoCopiesLinkedByPseudoTerminalsPlayTheSameMatchStepForStep) {
    ExpectMatchesWithoutDrift(LineKind::PseudoTerminals);
}

TEST(VersusLockstepTest, TwoCopiesLinkedByTheNetworkPlayTheSameMatchStepForStep) {
    ExpectMatchesWithoutDrift(LineKind::Network);
}
