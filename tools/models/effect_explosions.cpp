// Explosions built from overlapping spiky balls turned against each other, so the spikes of the
// inner layers break out between those of the outer ones.
#include "effect_explosions.h"

#include <stdexcept>

#include "shapes/solids.h"
#include "shapes/transforms.h"
#include "weapon_measures.h"
#include "weapon_paints.h"
#include "weapon_solids.h"

namespace models {

using shapes::Axis;
using shapes::Point3;
using shapes::Shape;

namespace {

Shape MakeDyingEmbers() {
    Shape embers = MakeSpikyBall(Polyhedron::Octahedron, 5, 9, 12, 11, paint::kEmberRed);
    embers = Turned(Turned(std::move(embers), Axis::X, 0.6), Axis::Y, 0.4);
    embers.Append(Moved(MakeLumpyBall(5, 0.3, 12, paint::kSmokeDense), {1, -2, 5}));
    embers.Append(Moved(MakeLumpyBall(4, 0.3, 13, paint::kSmokeThin), {-2, 3, 7}));
    return Moved(std::move(embers), {0, 0, kFlightHeight});
}

Shape MakeBurst() {
    Shape burst = MakeSpikyBall(Polyhedron::Icosahedron, 7, 11, 16, 21, paint::kFireRed);
    Shape flames = MakeSpikyBall(Polyhedron::Octahedron, 5, 13, 17, 22, paint::kFireOrange);
    burst.Append(Turned(Turned(std::move(flames), Axis::Z, 0.5), Axis::X, 0.7));
    Shape core = MakeSpikyBall(Polyhedron::Tetrahedron, 4, 12, 14, 23, paint::kFireYellow);
    burst.Append(Turned(std::move(core), Axis::Z, 0.3));
    return Moved(std::move(burst), {0, 0, kFlightHeight});
}

// Torn plates of the robot's armour jutting out from under the fire.
Shape MakeWreckage() {
    const Shape plate = shapes::MakeBox({{0, 0, 0}, {20, 6, 1.6}}, paint::kDebrisSteel);
    Shape wreckage;
    const Point3 places[] = {{6, 13, 4}, {-10, -8, 4}, {12, -12, 3}};
    const double tilts[] = {0.5, -0.6, 0.4}, headings[] = {0.3, 2.4, -0.9};
    for (int k = 0; k < 3; ++k) {
        Shape tilted = Turned(Turned(plate, Axis::X, tilts[k]), Axis::Z, headings[k]);
        wreckage.Append(Moved(std::move(tilted), places[k]));
    }
    return wreckage;
}

// The fresh blast: bright orange with yellow and white-hot spikes bursting through, its lowest
// spikes touching the ground.
Shape MakeGroundFire() {
    Shape fire = MakeSpikyBall(Polyhedron::Icosahedron, 12, 18, 25, 31, paint::kFireOrange);
    Shape flames = MakeSpikyBall(Polyhedron::Octahedron, 9, 22, 27, 32, paint::kFireYellow);
    fire.Append(Turned(Turned(std::move(flames), Axis::Z, 0.5), Axis::X, 0.7));
    Shape core = MakeSpikyBall(Polyhedron::Tetrahedron, 7, 19, 23, 33, paint::kFireWhite);
    fire.Append(Turned(std::move(core), Axis::Z, 0.3));
    fire = Stretched(std::move(fire), {1, 1, 1.1});
    fire = StandingOnGround(std::move(fire));
    fire.Append(MakeWreckage());
    return fire;
}

}  // namespace

Shape MakeExplosion(int stage) {
    switch (stage) {
        case 1:
            return MakeDyingEmbers();
        case 2:
            return MakeBurst();
        case 3:
            return MakeGroundFire();
    }
    throw std::invalid_argument("explosions have stages 1 to 3");
}

}  // namespace models
