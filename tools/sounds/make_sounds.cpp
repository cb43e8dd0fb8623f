// Writes the game's sound effects into the given folder, normally data/.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "levels.h"
#include "recipes.h"
#include "speech.h"
#include "wav_file.h"

namespace {

struct Effect {
    const char *fileName;
    std::function<std::optional<sounds::Signal>()> make;
};

const std::vector<Effect> kEffects{
    {"Gunshot.wav", sounds::MakeGunshot},       {"Missshot.wav", sounds::MakeMissileLaunch},
    {"SPAshot.wav", sounds::MakeSpecialAttack}, {"Crushfrm.wav", sounds::MakeCrash},
    {"ReadyGo.wav", sounds::MakeReadyGo},
};

// Writes one effect; false when a program it needs is missing.
bool WriteEffect(const Effect &effect, const std::filesystem::path &folder) {
    std::optional<sounds::Signal> sound = effect.make();
    if (!sound) {
        std::fprintf(stderr,
                     "make_sounds: %s not written: the program %s is missing "
                     "(Debian package %s)\n",
                     effect.fileName, sounds::kSpeechProgram, sounds::kSpeechPackage);
        return false;
    }
    sounds::WriteWav(folder / effect.fileName, *sound);
    std::printf("%-13s %5.3f s  peak %6.2f dBFS  RMS %6.2f dBFS\n", effect.fileName,
                sounds::SecondsOf(*sound), sounds::DecibelsFromGain(sounds::Peak(*sound)),
                sounds::DecibelsFromGain(sounds::Rms(*sound)));
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <output folder>\n");
        return 2;
    }
    try {
        std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        bool complete = true;
        for (const Effect &effect : kEffects) complete = WriteEffect(effect, folder) && complete;
        return complete ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_sounds: %s\n", error.what());
        return 1;
    }
}
