// The program icon at 16 and 24 pixels, drawn pixel by pixel: the badge, the cross-hair's ticks,
// the crest, the head and its eyes, with everything smaller than a pixel left out.
#include "pictures/program_icon_small.h"

#include "pictures/pixel_map.h"
#include "pictures/program_icon_colours.h"

namespace pictures {
namespace {

using namespace icon_colours;

const std::vector<LegendEntry> kLegend{
    {'.', Rgba{0, 0, 0, 0}}, {'O', kRim},         {'N', kBadge}, {'R', kCrossHair}, {'K', kInk},
    {'W', kArmourLight},     {'S', kArmourShade}, {'Y', kCrest}, {'E', kEyes},
};

// One line a row keeps the drawings visible.
// clang-format off
// One-pixel rim; the crest reaches it, the ticks stop short of the head.
const PixelMap kSixteen{{
    ".....OOOOOO.....",
    "...OOONRRNOOO...",
    "..OYYNNRRNNYYO..",
    ".OONYYNNNNYYNOO.",
    ".ONNNYYKKYYNNNO.",
    "OONNNKWWWWKNNNOO",
    "ONNNKWWWWWWKNNNO",
    "ORRRKEEKKEEKRRRO",
    "ORRRKKKKKKKKRRRO",
    "ONNNKWWWWWWKNNNO",
    "OONNKWWWWWSKNNOO",
    ".ONNNKWWSSKNNNO.",
    ".OONNNKKKKNNNOO.",
    "..OONNNNNNNNOO..",
    "...OOONRRNOOO...",
    ".....OOOOOO.....",
}, kLegend};

// Two-pixel rim; the ticks stand clear of both the rim and the head.
const PixelMap kTwentyFour{{
    ".........OOOOOO.........",
    "......OOOOOOOOOOOO......",
    ".....OOONNNRRNNNOOO.....",
    "....OOYYNNNRRNNNYYOO....",
    "...OONNYYNNRRNNYYNNOO...",
    "..OONNNNYYNNNNYYNNNNOO..",
    ".OONNNNNNYYKKYYNNNNNNOO.",
    ".OONNNNNKWYYYYWKNNNNNOO.",
    ".ONNNNNKWWWWWWWWKNNNNNO.",
    "OONNNNNKWWWWWWWWKNNNNNOO",
    "OONNNNNKKKKKKKKKKNNNNNOO",
    "OORRRRNKKEEKKEEKKNRRRROO",
    "OORRRRNKKKEKKEKKKNRRRROO",
    "OONNNNNKWWWWWWWWKNNNNNOO",
    "OONNNNNKWWWWWWWWKNNNNNOO",
    ".ONNNNNKWWWWWWWSKNNNNNO.",
    ".OONNNNKWWWWWWWSKNNNNOO.",
    ".OONNNNNKWWWWWSKNNNNNOO.",
    "..OONNNNNKWWSSKNNNNNOO..",
    "...OONNNNNKKKKNNNNNOO...",
    "....OONNNNNRRNNNNNOO....",
    ".....OOONNNRRNNNOOO.....",
    "......OOOOOOOOOOOO......",
    ".........OOOOOO.........",
}, kLegend};
// clang-format on

const PixelMap *MapOf(int size) {
    if (size == 16) return &kSixteen;
    if (size == 24) return &kTwentyFour;
    return nullptr;
}

}  // namespace

bool HasSmallProgramIcon(int size) {
    return MapOf(size) != nullptr;
}

Surface DrawSmallProgramIcon(int size) {
    Surface icon = NewSurface(CAIRO_FORMAT_ARGB32, size, size);
    Context context = NewContext(icon.get());
    PaintPixelMap(context.get(), *MapOf(size), 0, 0);
    return icon;
}

}  // namespace pictures
