// Lookup of sound files: the current folder before the data folders; the soundfont by quality.
#include "sound_files.h"

#include <filesystem>
#include <system_error>

#include "paths.h"

namespace platform {

namespace {

bool Exists(const std::filesystem::path &path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// Only a plain file is read: a named pipe would wait for a writer and stop the game.
bool IsPlainFile(const std::filesystem::path &path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::optional<std::string> FindSoundFile(std::string_view fileName) {
    if (IsPlainFile(fileName)) return std::string(fileName);
    std::optional<std::string> shipped = FindDataFile(fileName);
    if (shipped && IsPlainFile(*shipped)) return shipped;
    return std::nullopt;
}

std::optional<std::string> FindSoundFont() {
    // TimGM6mb, among the game's dependencies, keeps a round with its music well within a tenth
    // of a core; FluidR3 sounds richer but plays the game's tunes with three times the voices
    // and about twice the processor time. default-GM is whatever the system's alternatives name.
    for (const char *font :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
          "/usr/share/sounds/sf2/default-GM.sf2"}) {
        if (Exists(font)) return std::string(font);
    }
    return std::nullopt;
}

}  // namespace platform
