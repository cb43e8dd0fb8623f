// Loading meshes from the game's model library by tag.
#pragma once

#include <stdexcept>
#include <string>

#include "trazel.h"

namespace battle {

// A battle object could not be set up (no free scene instance): the game cannot go on.
class SetupError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The object file the meshes are read from; set once at start-up.
void SetModelLibraryPath(const std::string &path);
const std::string &ModelLibraryPath();

// Releases what mesh holds and reads the model tagged tag. A tag the library lacks leaves the
// mesh empty (the engine has said why), so it draws nothing and frees safely. True when read.
bool LoadModel(ObjectData &mesh, const std::string &tag);

}  // namespace battle
