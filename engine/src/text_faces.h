// The font families that stand in for the Windows face names the game asks for.
#pragma once

namespace trazel {

// The family to ask Pango for. The Japanese faces the game names come from the IPA fonts, a null
// or empty name gives the default face, any other name is passed on as it stands.
const char *FontFamilyFor(const char *face);

}  // namespace trazel
