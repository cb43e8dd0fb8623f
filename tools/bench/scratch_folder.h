// A temporary folder that is the current folder while it lives, removed with all it holds.
#pragma once

#include <filesystem>

class ScratchFolder {
  public:
    // Throws std::runtime_error when no folder can be made or entered.
    ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;
    ~ScratchFolder();

    const std::filesystem::path &Path() const { return path_; }

  private:
    std::filesystem::path path_, previous_;
};
