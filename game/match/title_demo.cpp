// The title screen: the demo fight of two computer robots, the help lines and the high scores.
#include "battle/random.h"
#include "main_window.h"

namespace match {
namespace {

// The demo fights on the first four stages, with any computer robot but the last.
constexpr int32_t kDemoStages = 4;
constexpr int32_t kDemoRobots = 7;
constexpr int32_t kDemoLevel = 6;
// The help lines show at the start of each cycle, then the high-score list rises into place.
constexpr int32_t kHelpSteps = 200;
constexpr int32_t kSlideSteps = 50;
constexpr int32_t kListStill = 300;
// The holders' names stand right-aligned in a column this many characters wide.
constexpr int32_t kNameCells = 20;

}  // namespace

void TMainFrm::TitleDemoSetup() {
    enemyFream->SetVisible(true);
    thirdFream->SetVisible(true);
    myFream->SetVisible(false);
    int32_t previousLevel = currentLevel;
    do {
        currentLevel = battle::RandomBelow(kDemoStages) + 1;
    } while (currentLevel == previousLevel);
    stage->LoadStage(currentLevel, &backColour, scene);
    int32_t a = battle::RandomBelow(kDemoRobots) + 1;
    battle::DefinitionRecord first = Roster(a);
    enemyFream->Reset(&first, true);
    int32_t b = 0;
    do {
        b = battle::RandomBelow(kDemoRobots) + 1;
    } while (b == a);
    battle::DefinitionRecord second = Roster(b);
    thirdFream->Reset(&second, true);
    enemyFream->pos = battle::GroundPoint{200, 0};
    thirdFream->pos = battle::GroundPoint{-200, 0};
    tickBase = hosts_.window.NowMilliseconds();
    shieldWindow->Update(versusMode, enemyFream->shield, roundsWon, thirdFream->shield,
                         roundsPlayed - roundsWon);
    shieldWindow->SetNames(versusMode, DisplayName(enemyFream->record),
                           DisplayName(thirdFream->record));
    hosts_.shieldWindow.Invalidate();
}

void TMainFrm::TitleDemoStep() {
    stage->StepStage(scene, currentLevel, thirdFream->pos, enemyFream->pos);
    CpuTactics(*enemyFream, *thirdFream, kDemoLevel);
    CpuTactics(*thirdFream, *enemyFream, kDemoLevel);
    enemyFream->Tick(thirdFream->pos);
    thirdFream->Tick(enemyFream->pos);
}

void TMainFrm::TitleTexts(TextList &texts) const {
    const int32_t w = clientWidth, h = clientHeight;
    const int32_t height = w * 22 / 640;
    if (timeCount < kHelpSteps) {
        int32_t slide = timeCount <= kSlideSteps ? w * (kSlideSteps - timeCount) / 20 : 0;
        const char *lines[] = {
            "マウス左クリック : 攻撃",
            "マウス右クリック : 移動",
            "自機 Drag & 敵機 Drop : スペシャルアタック",
            "自機 右クリック : フローティングメニュー",
        };
        for (int32_t i = 0; i < 4; ++i) {
            // Lines 1 and 3 come in from the right, 2 and 4 from the left.
            int32_t x = i % 2 == 0 ? w / 2 + slide : w / 2 - slide;
            texts.push_back(TextItem{lines[i], x, h / 5 + (i + 1) * (h / 10), kCyan, height});
        }
        return;
    }
    for (int32_t i = 0; i <= kLevels; ++i) {
        std::string line = i == 0 ? std::string("HIGH SCORE")
                                  : Format("Level%d %05dPOINTS %s", i, highScore[i - 1],
                                           RightAligned(highName[i - 1], kNameCells).c_str());
        texts.push_back(TextItem{line, w / 2, RisingLineY(h / 5, h, i), kCyan, height});
    }
}

int32_t TMainFrm::RisingLineY(int32_t top, int32_t height, int32_t line) const {
    float rise = timeCount <= kListStill ? static_cast<float>(kListStill - timeCount) *
                                               static_cast<float>(height) * 0.01f
                                         : 0.0f;
    return static_cast<int32_t>(static_cast<float>(top + (height / 15) * (line + 1)) + rise);
}

}  // namespace match
