// Mouse and keys: the ground point under the cursor, size changes, and the player's orders.
#include "main_window.h"

#include <cmath>

namespace match {
namespace {

constexpr int32_t kEscapeKey = 0x1B;
constexpr int32_t kGunKey = 0x31;
constexpr int32_t kMissileKey = 0x32;

}  // namespace

battle::GroundPoint TMainFrm::GroundPick(ClientPoint point) const {
    const ObjectStruct &camera = scene[battle::kCameraSlot];
    float width = static_cast<float>(clientWidth);
    float sx = static_cast<float>(point.x) - width * 0.5f;
    float sy = static_cast<float>(point.y) - static_cast<float>(clientHeight) * 0.5f;
    float cx = 0, cy = 0;
    GetCenter(&cx, &cy);
    float u = cx - sx, v = cy - sy;
    float f = width;  // the screen distance is kept equal to the client width
    float s1 = FSin(-camera.angleZ), c1 = FCos(-camera.angleZ);
    float s2 = FSin(-camera.angleY), c2 = FCos(-camera.angleY);
    float s3 = FSin(-camera.angleX), c3 = FCos(-camera.angleX);
    float dx = c1 * c2 * f + (s1 * c3 + c1 * s2 * s3) * u + (c1 * s2 * c3 - s1 * s3) * v;
    float dy = -s1 * c2 * f + (c1 * c3 - s1 * s2 * s3) * u + (-c1 * s3 - s1 * s2 * c3) * v;
    float dz = -s2 * f + c2 * s3 * u + c2 * c3 * v;
    // A ray that never meets the ground is bent down so that it does.
    if (dz >= 0) dz = 1 - dz;
    float t = -camera.z / dz;
    battle::GroundPoint ground{camera.x + dx * t, camera.y + dy * t};
    // A ray bent to exactly level points nowhere: the ground under the camera stands in for it.
    if (!std::isfinite(ground.x) || !std::isfinite(ground.y))
        return battle::GroundPoint{camera.x, camera.y};
    return ground;
}

void TMainFrm::OnSize(int32_t width, int32_t height) {
    if (!EngineOpen()) return;
    clientWidth = width;
    clientHeight = height;
    // An empty window has no back buffer; the engine would refuse it with a message box.
    if (gameState != kStopped && width > 0 && height > 0) {
        backDC = ResizeTrazel(hosts_.window.EngineOwner(), width, height);
        SetScreenDistance(static_cast<float>(width));
    }
    hosts_.window.Invalidate();
}

void TMainFrm::OnMouseMove(ClientPoint point) {
    if (!EngineOpen()) return;
    if (gameState != kTitle && gameState != kReady) mousePoint = point;
}

namespace {

bool AcceptsButtons(int32_t gameState) {
    return gameState != kEnding && gameState != kTitle && gameState != kReady &&
           gameState != kStopped;
}

}  // namespace

void TMainFrm::OnLButtonDown(ClientPoint point) {
    if (!EngineOpen() || !AcceptsButtons(gameState)) return;
    battle::TFream &own = *myFream;
    own.moveTarget = GroundPick(point);
    if (own.attackOrder == battle::kTurboArmed) {
        own.attackOrder = battle::kTurboOrdered;
    } else if (battle::Distance(own.moveTarget, own.pos) <= kOwnRobotReach) {
        own.specialOrder = battle::kSpecialDragged;
        hosts_.window.SetCursor(kSpecialCursor);
    } else {
        own.fireNow = 1;
    }
}

void TMainFrm::OnRButtonDown(ClientPoint point) {
    if (!EngineOpen() || !AcceptsButtons(gameState)) return;
    hosts_.window.CaptureMouse();
    battle::TFream &own = *myFream;
    own.moveTarget = GroundPick(point);
    if (own.attackOrder == battle::kTurboArmed) {
        own.attackOrder = battle::kTurboOrdered;
    } else if (battle::Distance(own.moveTarget, own.pos) >= kOwnRobotReach) {
        own.moving = 1;
    } else {
        floatMenu->Open(hosts_.window.ToScreen(point), &own.attackOrder, &own.weaponSelect);
    }
}

void TMainFrm::OnLButtonUp(ClientPoint point) {
    if (!EngineOpen() || !AcceptsButtons(gameState)) return;
    battle::TFream &own = *myFream;
    own.moveTarget = GroundPick(point);
    if (battle::Distance(own.moveTarget, enemyFream->pos) < kOwnRobotReach &&
        own.specialOrder == battle::kSpecialDragged) {
        own.specialOrder = battle::kSpecialOrdered;
    } else {
        own.specialOrder = 0;
    }
    if (own.attackOrder != battle::kTurboArmed) hosts_.window.SetCursor(kAimCursor);
}

void TMainFrm::OnRButtonUp(ClientPoint) {
    if (!EngineOpen()) return;
    // Released in every state: the round may have ended while the button was held.
    hosts_.window.ReleaseMouse();
    if (!AcceptsButtons(gameState)) return;
    battle::TFream &own = *myFream;
    own.moving = 0;
    if (own.attackOrder != battle::kTurboArmed) hosts_.window.SetCursor(kAimCursor);
    if (own.specialOrder == battle::kSpecialDragged) hosts_.window.SetCursor(kSpecialCursor);
}

void TMainFrm::OnKeyDown(int32_t key) {
    switch (key) {
        case kEscapeKey:
            RunCommand(kExitCommand);
            break;
        case kGunKey:
            RunCommand(kGunButton);
            break;
        case kMissileKey:
            RunCommand(kMissileButton);
            break;
        default:
            break;
    }
}

}  // namespace match
