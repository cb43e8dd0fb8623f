// Solids the weapon and effect models are made of: lofted bodies, spiky and lumpy balls, rings.
#pragma once

#include <optional>
#include <vector>

#include "shapes/extrusion.h"
#include "shapes/shape.h"

namespace models {

// One cross-section of a loft: an outline in the (y, z) plane, counter-clockwise seen from +x,
// standing at x; paint colours the band that runs to it from the section (or the nose) before.
struct LoftSection {
    double x = 0;
    std::vector<shapes::Point2> outline;
    shapes::Material paint;
};

// A section whose outline is a regular polygon of sides corners round the x axis, a corner at +y.
LoftSection RoundSection(double x, double radius, int sides, const shapes::Material &paint);

// How a loft ends behind its last section: in a tip, or without one in a flat cap.
struct LoftTail {
    std::optional<shapes::Point3> tip;
    shapes::Material paint;
};

// A solid swept along +x from a pointed nose through sections of equal corner count; bands that
// stay flat are quads, twisted ones are cut into triangles.
shapes::Shape MakeLoft(shapes::Point3 nose, const std::vector<LoftSection> &sections,
                       const LoftTail &tail);

enum class Polyhedron { Tetrahedron, Octahedron, Icosahedron };

// A ball of spikes around the origin: the polyhedron's corners lie at radius core and every face
// is raised into a spike whose tip lies between shortest and longest from the centre, each
// length picked from seed. Three faces per face of the polyhedron.
shapes::Shape MakeSpikyBall(Polyhedron base, double core, double shortest, double longest,
                            unsigned seed, const shapes::Material &paint);

// An icosahedron around the origin whose corners lie between radius * (1 - lumpiness) and radius
// from the centre, picked from seed: a 20-face lump of smoke.
shapes::Shape MakeLumpyBall(double radius, double lumpiness, unsigned seed,
                            const shapes::Material &paint);

// A ring around the x axis through the origin: a tube of tubeSides corners bent round a circle of
// the given radius in around steps.
shapes::Shape MakeRing(double radius, double tube, int around, int tubeSides,
                       const shapes::Material &paint);

// The outline extruded along axis from one position to another, its coordinates kept as given.
shapes::Shape MakeSlab(const std::vector<shapes::Point2> &outline, shapes::Axis axis, double from,
                       double to, const shapes::Material &paint);

// count fins spread evenly round the x axis: each is the planform (x, distance from the axis)
// made thickness thick, the first standing out along +y turned about x by angle.
shapes::Shape MakeFins(int count, const std::vector<shapes::Point2> &planform, double thickness,
                       double angle, const shapes::Material &paint);

// A repeatable value in [0, 1) for index under seed, so models come out the same every run.
double Jitter(unsigned seed, unsigned index);

}  // namespace models
