// The texts over the scene for each state: round start, fight time, results and the title.
#include <cstdarg>
#include <cstdio>

#include "main_window.h"

namespace match {

std::string Format(const char *format, ...) {
    char buffer[256];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

void DrawTexts(cairo_t *dc, const TextList &texts) {
    for (const TextItem &item : texts) {
        TzSize size;
        Font(&size, dc, item.x, item.y, item.align, item.text.c_str(), item.colour, TZ_NO_COLOR,
             item.face, item.height);
    }
}

namespace {

constexpr int32_t kReadyHeight = 22;
constexpr int32_t kNameHeight = 15;
// The names stand beside and below their robots.
constexpr int32_t kNameOffsetX = 40, kNameOffsetY = 30;

void AddName(TextList &texts, const battle::Scene &scene, const battle::TFream &fream, int32_t side,
             TzColor colour) {
    TzPoint point{0, 0};
    Get2DObjectPoint(scene.data(), fream.slotIndex, 1, &point);
    texts.push_back(TextItem{DisplayName(fream.record), point.x + side * kNameOffsetX,
                             point.y + kNameOffsetY, colour, kNameHeight});
}

}  // namespace

TextList TMainFrm::StateTexts() const {
    TextList texts;
    const int32_t w = clientWidth, h = clientHeight;
    const int32_t resultHeight = w * 22 / 640;
    switch (gameState) {
        case kFight:
            texts.push_back(
                TextItem{Format("TIME %02d", timeCount / 25 + 1), w / 2, 10, kYellow, 22});
            break;
        case kReady: {
            texts.push_back(TextItem{Format("ROUND %d", roundsPlayed + 1), w / 2, h / 2 - 20,
                                     kWhite, kReadyHeight});
            int32_t phase = (timeCount - 1461) / 50;
            if (phase == 1) texts.push_back(TextItem{"Ready", w / 2, h / 2, kWhite, kReadyHeight});
            if (phase == 0) texts.push_back(TextItem{" GO !", w / 2, h / 2, kWhite, kReadyHeight});
            NameColours colours = NameColoursFor(versusMode);
            AddName(texts, scene, *enemyFream, -1, colours.enemy);
            AddName(texts, scene, *myFream, +1, colours.own);
            break;
        }
        case kTitle:
        case kStopped: {
            int32_t titleHeight = w * 60 / 640;
            texts.push_back(TextItem{"M o r - V e x", w / 2, h / 10, kWhite, titleHeight});
            texts.push_back(TextItem{"M o r - V e x", w / 2 - 5, h / 10 - 5, kCyan, titleHeight});
            if (gameState == kTitle) TitleTexts(texts);
            break;
        }
        case kRoundWon: {
            int32_t timeLeft = timeCount / 25;
            int32_t shield = myFream->shield;
            std::string headline = "GAME WIN";
            if (roundsWon == 2) {
                headline = versusMode == kSolo
                               ? Format("LEVEL%2d  CLEAR", currentLevel)
                               : Format("%s WIN", DisplayName(myFream->record).c_str());
            }
            if (resultCount < 100)
                texts.push_back(TextItem{headline, w / 2, h / 2 - 80, kCyan, resultHeight});
            if (resultCount < 80)
                texts.push_back(
                    TextItem{Format(" TIME     SCORE   %03d * 20 = %05d", timeLeft, timeLeft * 20),
                             w / 2, h / 2 - 40, kCyan, resultHeight});
            if (resultCount < 60)
                texts.push_back(
                    TextItem{Format(" SHIELD   SCORE   %03d * 40 = %05d", shield, shield * 40),
                             w / 2, h / 2, kCyan, resultHeight});
            if (resultCount < 40)
                texts.push_back(TextItem{Format(" TOTAL    SCORE               %05d", totalScore),
                                         w / 2, h / 2 + 40, kCyan, resultHeight});
            break;
        }
        case kRoundDraw:
            texts.push_back(TextItem{"GAME DRAW", w / 2, h / 2, kCyan, resultHeight});
            break;
        case kRoundLost:
            texts.push_back(TextItem{roundsPlayed - roundsWon == 2 ? "GAME OVER" : "GAME LOSE",
                                     w / 2, h / 2, kCyan, resultHeight});
            break;
        case kEnding:
            EndingTexts(texts);
            break;
        default:
            break;
    }
    return texts;
}

void TMainFrm::DrawStateTexts() {
    if (!EngineOpen() || backDC == nullptr) return;
    DrawTexts(backDC, StateTexts());
}

}  // namespace match
