// The shield window: which robot stands on which side, the gauges' range, the stars of won rounds,
// and what its painting shows.
#include "match/shield_window.h"

#include <gtest/gtest.h>

#include "fake_hosts.h"
#include "match/game_states.h"
#include "test_canvas.h"

using namespace match;

namespace {

class ShieldWindowTest : public ::testing::Test {
  protected:
    FakeShieldWindowHost host;
    TInforDlg window{host};
};

TEST_F(ShieldWindowTest, TheOwnRobotIsOnTheRightExceptOnTheCallingPc) {
    struct Case {
        int32_t versusMode;
        bool ownOnRight;
    };
    for (Case c : {Case{kSolo, true}, Case{kLinkedAnswering, true}, Case{kLinkedCalling, false}}) {
        window.SetNames(c.versusMode, "Own", "Peer");
        window.Update(c.versusMode, 80, 1, 30, 2);
        EXPECT_EQ(window.rightName, c.ownOnRight ? "Own" : "Peer") << c.versusMode;
        EXPECT_EQ(window.leftName, c.ownOnRight ? "Peer" : "Own") << c.versusMode;
        EXPECT_EQ(window.rightGauge, c.ownOnRight ? 80 : 30) << c.versusMode;
        EXPECT_EQ(window.leftGauge, c.ownOnRight ? 30 : 80) << c.versusMode;
        EXPECT_EQ(window.rightWins, c.ownOnRight ? 1 : 2) << c.versusMode;
        EXPECT_EQ(window.leftWins, c.ownOnRight ? 2 : 1) << c.versusMode;
    }
}

TEST_F(ShieldWindowTest, NamesAndNewGaugeValuesRepaintButWinsWaitForTheNextPaint) {
    window.SetNames(kSolo, "Own", "Peer");
    EXPECT_EQ(host.invalidations, 1);
    window.Update(kSolo, 50, 0, 50, 0);
    EXPECT_EQ(host.invalidations, 2);
    window.Update(kSolo, 50, 1, 50, 0);
    EXPECT_EQ(host.invalidations, 2);
    window.Update(kSolo, 50, 1, 49, 0);
    EXPECT_EQ(host.invalidations, 3);
}

TEST_F(ShieldWindowTest, GaugesStayWithinTheirRange) {
    struct Case {
        int32_t shield, shown;
    };
    for (Case c : {Case{-5, 0}, Case{0, 0}, Case{75, 75}, Case{100, 100}, Case{130, 100}}) {
        window.Update(kSolo, c.shield, 0, c.shield, 0);
        EXPECT_EQ(window.rightGauge, c.shown) << c.shield;
        EXPECT_EQ(window.leftGauge, c.shown) << c.shield;
    }
}

bool IsRed(Rgb pixel) {
    return pixel == Rgb{255, 0, 0};
}
bool IsBlue(Rgb pixel) {
    return pixel == Rgb{0, 0, 255};
}
bool IsYellow(Rgb pixel) {
    return pixel.red > 200 && pixel.green > 200 && pixel.blue < 64;
}
bool IsDark(Rgb pixel) {
    return pixel.red < 128 && pixel.green < 128 && pixel.blue < 128;
}

// Gauges span 150 pixels from x 30 (left) and 218 (right) at y 15; the top row inside the frame
// lies above the label.
constexpr int32_t kBarRow = 16;
constexpr int32_t kLeftGaugeX = 30, kRightGaugeX = 218, kGaugeWidth = 150;

class ShieldPaintTest : public ShieldWindowTest {
  protected:
    int CountInRow(int32_t gaugeX, bool (*wanted)(Rgb)) {
        return canvas.Count(gaugeX, kBarRow, gaugeX + kGaugeWidth, kBarRow + 1, wanted);
    }
    // Wanted pixels in an unbroken run from just inside the gauge's left frame.
    int RunFromTheLeft(int32_t gaugeX, bool (*wanted)(Rgb)) {
        int run = 0;
        while (run < kGaugeWidth && wanted(canvas.Pixel(gaugeX + 1 + run, kBarRow))) ++run;
        return run;
    }
    // Star pixels in the square left of a gauge.
    int Stars(int32_t x) { return canvas.Count(x, 15, x + 25, 35, IsYellow); }

    TestCanvas canvas{TInforDlg::kWidth, TInforDlg::kHeight};
};

TEST_F(ShieldPaintTest, BarsFillFromTheLeftInProportionToTheShield) {
    for (int32_t shield : {0, 25, 50, 75, 100}) {
        window.Update(kSolo, shield, 0, 100 - shield, 0);
        window.OnPaint(canvas.Context());
        int red = CountInRow(kLeftGaugeX, IsRed);
        int blue = CountInRow(kRightGaugeX, IsBlue);
        EXPECT_NEAR(red, kGaugeWidth * (100 - shield) / 100, 2) << shield;
        EXPECT_NEAR(blue, kGaugeWidth * shield / 100, 2) << shield;
        EXPECT_EQ(RunFromTheLeft(kLeftGaugeX, IsRed), red) << shield;
        EXPECT_EQ(RunFromTheLeft(kRightGaugeX, IsBlue), blue) << shield;
        EXPECT_EQ(CountInRow(kLeftGaugeX, IsBlue), 0);
        EXPECT_EQ(CountInRow(kRightGaugeX, IsRed), 0);
    }
}

TEST_F(ShieldPaintTest, ADestroyedRobotsGaugeIsEmpty) {
    window.Update(kSolo, -20, 0, 40, 0);
    window.OnPaint(canvas.Context());
    EXPECT_EQ(CountInRow(kRightGaugeX, IsBlue), 0);
    EXPECT_NEAR(CountInRow(kLeftGaugeX, IsRed), kGaugeWidth * 40 / 100, 2);
}

TEST_F(ShieldPaintTest, StarsCountTheRoundsWonInYellow) {
    window.Update(kSolo, 100, 0, 100, 0);
    window.OnPaint(canvas.Context());
    EXPECT_EQ(Stars(5), 0);
    EXPECT_EQ(Stars(193), 0);

    window.Update(kSolo, 100, 1, 100, 2);
    window.OnPaint(canvas.Context());
    int oneStar = Stars(193), twoStars = Stars(5);
    EXPECT_GT(oneStar, 5);
    EXPECT_GT(twoStars, oneStar * 3 / 2);
}

TEST_F(ShieldPaintTest, NamesAndLabelsAreWritten) {
    window.SetNames(kSolo, "Own", "");
    window.Update(kSolo, 0, 0, 0, 0);
    window.OnPaint(canvas.Context());
    EXPECT_GT(canvas.Count(198, 1, 380, 14, IsDark), 5);
    EXPECT_EQ(canvas.Count(10, 1, 190, 14, IsDark), 0);
    // The empty gauges show their "0 %" label in black.
    EXPECT_GT(canvas.Count(kLeftGaugeX, 17, kLeftGaugeX + kGaugeWidth, 32, IsDark), 5);
}

}  // namespace
