// Lighting: ambient, diffuse and a highlight, turned into a colour value.
#include "lighting.h"

#include <cmath>

#include "angles.h"
#include "context.h"

namespace trazel {

Lighting LoadTimeLighting() {
    Lighting lighting{};
    lighting.light = context.light;
    Vector3 half{-context.light.x - 1.0f, -context.light.y, -context.light.z};
    float length = Length(half);
    lighting.hasHalf = length != 0.0f;
    lighting.half =
        lighting.hasHalf ? Vector3{half.x / length, half.y / length, half.z / length} : half;
    lighting.ambient = context.ambient;
    lighting.exponent = context.highlightExponent;
    return lighting;
}

float Intensity(const Lighting &lighting, Vector3 normal, float highlight) {
    float facing = Dot(normal, lighting.light);
    float intensity = lighting.ambient;
    if (facing <= 0.0f) {
        intensity += (1.0f - lighting.ambient) * -facing;
        if (highlight != 0.0f && lighting.hasHalf) {
            intensity += highlight * std::pow(Dot(normal, lighting.half), lighting.exponent);
        }
    }
    if (!(intensity >= 0.0f)) intensity = 0.0f;  // NaN from a broken normal counts as dark
    if (intensity > 2.0f) intensity = 2.0f;
    return intensity;
}

namespace {

uint8_t ShadeChannel(uint8_t channel, float intensity) {
    float value =
        intensity > 1.0f ? 255.0f - (255.0f - channel) * (2.0f - intensity) : channel * intensity;
    return static_cast<uint8_t>(static_cast<int32_t>(value));
}

}  // namespace

TzColor ShadeColor(const MaterialData &material, float intensity) {
    return TZ_RGB(ShadeChannel(material.red, intensity), ShadeChannel(material.green, intensity),
                  ShadeChannel(material.blue, intensity));
}

}  // namespace trazel
