// Ground geometry shared by robots, weapons, the stage camera and the computer opponent: points on
// the ground plane, distances, headings in 1/4096 turns and moves along a heading.
#pragma once

#include <cstdint>

namespace battle {

// A point on the ground plane z = 0, in world units.
struct GroundPoint {
    float x = 0, y = 0;
    bool operator==(const GroundPoint &) const = default;
};

// The heading of no direction: HeadingTo a point from itself.
constexpr int32_t kNoHeading = -100;

// Straight-line distance in the ground plane.
float Distance(GroundPoint a, GroundPoint b);

// The heading (-2047..2048) under which MoveAlong goes from a towards b, or kNoHeading when the
// points coincide. Every intermediate value is rounded to float exactly as both PCs of a versus
// match must round it.
int32_t HeadingTo(GroundPoint a, GroundPoint b);

// The point distance units from p along heading (p itself for kNoHeading). Heading h points along
// the world angle of h + 2048 quarter-of-4096 units measured from +x towards +y.
GroundPoint MoveAlong(GroundPoint p, int32_t heading, float distance);

}  // namespace battle
