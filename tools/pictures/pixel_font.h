// A hand-drawn capital-letter font five pixels high, for words on the 32 x 32 cursors, where a
// scalable font would blur into grey.
#pragma once

#include <cairo.h>

#include <string_view>

namespace pictures {

inline constexpr int kPixelFontHeight = 5;

// Width in pixels of the word drawn with one blank column between letters.
int PixelTextWidth(std::string_view word);
// Fills the pixels of the word in the context's source, top-left at (left, top). The font holds
// the letters of the cursor words; any other character throws.
void DrawPixelText(cairo_t *context, std::string_view word, int left, int top);

}  // namespace pictures
