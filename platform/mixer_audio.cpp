// The sound device: opened once through SDL2_mixer, closed when the program ends.
#include "mixer_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace platform {

namespace {

constexpr int kStereo = 2;
// About 23 ms at 44.1 kHz: short enough that a shot is heard with its flash.
constexpr int kBufferFrames = 1024;

void ReportNoSound(const char *why) {
    std::fprintf(stderr, "morvex: no sound: %s\n", why);
}

}  // namespace

MixerAudio::MixerAudio() {
    // SDL would otherwise turn SIGINT and SIGTERM into events in a queue nobody reads, and the
    // program would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        ReportNoSound(SDL_GetError());
        SDL_Quit();
        return;
    }
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, kStereo, kBufferFrames) != 0) {
        ReportNoSound(Mix_GetError());
        SDL_Quit();
        return;
    }
    Mix_AllocateChannels(kEffectChannel + 1);
    open_ = true;
}

MixerAudio::~MixerAudio() {
    if (!open_) return;
    Mix_CloseAudio();
    SDL_Quit();
}

}  // namespace platform
