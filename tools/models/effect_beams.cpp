// The laser's beam at the muzzle, in three growing stages.
#include "effect_beams.h"

#include <stdexcept>

#include "shapes/transforms.h"
#include "weapon_measures.h"
#include "weapon_outlines.h"
#include "weapon_paints.h"
#include "weapon_solids.h"

namespace models {

using shapes::Point3;
using shapes::Shape;

namespace {

struct BeamMeasures {
    double length;
    double radius;
    double flash;
    int rings;
};

// Each stage is longer and thicker; the flash at the muzzle fades as the beam takes over.
constexpr BeamMeasures kStages[] = {{40, 1.5, 9, 0}, {120, 2.2, 7, 1}, {300, 2.8, 6, 2}};
// The beam starts in the robot's middle, which its body hides, so the flash sits where the
// beam comes out of the robot's front.
constexpr double kMuzzleReach = 14;

Shape MakeBeamBody(double length, double radius) {
    const double taper = radius * 4;
    Shape beam = MakeLoft({-length + taper, 0, 0},
                          {RoundSection(-length + 2 * taper, radius, 6, paint::kLaserCyan),
                           RoundSection(-taper, radius, 6, paint::kLaserCyan)},
                          {Point3{0, 0, 0}, paint::kLaserCyan});
    // The white core pokes out of the front, where the beam burns hottest.
    beam.Append(MakeLoft({-length, 0, 0},
                         {RoundSection(-length + 2 * taper, radius * 0.55, 4, paint::kLaserWhite),
                          RoundSection(-taper, radius * 0.55, 4, paint::kLaserWhite)},
                         {Point3{0, 0, 0}, paint::kLaserWhite}));
    return beam;
}

}  // namespace

Shape MakeBeamStage(int stage) {
    if (stage < 1 || stage > 3) throw std::invalid_argument("the beam has stages 1 to 3");
    const BeamMeasures &beam = kStages[stage - 1];
    Shape shape = MakeBeamBody(beam.length, beam.radius);
    Shape flash = MakeSpikyBall(Polyhedron::Octahedron, beam.flash * 0.35, beam.flash * 0.8,
                                beam.flash, 7 + stage, paint::kLaserWhite);
    shape.Append(Moved(std::move(flash), {-kMuzzleReach, 0, 0}));
    for (int ring = 1; ring <= beam.rings; ++ring) {
        double at = -beam.length * ring / (beam.rings + 1);
        shape.Append(Moved(MakeRing(beam.radius * 2.6, beam.radius * 0.5, 6, 3, paint::kLaserCyan),
                           {at, 0, 0}));
    }
    return Moved(std::move(shape), {0, 0, kFlightHeight});
}

}  // namespace models
