// The lighting formula shared by the load-time plane colours and the per-frame shading.
#pragma once

#include "trazel.h"

namespace trazel {

// Light and viewer for one object, in the coordinates of the normals that will be lit.
struct Lighting {
    Vector3 light;   // unit direction in which the light travels
    Vector3 half;    // unit half vector between the reversed light and the reversed view
    bool hasHalf;    // false when light and view cancel: no highlight
    float ambient;   // 0..1
    float exponent;  // of the highlight
};

// The load-time set-up: the current light, and a viewer looking along +x.
Lighting LoadTimeLighting();

// Intensity 0..2 of a surface with this unit normal and material highlight.
float Intensity(const Lighting &lighting, Vector3 normal, float highlight);

// The material colour at an intensity: darkened below 1, brightened towards white above.
TzColor ShadeColor(const MaterialData &material, float intensity);

}  // namespace trazel
