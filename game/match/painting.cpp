// Painting a frame: the background, the scene, the frame rate and the state's texts.
#include <algorithm>
#include <cmath>

#include "main_window.h"

namespace match {
namespace {

// Far beyond any screen, yet safe to hand to the fillers; a view straight up or down puts the
// horizon at infinity.
constexpr float kFarthestPixel = 1 << 20;

int32_t ToPixel(float value) {
    if (std::isnan(value)) return 0;
    return static_cast<int32_t>(std::clamp(value, -kFarthestPixel, kFarthestPixel));
}

bool HasSkyAndGround(int32_t level) {
    return level == 2 || level == 3 || level == 5 || level == 7;
}

}  // namespace

void TMainFrm::OnPaint(cairo_t *window) {
    if (!EngineOpen()) return;
    // The first paint of a run starts the game: the title screen and its loop.
    if (gameState == kTitle && !titlePosted) {
        titlePosted = true;
        hosts_.window.PostEnterTitle();
        return;
    }
    if (gameState == kStopped && clientWidth > 0 && clientHeight > 0) {
        backDC = ResizeTrazel(hosts_.window.EngineOwner(), clientWidth, clientHeight);
        SetScreenDistance(static_cast<float>(clientWidth));
    }
    if (backDC == nullptr) return;
    DrawBackground();
    if (gameState != kLinking) {
        Trazel(battle::kDrawnObjects, scene.data());
        DrawFrameRate();
        DrawStateTexts();
    }
    TzRealizePalette(window);
    TzPresent(window, 0, 0);
}

// Sky and ground split at the horizon seen by the camera, or one plain colour.
void TMainFrm::DrawBackground() {
    if (!EngineOpen()) return;
    if (!HasSkyAndGround(currentLevel)) {
        TzPatBlt(backColour);
        return;
    }
    const ObjectStruct &camera = scene[battle::kCameraSlot];
    int32_t a = camera.angleY, b = -camera.angleX;
    float c1 = FCos(a), s1 = FSin(a), c2 = FCos(b), s2 = FSin(b);
    float sd = GetScreenDistance();
    float d = 100000.0f * c1;
    float k = 10.0f / 17.0f;
    float w = static_cast<float>(clientWidth), h = static_cast<float>(clientHeight);
    TzPoint p1{ToPixel(sd * (100000.0f * s1 * s2 - 120000.0f * c2) / d + w * k),
               ToPixel(sd * (100000.0f * s1 * c2 + 120000.0f * s2) / d + h * k)};
    TzPoint p2{ToPixel(sd * (100000.0f * s1 * s2 + 120000.0f * c2) / d + w * k),
               ToPixel(sd * (100000.0f * s1 * c2 - 120000.0f * s2) / d + h * k)};
    const TzPoint ground[] = {p1, p2, {clientWidth, clientHeight}, {0, clientHeight}};
    const TzPoint sky[] = {p1, p2, {clientWidth, 0}, {0, 0}};
    TzFillPolygon(ground, 4, backColour);
    TzFillPolygon(sky, 4, kBlue);
}

// Frames counted over a little more than a second, shown in the top-left corner.
void TMainFrm::DrawFrameRate() {
    uint32_t now = hosts_.window.NowMilliseconds();
    uint32_t elapsed = now - fpsStart;
    if (elapsed > 1000) {
        fpsValue = fpsFrames * 1000 / elapsed;
        fpsStart += elapsed;
        fpsFrames = 0;
    }
    TzSize size;
    Font(&size, backDC, 1, 0, "tl", Format("FPS %ld", static_cast<long>(fpsValue)).c_str(), kWhite,
         TZ_NO_COLOR, nullptr, 0);
    fpsFrames += 1;
}

}  // namespace match
