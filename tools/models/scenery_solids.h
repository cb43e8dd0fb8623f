// Closed solids the scenery needs beyond the shape library's: beams between two points, tapered
// blocks, solids of revolution and slabs with a tiled top.
#pragma once

#include <functional>
#include <vector>

#include "shapes/shape.h"

namespace models {

// A straight beam of rectangular cross-section (width sideways, depth across) from one point
// to another; its sides stay level where the beam is not vertical, and a vertical beam has its
// width along y.
shapes::Shape MakeBeam(shapes::Point3 from, shapes::Point3 to, double width, double depth,
                       const shapes::Material &material);

// A block standing on base whose rectangular cross-section shrinks (or grows) evenly from
// baseHalf to topHalf half-widths over height.
struct Frustum {
    shapes::Point3 base;
    double height = 0;
    shapes::Point2 baseHalf, topHalf;
};
shapes::Shape MakeFrustum(const Frustum &frustum, const shapes::Material &material);

// A solid of revolution about the z axis. The profile lists (radius, height) points from the
// bottom up along the outside, and may fold back inwards and down (a crater); a first or last
// point off the axis closes that end with a flat cap. Band i between profile points i and i+1
// takes bandMaterials[i]; caps take the material of the band they close.
shapes::Shape MakeLathe(const std::vector<shapes::Point2> &profile, int sides,
                        const std::vector<shapes::Material> &bandMaterials);

// A slab from z = 0 up to height whose top is cut along the given x and y boundaries (each
// increasing) into tiles; tileMaterial(column, row) paints each tile. Small tiles let the
// depth sort put things standing on the slab in front of it.
shapes::Shape MakeTiledSlab(const std::vector<double> &xs, const std::vector<double> &ys,
                            double height,
                            const std::function<shapes::Material(int, int)> &tileMaterial,
                            const shapes::Material &sides);

}  // namespace models
