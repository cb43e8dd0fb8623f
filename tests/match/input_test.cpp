// Mouse and keys: the ground point under the cursor against the engine's own projection, the
// 30-unit rules of the buttons, and which states take which input.
#include <cmath>

#include "match_fixture.h"

using namespace match;

class InputTest : public MatchTest {
  protected:
    void SetUp() override {
        MatchTest::SetUp();
        window->gameState = kFight;
    }
    // Puts the own robot distance units beside the ground point under point.
    void OwnRobotAt(ClientPoint point, float distance) {
        battle::GroundPoint ground = window->GroundPick(point);
        window->myFream->pos = battle::GroundPoint{ground.x + distance, ground.y};
    }
    battle::TFream &Own() { return *window->myFream; }
};

TEST_F(InputTest, TheGroundPointProjectsBackOntoThePickedPixel) {
    struct CameraSetUp {
        Vector3 position, target;
    };
    const CameraSetUp setUps[] = {
        {{-100, -100, 100}, {0, 0, 0}},
        {{-600, 0, 400}, {0, 0, 0}},
        {{300, 250, 150}, {-50, 20, 0}},
        {{0, -700, 900}, {10, 0, 0}},
    };
    const ClientPoint points[] = {{320, 240}, {100, 400}, {600, 300}, {20, 470}, {500, 470}};
    for (const CameraSetUp &setUp : setUps) {
        ObjectStruct &camera = window->scene[battle::kCameraSlot];
        camera.x = setUp.position.x, camera.y = setUp.position.y, camera.z = setUp.position.z;
        LookAt(&camera, setUp.target);
        for (ClientPoint point : points) {
            battle::GroundPoint ground = window->GroundPick(point);
            Vector3 relative{ground.x - camera.x, ground.y - camera.y, -camera.z};
            TzPoint screen{};
            ASSERT_EQ(Get2DPoint(&camera, relative, &screen), 1);
            EXPECT_LE(std::abs(screen.x - point.x), 1) << point.x << "," << point.y;
            EXPECT_LE(std::abs(screen.y - point.y), 1) << point.x << "," << point.y;
        }
    }
}

TEST_F(InputTest, ALeftPressWithinThirtyUnitsOfTheOwnRobotBeginsTheSpecialDrag) {
    ClientPoint point{300, 300};
    OwnRobotAt(point, 30.0f);
    window->OnLButtonDown(point);
    EXPECT_EQ(Own().specialOrder, battle::kSpecialDragged);
    EXPECT_EQ(Own().fireNow, 0);
    EXPECT_EQ(hosts.window.cursor, kSpecialCursor);
    Own().specialOrder = 0;
    OwnRobotAt(point, 30.5f);
    window->OnLButtonDown(point);
    EXPECT_EQ(Own().specialOrder, 0);
    EXPECT_EQ(Own().fireNow, 1);
    EXPECT_EQ(Own().moveTarget, window->GroundPick(point));
}

TEST_F(InputTest, ARightPressAtThirtyUnitsMovesAndBelowOpensTheFloatingMenu) {
    ClientPoint point{200, 350};
    OwnRobotAt(point, 30.0f);
    window->OnRButtonDown(point);
    EXPECT_TRUE(hosts.window.captured);
    EXPECT_EQ(Own().moving, 1);
    EXPECT_FALSE(hosts.floatMenu.open);
    Own().moving = 0;
    OwnRobotAt(point, 29.5f);
    window->OnRButtonDown(point);
    EXPECT_EQ(Own().moving, 0);
    EXPECT_TRUE(hosts.floatMenu.open);
    EXPECT_EQ(hosts.floatMenu.openedAt.x, 300);
    EXPECT_EQ(hosts.floatMenu.openedAt.y, 400);
}

TEST_F(InputTest, AnArmedTurboAttackIsOrderedByEitherButtonAndNothingElse) {
    ClientPoint point{400, 300};
    OwnRobotAt(point, 10.0f);
    Own().attackOrder = battle::kTurboArmed;
    window->OnLButtonDown(point);
    EXPECT_EQ(Own().attackOrder, battle::kTurboOrdered);
    EXPECT_EQ(Own().specialOrder, 0);
    Own().attackOrder = battle::kTurboArmed;
    window->OnRButtonDown(point);
    EXPECT_EQ(Own().attackOrder, battle::kTurboOrdered);
    EXPECT_FALSE(hosts.floatMenu.open);
}

TEST_F(InputTest, DroppingTheDragOnTheEnemyOrdersTheSpecialAttack) {
    ClientPoint point{320, 300};
    battle::GroundPoint ground = window->GroundPick(point);
    window->enemyFream->pos = battle::GroundPoint{ground.x, ground.y + 29.5f};
    Own().specialOrder = battle::kSpecialDragged;
    window->OnLButtonUp(point);
    EXPECT_EQ(Own().specialOrder, battle::kSpecialOrdered);
    EXPECT_EQ(hosts.window.cursor, kAimCursor);
    window->enemyFream->pos = battle::GroundPoint{ground.x, ground.y + 30.0f};
    Own().specialOrder = battle::kSpecialDragged;
    Own().attackOrder = battle::kTurboArmed;
    hosts.window.cursor = kTurboCursor;
    window->OnLButtonUp(point);
    EXPECT_EQ(Own().specialOrder, 0);
    EXPECT_EQ(hosts.window.cursor, kTurboCursor);
}

TEST_F(InputTest, ReleasingTheRightButtonStopsAndKeepsTheDragCursor) {
    hosts.window.captured = true;
    Own().moving = 1;
    Own().specialOrder = battle::kSpecialDragged;
    window->OnRButtonUp(ClientPoint{10, 10});
    EXPECT_FALSE(hosts.window.captured);
    EXPECT_EQ(Own().moving, 0);
    EXPECT_EQ(hosts.window.cursor, kSpecialCursor);
}

TEST_F(InputTest, ButtonsActOnlyWhileARoundIsFoughtOrShowsItsResult) {
    ClientPoint point{300, 300};
    OwnRobotAt(point, 100.0f);
    for (int32_t state : {kTitle, kReady, kEnding, kStopped}) {
        window->gameState = state;
        window->OnLButtonDown(point);
        window->OnRButtonDown(point);
        EXPECT_EQ(Own().fireNow, 0) << state;
        EXPECT_EQ(Own().moving, 0) << state;
        EXPECT_FALSE(hosts.window.captured) << state;
    }
    // A capture taken during the fight is let go whatever the state has become.
    window->gameState = kRoundWon;
    window->OnRButtonDown(point);
    EXPECT_EQ(Own().moving, 1);
    window->gameState = kReady;
    window->OnRButtonUp(point);
    EXPECT_FALSE(hosts.window.captured);
}

TEST_F(InputTest, MouseMovesAreKeptExceptOnTheTitleAndWhileReady) {
    window->OnMouseMove(ClientPoint{11, 12});
    EXPECT_EQ(window->mousePoint.x, 11);
    window->gameState = kReady;
    window->OnMouseMove(ClientPoint{50, 60});
    EXPECT_EQ(window->mousePoint.x, 11);
    window->gameState = kTitle;
    window->OnMouseMove(ClientPoint{50, 60});
    EXPECT_EQ(window->mousePoint.y, 12);
}

TEST_F(InputTest, TheRobotsTargetFollowsTheMouseInTheFightButNotWhileReady) {
    window->gameState = kTitle;
    StartRoundInLoop();
    window->mousePoint = ClientPoint{500, 400};
    Steps(10);
    EXPECT_EQ(Own().moveTarget, battle::GroundPoint{});
    Steps(52);  // the camera stands still from the second fighting step
    EXPECT_EQ(window->gameState, kFight);
    EXPECT_EQ(Own().moveTarget, window->GroundPick(window->mousePoint));
}

TEST_F(InputTest, KeysChooseTheWeaponInAnyStateAndEscapeAsksToClose) {
    window->gameState = kTitle;
    window->OnKeyDown(0x32);
    EXPECT_EQ(Own().weaponSelect, 1);
    window->gameState = kReady;
    window->OnKeyDown(0x31);
    EXPECT_EQ(Own().weaponSelect, 0);
    window->OnKeyDown('3');
    EXPECT_EQ(Own().weaponSelect, 0);
    window->OnKeyDown(0x1B);
    EXPECT_EQ(hosts.window.closeRequests, 1);
}
