// The versus dialog's texts for each state, and their drawing with the engine's font.
#include "status_texts.h"

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>

#include "battle/record_texts.h"
#include "battle/weapon_kinds.h"

namespace versus {
namespace {

constexpr const char *kFace = "ＭＳ 明朝";
constexpr const char *kTopLeft = "tl";
constexpr TzColor kTextColour = TZ_RGB(0, 0, 0);
constexpr TzColor kBarColour = TZ_RGB(0, 0, 255);
constexpr int32_t kStatusHeight = 12, kPeerHeight = 14;
constexpr int32_t kBarCharacters = 18;
constexpr int32_t kStatusX = 110, kWaitingY = 20, kBarY = 5;
constexpr int32_t kPeerX = 75, kNameY = 25, kWeaponsY = 40, kRecordY = 55, kMasteryY = 70;

std::string Format(const char *format, ...) __attribute__((format(printf, 1, 2)));

std::string Format(const char *format, ...) {
    char buffer[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

// "*" for each level with a best score, in level order.
std::string LevelMarks(const battle::DefinitionRecord &record) {
    std::string marks;
    for (int32_t score : record.score) marks += score != 0 ? '*' : ' ';
    return marks;
}

void AddPeerLines(StatusTexts &texts, const battle::DefinitionRecord &peer) {
    const char *gun = battle::KindOf(battle::WeaponClass::Gun, peer.gunKind).code;
    const char *missile = battle::KindOf(battle::WeaponClass::Missile, peer.missileKind).code;
    // The counters come from the other PC: the difference is taken wide so it cannot overflow.
    int64_t lost = int64_t{peer.versusPlayed} - peer.versusWon;
    texts.push_back(
        {kPeerX, kNameY, kPeerHeight, Format("対戦相手  %s", battle::DisplayName(peer).c_str())});
    texts.push_back(
        {kPeerX, kWeaponsY, kPeerHeight, Format("Gun : %4s    Miss : %4s", gun, missile)});
    texts.push_back({kPeerX, kRecordY, kPeerHeight,
                     Format("Win : %04d    Lose : %04" PRId64, peer.versusWon, lost)});
    texts.push_back(
        {kPeerX, kMasteryY, kPeerHeight,
         Format("Tatsuzin : %06d  %s", battle::Mastery(peer), LevelMarks(peer).c_str())});
}

}  // namespace

StatusTexts StatusTextsOf(int32_t state, int32_t progress, const battle::DefinitionRecord *peer) {
    StatusTexts texts;
    if (state == kWaiting)
        texts.push_back({kStatusX, kWaitingY, kStatusHeight, "対戦相手募集中...."});
    if (state != kConnected) return texts;
    int32_t filled = kBarCharacters * std::clamp(progress, 0, kProgressSteps) / kProgressSteps;
    texts.push_back({kStatusX, kBarY, kStatusHeight, std::string(filled, ' '), kBarColour});
    texts.push_back({kStatusX, kBarY, kStatusHeight, "ﾌﾚｰﾑﾌｧｲﾙ交換中...."});
    if (peer != nullptr) AddPeerLines(texts, *peer);
    return texts;
}

void DrawStatusTexts(cairo_t *dc, const StatusTexts &texts) {
    for (const StatusText &item : texts) {
        TzSize size;
        Font(&size, dc, item.x, item.y, kTopLeft, item.text.c_str(), kTextColour, item.background,
             kFace, item.height);
    }
}

}  // namespace versus
