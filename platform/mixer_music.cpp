// Music: MIDI files played once through FluidSynth with a General MIDI soundfont.
#include <SDL_mixer.h>

#include "mixer_audio.h"
#include "sound_files.h"

namespace platform {

namespace {

constexpr int kPlayOnce = 0;

}  // namespace

MixerMusic::MixerMusic(const MixerAudio &audio) : audio_(audio) {
    if (!audio_.IsOpen()) return;
    // Set explicitly: Debian's SDL2_mixer does not read the soundfont from the environment.
    if (std::optional<std::string> font = FindSoundFont())
        soundFontSet_ = Mix_SetSoundFonts(font->c_str()) != 0;
    Mix_VolumeMusic(kMusicVolume);
}

MixerMusic::~MixerMusic() {
    Stop();
}

int MixerMusic::Play(const std::string &fileName) {
    if (!audio_.IsOpen()) return kNoSoundDevice;
    if (!soundFontSet_) return kNoSoundFont;
    std::optional<std::string> path = FindSoundFile(fileName);
    if (!path) return kNoMusicFile;
    Stop();
    loaded_ = Mix_LoadMUS(path->c_str());
    if (!loaded_ || Mix_PlayMusic(loaded_, kPlayOnce) != 0) {
        Stop();
        return kUnplayableMusic;
    }
    return 0;
}

void MixerMusic::Stop() {
    if (!loaded_) return;
    // Stops it first when it is playing.
    Mix_FreeMusic(loaded_);
    loaded_ = nullptr;
}

}  // namespace platform
