// Orientation by dirMode for objects (through GetRotatedObjectPoint) and cameras (through
// Get2DPoint), angle tables and LookAt round trips.
#include <cmath>
#include <random>

#include "engine_fixture.h"
#include "test_mesh.h"

namespace {

class OrientTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        vertex_ = mesh_.AddVertex(1, 2, 3);
        mesh_.AddVertex(1, 0, 0);
        mesh_.AddVertex(0, 0, 1);
        mesh_.AddVertex(0, 1, 0);
        object_ = Placed(mesh_.Data(), 0, 0, 0);
    }

    Vector3 Rotated(int32_t vertex) {
        Vector3 world{-99, -99, -99};
        GetRotatedObjectPoint(&object_, vertex, &world);
        return world;
    }

    TestMesh mesh_;
    int32_t vertex_ = 0;
    ObjectStruct object_{};
};

void ExpectNear(Vector3 actual, Vector3 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-4) << "x";
    EXPECT_NEAR(actual.y, expected.y, 1e-4) << "y";
    EXPECT_NEAR(actual.z, expected.z, 1e-4) << "z";
}

// With quarter turns about every axis, the seven rotation orders give distinct results, worked out
// by hand: Z(+90) takes (x, y, z) to (-y, x, z), Y(-90) to (-z, y, x), X(-90) to (x, z, -y).
TEST_F(OrientTest, EachAngleDirModeAppliesItsOwnRotationOrder) {
    object_.angleZ = object_.angleY = object_.angleX = 1024;
    const Vector3 expected[] = {{-3, -2, -1}, {1, 3, -2}, {-2, 1, 3}, {-1, -3, -2},
                                {2, 1, -3},   {-3, 2, 1}, {-3, 2, 1}};
    for (int32_t mode = 0; mode <= 6; ++mode) {
        SCOPED_TRACE(mode);
        object_.dirMode = mode;
        ExpectNear(Rotated(vertex_), expected[mode]);
    }
}

TEST_F(OrientTest, PositionIsAddedAfterRotationAndAnglesWrap) {
    object_.angleZ = 1024 + 4096 * 3;
    object_.x = 10;
    object_.y = 20;
    object_.z = 30;
    ExpectNear(Rotated(1), Vector3{10, 21, 30});
    object_.angleZ = -3072;  // the same quarter turn
    ExpectNear(Rotated(1), Vector3{10, 21, 30});
}

TEST_F(OrientTest, PositivePitchLiftsTheNoseInEveryAngleMode) {
    object_.angleY = 1024;
    for (int32_t mode = 0; mode <= 6; ++mode) {
        object_.dirMode = mode;
        ExpectNear(Rotated(1), Vector3{0, 0, 1});
    }
}

TEST_F(OrientTest, DirectionModeTurnsXOntoDirThenTwistsAboutIt) {
    object_.dirMode = 7;
    object_.dir = Vector3{0, 5, 0};
    ExpectNear(Rotated(1), Vector3{0, 1, 0});
    ExpectNear(Rotated(2), Vector3{0, 0, 1});
    object_.twist = 1024;  // right-handed about +y: z goes to +x
    ExpectNear(Rotated(2), Vector3{1, 0, 0});
    object_.dir = Vector3{3, 0, 4};
    object_.twist = 0;
    ExpectNear(Rotated(1), Vector3{0.6f, 0, 0.8f});
}

TEST_F(OrientTest, DirectionModeHandlesVerticalAndZeroDirections) {
    object_.dirMode = 7;
    object_.dir = Vector3{0, 0, 2};
    ExpectNear(Rotated(1), Vector3{0, 0, 1});
    object_.twist = 1024;  // then about the z axis
    ExpectNear(Rotated(3), Vector3{-1, 0, 0});
    object_.dir = Vector3{0, 0, -2};
    object_.twist = 0;
    ExpectNear(Rotated(1), Vector3{0, 0, -1});
    object_.dir = Vector3{0, 0, 0};
    ExpectNear(Rotated(vertex_), Vector3{1, 2, 3});
}

TEST_F(OrientTest, UpModeRollsTheObjectsTopTowardsUp) {
    object_.dirMode = 8;
    object_.dir = Vector3{0, 1, 0};
    object_.up = Vector3{0, 0, 1};
    ExpectNear(Rotated(1), Vector3{0, 1, 0});
    ExpectNear(Rotated(2), Vector3{0, 0, 1});
    object_.up = Vector3{-1, 0, 0};
    ExpectNear(Rotated(1), Vector3{0, 1, 0});
    ExpectNear(Rotated(2), Vector3{-1, 0, 0});
}

TEST_F(OrientTest, UnknownDirModeLeavesTheObjectUnturned) {
    object_.dirMode = 9;
    object_.angleZ = 1024;
    ExpectNear(Rotated(vertex_), Vector3{1, 2, 3});
}

TEST_F(OrientTest, RotatedPointsStopAtTheFirstNegativeIndex) {
    object_.angleZ = 1024;
    const int32_t vertices[] = {1, 3, -1, 0};
    Vector3 world[4] = {};
    world[2] = world[3] = Vector3{7, 7, 7};
    GetRotatedObjectPoints(&object_, vertices, world);
    ExpectNear(world[0], Vector3{0, 1, 0});
    ExpectNear(world[1], Vector3{-1, 0, 0});
    ExpectNear(world[2], Vector3{7, 7, 7});
}

TEST_F(OrientTest, VertexOutsideTheMeshIsNotRead) {
    EXPECT_EQ(Rotated(4).x, -99);
    EXPECT_EQ(Rotated(-1).x, -99);
}

TEST(AngleTables, SineAndCosineReadTheTableModuloAFullTurn) {
    EXPECT_EQ(FSin(-1024), FSin(3072));
    EXPECT_EQ(FSin(-1024), -1.0f);
    EXPECT_EQ(FCos(4096), 1.0f);
    EXPECT_EQ(FSin(1024), 1.0f);
    EXPECT_EQ(FCos(2048), -1.0f);
    EXPECT_FLOAT_EQ(FSin(512), std::sqrt(0.5f));
    EXPECT_EQ(FCos(4096 * 100 + 7), FCos(7));
}

// Screen point of a camera-relative point on a 640 x 480 buffer, or (-1, -1) when not in view.
class CameraTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_NE(ResizeTrazel(nullptr, 640, 480), nullptr);
    }
    TzPoint Screen(Vector3 relative) {
        TzPoint point{-1, -1};
        Get2DPoint(&camera_, relative, &point);
        return point;
    }
    ObjectStruct camera_{};
};

void ExpectPoint(TzPoint actual, int32_t x, int32_t y) {
    EXPECT_EQ(actual.x, x);
    EXPECT_EQ(actual.y, y);
}

TEST_F(CameraTest, UnturnedCameraLooksAlongXWithYLeftAndZUp) {
    ExpectPoint(Screen({100, 0, 0}), 320, 240);
    ExpectPoint(Screen({100, 10, 0}), 290, 240);
    ExpectPoint(Screen({100, 0, 10}), 320, 210);
}

TEST_F(CameraTest, CameraAnglesTurnTheViewTheSameWayAsTheyTurnAnObject) {
    camera_.angleZ = 1024;
    ExpectPoint(Screen({0, 100, 0}), 320, 240);
    ExpectPoint(Screen({-10, 100, 0}), 290, 240);
    camera_.angleZ = 0;
    camera_.angleY = 512;
    ExpectPoint(Screen({100, 0, 100}), 320, 240);
    camera_.angleY = 0;
    camera_.angleX = 1024;  // rolled a quarter turn: the world's up now shows to the right
    ExpectPoint(Screen({100, 0, 10}), 350, 240);
}

TEST_F(CameraTest, DirectionModesAimTheCameraAlongDir) {
    camera_.dirMode = 7;
    camera_.dir = Vector3{0, 3, 0};
    ExpectPoint(Screen({0, 100, 0}), 320, 240);
    camera_.dirMode = 8;
    camera_.up = Vector3{0, 0, 1};
    ExpectPoint(Screen({0, 100, 0}), 320, 240);
    ExpectPoint(Screen({0, 100, 10}), 320, 210);
    camera_.up = Vector3{1, 0, 0};  // up along the world's +x, which lies to the camera's right
    ExpectPoint(Screen({0, 100, 10}), 290, 240);
}

TEST_F(CameraTest, VerticalCameraDirectionLooksStraightUpOrDown) {
    camera_.dirMode = 7;
    camera_.dir = Vector3{0, 0, 1};
    ExpectPoint(Screen({0, 0, 100}), 320, 240);
    camera_.dir = Vector3{0, 0, -1};
    ExpectPoint(Screen({0, 0, -100}), 320, 240);
}

TEST_F(CameraTest, PointsNearerThanTheClipDistanceHaveNoScreenPoint) {
    TzPoint point{5, 5};
    EXPECT_EQ(Get2DPoint(&camera_, Vector3{29.5f, 0, 0}, &point), 0);
    EXPECT_EQ(point.x, 5);
    EXPECT_EQ(Get2DPoint(&camera_, Vector3{30, 0, 0}, &point), 1);
    const Vector3 points[] = {{29.5f, 0, 0}, {30, 0, 0}};
    TzPoint screen[2];
    Get2DPoints(&camera_, points, 2, screen);
    ExpectPoint(screen[0], -1, -1);
    ExpectPoint(screen[1], 320, 240);
}

TEST_F(CameraTest, LookAtPutsTheTargetAtTheCentre) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-500, 500);
    for (int i = 0; i < 200; ++i) {
        ObjectStruct camera{};
        camera.x = coordinate(random);
        camera.y = coordinate(random);
        camera.z = coordinate(random);
        Vector3 target{coordinate(random), coordinate(random), coordinate(random)};
        Vector3 relative{target.x - camera.x, target.y - camera.y, target.z - camera.z};
        if (std::sqrt(relative.x * relative.x + relative.y * relative.y + relative.z * relative.z) <
            100) {
            continue;
        }
        LookAt(&camera, target);
        TzPoint point{};
        ASSERT_EQ(Get2DPoint(&camera, relative, &point), 1);
        // Angles are whole 1/4096 turns: one unit at 300 pixels is about half a pixel.
        EXPECT_NEAR(point.x, 320, 2);
        EXPECT_NEAR(point.y, 240, 2);
    }
}

}  // namespace
