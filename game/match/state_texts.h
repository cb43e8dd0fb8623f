// The texts drawn over the scene: one item per text, computed apart from drawing so that what each
// state shows can be checked without pixels.
#pragma once

#include <string>
#include <vector>

#include "trazel.h"

namespace match {

// The face of the game's texts.
inline constexpr const char *kTextFace = "ＭＳ 明朝";
inline constexpr const char *kCentred = "c";

constexpr TzColor kWhite = TZ_RGB(255, 255, 255);
constexpr TzColor kYellow = TZ_RGB(255, 255, 0);
constexpr TzColor kCyan = TZ_RGB(0, 255, 255);
constexpr TzColor kGreen = TZ_RGB(0, 255, 0);
constexpr TzColor kRed = TZ_RGB(255, 0, 0);
constexpr TzColor kBlue = TZ_RGB(0, 0, 255);

struct TextItem {
    std::string text;  // UTF-8
    int32_t x = 0, y = 0;
    TzColor colour = kWhite;
    int32_t height = 0;            // pixels; 0 the default height
    const char *face = kTextFace;  // null: the default font
    const char *align = kCentred;  // the anchor of (x, y), as the engine's Font takes it
};

using TextList = std::vector<TextItem>;

// Formats like printf into a std::string.
std::string Format(const char *format, ...) __attribute__((format(printf, 1, 2)));

// Draws the items onto the back buffer, transparent, in order.
void DrawTexts(cairo_t *dc, const TextList &texts);

}  // namespace match
