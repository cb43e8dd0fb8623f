// The versus rules of the game window: start positions, role order, name colours, results that
// cannot be cut short, the commands, the tokens and order records on the line, and the decided
// match in the own record and the log. The line echoes what it is sent, as a PC doing the same
// would.
#include <filesystem>
#include <fstream>

#include "match_fixture.h"

using namespace match;

using VersusRulesTest = MatchTest;

TEST_F(VersusRulesTest, VersusResultsCannotBeCutShort) {
    window->versusMode = kLinkedAnswering;
    window->gameState = kRoundWon;
    window->resultCount = 50;
    window->loopRunning = true;
    window->StartRound();
    EXPECT_EQ(window->gameState, kRoundWon);
}

TEST_F(VersusRulesTest, TheAnsweringSideStartsAtPlusTwoHundredOnBothMachines) {
    EXPECT_EQ(StartPositionsFor(kSolo).own, 200.0f);
    EXPECT_EQ(StartPositionsFor(kLinkedAnswering).own, 200.0f);
    EXPECT_EQ(StartPositionsFor(kLinkedCalling).own, -200.0f);
    EXPECT_EQ(StartPositionsFor(kLinkedCalling).enemy, 200.0f);
    EXPECT_TRUE(OwnRobotFirst(kSolo));
    EXPECT_TRUE(OwnRobotFirst(kLinkedAnswering));
    EXPECT_FALSE(OwnRobotFirst(kLinkedCalling));
    EXPECT_EQ(NameColoursFor(kLinkedCalling).own, kRed);
    EXPECT_EQ(NameColoursFor(kLinkedAnswering).own, kCyan);
    window->versusMode = kLinkedCalling;
    StartRoundInLoop();
    EXPECT_EQ(window->myFream->pos, (battle::GroundPoint{-200, 0}));
    EXPECT_EQ(window->enemyFream->pos, (battle::GroundPoint{200, 0}));
}

TEST_F(VersusRulesTest, ADecidedVersusMatchCountsInTheOwnRecordAndItsLog) {
    std::string framePath = ::testing::TempDir() + "versus_" + std::to_string(getpid()) + ".frm";
    std::string logPath = framePath.substr(0, framePath.size() - 3) + "rrk";
    std::filesystem::remove(logPath);
    window->framePath = framePath;
    window->loopRunning = true;
    window->versusMode = kLinkedCalling;
    window->gameState = kRoundWon;
    window->roundsWon = 2;
    window->roundsPlayed = 3;
    window->resultCount = 0;
    window->StepMatch();
    EXPECT_EQ(window->gameState, kTitle);
    EXPECT_EQ(window->versusMode, kVersusWanted);
    EXPECT_EQ(window->myFream->record.versusPlayed, 1);
    EXPECT_EQ(window->myFream->record.versusWon, 1);
    EXPECT_TRUE(window->freamDirty);
    window->versusMode = kLinkedAnswering;
    window->gameState = kRoundLost;
    window->roundsWon = 1;
    window->roundsPlayed = 3;
    window->StepMatch();
    EXPECT_EQ(window->myFream->record.versusPlayed, 2);
    EXPECT_EQ(window->myFream->record.versusWon, 1);
    ASSERT_EQ(hosts.window.messages.size(), 2u);
    EXPECT_EQ(hosts.window.messages[0].text,
              "あなたの勝ちです。\nもう一度ゲームをする場合はスタートボタンを押してください。");
    EXPECT_EQ(hosts.window.messages[1].caption, "対戦モード");
    EXPECT_EQ(hosts.linkPort.sent.substr(hosts.linkPort.sent.size() - 4), "QUIT");
    std::ifstream log(logPath);
    std::string first, second, third;
    std::getline(log, first);
    std::getline(log, second);
    EXPECT_NE(first.find("  2:  1 ○"), std::string::npos) << first;
    EXPECT_NE(second.find("  1:  2 ×"), std::string::npos) << second;
    EXPECT_FALSE(std::getline(log, third));
    std::filesystem::remove(logPath);
}

TEST_F(VersusRulesTest, TheLogLineDatesTheMatchAndAlignsTheNames) {
    std::tm date{};
    date.tm_year = 126;
    date.tm_mon = 11;
    date.tm_mday = 7;
    EXPECT_EQ(VersusLogLine(date, "My_Fream", "ロボ", 2, 0),
              "日付:12/07/26              My_Fream対                ロボ戦     2:  0 ○\n");
}

TEST_F(VersusRulesTest, TheVersusItemsWorkBetweenRoundsAndChooseThePort) {
    window->roundsWon = window->roundsPlayed = 1;
    window->RunCommand(kVersusCommand);
    EXPECT_EQ(window->versusMode, kVersusWanted);
    EXPECT_EQ(window->roundsPlayed, 0);
    EXPECT_TRUE(window->QueryCommand(kVersusCommand).checked);
    window->RunCommand(kPort1Command + 2);
    EXPECT_EQ(window->commPort, 3);
    EXPECT_TRUE(window->QueryCommand(kPort1Command + 2).checked);
    window->RunCommand(kVersusCommand);
    EXPECT_EQ(window->versusMode, kSolo);
    window->gameState = kFight;
    for (int32_t command :
         std::initializer_list<int32_t>{kVersusCommand, kPort1Command, kPort1Command + 1})
        EXPECT_FALSE(window->QueryCommand(command).enabled) << command;
}

TEST_F(VersusRulesTest, StartingWithoutALinkRunsTheDialogOnThePortsDevice) {
    std::ofstream(hosts.settings.Path()) << "[morvex infor]\ncomm2device=/dev/pts/77\n";
    window->versusMode = kVersusWanted;
    for (int32_t port : {2, 3}) {
        window->commPort = port;
        window->StartRound();
        EXPECT_EQ(window->gameState, kTitle);
        EXPECT_EQ(window->versusMode, kVersusWanted);
    }
    EXPECT_EQ(hosts.commDialog.runs, 2);
    EXPECT_EQ(window->commDialog->device, "/dev/ttyS2");
}

TEST_F(VersusRulesTest, TheNetworkItemAsksForTheAddressAndKeepsTheLastGoodOne) {
    window->versusMode = kVersusWanted;
    struct Case {
        std::optional<std::string> typed;
        int32_t port;  // the port afterwards
        std::string device;
        size_t messages;
    };
    const Case cases[] = {
        {std::nullopt, 1, "/dev/ttyS0", 0},  // cancelled: nothing changes
        {" tcp:example.org:5200 ", kNetworkPort, "tcp:example.org:5200", 0},
        {"example.org", kNetworkPort, "tcp:example.org:5200", 1},  // refused, the old one stays
        {"192.168.1.20:70000", kNetworkPort, "tcp:example.org:5200", 2},
        {"[fe80::1]:5201", kNetworkPort, "tcp:[fe80::1]:5201", 2},
    };
    for (const Case &c : cases) {
        hosts.window.textAnswer = c.typed;
        window->RunCommand(kNetworkCommand);
        window->StartRound();
        EXPECT_EQ(window->commPort, c.port) << c.typed.value_or("cancelled");
        EXPECT_EQ(window->commDialog->device, c.device) << c.typed.value_or("cancelled");
        EXPECT_EQ(hosts.window.messages.size(), c.messages) << c.typed.value_or("cancelled");
    }
    EXPECT_EQ(hosts.window.offeredTexts.back(), "example.org:5200");
    EXPECT_TRUE(window->QueryCommand(kNetworkCommand).checked);
    EXPECT_FALSE(window->QueryCommand(kPort1Command).checked);
}

TEST_F(VersusRulesTest, ALinkedRoundStartsWithTheTokensAndEveryStepSwapsOrders) {
    window->versusMode = kLinkedAnswering;
    StartRoundInLoop();
    EXPECT_EQ(hosts.linkPort.sent, "STSS");
    EXPECT_TRUE(hosts.window.messages.empty());
    window->myFream->moveTarget = battle::GroundPoint{12.5f, -3};
    Steps(1);
    EXPECT_EQ(hosts.linkPort.sent.size(), 4u + 13u);
    EXPECT_EQ(window->enemyFream->moveTarget, (battle::GroundPoint{12.5f, -3}));
    // The line dies: the step is not taken, the loop ends, the link is left.
    hosts.linkPort.open = false;
    int32_t timeCount = window->timeCount;
    Steps(1);
    EXPECT_EQ(window->timeCount, timeCount);
    EXPECT_FALSE(window->loopRunning);
}

TEST_F(VersusRulesTest, AVersusWinHeadlinesTheOwnNameAndKeepsTheHighScores) {
    window->versusMode = kLinkedAnswering;
    StartFight();
    WinRound();
    StepsWhile(kRoundWon, 200);
    Steps(61);
    WinRound();
    EXPECT_EQ(window->roundsWon, 2);
    EXPECT_EQ(window->highScore[0], 0);
    EXPECT_EQ(window->selectedLevel, 1);
    window->resultCount = 99;
    TextList texts = window->StateTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "My_Fream WIN");
}
