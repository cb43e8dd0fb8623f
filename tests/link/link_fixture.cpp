// The link fixture: engine and leak check, and the robots.
#include "link_fixture.h"

#include "battle/model_library.h"
#include "trazel.h"

namespace {

std::vector<std::string> engineMessages;

void RecordEngineMessage(void *, const char *, const char *text, int32_t) {
    engineMessages.emplace_back(text);
}

TzMessageProc previousProc = nullptr;

}  // namespace

LinkedPc::LinkedPc() {
    battle::InitialiseScene(scene);
    own = std::make_unique<battle::TFream>(scene, sounds);
    peer = std::make_unique<battle::TFream>(scene, sounds);
}

void LinkTest::SetUp() {
    engineMessages.clear();
    previousProc = TzSetMessageProc(RecordEngineMessage);
    // Messages on, so that closing the engine reports blocks left live.
    ASSERT_EQ(OpenTrazel(1), 1);
    battle::SetModelLibraryPath(MORVEX_DATA "/morvex.m3d");
}

void LinkTest::TearDown() {
    pcs.clear();
    CloseTrazel();
    for (const std::string &message : engineMessages)
        EXPECT_EQ(message.find("tzdebug.txt"), std::string::npos) << message;
    TzSetMessageProc(previousProc);
}

LinkedPc &LinkTest::AddPc() {
    pcs.push_back(std::make_unique<LinkedPc>());
    return *pcs.back();
}

void LinkTest::MakeRival(battle::TFream &robot) {
    battle::DefinitionRecord record = robot.record;
    battle::SetName(record, "Rival");
    record.pitch = battle::kRoboLarge;
    record.gunKind = 1004;
    record.missileKind = 1007;
    record.versusPlayed = 7;
    record.versusWon = 3;
    robot.Reset(&record, false);
    ASSERT_TRUE(battle::LoadModel(robot.bodyMesh, "Hart_Gun"));
}
