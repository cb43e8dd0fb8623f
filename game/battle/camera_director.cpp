// The camera director: where the camera stands and what it looks at in each situation of a match.
#include "random.h"
#include "stage.h"

namespace battle {
namespace {

GroundPoint Ground(Vector3 point) {
    return GroundPoint{point.x, point.y};
}

void PlaceCamera(ObjectStruct &camera, GroundPoint at, float height) {
    camera.x = at.x;
    camera.y = at.y;
    camera.z = height;
}

void Aim(ObjectStruct &camera, GroundPoint ground) {
    LookAt(&camera, Vector3{ground.x, ground.y, 0});
}

}  // namespace

void TSubFrm::DirectCamera(ObjectStruct &camera, int32_t mode, Vector3 a, Vector3 b, int32_t n) {
    GroundPoint a2 = Ground(a), b2 = Ground(b);
    switch (mode) {
        case kFixedCamera:
            camera = presetCamera;
            LookAt(&camera, a);
            break;
        case kReplayCamera: {
            float distance = Distance(b2, a2);
            GroundPoint along =
                MoveAlong(a2, HeadingTo(a2, b2), static_cast<float>(100 - n) * distance / 60);
            PlaceCamera(camera, GroundPoint{along.x + 50, along.y + 50}, 50);
            LookAt(&camera, n > 60 ? a : b);
            break;
        }
        case kFlyInCamera:
            FlyIn(camera, a2, b2, n);
            break;
        case kSpecialCamera:
            FollowSpecialAttack(camera, a, n);
            break;
        case kRoboTurboCamera:
            // Beyond the opponent when close to it, else behind the attacker.
            flyPoint_ = Distance(b2, a2) < 200 ? MoveAlong(b2, HeadingTo(a2, b2), 250)
                                               : MoveAlong(a2, HeadingTo(b2, a2), 250);
            PlaceCamera(camera, flyPoint_, static_cast<float>(4 * n + 20));
            LookAt(&camera, b);
            break;
        case kFireTurboCamera:
            if (n == 49)
                cameraPoint = MoveAlong(a2, HeadingTo(a2, b2) + 100, 0.8f * Distance(a2, b2));
            PlaceCamera(camera, cameraPoint, 20);
            LookAt(&camera, a);
            break;
        case kChaseCamera:
            Chase(camera, a2, b2);
            break;
        case kDemoCamera:
            DemoShots(camera, a, b, n);
            break;
        default:
            break;
    }
}

// From high above one corner down to the start of the round, the camera sweeping round the
// player while the look point closes in on the opponent; the last view becomes the fixed one.
void TSubFrm::FlyIn(ObjectStruct &camera, GroundPoint a, GroundPoint b, int32_t n) {
    GroundPoint origin{0, 0};
    GroundPoint start{-333, -333};
    float height = static_cast<float>(6 * n + 50);
    if (viewMode == kTopView) {
        start = GroundPoint{-433, -433};
        height = static_cast<float>(9 * n + 50);
    } else if (viewMode == kSideView) {
        start =
            MoveAlong(origin, HeadingTo(origin, a), 2 * Distance(origin, a));  // twice as far out
        height = static_cast<float>(n + 50);
    }
    float remaining = static_cast<float>(60 - n) * 0.025f;
    PlaceCamera(camera,
                MoveAlong(start, HeadingTo(start, a) + 100, 1.3f * Distance(start, a) * remaining),
                height);
    GroundPoint look = MoveAlong(b, HeadingTo(b, a), 1.2f * Distance(b, a) * remaining);
    cameraPoint = look;
    Aim(camera, look);
    if (n == 60) presetCamera = camera;
}

// Flies from the fixed view to the attacker, circles it while it charges, then holds.
void TSubFrm::FollowSpecialAttack(ObjectStruct &camera, Vector3 a, int32_t n) {
    GroundPoint a2 = Ground(a);
    if (n > 30) {
        flyPoint_ = GroundPoint{presetCamera.x, presetCamera.y};
        cameraPoint = MoveAlong(flyPoint_, HeadingTo(flyPoint_, a2),
                                Distance(flyPoint_, a2) * static_cast<float>(39 - n) / 13);
        flyPoint_ = cameraPoint;
    } else if (n >= 19) {
        cameraPoint = MoveAlong(a2, HeadingTo(a2, flyPoint_) + 50 * (30 - n),
                                0.6923077f * Distance(a2, flyPoint_));
    }
    PlaceCamera(camera, cameraPoint, static_cast<float>(4 * n));
    LookAt(&camera, a);
}

// Behind the player, looking at a point that creeps towards the opponent.
void TSubFrm::Chase(ObjectStruct &camera, GroundPoint a, GroundPoint b) {
    cameraPoint =
        MoveAlong(cameraPoint, HeadingTo(cameraPoint, b), 0.05f * Distance(cameraPoint, b));
    PlaceCamera(
        camera,
        MoveAlong(cameraPoint, HeadingTo(cameraPoint, a), 2 * Distance(cameraPoint, a) + 20),
        0.5f * Distance(cameraPoint, a));
    Aim(camera, cameraPoint);
}

void TSubFrm::DemoShots(ObjectStruct &camera, Vector3 a, Vector3 b, int32_t n) {
    // The random draw is made only when the shot is old enough, as both PCs must agree.
    if (n == 0 || (demo_.calls > 30 && RandomBelow(100) < 5)) StartDemoShot(Ground(a), Ground(b));
    ++demo_.calls;
    PlaceCamera(camera, GroundPoint{demo_.point.x + 50, demo_.point.y + 50},
                static_cast<float>(demo_.height + 50));
    LookAt(&camera, demo_.lookAtA ? a : b);
}

void TSubFrm::StartDemoShot(GroundPoint a, GroundPoint b) {
    demo_.calls = 0;
    demo_.angle = RandomBelow(4096);
    demo_.height = RandomBelow(200);
    demo_.kind = RandomBelow(500);
    float height = static_cast<float>(demo_.height);
    if (demo_.kind < 100) {
        demo_.point = MoveAlong(b, HeadingTo(a, b), height);  // beyond B, away from A
    } else if (demo_.kind < 200) {
        demo_.point = MoveAlong(a, demo_.angle, 300);
    } else if (demo_.kind < 300) {
        demo_.point = MoveAlong(a, HeadingTo(b, a), height);  // beyond A, away from B
    } else if (demo_.kind < 400) {
        demo_.point = MoveAlong(b, demo_.angle, 300);
    } else {
        GroundPoint middle = MoveAlong(b, HeadingTo(b, a), 0.5f * Distance(b, a));
        demo_.point = MoveAlong(middle, HeadingTo(b, a) + 2048, Distance(b, a));
    }
    demo_.lookAtA = !demo_.lookAtA;
}

}  // namespace battle
