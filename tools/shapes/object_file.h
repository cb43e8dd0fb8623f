// Writing shapes as tagged blocks of the engine's object file format, within the engine's limits.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "shape.h"

namespace shapes {

// The engine's limits on one mesh and one tagged block.
constexpr int kMostMaterials = 500;
constexpr int kMostVertices = 5000;
constexpr int kMostPlanes = 5000;
constexpr int kMostBlockValues = 16000;
// The reader skips at most this many bytes after the first token of a line, so a longer comment
// line would spill into the data.
constexpr int kLongestCommentLine = 76;
constexpr int kLongestTag = 78;

// A shape with the name it is stored under and a one-line description.
struct TaggedShape {
    std::string tag;
    std::string comment;
    Shape shape;
};

// The number of values the shape's block holds, which the reader caps at kMostBlockValues.
int CountBlockValues(const Shape &shape);

// Throws std::invalid_argument naming the first thing the engine would refuse or misread.
void RequireWritable(const TaggedShape &block);

// Writes a comment line and the tagged block; throws std::invalid_argument as RequireWritable.
void WriteObjectBlock(std::ostream &out, const TaggedShape &block);

// Writes every block into one file through a temporary file renamed into place, so a failed
// write leaves an older file whole; throws std::runtime_error when the file cannot be written.
void WriteObjectFile(const std::filesystem::path &path, const std::vector<TaggedShape> &blocks);

}  // namespace shapes
