// Where the settings file lives, and reading and writing it whole.
#pragma once

#include <string>

#include "profile_file.h"

namespace platform {

// The settings file: next to the program (its path with the extension "ini") when the program's
// folder is writable, else morvex.ini in the user's configuration folder
// ($XDG_CONFIG_HOME/morvex, by default ~/.config/morvex).
std::string SettingsFilePath();

class SettingsFile {
  public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}

    const std::string &Path() const { return path_; }
    // The file's content; an empty file when there is none or it cannot be read.
    ProfileFile Load();
    // Replaces the file whole (its folder made when missing); false when it could not be
    // written, and then the old file is as it was. A file that is there but could not be read
    // at the last Load is never replaced: what it holds would be lost.
    bool Save(const ProfileFile &file) const;

  private:
    std::string path_;
    bool mayReplace_ = true;
};

}  // namespace platform
