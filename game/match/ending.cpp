// The ending after level 8: the own robot's run past HotDog and Dragon, its camera and its texts.
#include <algorithm>

#include "main_window.h"
#include "platform/version_block.h"

namespace match {
namespace {

constexpr int32_t kEndingFriend = 2;  // HotDog, enemyFream in the ending
constexpr int32_t kEndingRival = 5;   // Dragon, thirdFream
// A robot this close to its target stops.
constexpr float kEndingArrival = 10.0f;

void Head(battle::TFream &fream, float x, float y) {
    fream.moveTarget = battle::GroundPoint{x, y};
}

}  // namespace

void TMainFrm::EnterEnding() {
    if (!EngineOpen()) return;
    timeCount = resultCount = roundsPlayed = roundsWon = 0;
    gameState = kEnding;
    stage->LoadStage(kLevels + 1, &backColour, scene);
    for (battle::TFream *fream : {myFream.get(), enemyFream.get(), thirdFream.get()})
        fream->SetVisible(true);
    battle::DefinitionRecord hotDog = Roster(kEndingFriend);
    enemyFream->Reset(&hotDog, true);
    enemyFream->pos = battle::GroundPoint{0, 150};
    Head(*enemyFream, -50, 150);
    battle::DefinitionRecord dragon = Roster(kEndingRival);
    thirdFream->Reset(&dragon, true);
    thirdFream->pos = battle::GroundPoint{0, 250};
    Head(*thirdFream, -50, 250);
    myFream->Reset(nullptr, false);
    myFream->pos = battle::GroundPoint{1200, 0};
    Head(*myFream, 0, 0);
    myFream->moving = 1;
    if (!loopRunning) RunLoop();
}

void TMainFrm::EndingStep() {
    battle::TFream &own = *myFream, &hotDog = *enemyFream, &dragon = *thirdFream;
    own.Tick(hotDog.pos);
    hotDog.Tick(hotDog.pos);
    dragon.Tick(hotDog.pos);
    timeCount += 1;
    for (battle::TFream *fream : {&own, &hotDog, &dragon}) {
        if (battle::Distance(fream->pos, fream->moveTarget) < kEndingArrival) fream->moving = 0;
    }
    EndingEvents();
    AimEndingCamera();
}

// The script: HotDog and Dragon each step forward twice and leave in a turbo attack, then the own
// robot follows them out.
void TMainFrm::EndingEvents() {
    battle::TFream &own = *myFream, &hotDog = *enemyFream, &dragon = *thirdFream;
    switch (timeCount) {
        case 490:
            hotDog.moving = 1;
            break;
        case 520:
            hotDog.moving = 1;
            Head(hotDog, -50, 0);
            break;
        case 570:
            hotDog.moving = 1;
            Head(hotDog, -100, 0);
            break;
        case 620:
            Head(hotDog, -1000, 0);
            hotDog.attackOrder = battle::kTurboOrdered;
            break;
        case 660:
            hotDog.moving = 1;
            break;
        case 690:
            dragon.moving = 1;
            hotDog.SetVisible(false);
            break;
        case 730:
            dragon.moving = 1;
            Head(dragon, -50, 0);
            break;
        case 780:
            dragon.moving = 1;
            Head(dragon, -100, 0);
            break;
        case 830:
            Head(dragon, -1000, 0);
            dragon.attackOrder = battle::kTurboOrdered;
            break;
        case 860:
            dragon.moving = 1;
            break;
        case 980:
            Head(own, -1000, 0);
            own.attackOrder = battle::kTurboOrdered;
            dragon.SetVisible(false);
            break;
        case 1020:
            Head(own, -1000, 0);
            own.moving = 1;
            break;
        case 1050:
            own.moving = 0;
            Head(own, -500, 600);
            own.attackOrder = battle::kTurboOrdered;
            break;
        default:
            break;
    }
}

void TMainFrm::AimEndingCamera() {
    ObjectStruct &camera = scene[battle::kCameraSlot];
    const battle::TFream *subject = myFream.get();
    float t = static_cast<float>(timeCount);
    if (timeCount < 100) {
        camera.x = 50, camera.y = 50, camera.z = -10;
    } else if (timeCount < 350) {
        camera.x = -50, camera.y = 450 - t, camera.z = -10;
    } else if (timeCount < 450) {
        camera.x = -50, camera.y = -25, camera.z = t - 400;
    } else if (timeCount < 640) {
        camera.x = -10, camera.y = -30, camera.z = 20;
        subject = enemyFream.get();
    } else if (timeCount < 670) {
        camera.x = -600, camera.y = -30, camera.z = 20;
        subject = enemyFream.get();
    } else if (timeCount < 850) {
        camera.x = -10, camera.y = -30, camera.z = 20;
        subject = thirdFream.get();
    } else if (timeCount < 870) {
        camera.x = -600, camera.y = -30, camera.z = 20;
        subject = thirdFream.get();
    } else if (timeCount < 1010) {
        camera.x = std::min(-200.0f, myFream->body->x - 50), camera.y = -30, camera.z = 10;
    }
    LookAt(&camera, PositionOf(*subject->body));
}

void TMainFrm::EndingTexts(TextList &texts) const {
    const int32_t w = clientWidth, h = clientHeight;
    const int32_t bigHeight = w * 30 / 640;
    if (timeCount < 200) {
        texts.push_back(TextItem{"ALL LEVEL CLEAR!!", w / 2, h / 2, kGreen, bigHeight});
    } else if (timeCount < 860) {
        const battle::DefinitionRecord &record = myFream->record;
        const int32_t height = w * 22 / 640;
        for (int32_t i = 0; i <= kLevels + 1; ++i) {
            std::string line;
            if (i == 0) {
                line = Format(" %s SCORE", DisplayName(record).c_str());
            } else if (i <= kLevels) {
                line = Format("Level%d %05dPOINTS", i, record.score[i - 1]);
            } else {
                line = Format("達人度 %06d", Mastery(record));
            }
            texts.push_back(TextItem{line, w / 2, RisingLineY(h / 10, h, i), kGreen, height});
        }
    } else if (timeCount < 960) {
        const platform::VersionBlock &version = platform::ProgramVersion();
        texts.push_back(TextItem{Format("%s  %s", version.productName, version.productVersion),
                                 w / 2, h / 2 - bigHeight / 2, kWhite, bigHeight});
        texts.push_back(
            TextItem{"Thank you for playing!", w / 2, h / 2 + bigHeight / 2, kWhite, bigHeight});
    } else {
        texts.push_back(TextItem{"CHALLENGE FREAMMASTER!!", w / 2, h / 2, kRed, bigHeight});
    }
}

}  // namespace match
