// The floating menu: hit test, hover drawing and the GUN, MISS and TURBO choices.
#include "float_menu.h"

#include <array>

#include "battle/fream.h"
#include "game_states.h"
#include "trazel.h"
#include "window_painting.h"

namespace match {
namespace {

struct MenuItem {
    int32_t left, top, right, bottom;
    const char *text;  // padded to seven characters, so the coloured background forms a bar
};

constexpr std::array<MenuItem, 3> kItems{{
    {0, 0, TFloatDlg::kWidth, 20, "GUN    "},
    {0, 20, TFloatDlg::kWidth, 40, "MISS   "},
    {0, 40, TFloatDlg::kWidth, 60, "TURBO  "},
}};
constexpr int32_t kGunItem = 0, kMissileItem = 1, kTurboItem = 2;

constexpr const char *kFace = "ＭＳ 明朝";
constexpr int32_t kTextHeight = 13;
constexpr TzColor kBackground = TZ_RGB(192, 192, 192);
constexpr TzColor kText = TZ_RGB(0, 0, 0);
// The desktop's caption colours stand in for the hovered item's colours.
constexpr TzColor kHoveredText = TZ_RGB(255, 255, 255);
constexpr TzColor kHoveredBackground = TZ_RGB(0, 0, 128);
// The etched line between GUN and MISS in the window's layout, in pixels from the top.
constexpr int32_t kSeparatorY = 36;

void DrawBackground(cairo_t *dc) {
    FillRectangle(dc, 0, 0, TFloatDlg::kWidth, TFloatDlg::kHeight, kBackground);
    FillRectangle(dc, 0, kSeparatorY, TFloatDlg::kWidth, 1, TZ_RGB(128, 128, 128));
    FillRectangle(dc, 0, kSeparatorY + 1, TFloatDlg::kWidth, 1, TZ_RGB(255, 255, 255));
}

}  // namespace

TFloatDlg::TFloatDlg(FloatMenuHost &host, MainWindowHost &mainWindow)
    : host_(host), mainWindow_(mainWindow) {}

void TFloatDlg::Open(ScreenPoint at, int32_t *attackOrder, int32_t *weaponSelect) {
    at_ = at;
    attackOrder_ = attackOrder;
    weaponSelect_ = weaponSelect;
    mouseMoved_ = false;
    hovered_ = kNoItem;
    host_.Open(at_, kWidth, kHeight);
    host_.CaptureMouse();
}

int32_t TFloatDlg::HitTest(ClientPoint point) {
    for (int32_t item = 0; item < int32_t(kItems.size()); ++item) {
        const MenuItem &rectangle = kItems[item];
        if (point.x >= rectangle.left && point.x < rectangle.right && point.y >= rectangle.top &&
            point.y < rectangle.bottom)
            return item;
    }
    return kNoItem;
}

void TFloatDlg::OnMouseMove(ClientPoint point) {
    mouseMoved_ = true;
    hovered_ = HitTest(point);
    host_.Invalidate();
}

void TFloatDlg::OnLButtonDown(ClientPoint point) {
    host_.ReleaseMouse();
    int32_t cursor = kAimCursor;
    switch (HitTest(point)) {
        case kGunItem:
            if (weaponSelect_ != nullptr) *weaponSelect_ = 0;
            break;
        case kMissileItem:
            if (weaponSelect_ != nullptr) *weaponSelect_ = 1;
            break;
        case kTurboItem:
            if (attackOrder_ != nullptr) *attackOrder_ = battle::kTurboArmed;
            cursor = kTurboCursor;
            break;
    }
    mainWindow_.SetCursor(cursor);
    Finish();
}

void TFloatDlg::OnRButtonDown(ClientPoint) {
    host_.ReleaseMouse();
    mainWindow_.SetCursor(kAimCursor);
    Finish();
}

void TFloatDlg::OnPaint(cairo_t *dc) {
    if (dc == nullptr || cairo_status(dc) != CAIRO_STATUS_SUCCESS) return;
    DrawBackground(dc);
    if (!mouseMoved_) return;
    for (int32_t item = 0; item < int32_t(kItems.size()); ++item) {
        bool hovered = item == hovered_;
        TzSize extent;
        Font(&extent, dc, kItems[item].left, kItems[item].top, "tl", kItems[item].text,
             hovered ? kHoveredText : kText, hovered ? kHoveredBackground : kBackground, kFace,
             kTextHeight);
    }
}

// The order fields belong to the robot; once closed, the menu no longer points at them.
void TFloatDlg::Finish() {
    attackOrder_ = nullptr;
    weaponSelect_ = nullptr;
    host_.Close();
}

}  // namespace match
