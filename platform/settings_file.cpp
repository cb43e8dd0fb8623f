// The settings file's place on disk, and its text read and written whole.
#include "settings_file.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "files.h"
#include "paths.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// Beyond this the file is not the game's: the game's own settings take a few hundred bytes.
constexpr size_t kLargestFile = 1 << 20;

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
fs::path UserConfigFolder() {
    const char *configured = std::getenv("XDG_CONFIG_HOME");
    if (configured != nullptr && configured[0] == '/') return configured;
    const char *home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const passwd *user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : "/";
    }
    return fs::path(home) / ".config";
}

}  // namespace

std::string SettingsFilePath() {
    std::string program = ProgramPath();
    std::optional<std::string> beside = DataFilePath(program, "ini");
    std::string folder = fs::path(program).parent_path().string();
    if (!program.empty() && beside && access(folder.c_str(), W_OK) == 0) return *beside;
    return (UserConfigFolder() / "morvex" / "morvex.ini").string();
}

ProfileFile SettingsFile::Load() {
    std::error_code error;
    mayReplace_ = !fs::exists(fs::symlink_status(path_, error));
    FileHandle file = OpenForReading(path_);
    if (file == nullptr) return ProfileFile();
    std::string text(kLargestFile + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    if (std::ferror(file.get()) || text.size() > kLargestFile) return ProfileFile();
    mayReplace_ = true;
    return ProfileFile(text);
}

bool SettingsFile::Save(const ProfileFile &file) const {
    if (!mayReplace_) return false;
    std::error_code error;
    fs::path folder = fs::path(path_).parent_path();
    if (!folder.empty()) fs::create_directories(folder, error);
    std::string text = file.Text();
    return WriteAtomically(path_, [&text](std::FILE *out) {
        return std::fwrite(text.data(), 1, text.size(), out) == text.size();
    });
}

}  // namespace platform
