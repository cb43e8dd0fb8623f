// The stage: the level's scenery in the five obstacle slots, its animation, and the camera director
// that places the camera for every situation of a match.
#pragma once

#include <array>

#include "geometry.h"
#include "scene.h"

namespace battle {

// View modes chosen in the menu.
constexpr int32_t kTopView = 10;
constexpr int32_t kMiddleView = 11;
constexpr int32_t kSideView = 12;

// Camera modes of DirectCamera.
enum CameraMode : int32_t {
    kFixedCamera = 0,      // the view the opening fly-in ended on
    kReplayCamera = 1,     // the final blow again, A the winner, B the loser
    kFlyInCamera = 3,      // the opening, n = 0..60
    kSpecialCamera = 4,    // a special attack, n its timer
    kRoboTurboCamera = 5,  // a ROBO-style turbo attack, n its timer
    kFireTurboCamera = 6,  // a FIRE-style turbo attack, n its timer
    kChaseCamera = 7,      // the side view's chase behind the player
    kDemoCamera = 99,      // the title demonstration's random shots, n = ticks mod 400
};

class TSubFrm {
  public:
    TSubFrm();
    TSubFrm(const TSubFrm &) = delete;
    TSubFrm &operator=(const TSubFrm &) = delete;
    virtual ~TSubFrm();

    // Loads stage 1..9's models, places its five instances and gives its background colour.
    void LoadStage(int32_t stage, TzColor *background, Scene &scene);

    // One tick of the stage's animation; the robots' positions move the waves of stage 6.
    void StepStage(Scene &scene, int32_t stage, GroundPoint robot1, GroundPoint robot2);

    // Places and aims the camera for mode with the points a and b and the counter n.
    void DirectCamera(ObjectStruct &camera, int32_t mode, Vector3 a, Vector3 b, int32_t n);

    int32_t viewMode = kMiddleView;
    GroundPoint cameraPoint;
    ObjectStruct presetCamera{};
    std::array<int32_t, kObstacleCount> stageCounters{};

  private:
    // The demonstration's current shot.
    struct DemoShot {
        int32_t angle = 0, height = 0, kind = 0;
        GroundPoint point;
        int32_t calls = 0;
        bool lookAtA = false;
    };

    void FlyIn(ObjectStruct &camera, GroundPoint a, GroundPoint b, int32_t n);
    void FollowSpecialAttack(ObjectStruct &camera, Vector3 a, int32_t n);
    void Chase(ObjectStruct &camera, GroundPoint a, GroundPoint b);
    void DemoShots(ObjectStruct &camera, Vector3 a, Vector3 b, int32_t n);
    void StartDemoShot(GroundPoint a, GroundPoint b);

    std::array<ObjectData, 2> sceneryMeshes_{};
    GroundPoint flyPoint_;
    DemoShot demo_;
};

}  // namespace battle
