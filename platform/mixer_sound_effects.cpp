// Sound effects: WAV files on one fixed mixer channel, each loaded the first time it is played.
#include <SDL_mixer.h>

#include "mixer_audio.h"
#include "sound_files.h"

namespace platform {

namespace {

constexpr int kPlayOnce = 0;

}  // namespace

MixerSoundEffects::MixerSoundEffects(const MixerAudio &audio) : audio_(audio) {}

MixerSoundEffects::~MixerSoundEffects() {
    for (const auto &[name, chunk] : chunks_) Mix_FreeChunk(chunk);
}

void MixerSoundEffects::Play(const std::string &fileName) {
    if (!audio_.IsOpen()) return;
    if (Mix_Chunk *chunk = Chunk(fileName)) Mix_PlayChannel(kEffectChannel, chunk, kPlayOnce);
}

Mix_Chunk *MixerSoundEffects::Chunk(const std::string &fileName) {
    auto loaded = chunks_.find(fileName);
    if (loaded != chunks_.end()) return loaded->second;
    // A file missing now may be put in place later: only loaded files are kept.
    std::optional<std::string> path = FindSoundFile(fileName);
    Mix_Chunk *chunk = path ? Mix_LoadWAV(path->c_str()) : nullptr;
    if (chunk) chunks_.emplace(fileName, chunk);
    return chunk;
}

}  // namespace platform
