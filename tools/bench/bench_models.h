// The benchmark's meshes: built with the shape library, written to an object file, read back.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "trazel.h"

// The stress scene's camera looks straight down from this height onto flat layers below it.
constexpr float kStressCameraHeight = 700;

// One piece of a stress layer: its mesh's tag and where the piece's centre goes.
struct StressPiece {
    std::string tag;
    Vector3 position;
};
// Every piece of every layer; their front faces number exactly TZ_MAX_POLYGONS.
std::vector<StressPiece> StressPieces();

// Writes every mesh the benchmark scenes use into one object file; throws on failure.
void WriteBenchModels(const std::filesystem::path &path);

// Meshes read from the benchmark's object file by tag; released on destruction, which must come
// before the engine is closed.
class LoadedMeshes {
  public:
    LoadedMeshes() = default;
    LoadedMeshes(const LoadedMeshes &) = delete;
    LoadedMeshes &operator=(const LoadedMeshes &) = delete;
    ~LoadedMeshes();

    // Reads every mesh of the file; false, naming the mesh in problem, if one cannot be read.
    bool ReadAll(const std::filesystem::path &path, std::string &problem);
    // The mesh stored under tag, or null.
    ObjectData *Find(const std::string &tag);

  private:
    struct Entry {
        std::string tag;
        std::unique_ptr<ObjectData> data;
    };
    std::vector<Entry> entries_;
};
