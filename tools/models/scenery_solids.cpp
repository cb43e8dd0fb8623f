// Closed solids the scenery needs beyond the shape library's.
#include "scenery_solids.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {

using shapes::Material;
using shapes::Point2;
using shapes::Point3;
using shapes::Shape;

Shape MakeBeam(Point3 from, Point3 to, double width, double depth, const Material &material) {
    const double length = shapes::Length(to - from);
    const Point3 uprightWidth{0, 1, 0};
    return AlongSegment(shapes::MakeBox({{0, 0, length / 2}, {width, depth, length}}, material),
                        from, to, uprightWidth);
}

Shape MakeFrustum(const Frustum &frustum, const Material &material) {
    Shape block = shapes::MakeBox({{0, 0, 0.5}, {2, 2, 1}}, material);
    for (Point3 &v : block.vertices) {
        const Point2 &half = v.z > 0.5 ? frustum.topHalf : frustum.baseHalf;
        v = frustum.base + Point3{v.x * half.u, v.y * half.v, v.z * frustum.height};
    }
    return block;
}

Shape MakeLathe(const std::vector<Point2> &profile, int sides,
                const std::vector<Material> &bandMaterials) {
    if (profile.size() < 2 || bandMaterials.size() + 1 != profile.size() || sides < 3)
        throw std::invalid_argument("lathe needs a profile, a material per band and 3 sides");
    Shape lathe;
    std::vector<int> paints;
    for (const Material &material : bandMaterials) paints.push_back(lathe.AddMaterial(material));
    // Each profile point becomes one apex vertex on the axis or a ring of sides vertices.
    std::vector<int> firstOf;
    for (const Point2 &point : profile) {
        firstOf.push_back(static_cast<int>(lathe.vertices.size()));
        if (point.u == 0) {
            lathe.AddVertex({0, 0, point.v});
            continue;
        }
        for (int k = 0; k < sides; ++k) {
            double angle = 2 * std::numbers::pi * k / sides;
            lathe.AddVertex({point.u * std::cos(angle), point.u * std::sin(angle), point.v});
        }
    }
    auto corner = [&](size_t point, int k) {
        return profile[point].u == 0 ? firstOf[point] : firstOf[point] + k % sides;
    };
    for (size_t band = 0; band + 1 < profile.size(); ++band) {
        for (int k = 0; k < sides; ++k) {
            std::vector<int> corners{corner(band, k), corner(band, k + 1), corner(band + 1, k + 1),
                                     corner(band + 1, k)};
            if (profile[band].u == 0) corners.erase(corners.begin());
            if (profile[band + 1].u == 0) corners.pop_back();
            lathe.AddFace(corners, paints[band]);
        }
    }
    if (profile.front().u != 0) {
        std::vector<int> cap;
        for (int k = sides - 1; k >= 0; --k) cap.push_back(firstOf.front() + k);
        lathe.AddConvexFace(cap, paints.front());
    }
    if (profile.back().u != 0) {
        std::vector<int> cap;
        for (int k = 0; k < sides; ++k) cap.push_back(firstOf.back() + k);
        lathe.AddConvexFace(cap, paints.back());
    }
    return lathe;
}

Shape MakeTiledSlab(const std::vector<double> &xs, const std::vector<double> &ys, double height,
                    const std::function<Material(int, int)> &tileMaterial, const Material &sides) {
    if (xs.size() < 2 || ys.size() < 2) throw std::invalid_argument("slab needs one tile");
    Shape slab;
    const int columns = static_cast<int>(xs.size()) - 1, rows = static_cast<int>(ys.size()) - 1;
    auto gridPoint = [&](int column, int row, int level) {
        return level * (columns + 1) * (rows + 1) + row * (columns + 1) + column;
    };
    for (int level = 0; level < 2; ++level) {
        for (double y : ys) {
            for (double x : xs) slab.AddVertex({x, y, level * height});
        }
    }
    int sidePaint = slab.AddMaterial(sides);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            int paint = slab.AddMaterial(tileMaterial(column, row));
            slab.AddFace({gridPoint(column, row, 1), gridPoint(column + 1, row, 1),
                          gridPoint(column + 1, row + 1, 1), gridPoint(column, row + 1, 1)},
                         paint);
            slab.AddFace({gridPoint(column, row, 0), gridPoint(column, row + 1, 0),
                          gridPoint(column + 1, row + 1, 0), gridPoint(column + 1, row, 0)},
                         sidePaint);
        }
    }
    // The rim walks the outline counter-clockwise seen from above; each step is one side face.
    std::vector<std::pair<int, int>> rim;
    for (int column = 0; column < columns; ++column) rim.push_back({column, 0});
    for (int row = 0; row < rows; ++row) rim.push_back({columns, row});
    for (int column = columns; column > 0; --column) rim.push_back({column, rows});
    for (int row = rows; row > 0; --row) rim.push_back({0, row});
    for (size_t i = 0; i < rim.size(); ++i) {
        auto [column, row] = rim[i];
        auto [nextColumn, nextRow] = rim[(i + 1) % rim.size()];
        slab.AddFace({gridPoint(column, row, 0), gridPoint(nextColumn, nextRow, 0),
                      gridPoint(nextColumn, nextRow, 1), gridPoint(column, row, 1)},
                     sidePaint);
    }
    return slab;
}

}  // namespace models
