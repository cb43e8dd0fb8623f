// The shield window: names, shield gauges and won rounds on their sides, and their drawing.
#include "shield_window.h"

#include <algorithm>
#include <cstdio>

#include "game_states.h"
#include "trazel.h"
#include "window_painting.h"

namespace match {
namespace {

constexpr const char *kFace = "ＭＳ 明朝";
constexpr int32_t kNameHeight = 13, kLabelHeight = 13, kStarsHeight = 19;
constexpr TzColor kBackground = TZ_RGB(192, 192, 192);
constexpr TzColor kNameColour = TZ_RGB(0, 0, 0);
constexpr TzColor kStarsColour = TZ_RGB(255, 255, 0);
constexpr int32_t kGaugeMinimum = 0, kGaugeMaximum = 100;
constexpr int32_t kMostWins = 2;

struct Gauge {
    int32_t left, top;
    TzColor bar;
};
constexpr int32_t kGaugeWidth = 150, kGaugeHeight = 18;
constexpr Gauge kLeftGauge{30, 15, TZ_RGB(255, 0, 0)};
constexpr Gauge kRightGauge{218, 15, TZ_RGB(0, 0, 255)};
constexpr TzColor kGaugeFrame = TZ_RGB(128, 128, 128);
constexpr TzColor kGaugeEmpty = TZ_RGB(255, 255, 255);
// The label reads in white over the bar and in black over its empty part.
constexpr TzColor kLabelOnBar = TZ_RGB(255, 255, 255);
constexpr TzColor kLabelOnEmpty = TZ_RGB(0, 0, 0);

// The calling PC of a linked match shows its own robot on the left, so that the answering
// side's robot stands on the right on both PCs.
bool OwnOnRight(int32_t versusMode) {
    return versusMode != kLinkedCalling;
}

void DrawText(cairo_t *dc, int32_t x, int32_t y, const char *align, const std::string &text,
              TzColor colour, int32_t height) {
    TzSize extent;
    Font(&extent, dc, x, y, align, text.c_str(), colour, TZ_NO_COLOR, kFace, height);
}

// Draws the label centred on the gauge in colour, only inside the given part of the gauge.
void DrawLabelPart(cairo_t *dc, const std::string &label, int32_t centreX, int32_t centreY,
                   int32_t partLeft, int32_t partTop, int32_t partWidth, int32_t partHeight,
                   TzColor colour) {
    if (partWidth <= 0) return;
    cairo_save(dc);
    cairo_rectangle(dc, partLeft, partTop, partWidth, partHeight);
    cairo_clip(dc);
    DrawText(dc, centreX, centreY, "c", label, colour, kLabelHeight);
    cairo_restore(dc);
}

// A sunken frame around a bar filled from the left in proportion to value, with its label.
void DrawGauge(cairo_t *dc, const Gauge &gauge, int32_t gaugeValue) {
    int32_t value = std::clamp(gaugeValue, kGaugeMinimum, kGaugeMaximum);
    FillRectangle(dc, gauge.left, gauge.top, kGaugeWidth, kGaugeHeight, kGaugeFrame);
    int32_t innerLeft = gauge.left + 1, innerTop = gauge.top + 1;
    int32_t innerWidth = kGaugeWidth - 2, innerHeight = kGaugeHeight - 2;
    FillRectangle(dc, innerLeft, innerTop, innerWidth, innerHeight, kGaugeEmpty);
    int32_t filled = innerWidth * (value - kGaugeMinimum) / (kGaugeMaximum - kGaugeMinimum);
    if (filled > 0) FillRectangle(dc, innerLeft, innerTop, filled, innerHeight, gauge.bar);

    char label[16];
    std::snprintf(label, sizeof label, "%d %%", value);
    int32_t centreX = gauge.left + kGaugeWidth / 2, centreY = gauge.top + kGaugeHeight / 2;
    DrawLabelPart(dc, label, centreX, centreY, innerLeft, innerTop, filled, innerHeight,
                  kLabelOnBar);
    DrawLabelPart(dc, label, centreX, centreY, innerLeft + filled, innerTop, innerWidth - filled,
                  innerHeight, kLabelOnEmpty);
}

std::string Stars(int32_t wins) {
    return std::string("**").substr(0, std::clamp(wins, 0, kMostWins));
}

}  // namespace

TInforDlg::TInforDlg(ShieldWindowHost &host) : host_(host) {}

void TInforDlg::SetNames(int32_t versusMode, const std::string &ownName,
                         const std::string &peerName) {
    bool ownOnRight = OwnOnRight(versusMode);
    rightName = ownOnRight ? ownName : peerName;
    leftName = ownOnRight ? peerName : ownName;
    host_.Invalidate();
}

// A destroyed robot's shield is below zero; the gauge shows it at its minimum. A gauge shows a
// new value at once; new win counts wait for the window's next paint.
void TInforDlg::Update(int32_t versusMode, int32_t ownShield, int32_t ownWins, int32_t peerShield,
                       int32_t peerWins) {
    int32_t own = std::clamp(ownShield, kGaugeMinimum, kGaugeMaximum);
    int32_t peer = std::clamp(peerShield, kGaugeMinimum, kGaugeMaximum);
    bool ownOnRight = OwnOnRight(versusMode);
    int32_t right = ownOnRight ? own : peer;
    int32_t left = ownOnRight ? peer : own;
    bool gaugesChanged = right != rightGauge || left != leftGauge;
    rightGauge = right;
    leftGauge = left;
    rightWins = ownOnRight ? ownWins : peerWins;
    leftWins = ownOnRight ? peerWins : ownWins;
    if (gaugesChanged) host_.Invalidate();
}

void TInforDlg::OnPaint(cairo_t *dc) {
    if (dc == nullptr || cairo_status(dc) != CAIRO_STATUS_SUCCESS) return;
    FillRectangle(dc, 0, 0, kWidth, kHeight, kBackground);
    DrawText(dc, 10, 1, "tl", leftName, kNameColour, kNameHeight);
    DrawText(dc, 198, 1, "tl", rightName, kNameColour, kNameHeight);
    DrawGauge(dc, kLeftGauge, leftGauge);
    DrawGauge(dc, kRightGauge, rightGauge);
    DrawText(dc, 5, 15, "tl", Stars(leftWins), kStarsColour, kStarsHeight);
    DrawText(dc, 193, 15, "tl", Stars(rightWins), kStarsColour, kStarsHeight);
}

}  // namespace match
