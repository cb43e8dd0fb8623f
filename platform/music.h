// Background music played from MIDI files: one tune at a time, played once.
#pragma once

#include <string>

namespace platform {

class Music {
  public:
    virtual ~Music() = default;
    // Starts the file; 0 on success, else an error code (the game goes on without music).
    virtual int Play(const std::string &fileName) = 0;
    // Stops what is playing, if anything.
    virtual void Stop() = 0;
};

// For a game without music, and for tests.
class SilentMusic : public Music {
  public:
    int Play(const std::string &) override { return 0; }
    void Stop() override {}
};

}  // namespace platform
