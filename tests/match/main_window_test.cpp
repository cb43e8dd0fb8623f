// The game window's construction with its defaults, the engine failing to open, and painting.
#include <cairo.h>

#include "battle/model_library.h"
#include "match_fixture.h"

using namespace match;

using MainWindowTest = MatchTest;

TEST_F(MainWindowTest, StartsOnTheTitleWithTheSceneSetUpAndTheDefaultSettings) {
    const ObjectStruct &camera = window->scene[battle::kCameraSlot];
    EXPECT_EQ(camera.x, -100);
    EXPECT_EQ(camera.z, 100);
    EXPECT_EQ(window->scene[battle::kMarkerSlot].show, 1);
    EXPECT_EQ(window->gameState, kTitle);
    EXPECT_EQ(window->selectedLevel, 1);
    EXPECT_EQ(window->versusMode, kSolo);
    EXPECT_EQ(window->framePath, "MyFream.frm");
    EXPECT_EQ(hosts.window.cursor, kAimCursor);
    EXPECT_TRUE(hosts.shieldWindow.open);
    EXPECT_EQ(hosts.shieldWindow.x, 320);
    EXPECT_EQ(hosts.shieldWindow.y, 0);
    EXPECT_EQ(window->shieldWindow->rightName, "My_Fream");
    EXPECT_EQ(GetModelMode(), TZ_MODEL_HALFTONE);
    EXPECT_TRUE(window->midiOn);
    EXPECT_TRUE(window->waveOn);
    EXPECT_EQ(window->myFream->soundOn, 1);
    EXPECT_EQ(window->thirdFream->soundOn, 1);
    EXPECT_EQ(window->commPort, 1);
    EXPECT_EQ(window->stage->viewMode, battle::kMiddleView);
    EXPECT_EQ(window->levelReached, 4);
    for (int32_t level = 0; level < kLevels; ++level) {
        EXPECT_EQ(window->highScore[level], 0);
        EXPECT_EQ(window->highName[level], "MyFream");
    }
}

TEST_F(MainWindowTest, SettingsWithoutTheShieldWindowLeaveItClosed) {
    hosts.shieldWindow.open = false;
    SettingsValues settings;
    settings.shieldOpen = false;
    settings.waveOn = false;
    window->ApplySettings(settings);
    EXPECT_FALSE(hosts.shieldWindow.open);
    EXPECT_EQ(window->enemyFream->soundOn, 0);
}

TEST_F(MainWindowTest, SettingsOutOfRangeTakeTheirDefaultsAndTheGameStillRuns) {
    SettingsValues settings;
    settings.modelMode = 999;
    settings.commPort = -1;
    settings.viewMode = 13;
    settings.levelReached = 9;
    settings.highScore[2] = -5;
    window->ApplySettings(settings);
    EXPECT_EQ(GetModelMode(), TZ_MODEL_HALFTONE);
    EXPECT_EQ(window->commPort, 1);
    EXPECT_EQ(window->stage->viewMode, battle::kMiddleView);
    EXPECT_EQ(window->levelReached, 4);
    EXPECT_EQ(window->highScore[2], 0);
    settings.levelReached = 0;
    window->ApplySettings(settings);
    EXPECT_EQ(window->levelReached, 4);
    window->RunCommand(kLevel1Command + 3);
    EXPECT_EQ(window->selectedLevel, 4);
    StartRoundInLoop();
    Steps(80);
    EXPECT_EQ(window->gameState, kFight);
}

TEST_F(MainWindowTest, TheFirstPaintOnTheTitleStartsTheGameAndDrawsNothing) {
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 640, 480);
    cairo_t *target = cairo_create(surface);
    window->OnPaint(target);
    EXPECT_EQ(hosts.window.titlePosts, 1);
    EXPECT_EQ(window->fpsFrames, 0u);
    window->OnPaint(target);
    window->OnPaint(target);
    EXPECT_EQ(hosts.window.titlePosts, 1);
    EXPECT_EQ(window->fpsFrames, 2u);
    cairo_destroy(target);
    cairo_surface_destroy(surface);
}

TEST_F(MainWindowTest, TheStoppedWindowResizesItsBackBufferAtTheNextPaint) {
    window->titlePosted = true;
    window->gameState = kStopped;
    window->OnSize(320, 200);
    cairo_surface_t *bitmap = nullptr;
    GetVirtualScreen(nullptr, nullptr, &bitmap, nullptr);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(bitmap), 640);
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 320, 200);
    cairo_t *target = cairo_create(surface);
    window->OnPaint(target);
    GetVirtualScreen(nullptr, nullptr, &bitmap, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(bitmap), 320);
    EXPECT_EQ(GetScreenDistance(), 320.0f);
    cairo_destroy(target);
    cairo_surface_destroy(surface);
}

TEST_F(MainWindowTest, SkyAndGroundSplitAtTheHorizonOnTheOpenStages) {
    window->titlePosted = true;
    window->gameState = kRoundDraw;
    ObjectStruct &camera = window->scene[battle::kCameraSlot];
    camera.x = -500, camera.y = 0, camera.z = 100;
    LookAt(&camera, Vector3{0, 0, 100});  // level: the horizon runs across the middle
    window->currentLevel = 2;
    window->backColour = TZ_RGB(0, 128, 0);
    window->DrawBackground();
    void *bits = nullptr;
    cairo_surface_t *bitmap = nullptr;
    GetVirtualScreen(nullptr, &bits, &bitmap, nullptr);
    cairo_surface_flush(bitmap);
    auto pixel = [&](int x, int y) {
        const uint8_t *row =
            cairo_image_surface_get_data(bitmap) + y * cairo_image_surface_get_stride(bitmap);
        return reinterpret_cast<const uint32_t *>(row)[x] & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(pixel(630, 470), 0x008000u);
    window->currentLevel = 1;
    window->DrawBackground();
    cairo_surface_flush(bitmap);
    EXPECT_EQ(pixel(5, 5), 0x008000u);
}

TEST_F(MainWindowTest, AViewStraightDownStillCoversTheWholeBackground) {
    ObjectStruct &camera = window->scene[battle::kCameraSlot];
    window->currentLevel = 3;
    window->backColour = TZ_RGB(0, 128, 0);
    cairo_surface_t *bitmap = nullptr;
    GetVirtualScreen(nullptr, nullptr, &bitmap, nullptr);
    // The horizon lies at infinity: every pixel is sky or ground, none keeps the old red.
    for (int32_t angle : {1024}) {
        camera.angleY = angle;
        TzPatBlt(TZ_RGB(255, 0, 0));
        window->DrawBackground();
        cairo_surface_flush(bitmap);
        const uint8_t *data = cairo_image_surface_get_data(bitmap);
        int stride = cairo_image_surface_get_stride(bitmap);
        for (int y : {0, 240, 479}) {
            for (int x : {0, 320, 639}) {
                uint32_t pixel =
                    reinterpret_cast<const uint32_t *>(data + y * stride)[x] & 0xFFFFFF;
                EXPECT_TRUE(pixel == 0x0000FFu || pixel == 0x008000u)
                    << angle << " " << x << "," << y;
            }
        }
    }
}

namespace {

int32_t FailingOpen(int32_t) {
    return 0;
}

}  // namespace

TEST(MainWindowWithoutModelsTest, OneMessageNamesTheLibraryAndNothingIsBuilt) {
    FakeHosts hosts;
    battle::SetModelLibraryPath("/nowhere/morvex.m3d");
    TMainFrm window(hosts.Hosts());
    battle::SetModelLibraryPath(MORVEX_DATA "/morvex.m3d");
    ASSERT_EQ(hosts.window.messages.size(), 1u);
    EXPECT_EQ(hosts.window.messages[0].text,
              "モデルライブラリ /nowhere/morvex.m3d を読めません。\nファイルがありません。");
    EXPECT_EQ(hosts.window.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(window.EngineOpen());
    EXPECT_EQ(window.myFream, nullptr);
}

TEST(MainWindowWithoutEngineTest, SaysSoBuildsNothingAndIgnoresEverything) {
    FakeHosts hosts;
    TMainFrm window(hosts.Hosts(), FailingOpen);
    ASSERT_EQ(hosts.window.messages.size(), 1u);
    EXPECT_EQ(hosts.window.messages[0].text, "Trazelのオープンに失敗しました。");
    EXPECT_EQ(hosts.window.messages[0].caption, "ERROR");
    EXPECT_EQ(hosts.window.messages[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(window.EngineOpen());
    EXPECT_EQ(window.myFream, nullptr);
    window.OnWindowCreated();
    window.OnSize(640, 480);
    window.OnPaint(nullptr);
    window.OnMouseMove(ClientPoint{1, 2});
    window.OnLButtonDown(ClientPoint{1, 2});
    window.OnLButtonUp(ClientPoint{1, 2});
    window.OnRButtonDown(ClientPoint{1, 2});
    window.OnRButtonUp(ClientPoint{1, 2});
    window.OnKeyDown('1');
    window.TickGame();
    window.RunLoop();
    window.StartRound();
    window.EnterTitle();
    window.EnterEnding();
    window.RoundEnd();
    window.StepMatch();
    for (int32_t command : {kStartCommand, kShieldCommand, kVersionCommand, kSoundEffectsCommand,
                            kTopViewCommand, kLevel1Command, kScoreClearCommand})
        window.RunCommand(command);
    EXPECT_FALSE(window.QueryCommand(kStartCommand).enabled);
    EXPECT_TRUE(window.QueryCommand(kExitCommand).enabled);
    window.OnKeyDown(0x1B);
    EXPECT_EQ(hosts.window.closeRequests, 1);
    EXPECT_TRUE(window.OnCloseQuery());
    EXPECT_TRUE(hosts.window.waits.empty());
    EXPECT_FALSE(hosts.shieldWindow.open);
    EXPECT_EQ(hosts.window.messages.size(), 1u);
}
