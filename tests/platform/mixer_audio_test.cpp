// Effects and music through SDL2_mixer on SDL's disk driver, which writes what is heard to a file;
// and a game without a sound device, which stays silent.
#include "platform/mixer_audio.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "platform/paths.h"

using namespace platform;

namespace {

class MixerAudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        Open();
        ASSERT_TRUE(audio->IsOpen());
    }
    void TearDown() override {
        Close();
        std::filesystem::remove(output);
    }

    void Open() {
        audio = std::make_unique<MixerAudio>();
        effects = std::make_unique<MixerSoundEffects>(*audio);
        music = std::make_unique<MixerMusic>(*audio);
    }
    void Close() {
        music.reset();
        effects.reset();
        audio.reset();
    }
    // Waits, at most some seconds, for the effect channel to fall silent.
    static void WaitForTheEffectToEnd() {
        for (int wait = 0; wait < 100 && Mix_Playing(kEffectChannel); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // The 16-bit samples written to the disk driver's file that are not silence.
    int64_t SoundingSamples() const {
        std::ifstream file(output, std::ios::binary);
        int64_t sounding = 0;
        for (int16_t sample; file.read(reinterpret_cast<char *>(&sample), sizeof sample);)
            sounding += sample != 0;
        return sounding;
    }

    std::string output = (std::filesystem::temp_directory_path() /
                          ("morvex-audio-" + std::to_string(getpid()) + ".raw"))
                             .string();
    std::unique_ptr<MixerAudio> audio;
    std::unique_ptr<MixerSoundEffects> effects;
    std::unique_ptr<MixerMusic> music;
};

TEST_F(MixerAudioTest, AnEffectIsHeard) {
    effects->Play("Gunshot.wav");
    EXPECT_EQ(Mix_Playing(kEffectChannel), 1);
    WaitForTheEffectToEnd();
    Close();
    // At least a tenth of a second of sound, of the shot's third of a second.
    EXPECT_GT(SoundingSamples(), MIX_DEFAULT_FREQUENCY / 10);
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

TEST_F(MixerAudioTest, MusicPlaysAShippedTuneAndNotAMissingOne) {
    struct Case {
        const char *name;
        int result;
    } cases[] = {{"Win.Mid", 0}, {"NoSuch.Mid", kNoMusicFile}};
    for (const Case &c : cases) {
        music->Stop();
        EXPECT_EQ(music->Play(c.name), c.result) << c.name;
        EXPECT_EQ(Mix_PlayingMusic() == 1, c.result == 0) << c.name;
    }
}

TEST_F(MixerAudioTest, StoppedMusicFallsSilentAtOnce) {
    ASSERT_EQ(music->Play("Action1.Mid"), 0);
    music->Stop();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(MixerAudioTest, AMissingFileLeavesTheOtherSoundPlaying) {
    ASSERT_EQ(music->Play("Win.Mid"), 0);
    effects->Play("ReadyGo.wav");
    EXPECT_NE(music->Play("NoSuch.Mid"), 0);
    EXPECT_EQ(Mix_Playing(kEffectChannel), 1);
    effects->Play("NoSuch.wav");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_Playing(kEffectChannel), 1);
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
