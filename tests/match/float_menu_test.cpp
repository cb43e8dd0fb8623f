// The floating menu: its hit test, the three choices and cancelling, the mouse capture, and the
// items drawn only once the mouse has moved.
#include "match/float_menu.h"

#include <gtest/gtest.h>

#include "battle/fream.h"
#include "fake_hosts.h"
#include "match/game_states.h"
#include "test_canvas.h"

using namespace match;

namespace {

class MenuHost : public FloatMenuHost {
  public:
    void Open(ScreenPoint at, int32_t width, int32_t height) override {
        open = true;
        openedAt = at;
        openedWidth = width;
        openedHeight = height;
    }
    void Close() override { open = false; }
    bool IsOpen() override { return open; }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    void Invalidate() override { ++invalidations; }

    bool open = false, captured = false;
    ScreenPoint openedAt;
    int32_t openedWidth = 0, openedHeight = 0;
    int invalidations = 0;
};

constexpr int32_t kUntouched = -7;

class FloatMenuTest : public ::testing::Test {
  protected:
    void OpenMenu() { menu.Open(ScreenPoint{300, 200}, &attackOrder, &weaponSelect); }

    MenuHost host;
    FakeWindowHost mainWindow;
    TFloatDlg menu{host, mainWindow};
    int32_t attackOrder = kUntouched, weaponSelect = kUntouched;
};

TEST(FloatMenuHitTest, ItemRectanglesIncludeTheirTopLeftAndExcludeTheirBottomRight) {
    struct Case {
        ClientPoint point;
        int32_t item;
    };
    const Case cases[] = {
        {{0, 0}, 0},   {{49, 0}, 0},  {{49, 19}, 0},  {{0, 20}, 1},     {{49, 39}, 1},
        {{0, 40}, 2},  {{49, 59}, 2}, {{50, 0}, -1},  {{50, 30}, -1},   {{0, 60}, -1},
        {{-1, 0}, -1}, {{0, -1}, -1}, {{-1, -1}, -1}, {{500, 500}, -1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(TFloatDlg::HitTest(c.point), c.item) << c.point.x << ", " << c.point.y;
    }
}

TEST_F(FloatMenuTest, OpensAtTheClickPointAtItsFixedSizeAndCapturesTheMouse) {
    OpenMenu();
    EXPECT_TRUE(host.open);
    EXPECT_EQ(host.openedAt.x, 300);
    EXPECT_EQ(host.openedAt.y, 200);
    EXPECT_EQ(host.openedWidth, 50);
    EXPECT_EQ(host.openedHeight, 60);
    EXPECT_TRUE(host.captured);
}

TEST_F(FloatMenuTest, EachItemAppliesItsChoiceSetsItsCursorAndCloses) {
    struct Case {
        ClientPoint point;
        int32_t weaponSelect, attackOrder, cursor;
    };
    const Case cases[] = {
        {{10, 10}, 0, kUntouched, kAimCursor},
        {{49, 39}, 1, kUntouched, kAimCursor},
        {{0, 40}, kUntouched, battle::kTurboArmed, kTurboCursor},
    };
    for (const Case &c : cases) {
        attackOrder = weaponSelect = kUntouched;
        mainWindow.cursor = 0;
        OpenMenu();
        menu.OnLButtonDown(c.point);
        EXPECT_EQ(weaponSelect, c.weaponSelect) << c.point.y;
        EXPECT_EQ(attackOrder, c.attackOrder) << c.point.y;
        EXPECT_EQ(mainWindow.cursor, c.cursor) << c.point.y;
        EXPECT_FALSE(host.open);
        EXPECT_FALSE(host.captured);
    }
}

TEST_F(FloatMenuTest, GunAfterTurboKeepsTheTurboArmedAndShowsThePlainCursor) {
    weaponSelect = 1;
    OpenMenu();
    menu.OnLButtonDown(ClientPoint{5, 45});
    EXPECT_EQ(attackOrder, battle::kTurboArmed);
    EXPECT_EQ(mainWindow.cursor, kTurboCursor);
    OpenMenu();
    menu.OnLButtonDown(ClientPoint{5, 5});
    EXPECT_EQ(weaponSelect, 0);
    EXPECT_EQ(attackOrder, battle::kTurboArmed);
    EXPECT_EQ(mainWindow.cursor, kAimCursor);
}

TEST_F(FloatMenuTest, LeftClickOutsideChangesNothingButTheCursor) {
    for (ClientPoint outside : {ClientPoint{60, 10}, ClientPoint{-5, 30}, ClientPoint{10, 70}}) {
        mainWindow.cursor = kTurboCursor;
        OpenMenu();
        menu.OnLButtonDown(outside);
        EXPECT_EQ(weaponSelect, kUntouched);
        EXPECT_EQ(attackOrder, kUntouched);
        EXPECT_EQ(mainWindow.cursor, kAimCursor);
        EXPECT_FALSE(host.open);
        EXPECT_FALSE(host.captured);
    }
}

TEST_F(FloatMenuTest, RightPressCancelsEvenOverAnItem) {
    mainWindow.cursor = kTurboCursor;
    OpenMenu();
    menu.OnMouseMove(ClientPoint{5, 45});
    menu.OnRButtonDown(ClientPoint{5, 45});
    EXPECT_EQ(weaponSelect, kUntouched);
    EXPECT_EQ(attackOrder, kUntouched);
    EXPECT_EQ(mainWindow.cursor, kAimCursor);
    EXPECT_FALSE(host.open);
    EXPECT_FALSE(host.captured);
}

// A click that arrives after the menu has closed must not reach the robot's fields.
TEST_F(FloatMenuTest, AClickAfterClosingNoLongerWritesTheOrders) {
    OpenMenu();
    menu.OnRButtonDown(ClientPoint{5, 5});
    menu.OnLButtonDown(ClientPoint{5, 45});
    EXPECT_EQ(attackOrder, kUntouched);
    EXPECT_EQ(mainWindow.cursor, kTurboCursor);
}

TEST_F(FloatMenuTest, MouseMovesAskForARepaint) {
    OpenMenu();
    menu.OnMouseMove(ClientPoint{5, 5});
    menu.OnMouseMove(ClientPoint{5, 25});
    EXPECT_EQ(host.invalidations, 2);
}

// Text ink, smoothed at its edges: black text darkens the grey, white text lightens the blue.
bool IsDark(Rgb pixel) {
    return pixel.red < 128 && pixel.green < 128 && pixel.blue < 128;
}
bool IsLightOnBlue(Rgb pixel) {
    return pixel.red > 128 && pixel.blue >= pixel.red && pixel != Rgb{192, 192, 192};
}
bool IsBlue(Rgb pixel) {
    return pixel.blue > pixel.red + 32;
}

// Items are 20 pixels apart; their text is 13 pixels high. Column 30 lies in the padding spaces.
constexpr int32_t kPaddingX = 30, kTextHeight = 13;
const Rgb kGrey{192, 192, 192}, kCaptionBlue{0, 0, 128};

TEST_F(FloatMenuTest, ItemsAreDrawnOnlyOnceTheMouseHasMoved) {
    TestCanvas canvas(TFloatDlg::kWidth, TFloatDlg::kHeight);
    OpenMenu();
    menu.OnPaint(canvas.Context());
    for (int32_t top : {0, 20, 40}) {
        EXPECT_EQ(canvas.Pixel(kPaddingX, top + 5), kGrey) << top;
        EXPECT_EQ(canvas.Count(0, top, 50, top + kTextHeight, IsDark), 0) << top;
        EXPECT_EQ(canvas.Count(0, top, 50, top + kTextHeight, IsBlue), 0) << top;
    }

    menu.OnMouseMove(ClientPoint{60, 5});
    menu.OnPaint(canvas.Context());
    for (int32_t top : {0, 20, 40}) {
        EXPECT_EQ(canvas.Pixel(kPaddingX, top + 5), kGrey) << top;
        EXPECT_GT(canvas.Count(0, top, 50, top + kTextHeight, IsDark), 10) << top;
    }
}

TEST_F(FloatMenuTest, TheHoveredItemIsDrawnInCaptionColours) {
    TestCanvas canvas(TFloatDlg::kWidth, TFloatDlg::kHeight);
    OpenMenu();
    menu.OnMouseMove(ClientPoint{10, 25});
    menu.OnPaint(canvas.Context());
    EXPECT_EQ(canvas.Pixel(kPaddingX, 25), kCaptionBlue);
    EXPECT_GT(canvas.Count(0, 20, 50, 20 + kTextHeight, IsLightOnBlue), 10);
    EXPECT_EQ(canvas.Count(0, 20, 50, 20 + kTextHeight, IsDark), 0);
    for (int32_t top : {0, 40}) {
        EXPECT_EQ(canvas.Pixel(kPaddingX, top + 5), kGrey) << top;
        EXPECT_GT(canvas.Count(0, top, 50, top + kTextHeight, IsDark), 10) << top;
        EXPECT_EQ(canvas.Count(0, top, 50, top + kTextHeight, IsBlue), 0) << top;
    }

    menu.OnMouseMove(ClientPoint{10, 45});
    menu.OnPaint(canvas.Context());
    EXPECT_EQ(canvas.Pixel(kPaddingX, 25), kGrey);
    EXPECT_EQ(canvas.Pixel(kPaddingX, 45), kCaptionBlue);
}

TEST_F(FloatMenuTest, ReopeningShowsOnlyTheBackgroundUntilTheNextMove) {
    TestCanvas canvas(TFloatDlg::kWidth, TFloatDlg::kHeight);
    OpenMenu();
    menu.OnMouseMove(ClientPoint{10, 5});
    menu.OnRButtonDown(ClientPoint{10, 5});
    OpenMenu();
    menu.OnPaint(canvas.Context());
    EXPECT_EQ(canvas.Pixel(kPaddingX, 5), kGrey);
    EXPECT_EQ(canvas.Count(0, 0, 50, kTextHeight, IsDark), 0);
}

}  // namespace
