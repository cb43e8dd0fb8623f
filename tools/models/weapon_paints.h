// The colours of shots, missiles, beams, fire and smoke. Energy glows in bright saturated colours
// with a strong highlight; metal is light enough to keep its shading in the 256-colour mode.
#pragma once

#include "shapes/shape.h"

namespace models::paint {

using shapes::Material;

inline constexpr Material kTracerYellow{255, 225, 50, 0.8};
inline constexpr Material kTracerOrange{255, 140, 30, 0.6};
inline constexpr Material kLaserCyan{40, 220, 255, 0.9};
inline constexpr Material kLaserWhite{220, 250, 255, 0.9};
inline constexpr Material kPulseMagenta{255, 50, 220, 0.9};
inline constexpr Material kPulsePink{255, 185, 245, 0.9};
inline constexpr Material kDrillGold{245, 195, 50, 0.9};
inline constexpr Material kDrillSteel{190, 200, 220, 0.9};
inline constexpr Material kHeartRed{255, 40, 110, 0.9};

inline constexpr Material kSteel{180, 190, 205, 0.7};
inline constexpr Material kDarkSteel{120, 130, 150, 0.6};
inline constexpr Material kWarheadRed{230, 50, 40, 0.6};
inline constexpr Material kFinRed{210, 60, 45, 0.5};
inline constexpr Material kExhaustGlow{255, 160, 40, 0.5};
inline constexpr Material kHomingBlue{80, 130, 220, 0.7};
inline constexpr Material kSeekerGreen{70, 255, 120, 0.9};
inline constexpr Material kLaserMissileWhite{230, 235, 245, 0.8};
inline constexpr Material kTwinOrange{255, 120, 30, 0.6};
inline constexpr Material kBombOlive{100, 150, 70, 0.5};
inline constexpr Material kBombBand{230, 200, 60, 0.6};
inline constexpr Material kFuseRed{255, 60, 40, 0.8};
inline constexpr Material kBarrierGreen{60, 255, 190, 0.9};
inline constexpr Material kBarrierBlue{60, 140, 255, 0.9};
inline constexpr Material kStarGold{255, 210, 40, 0.9};
inline constexpr Material kStarMagenta{255, 70, 200, 0.9};

inline constexpr Material kFireRed{235, 45, 20, 0.3};
inline constexpr Material kFireOrange{255, 125, 20, 0.4};
inline constexpr Material kFireYellow{255, 230, 70, 0.6};
inline constexpr Material kFireWhite{255, 250, 205, 0.7};
inline constexpr Material kEmberRed{175, 50, 30, 0.2};
inline constexpr Material kDebrisSteel{140, 145, 155, 0.5};

inline constexpr Material kSmokeDense{150, 150, 150, 0.1};
inline constexpr Material kSmokeThin{185, 185, 185, 0.1};
inline constexpr Material kSmokeFaint{215, 215, 215, 0.1};
inline constexpr Material kVapourBlue{110, 180, 255, 0.9};
inline constexpr Material kVapourPale{170, 215, 255, 0.9};
inline constexpr Material kVapourWhite{220, 238, 255, 0.9};
inline constexpr Material kSparkGold{255, 205, 40, 0.9};
inline constexpr Material kSparkYellow{255, 230, 110, 0.9};
inline constexpr Material kSparkPale{255, 245, 180, 0.9};

}  // namespace models::paint
