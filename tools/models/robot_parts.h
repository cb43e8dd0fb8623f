// Builders for robot parts: lofts, lathes, rings, struts between two points, and joined parts.
#pragma once

#include <vector>

#include "shapes/shape.h"

namespace models {

// A material from its colour channels and highlight.
shapes::Material Paint(int red, int green, int blue, double highlight);

// A regular polygon of corners points around the origin, stretched to half-widths (u, v), with a
// flat side facing +u like the prism builder's; counter-clockwise.
std::vector<shapes::Point2> EllipseOutline(int corners, double halfWidthU, double halfWidthV);

// One cross-section of a loft: the outline scaled by scale about the origin, then moved so its
// origin lies at centre. A scale of 0 closes the loft in a point.
struct LoftRing {
    shapes::Point3 centre;
    double scale = 1;
};

// A closed solid through cross-sections of one outline lying in planes z = centre.z, each above
// the one before (or level with it, for a flat step in or out); sides stay flat because every
// cross-section is the same outline scaled evenly. Only the first and last rings may have
// scale 0.
shapes::Shape MakeLoft(const std::vector<shapes::Point2> &outline,
                       const std::vector<LoftRing> &rings, const shapes::Material &material);

// A flat outline extruded at its own size. A side profile gives (x, z) and spans y; a plan gives
// (x, y) and spans z; a front profile gives (y, z) and spans x.
shapes::Shape MakeSideProfile(const std::vector<shapes::Point2> &outline, double yFrom, double yTo,
                              const shapes::Material &material);
shapes::Shape MakePlanProfile(const std::vector<shapes::Point2> &outline, double zFrom, double zTo,
                              const shapes::Material &material);
shapes::Shape MakeFrontProfile(const std::vector<shapes::Point2> &outline, double xFrom, double xTo,
                               const shapes::Material &material);

// A solid of revolution about the z axis: profile points (radius, z) from bottom to top, turned
// through segments steps. An end on the axis (radius 0) closes in a point, any other end in a
// flat cap.
shapes::Shape MakeLathe(const std::vector<shapes::Point2> &profile, int segments,
                        const shapes::Material &material);

// A ring around the z axis through the origin: radius to the middle of its tube, a tube of
// tubeSides sides and thickness across, segments steps around.
shapes::Shape MakeFlatRing(double radius, double thickness, int segments, int tubeSides,
                           const shapes::Material &material);

// A rod from one point to another with a regular cross-section of sides corners, tapering from
// width across at from to endWidth across at to.
shapes::Shape MakeStrut(shapes::Point3 from, shapes::Point3 to, double width, double endWidth,
                        int sides, const shapes::Material &material);

// Every part in one shape.
shapes::Shape Joined(const std::vector<shapes::Shape> &parts);
// A part modelled on the +y side together with its mirror image on the -y side.
shapes::Shape BothSides(const std::vector<shapes::Shape> &leftParts);

}  // namespace models
