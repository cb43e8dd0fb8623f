// Loading meshes from the game's model library by tag, and checking the library as a whole.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "trazel.h"

namespace battle {

// A battle object could not be set up (no free scene instance): the game cannot go on.
class SetupError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The object file the meshes are read from; set once at start-up (which forgets the models that
// failed to load from the file before).
void SetModelLibraryPath(const std::string &path);
const std::string &ModelLibraryPath();

// What makes the library at path unusable as a whole, or nothing: it must open and read, hold at
// least one model, and end in a whole one (a file cut short ends in a broken model). The engine
// must be open; its messages about the last model become part of the answer instead of being
// shown.
std::optional<std::string> ModelLibraryProblem(const std::string &path);

// Releases what mesh holds and reads the model tagged tag. A tag the library lacks or holds
// damaged leaves the mesh empty, so it draws nothing and frees safely; the engine says why the
// first time only, and later requests for that tag do not read the file again. True when read.
bool LoadModel(ObjectData &mesh, const std::string &tag);

}  // namespace battle
