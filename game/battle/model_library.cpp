// The model library: one path for the whole program, and reads that leave no half-filled mesh.
#include "model_library.h"

namespace battle {
namespace {

std::string libraryPath;

}  // namespace

void SetModelLibraryPath(const std::string &path) {
    libraryPath = path;
}

const std::string &ModelLibraryPath() {
    return libraryPath;
}

bool LoadModel(ObjectData &mesh, const std::string &tag) {
    FreeObjectData(&mesh);
    if (ReadObjectData(&mesh, libraryPath.c_str(), tag.c_str()) == 1) return true;
    FreeObjectData(&mesh);
    return false;
}

}  // namespace battle
