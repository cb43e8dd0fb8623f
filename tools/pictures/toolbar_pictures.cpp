// The tool bar pictures as pixel maps. Every symbol names one of the classic 16 colours, and the
// bar's own light grey is the background, so the buttons look cut out of the bar.
#include "pictures/toolbar_pictures.h"

#include "pictures/pixel_map.h"

namespace pictures {
namespace {

const std::vector<LegendEntry> kLegend{
    {'.', classic::kSilver}, {'k', classic::kBlack},  {'w', classic::kWhite},
    {'g', classic::kGrey},   {'r', classic::kRed},    {'m', classic::kMaroon},
    {'l', classic::kLime},   {'y', classic::kYellow}, {'o', classic::kOlive},
};

// One line a row keeps the drawings visible.
// clang-format off
// The dark red and yellow lamps are off; the green one is lit and throws short rays.
const PixelMap kTrafficLight{{
    "....................",
    "......kkkkkkkk......",
    "......kggggggk......",
    "......kgkmmkgk......",
    "......kgmmmmgk......",
    "......kgmmmmgk......",
    "......kgkmmkgk......",
    "......kgkkkkgk......",
    "......kgkookgk......",
    "......kgoooogk......",
    "......kgoooogk......",
    "......kgkookgk......",
    "......kgkkkkgk......",
    "...l..kgkllkgk..l...",
    "....l.kglwllgk.l....",
    "..ll..kgllllgk..ll..",
    "....l.kgkllkgk.l....",
    "...l..kggggggk..l...",
    "......kkkkkkkk......",
    ".........kk.........",
}, kLegend};

// Three rounds flying up to the right, each with a white-hot glint and an olive trail.
const PixelMap kShots{{
    "....................",
    "..............kkk...",
    ".............kwyyk..",
    ".............kyyyk..",
    ".............kyyyk..",
    "...........o..kkk...",
    "..........o.........",
    ".........o..........",
    ".........kkk........",
    "........kwyyk.......",
    "........kyyyk.......",
    "........kyyyk.......",
    "......o..kkk........",
    ".....o..............",
    "....o...............",
    "....kkk.............",
    "...kwyyk............",
    "...kyyyk............",
    "...kyyyk............",
    "....kkk.............",
}, kLegend};

// A white missile with a red nose and fins, its flame behind it and a puffed exhaust cloud.
const PixelMap kMissile{{
    "....................",
    "....................",
    "....................",
    "....................",
    "....................",
    "..gg.....kkk........",
    ".gwwg.gg.krrk.......",
    "gwwwwgwwgkkkkkkkkk..",
    "gwwwwwwwrkwwwwwwwrk.",
    ".gwwwwwyrkwwwwwwwrrk",
    "gwwwwwwwrkgggggggrk.",
    "gwwwwwwg.kkkkkkkkk..",
    ".gwwwwg..krrk.......",
    "..gwgg...kkk........",
    "...g................",
    "....................",
    "....................",
    "....................",
    "....................",
    "....................",
}, kLegend};

// A black bomb with a shine on its shoulder; the fuse leaves from the cap and sparks at its end.
const PixelMap kBomb{{
    "...........r.yy.r...",
    "............ywwy....",
    "...........ywwwwy...",
    "............ywwy....",
    "...........r.yy.r...",
    "...........o........",
    "..........o.........",
    ".........o..........",
    ".......kgk..........",
    ".....kkkgkkk........",
    "....kkwwkkkkk.......",
    "...kkwwkkkkkkk......",
    "...kwkkkkkkkkk......",
    "...kwkkkkkkkkk......",
    "...kkkkkkkkkkk......",
    "...kkkkkkkkkgk......",
    "....kkkkkkkgk.......",
    ".....kkkkkkk........",
    ".......kkk..........",
    "....................",
}, kLegend};
// clang-format on

const PixelMap &MapOf(ToolbarButton button) {
    switch (button) {
        case ToolbarButton::Start:
            return kTrafficLight;
        case ToolbarButton::Gun:
            return kShots;
        case ToolbarButton::Missile:
            return kMissile;
        case ToolbarButton::Bomb:
            break;
    }
    return kBomb;
}

}  // namespace

Surface DrawToolbarPicture(ToolbarButton button) {
    Surface picture = NewSurface(CAIRO_FORMAT_RGB24, kToolbarPictureSize, kToolbarPictureSize);
    Context context = NewContext(picture.get());
    PaintPixelMap(context.get(), MapOf(button), 0, 0);
    return picture;
}

}  // namespace pictures
