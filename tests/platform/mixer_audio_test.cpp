// Effects and music through SDL2_mixer on SDL's disk driver, which writes what is heard to a file;
// and a game without a sound device, which stays silent.
#include "platform/mixer_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/paths.h"

using namespace platform;

namespace {

class MixerAudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        audio = std::make_unique<MixerAudio>();
        ASSERT_TRUE(audio->IsOpen());
        effects = std::make_unique<MixerSoundEffects>(*audio);
        music = std::make_unique<MixerMusic>(*audio);
    }
    void TearDown() override { std::filesystem::remove(output); }

    std::string output = (std::filesystem::temp_directory_path() /
                          ("morvex-audio-" + std::to_string(getpid()) + ".raw"))
                             .string();
    std::unique_ptr<MixerAudio> audio;
    std::unique_ptr<MixerSoundEffects> effects;
    std::unique_ptr<MixerMusic> music;
};

TEST_F(MixerAudioTest, AnEffectIsHeard) {
    effects->Play("Gunshot.wav");
    for (int wait = 0; wait < 100 && Mix_Playing(kEffectChannel); ++wait) SDL_Delay(50);
    // Closing the device finishes the file.
    effects.reset();
    audio.reset();
    std::ifstream file(output, std::ios::binary);
    int sounding = 0;
    for (int16_t sample; file.read(reinterpret_cast<char *>(&sample), sizeof sample);)
        sounding += sample != 0;
    // At least a tenth of a second of the shot's third of a second.
    EXPECT_GT(sounding, MIX_DEFAULT_FREQUENCY / 10);
}

TEST_F(MixerAudioTest, ANewEffectReplacesThePlayingOne) {
    Mix_Chunk *shot = Mix_LoadWAV(FindDataFile("Gunshot.wav")->c_str());
    ASSERT_NE(shot, nullptr);
    effects->Play("ReadyGo.wav");
    effects->Play("Gunshot.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
    ASSERT_NE(Mix_GetChunk(kEffectChannel), nullptr);
    EXPECT_EQ(Mix_GetChunk(kEffectChannel)->alen, shot->alen);
    Mix_FreeChunk(shot);
}

TEST_F(MixerAudioTest, MusicPlaysUntilStoppedAndMissingFilesStopNeitherSound) {
    ASSERT_EQ(music->Play("Win.Mid"), 0);
    effects->Play("ReadyGo.wav");
    EXPECT_EQ(music->Play("NoSuch.Mid"), kNoMusicFile);
    effects->Play("NoSuch.wav");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_Playing(kEffectChannel), 1);
    music->Stop();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(MixerAudioTest, TheProgramStillEndsOnInterruptAndTerminate) {
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction action;
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
}

TEST(MixerAudioWithoutDevice, EverythingIsSilentAndNothingFails) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    MixerAudio audio;
    MixerSoundEffects effects(audio);
    MixerMusic music(audio);
    EXPECT_FALSE(audio.IsOpen());
    effects.Play("Gunshot.wav");
    EXPECT_EQ(music.Play("Win.Mid"), kNoSoundDevice);
    music.Stop();
}

}  // namespace
