// Writing shapes as tagged blocks of the engine's object file format.
#include "object_file.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace shapes {
namespace {

[[noreturn]] void Refuse(const TaggedShape &block, const std::string &problem) {
    throw std::invalid_argument("mesh '" + block.tag + "': " + problem);
}

// Beyond this a float32 coordinate has no fraction left, and the text of a number grows long.
constexpr double kLargestCoordinate = 1e7;

bool IsWithinReach(double value) {
    return std::isfinite(value) && std::fabs(value) <= kLargestCoordinate;
}

bool IsWithinReach(Point3 p) {
    return IsWithinReach(p.x) && IsWithinReach(p.y) && IsWithinReach(p.z);
}

// Short decimal text for a coordinate: a fixed number of decimals, trailing zeros and "-0" gone.
std::string Decimal(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.5f", value);
    std::string result = text;
    result.erase(result.find_last_not_of('0') + 1);
    if (result.back() == '.') result.pop_back();
    if (result == "-0") result = "0";
    return result;
}

// A vertex as the engine will hold it: its written text read back into float32.
Point3 AsRead(Point3 p) {
    auto read = [](double value) { return double(std::strtof(Decimal(value).c_str(), nullptr)); };
    return {read(p.x), read(p.y), read(p.z)};
}

// The engine takes a face's normal from three consecutive corners, trying each starting corner,
// in float32; a face too small to survive rounding to the written decimals has none.
bool HasNormal(const Shape &shape, const Face &face) {
    const size_t count = face.corners.size();
    for (size_t start = 0; start < count; ++start) {
        Point3 p0 = AsRead(shape.vertices[face.corners[start]]);
        Point3 p1 = AsRead(shape.vertices[face.corners[(start + 1) % count]]);
        Point3 p2 = AsRead(shape.vertices[face.corners[(start + 2) % count]]);
        const Point3 a = p1 - p0, b = p2 - p1;
        if (Length(a) == 0 || Length(b) == 0) continue;
        if (float(Length(Cross(Unit(a), Unit(b)))) > 0) return true;
    }
    return false;
}

void RequireTagAndComment(const TaggedShape &block) {
    if (block.tag.empty() || block.tag.size() > kLongestTag)
        Refuse(block, "a tag needs 1..78 characters");
    for (char c : block.tag) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '\0')
            Refuse(block, "a tag cannot hold white space");
    }
    if (block.comment.size() + 2 > kLongestCommentLine) Refuse(block, "comment is too long");
    if (block.comment.find_first_of("\r\n", 0) != std::string::npos ||
        block.comment.find('\0') != std::string::npos)
        Refuse(block, "comment must be one line");
}

void RequireFace(const TaggedShape &block, const Face &face) {
    const Shape &shape = block.shape;
    int corners = static_cast<int>(face.corners.size());
    if (corners < 3 || corners > kMostFaceCorners) Refuse(block, "a face needs 3..8 corners");
    for (int corner : face.corners) {
        if (corner < 0 || corner >= static_cast<int>(shape.vertices.size()))
            Refuse(block, "a face corner is not a vertex");
    }
    if (face.material < 0 || face.material >= static_cast<int>(shape.materials.size()))
        Refuse(block, "a face material is out of range");
    if (!HasNormal(shape, face)) Refuse(block, "a face has all its corners on one line");
}

void WriteMaterials(std::ostream &out, const Shape &shape) {
    out << "; materials: red green blue highlight\n" << shape.materials.size() << '\n';
    for (const Material &m : shape.materials) {
        out << int(m.red) << ' ' << int(m.green) << ' ' << int(m.blue) << ' '
            << Decimal(m.highlight) << '\n';
    }
}

void WriteVertices(std::ostream &out, const Shape &shape) {
    out << "; vertices: x y z\n" << shape.vertices.size() << '\n';
    for (const Point3 &p : shape.vertices) {
        out << Decimal(p.x) << ' ' << Decimal(p.y) << ' ' << Decimal(p.z) << '\n';
    }
}

void WriteFaces(std::ostream &out, const Shape &shape) {
    out << "; planes: corner count, corners, material\n" << shape.faces.size() << '\n';
    for (const Face &face : shape.faces) {
        out << face.corners.size();
        for (int corner : face.corners) out << ' ' << corner;
        out << ' ' << face.material << '\n';
    }
}

}  // namespace

int CountBlockValues(const Shape &shape) {
    size_t values = 3 + 4 * shape.materials.size() + 3 * shape.vertices.size();
    for (const Face &face : shape.faces) values += 2 + face.corners.size();
    return values > size_t(kMostBlockValues) * 2 ? kMostBlockValues * 2 : static_cast<int>(values);
}

void RequireWritable(const TaggedShape &block) {
    const Shape &shape = block.shape;
    RequireTagAndComment(block);
    int materials = static_cast<int>(shape.materials.size());
    int vertices = static_cast<int>(shape.vertices.size());
    int faces = static_cast<int>(shape.faces.size());
    if (materials < 1 || materials > kMostMaterials) Refuse(block, "needs 1..500 materials");
    if (vertices < 1 || vertices > kMostVertices) Refuse(block, "needs 1..5000 vertices");
    if (faces > kMostPlanes) Refuse(block, "has more than 5000 faces");
    if (CountBlockValues(shape) > kMostBlockValues)
        Refuse(block, "needs more than 16000 values in its block");
    for (const Material &m : shape.materials) {
        if (!(m.highlight >= 0 && m.highlight <= 1)) Refuse(block, "highlight outside 0..1");
    }
    for (const Point3 &p : shape.vertices) {
        if (!IsWithinReach(p)) Refuse(block, "a vertex lies beyond +-10000000 or is not a number");
    }
    for (const Face &face : shape.faces) RequireFace(block, face);
}

void WriteObjectBlock(std::ostream &out, const TaggedShape &block) {
    RequireWritable(block);
    out << "; " << block.comment << "\n*" << block.tag << '\n';
    WriteMaterials(out, block.shape);
    WriteVertices(out, block.shape);
    WriteFaces(out, block.shape);
}

void WriteObjectFile(const std::filesystem::path &path, const std::vector<TaggedShape> &blocks) {
    for (const TaggedShape &block : blocks) RequireWritable(block);
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const TaggedShape &block : blocks) WriteObjectBlock(out, block);
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot replace " + path.string());
    }
}

}  // namespace shapes
