// Plane geometry of 2D outlines: orientation, validity and cutting into triangles by ear clipping.
#include "outline.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "placement_checks.h"
#include "solids.h"

namespace shapes {
namespace {

// Twice the signed area of the triangle o, a, b: positive when it turns left.
double Turn(Point2 o, Point2 a, Point2 b) {
    return (a.u - o.u) * (b.v - o.v) - (a.v - o.v) * (b.u - o.u);
}

int Sign(double value) {
    return (value > 0) - (value < 0);
}

bool WithinBox(Point2 p, Point2 a, Point2 b) {
    return p.u >= std::min(a.u, b.u) && p.u <= std::max(a.u, b.u) && p.v >= std::min(a.v, b.v) &&
           p.v <= std::max(a.v, b.v);
}

bool OnOppositeSides(int first, int second) {
    return first * second < 0;
}

// True when the closed segments a-b and c-d share at least one point.
bool SegmentsTouch(Point2 a, Point2 b, Point2 c, Point2 d) {
    int abc = Sign(Turn(a, b, c)), abd = Sign(Turn(a, b, d));
    int cda = Sign(Turn(c, d, a)), cdb = Sign(Turn(c, d, b));
    if (OnOppositeSides(abc, abd) && OnOppositeSides(cda, cdb)) return true;
    return (abc == 0 && WithinBox(c, a, b)) || (abd == 0 && WithinBox(d, a, b)) ||
           (cda == 0 && WithinBox(a, c, d)) || (cdb == 0 && WithinBox(b, c, d));
}

// The largest coordinate magnitude, so that "on a line" can be judged relative to the outline.
double Scale(const std::vector<Point2> &outline) {
    double scale = 0;
    for (Point2 p : outline) scale = std::max({scale, std::fabs(p.u), std::fabs(p.v)});
    return scale;
}

bool InsideOrOnTriangle(Point2 p, Point2 a, Point2 b, Point2 c) {
    return Turn(a, b, p) >= 0 && Turn(b, c, p) >= 0 && Turn(c, a, p) >= 0;
}

// True when corner i of the remaining polygon can be cut off without covering another corner.
bool IsEar(const std::vector<Point2> &outline, const std::vector<int> &remaining, size_t i) {
    size_t count = remaining.size();
    int previous = remaining[(i + count - 1) % count];
    int current = remaining[i];
    int next = remaining[(i + 1) % count];
    const Point2 a = outline[previous], b = outline[current], c = outline[next];
    if (Turn(a, b, c) <= 0) return false;
    for (int other : remaining) {
        if (other == previous || other == current || other == next) continue;
        if (InsideOrOnTriangle(outline[other], a, b, c)) return false;
    }
    return true;
}

}  // namespace

double SignedDoubleArea(const std::vector<Point2> &outline) {
    double area = 0;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Point2 &a = outline[i];
        const Point2 &b = outline[(i + 1) % outline.size()];
        area += a.u * b.v - b.u * a.v;
    }
    return area;
}

void RequireSimpleOutline(const std::vector<Point2> &outline) {
    RequireCount("outline points", static_cast<int>(outline.size()), 3, kMostDivisions / 2);
    for (Point2 p : outline) {
        if (!std::isfinite(p.u) || !std::isfinite(p.v))
            throw std::invalid_argument("outline has a coordinate that is not a finite number");
    }
    const size_t count = outline.size();
    const double tolerance = 1e-12 * Scale(outline) * Scale(outline);
    for (size_t i = 0; i < count; ++i) {
        if (std::fabs(Turn(outline[i], outline[(i + 1) % count], outline[(i + 2) % count])) <=
            tolerance)
            throw std::invalid_argument("outline has three consecutive points on one line");
    }
    for (size_t i = 0; i < count; ++i) {
        for (size_t j = i + 2; j < count; ++j) {
            if (i == 0 && j == count - 1) continue;  // neighbours through the closing edge
            if (SegmentsTouch(outline[i], outline[i + 1], outline[j], outline[(j + 1) % count]))
                throw std::invalid_argument("outline edges cross or touch");
        }
    }
}

bool IsConvexOutline(const std::vector<Point2> &outline) {
    const size_t count = outline.size();
    for (size_t i = 0; i < count; ++i) {
        if (Turn(outline[i], outline[(i + 1) % count], outline[(i + 2) % count]) <= 0) return false;
    }
    return true;
}

std::vector<std::array<int, 3>> TriangulateOutline(const std::vector<Point2> &outline) {
    std::vector<int> remaining;
    for (int i = 0; i < static_cast<int>(outline.size()); ++i) remaining.push_back(i);
    std::vector<std::array<int, 3>> triangles;
    while (remaining.size() > 3) {
        size_t count = remaining.size();
        size_t ear = 0;
        while (ear < count && !IsEar(outline, remaining, ear)) ++ear;
        if (ear == count) throw std::invalid_argument("outline cannot be cut into triangles");
        triangles.push_back(
            {remaining[(ear + count - 1) % count], remaining[ear], remaining[(ear + 1) % count]});
        remaining.erase(remaining.begin() + static_cast<long>(ear));
    }
    triangles.push_back({remaining[0], remaining[1], remaining[2]});
    return triangles;
}

}  // namespace shapes
