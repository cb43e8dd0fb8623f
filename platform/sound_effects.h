// Short sound effects played by file name, one at a time: a new effect replaces the one playing.
#pragma once

#include <string>

namespace platform {

class SoundEffects {
  public:
    virtual ~SoundEffects() = default;
    // Starts the effect at once and returns; a missing file plays nothing.
    virtual void Play(const std::string &fileName) = 0;
};

// For a game without sound, and for tests that do not listen.
class SilentSoundEffects : public SoundEffects {
  public:
    void Play(const std::string &) override {}
};

}  // namespace platform
