// The versus dialog against a scripted other PC and against a second dialog: who calls and who
// answers, the robots swapped, cancelling, and every way a hostile or broken line ends the link.
#include "link/comm_dialog.h"

#include "link/handshake.h"
#include "link/wire_mesh.h"
#include "link_fakes.h"
#include "link_fixture.h"
#include "same_mesh.h"

using namespace versus;

namespace {

// What robot's PC sends in an exchange after the handshake: its record, then its three meshes.
std::string ExchangeBytes(battle::TFream &robot) {
    battle::DefinitionBytes record = battle::EncodeDefinitionRecord(robot.record);
    std::string bytes(record.begin(), record.end());
    for (const ObjectData *mesh :
         {&robot.bodyMesh, &robot.gun->ProjectileMesh(), &robot.missile->ProjectileMesh()}) {
        for (const Bytes &block : EncodeMeshBlocks(*mesh))
            bytes.append(block.begin(), block.end());
    }
    return bytes;
}

// The robot's record and meshes are those of original (meshes compared field by field).
void ExpectSameRobot(battle::TFream &robot, battle::TFream &original) {
    EXPECT_EQ(battle::EncodeDefinitionRecord(robot.record),
              battle::EncodeDefinitionRecord(original.record));
    ExpectSameMesh(robot.bodyMesh, original.bodyMesh);
    ExpectSameMesh(robot.gun->ProjectileMesh(), original.gun->ProjectileMesh());
    ExpectSameMesh(robot.missile->ProjectileMesh(), original.missile->ProjectileMesh());
}

class CommDialogTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        pc = &AddPc();
        rival = &AddPc();
        MakeRival(*rival->own);
        host.dialog = &dialog;
        dialog.device = "/dev/ttyS0";
    }
    void Run() { dialog.Run(pc->own.get(), pc->peer.get(), &pc->level, &pc->view, &pc->result); }
    std::string OwnRecordBytes() {
        battle::DefinitionBytes bytes = battle::EncodeDefinitionRecord(pc->own->record);
        return std::string(bytes.begin(), bytes.end());
    }

    uint32_t now = 40000;
    ScriptedPort port{now};
    FakeCommHost host{now};
    LinkedPc *pc = nullptr;
    LinkedPc *rival = nullptr;
    TCommDlg dialog{host, port};
};

TEST_F(CommDialogTest, AnswersWhateverFillsACallWhileItWaits) {
    for (const char *call : {"MORVEX_REQUEST", "ABCDEFGHIJKLMN"}) {
        ScriptedPort line(now);
        FakeCommHost desk(now);
        TCommDlg answering(desk, line);
        desk.dialog = &answering;
        LinkedPc &own = AddPc();
        line.Arrive(200, call);
        line.Arrive(300, ExchangeBytes(*rival->own));
        answering.Run(own.own.get(), own.peer.get(), &own.level, &own.view, &own.result);
        EXPECT_EQ(own.result, kAnswered) << call;
        ExpectSameRobot(*own.peer, *rival->own);
        battle::DefinitionBytes record = battle::EncodeDefinitionRecord(own.own->record);
        std::string expected = std::string("MORVEX_REQUEST") + "REQOK_2000312";
        expected.append(record.begin(), record.end());
        EXPECT_EQ(line.sent.substr(0, expected.size()), expected) << call;
        EXPECT_EQ(desk.drawnProgress, (std::vector<int32_t>{1, 2, 3, 4}));
        EXPECT_FALSE(desk.open);
        EXPECT_TRUE(desk.messages.empty());
        // Linked, the port stays open for the match, and cancelling does nothing.
        answering.OnCancel();
        EXPECT_EQ(own.result, kAnswered);
        EXPECT_TRUE(line.IsOpen());
    }
}

TEST_F(CommDialogTest, CallsWhenTheOtherAnswersAtOnceAndTakesItsLevelAndView) {
    pc->level = 1;
    pc->view = 10;
    port.Arrive(5, "REQOK_2000812" + ExchangeBytes(*rival->own));
    Run();
    EXPECT_EQ(pc->result, kCalled);
    EXPECT_EQ(pc->level, 8);
    EXPECT_EQ(pc->view, 12);
    ExpectSameRobot(*pc->peer, *rival->own);
    EXPECT_EQ(port.openedDevice, "/dev/ttyS0");
    EXPECT_EQ(port.sent.substr(0, 14 + 80), "MORVEX_REQUEST" + OwnRecordBytes());
    EXPECT_FALSE(host.cancelShown);
}

TEST_F(CommDialogTest, AReplyThatIsNoAnswerLeavesTheCallerWaitingUntilCancelled) {
    port.Arrive(5, "HELLO_WORLD!!");
    host.ticksLeft = 50;
    Run();
    EXPECT_EQ(dialog.state, kWaiting);
    EXPECT_TRUE(host.cancelShown);
    EXPECT_EQ(port.sent, "MORVEX_REQUEST");
    dialog.OnCancel();
    EXPECT_EQ(pc->result, kLinkFailed);
    EXPECT_EQ(dialog.state, kIdle);
    EXPECT_EQ(port.sent, "MORVEX_REQUESTQUIT");
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(host.open);
}

TEST_F(CommDialogTest, APortThatSaysWhyItWillNotOpenEndsTheDialogWithThat) {
    port.openProblem = "ホスト nowhere が見つかりません。";
    Run();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, port.openProblem);
    EXPECT_EQ(pc->result, kLinkFailed);
    EXPECT_FALSE(host.open);
    EXPECT_EQ(port.sent, "");
}

TEST_F(CommDialogTest, WithoutATimerTheDialogSaysSoAndCallsNobody) {
    host.timerFails = true;
    Run();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kTimerFailedText);
    EXPECT_EQ(host.messages[0].caption, "Morvexゲーム");
    EXPECT_TRUE(host.cancelShown);
    EXPECT_EQ(port.sent, "");
}

TEST_F(CommDialogTest, EveryBrokenExchangeSaysWhyClosesTheLineAndKeepsBothRobots) {
    const std::string answer = "REQOK_2000312";
    const std::string sends = ExchangeBytes(*rival->own);
    const std::string record = sends.substr(0, 80), body = sends.substr(80, 400);
    std::string absurd = sends.substr(80, 32);
    absurd[3] = 0x7F;  // some two thousand million vertices
    struct Case {
        const char *what;
        std::string first;  // arrives 5 ms after the call
        std::string late;   // arrives as the record's read has taken 10001 ms
        uint32_t hangUp;    // the line dies this long after the call
        const char *message;
    };
    const Case cases[] = {
        {"QUIT mid-exchange", answer + record + "QUIT", "", UINT32_MAX, kPeerQuitText},
        {"silence", answer + record, "", UINT32_MAX, kLineFailedText},
        {"garbage", answer + std::string(80, '\xEE'), "", UINT32_MAX, kRefusedText},
        {"absurd count", answer + record + absurd, "", UINT32_MAX, kRefusedText},
        {"half-sent mesh", answer + record + body, "", UINT32_MAX, kLineFailedText},
        {"dead line mid-record", answer + record.substr(0, 40), "", 50, kLineFailedText},
        {"record whole only after the deadline", answer + record.substr(0, 79), sends.substr(79),
         UINT32_MAX, kLineFailedText},
        {"unknown level", "REQOK_2000912", "", UINT32_MAX, kRefusedText},
    };
    const battle::DefinitionBytes ownBefore = battle::EncodeDefinitionRecord(pc->own->record);
    const battle::DefinitionBytes peerBefore = battle::EncodeDefinitionRecord(pc->peer->record);
    const Vector3 *ownPoints = pc->own->bodyMesh.pnt, *peerPoints = pc->peer->bodyMesh.pnt;
    for (const Case &each : cases) {
        // The ten seconds run across the clock's wrap.
        uint32_t clock = 0xFFFFF000u;
        ScriptedPort line(clock);
        FakeCommHost desk(clock);
        TCommDlg calling(desk, line);
        desk.dialog = &calling;
        line.Arrive(5, each.first);
        // The record's read starts as the answer arrives.
        if (!each.late.empty()) line.Arrive(5 + LinkLine::kDeadlineMilliseconds + 1, each.late);
        line.HangUp(each.hangUp);
        calling.Run(pc->own.get(), pc->peer.get(), &pc->level, &pc->view, &pc->result);
        ASSERT_EQ(desk.messages.size(), 1u) << each.what;
        EXPECT_EQ(desk.messages[0].text, each.message) << each.what;
        EXPECT_EQ(desk.messages[0].caption, "Morvexゲーム");
        EXPECT_EQ(desk.messages[0].icon, MessageIcon::Stop);
        EXPECT_EQ(pc->result, kLinkFailed) << each.what;
        EXPECT_FALSE(line.IsOpen()) << each.what;
        EXPECT_EQ(line.sent.substr(line.sent.size() - 4), "QUIT") << each.what;
        EXPECT_FALSE(desk.open) << each.what;
        EXPECT_EQ(battle::EncodeDefinitionRecord(pc->own->record), ownBefore) << each.what;
        EXPECT_EQ(battle::EncodeDefinitionRecord(pc->peer->record), peerBefore) << each.what;
        EXPECT_EQ(pc->own->bodyMesh.pnt, ownPoints) << each.what;
        EXPECT_EQ(pc->peer->bodyMesh.pnt, peerPoints) << each.what;
        EXPECT_EQ(pc->level, 3) << each.what;
    }
}

TEST_F(CommDialogTest, TwoDialogsBackToBackEachGetTheOthersRobot) {
    LinkedPc &waiting = *pc, &calling = *rival;
    waiting.level = 5;
    waiting.view = 11;
    calling.level = 1;
    calling.view = 10;
    PortPair pair;
    FakeCommHost firstHost(pair.now[0]), secondHost(pair.now[1]);
    TCommDlg first(firstHost, pair[0]), second(secondHost, pair[1]);
    firstHost.dialog = &first;
    secondHost.dialog = &second;
    // The other PC starts once this one waits for a call.
    firstHost.afterTick = [&] { pair.PassTurn(0); };
    pair.Run(
        [&] {
            first.Run(waiting.own.get(), waiting.peer.get(), &waiting.level, &waiting.view,
                      &waiting.result);
        },
        [&] {
            second.Run(calling.own.get(), calling.peer.get(), &calling.level, &calling.view,
                       &calling.result);
        });
    EXPECT_EQ(waiting.result, kAnswered);
    EXPECT_EQ(calling.result, kCalled);
    EXPECT_EQ(calling.level, 5);
    EXPECT_EQ(calling.view, 11);
    ExpectSameRobot(*waiting.peer, *calling.own);
    ExpectSameRobot(*calling.peer, *waiting.own);
    EXPECT_TRUE(firstHost.messages.empty());
    EXPECT_TRUE(secondHost.messages.empty());
}

}  // namespace
