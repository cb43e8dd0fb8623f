// Stage 1's meteorites: grey-brown rocks against black space.
#include "scenery_models.h"

#include <numbers>
#include <utility>

#include "scenery_rock.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {

using shapes::Axis;
using shapes::Material;
using shapes::Shape;

Shape MeteoriteModel() {
    RockPaint paint{{{168, 146, 120}, {148, 130, 110}, {182, 166, 142}, {136, 122, 106}},
                    {96, 82, 72}};
    RockForm form{{112, 92, 80}, 2, 17, 12, 0.3, 5, 0.2};
    return StandingOnGround(MakeRock(form, paint));
}

namespace {

// A crown of flame tongues licking up from the rock, splayed outwards; the rock spins as it
// falls, so the flames point up rather than along any one direction of flight.
Shape Flames() {
    const Material colours[] = {{255, 110, 30}, {255, 170, 50}, {235, 70, 30}};
    const int tongues = 5;
    Shape flames;
    for (int k = 0; k < tongues; ++k) {
        double length = 26 + 10 * (k % 3);
        Shape flame = shapes::MakeCone({{0, 0, length / 2}, {18, 18, length}}, 6, colours[k % 3]);
        Shape splayed = Moved(Turned(std::move(flame), Axis::Y, 0.45), {-6, 0, 0});
        flames.Append(Turned(std::move(splayed), Axis::Z, 2 * std::numbers::pi * k / tongues));
    }
    flames.Append(shapes::MakeCone({{0, 0, 21}, {26, 26, 42}}, 7, {255, 210, 90}));
    return flames;
}

}  // namespace

Shape SmallMeteoriteModel() {
    // Glowing faces among the dark ones: the rock is red hot from its fall.
    RockPaint paint{{{150, 96, 70}, {130, 84, 64}, {168, 110, 76}, {235, 110, 40}}, {255, 150, 50}};
    RockForm form{{46, 42, 40}, 1, 5, 6, 0.22, 4, 0.16};
    Shape meteorite = MakeRock(form, paint);
    meteorite.Append(Moved(Flames(), {0, 0, 6}));
    return StandingOnGround(std::move(meteorite));
}

}  // namespace models
