// A mesh under construction: vertices, materials and faces, before it is written out.
#pragma once

#include <cstdint>
#include <vector>

namespace shapes {

// The most corners the engine accepts in one polygon.
constexpr int kMostFaceCorners = 8;

struct Point3 {
    double x = 0, y = 0, z = 0;
};

struct Point2 {
    double u = 0, v = 0;
};

// The three axes of model space; z points up from the ground.
enum class Axis { X, Y, Z };

// A surface colour with its specular strength 0..1, as the object format stores it.
struct Material {
    uint8_t red = 255, green = 255, blue = 255;
    double highlight = 0;

    bool operator==(const Material &) const = default;
};

// One polygon; its corners run counter-clockwise seen from outside.
struct Face {
    std::vector<int> corners;
    int material = 0;
};

// Where a builder puts its shape: the vertices span exactly centre +- size / 2 on every axis.
struct Placement {
    Point3 centre;
    Point3 size;
};

struct Shape {
    std::vector<Point3> vertices;
    std::vector<Material> materials;
    std::vector<Face> faces;

    int AddVertex(Point3 position);
    // Equal materials share one entry, so shapes joined together keep a short material list.
    int AddMaterial(const Material &material);
    void AddFace(std::vector<int> corners, int material);
    // Adds a convex polygon, cut into fans of at most kMostFaceCorners corners when larger.
    void AddConvexFace(const std::vector<int> &corners, int material);
    // Adds a copy of other's vertices, materials and faces.
    void Append(const Shape &other);
};

// The axis-aligned box around the vertices; both corners zero for a shape without vertices.
struct Bounds {
    Point3 lowest, highest;
};
Bounds BoundsOf(const Shape &shape);
Point3 CentreOf(const Bounds &bounds);

// Scales and moves the shape so that its vertices span exactly the placement's box; an axis on
// which the shape is flat keeps it flat at the placement's centre.
void FitInto(Shape &shape, const Placement &placement);

// Turns the shape a quarter turn about the y axis about the origin so that +z points along +x:
// builders make parts along z, and models point forward along +x. Windings stay outward.
void TurnUpToForward(Shape &shape);

Point3 operator+(Point3 a, Point3 b);
Point3 operator-(Point3 a, Point3 b);
Point3 operator*(Point3 a, double scale);
double Dot(Point3 a, Point3 b);
Point3 Cross(Point3 a, Point3 b);
double Length(Point3 a);
// a scaled to length 1; a must not be the zero vector.
Point3 Unit(Point3 a);

}  // namespace shapes
