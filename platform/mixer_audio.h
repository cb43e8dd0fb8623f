// Sound effects and music through SDL2_mixer. The sound device is opened once and shared; without
// a device (or a soundfont, for music) everything stays silent and the game runs on.
#pragma once

#include <map>
#include <string>

#include "music.h"
#include "sound_effects.h"

// SDL2_mixer's own types, so that only the platform layer sees SDL's headers.
struct Mix_Chunk;
struct _Mix_Music;

namespace platform {

// The mixer channel of every effect: one channel, so a new effect cuts off the one playing.
constexpr int kEffectChannel = 0;
// FluidSynth clips at full volume (128).
constexpr int kMusicVolume = 64;

// Why Music::Play did not start: its error codes.
enum MusicError : int {
    kNoSoundDevice = 1,
    kNoSoundFont,
    kNoMusicFile,
    kUnplayableMusic,
};

// The sound device for as long as it lives. Construct it before, and destroy it after, the
// effects and music that use it.
class MixerAudio {
  public:
    // Opens the device; when there is none, says so in one line on standard error.
    MixerAudio();
    MixerAudio(const MixerAudio &) = delete;
    MixerAudio &operator=(const MixerAudio &) = delete;
    ~MixerAudio();

    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

class MixerSoundEffects : public SoundEffects {
  public:
    explicit MixerSoundEffects(const MixerAudio &audio);
    MixerSoundEffects(const MixerSoundEffects &) = delete;
    MixerSoundEffects &operator=(const MixerSoundEffects &) = delete;
    ~MixerSoundEffects() override;

    // Looks the file up (see FindSoundFile) the first time it is named, then keeps it loaded.
    void Play(const std::string &fileName) override;

  private:
    Mix_Chunk *Chunk(const std::string &fileName);

    const MixerAudio &audio_;
    std::map<std::string, Mix_Chunk *> chunks_;
};

class MixerMusic : public Music {
  public:
    explicit MixerMusic(const MixerAudio &audio);
    MixerMusic(const MixerMusic &) = delete;
    MixerMusic &operator=(const MixerMusic &) = delete;
    ~MixerMusic() override;

    // Looks the file up (see FindSoundFile) and plays it once, replacing what was playing.
    int Play(const std::string &fileName) override;
    void Stop() override;

  private:
    const MixerAudio &audio_;
    bool soundFontSet_ = false;
    _Mix_Music *loaded_ = nullptr;
};

}  // namespace platform
