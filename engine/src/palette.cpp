// The 6x6x6 colour cube of palette mode and the halftone palette that holds it.
#include "context.h"

namespace trazel {

// Palette index of each cube index r + 6g + 36b, where r, g, b are channel levels 0..5.
const uint8_t kCubeToPalette[216] = {
    0,   29,  30,  31,  32,  249, 33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,  44,
    45,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  56,  250, 250, 57,  58,  59,  251,
    60,  61,  62,  63,  64,  65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  76,  77,
    78,  79,  80,  81,  82,  83,  84,  85,  86,  87,  88,  89,  250, 90,  91,  92,  93,  94,
    95,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 227,
    112, 113, 114, 115, 116, 117, 118, 119, 151, 120, 121, 122, 123, 124, 228, 125, 126, 229,
    133, 162, 135, 131, 132, 137, 166, 134, 140, 130, 136, 143, 138, 139, 174, 141, 142, 177,
    129, 144, 145, 146, 147, 148, 149, 150, 157, 152, 153, 154, 155, 156, 192, 158, 159, 160,
    161, 196, 163, 164, 165, 127, 199, 167, 168, 169, 170, 171, 172, 173, 207, 175, 176, 210,
    178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 189, 190, 191, 224, 193, 194, 195,
    252, 252, 197, 198, 128, 253, 252, 200, 201, 202, 203, 204, 205, 206, 230, 208, 209, 231,
    211, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222, 254, 223, 232, 225, 226, 255,
};

namespace {

// The twenty fixed colours a palette display reserves: ten at the bottom, ten at the top.
const TzColor kLowFixed[10] = {
    TZ_RGB(0, 0, 0),       TZ_RGB(128, 0, 0),     TZ_RGB(0, 128, 0),   TZ_RGB(128, 128, 0),
    TZ_RGB(0, 0, 128),     TZ_RGB(128, 0, 128),   TZ_RGB(0, 128, 128), TZ_RGB(192, 192, 192),
    TZ_RGB(192, 220, 192), TZ_RGB(166, 202, 240),
};
const TzColor kHighFixed[10] = {
    TZ_RGB(255, 251, 240), TZ_RGB(160, 160, 164), TZ_RGB(128, 128, 128), TZ_RGB(255, 0, 0),
    TZ_RGB(0, 255, 0),     TZ_RGB(255, 255, 0),   TZ_RGB(0, 0, 255),     TZ_RGB(255, 0, 255),
    TZ_RGB(0, 255, 255),   TZ_RGB(255, 255, 255),
};


bool IsFixedEntry(int index) { return index < 10 || index >= 246; }

}  // namespace

void BuildHalftonePalette(TzPalette *palette) {
    // Entries the cube does not claim hold a grey ramp between the fixed colours.
    for (int i = 0; i < 256; ++i) palette->entries[i] = TZ_RGB(i, i, i);
    for (int i = 0; i < 10; ++i) {
        palette->entries[i] = kLowFixed[i];
        palette->entries[246 + i] = kHighFixed[i];
    }
    // The fixed entries keep their colour, as a palette display reserves them: the cube sends its
    // primaries and their nearest neighbours there, so pure blue stays pure blue.
    for (int cube = 0; cube < 216; ++cube) {
        int index = kCubeToPalette[cube];
        if (IsFixedEntry(index)) continue;
        palette->entries[index] = TZ_RGB((cube % 6) * 51, (cube / 6 % 6) * 51, (cube / 36) * 51);
    }
}

}  // namespace trazel
