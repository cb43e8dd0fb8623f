// The font families that stand in for the Windows face names the game asks for.
#include "text_faces.h"

#include <cstring>

namespace trazel {
namespace {

struct FaceAlias {
    const char *face;
    const char *family;
};

// No installed package knows these names, so the engine maps them itself. IPAMincho and
// IPAGothic keep the fixed pitch of the faces they replace; the P faces are the proportional ones.
constexpr FaceAlias kFaceAliases[] = {
    {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
};

// A Japanese face, so Japanese text never falls back to empty boxes.
constexpr const char *kDefaultFamily = "IPAGothic";

}  // namespace

const char *FontFamilyFor(const char *face) {
    if (face == nullptr || face[0] == '\0') return kDefaultFamily;
    for (const FaceAlias &alias : kFaceAliases) {
        if (std::strcmp(face, alias.face) == 0) return alias.family;
    }
    return face;
}

}  // namespace trazel
