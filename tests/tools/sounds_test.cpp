// Tests of the sound effects: the committed WAV files as the game will load them, the WAV writer,
// and the synthesis blocks the recipes are built from.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sounds/dynamics.h"
#include "sounds/envelope.h"
#include "sounds/filters.h"
#include "sounds/levels.h"
#include "sounds/mastering.h"
#include "sounds/noise.h"
#include "sounds/oscillators.h"
#include "sounds/recipes.h"
#include "sounds/reverb.h"
#include "sounds/speech.h"
#include "sounds/varispeed.h"
#include "sounds/wav_file.h"

using namespace sounds;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::filesystem::path &path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

uint16_t Uint16At(const Bytes &bytes, std::size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

uint32_t Uint32At(const Bytes &bytes, std::size_t offset) {
    return Uint16At(bytes, offset) | static_cast<uint32_t>(Uint16At(bytes, offset + 2)) << 16;
}

std::string TagAt(const Bytes &bytes, std::size_t offset) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4));
}

// A WAV file taken apart independently of the writer, chunk by chunk, checking every size.
struct ParsedWav {
    uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
    uint32_t rate = 0, byteRate = 0;
    std::vector<int16_t> samples;
};

std::optional<ParsedWav> ParseWav(const Bytes &bytes, std::string &problem) {
    if (bytes.size() < 12 || TagAt(bytes, 0) != "RIFF" || TagAt(bytes, 8) != "WAVE") {
        problem = "no RIFF/WAVE header";
        return std::nullopt;
    }
    if (Uint32At(bytes, 4) != bytes.size() - 8) {
        problem = "RIFF size is not the file size less 8";
        return std::nullopt;
    }
    ParsedWav wav;
    bool formatSeen = false, dataSeen = false;
    std::size_t offset = 12;
    while (offset + 8 <= bytes.size()) {
        std::string tag = TagAt(bytes, offset);
        uint32_t size = Uint32At(bytes, offset + 4);
        std::size_t body = offset + 8;
        if (body + size > bytes.size()) {
            problem = "chunk '" + tag + "' runs past the end of the file";
            return std::nullopt;
        }
        if (tag == "fmt " && size >= 16) {
            wav.format = Uint16At(bytes, body);
            wav.channels = Uint16At(bytes, body + 2);
            wav.rate = Uint32At(bytes, body + 4);
            wav.byteRate = Uint32At(bytes, body + 8);
            wav.blockAlign = Uint16At(bytes, body + 12);
            wav.bits = Uint16At(bytes, body + 14);
            formatSeen = true;
        } else if (tag == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wav.samples.push_back(static_cast<int16_t>(Uint16At(bytes, body + i)));
            }
            dataSeen = true;
        }
        offset = body + size + size % 2;
    }
    if (offset != bytes.size()) problem = "bytes left over after the last chunk";
    if (!formatSeen) problem = "no format chunk";
    if (!dataSeen) problem = "no data chunk";
    if (!problem.empty()) return std::nullopt;
    return wav;
}

Signal ToSignal(const std::vector<int16_t> &samples) {
    Signal signal;
    for (int16_t sample : samples) signal.push_back(sample / 32768.0);
    return signal;
}

// Rising zero crossings per second over a stretch of a signal.
double MeasuredHertz(const Signal &signal, double fromSeconds, double toSeconds) {
    int crossings = 0;
    for (std::size_t i = SamplesFor(fromSeconds) + 1; i < SamplesFor(toSeconds); ++i) {
        if (signal[i - 1] < 0 && signal[i] >= 0) ++crossings;
    }
    return crossings / (toSeconds - fromSeconds);
}

Signal Tone(double hertz, double seconds) {
    return Sine(SteadyPitch(hertz, seconds));
}

// The level of what a filter lets through of a steady tone, once it has settled.
double SettledGain(FilterMode mode, double cutoff, double q, double toneHertz) {
    Signal output = Filter(Tone(toneHertz, 1.0), mode, cutoff, q);
    Signal settled(output.begin() + static_cast<std::ptrdiff_t>(SamplesFor(0.5)), output.end());
    return Rms(settled) * std::numbers::sqrt2;
}

const std::filesystem::path kDataFolder = MORVEX_DATA_FOLDER;

struct EffectFile {
    std::string name;
    double shortestSeconds;
    double longestSeconds;
};

// The lengths follow each effect's moment in the game: one effect plays at a time and a new one
// cuts the old one off, so shots must be short; ReadyGo spans the 3 s before the fight starts.
const std::vector<EffectFile> kEffectFiles{{"Gunshot.wav", 0.15, 0.4},
                                           {"Missshot.wav", 0.5, 1.0},
                                           {"SPAshot.wav", 1.0, 2.0},
                                           {"Crushfrm.wav", 0.5, 1.2},
                                           {"ReadyGo.wav", 2.5, 3.2}};

void PrintTo(const EffectFile &file, std::ostream *stream) {
    *stream << file.name;
}

class EffectFileTest : public testing::TestWithParam<EffectFile> {
  protected:
    void SetUp() override {
        std::string problem;
        parsed_ = ParseWav(ReadBytes(kDataFolder / GetParam().name), problem);
        ASSERT_TRUE(parsed_) << GetParam().name << ": " << problem;
        signal_ = ToSignal(parsed_->samples);
    }

    std::optional<ParsedWav> parsed_;
    Signal signal_;
};

TEST_P(EffectFileTest, IsSixteenBitPcmMonoAtTheGamesRate) {
    EXPECT_EQ(parsed_->format, 1);
    EXPECT_EQ(parsed_->channels, 1);
    EXPECT_EQ(parsed_->rate, 22050u);
    EXPECT_EQ(parsed_->bits, 16);
    EXPECT_EQ(parsed_->blockAlign, 2);
    EXPECT_EQ(parsed_->byteRate, 44100u);
}

TEST_P(EffectFileTest, LastsAsLongAsItsMomentInTheGame) {
    EXPECT_GE(SecondsOf(signal_), GetParam().shortestSeconds);
    EXPECT_LE(SecondsOf(signal_), GetParam().longestSeconds);
}

TEST_P(EffectFileTest, IsLoudWithoutClipping) {
    EXPECT_GT(Peak(signal_), GainFromDecibels(-3));
    EXPECT_GT(Rms(signal_), GainFromDecibels(-30));
    int run = 0, longestRun = 0;
    for (int16_t sample : parsed_->samples) {
        run = std::abs(sample) >= 32000 ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    EXPECT_LT(longestRun, 2) << "samples held at full scale";
}

TEST_P(EffectFileTest, IsCentredAndStartsAndEndsWithoutAClick) {
    EXPECT_LT(std::fabs(Mean(signal_)), 0.005);
    EXPECT_LT(std::fabs(signal_.front()), 0.01);
    EXPECT_LT(std::fabs(signal_.back()), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Data, EffectFileTest, testing::ValuesIn(kEffectFiles),
                         [](const testing::TestParamInfo<EffectFile> &info) {
                             return info.param.name.substr(0, info.param.name.find('.'));
                         });

// The loudest stretch of windowSeconds between two times, as the time it starts.
double LoudestWindowStart(const Signal &signal, double fromSeconds, double toSeconds,
                          double windowSeconds) {
    double loudest = -1, loudestStart = fromSeconds;
    for (double start = fromSeconds; start + windowSeconds <= toSeconds; start += 0.01) {
        Signal window(
            signal.begin() + static_cast<std::ptrdiff_t>(SamplesFor(start)),
            signal.begin() + static_cast<std::ptrdiff_t>(SamplesFor(start + windowSeconds)));
        if (Rms(window) > loudest) loudest = Rms(window), loudestStart = start;
    }
    return loudestStart;
}

TEST(ReadyGoTiming, ReadyComesAtOnceAndGoWhenTheGoTextShows) {
    std::string problem;
    std::optional<ParsedWav> parsed = ParseWav(ReadBytes(kDataFolder / "ReadyGo.wav"), problem);
    ASSERT_TRUE(parsed) << problem;
    Signal readyGo = ToSignal(parsed->samples);
    EXPECT_LT(LoudestWindowStart(readyGo, 0, 1.5, 0.1), 0.4);
    // " GO !" shows from 2.5 s until the fight starts at 3 s.
    double go = LoudestWindowStart(readyGo, 1.5, SecondsOf(readyGo), 0.1);
    EXPECT_GE(go, 2.45);
    EXPECT_LE(go, 2.9);
}

// Recomputing the synthesised effects must give the committed files, so no one forgets to write
// them again after changing a recipe. (ReadyGo needs the speech synthesiser and is left out.)
struct Recipe {
    std::string fileName;
    Signal (*make)();
};

void PrintTo(const Recipe &recipe, std::ostream *stream) {
    *stream << recipe.fileName;
}

class CommittedEffectTest : public testing::TestWithParam<Recipe> {};

TEST_P(CommittedEffectTest, IsWhatTheRecipeMakes) {
    std::string problem;
    std::optional<ParsedWav> committed =
        ParseWav(ReadBytes(kDataFolder / GetParam().fileName), problem);
    ASSERT_TRUE(committed) << problem;
    std::vector<int16_t> made = ToPcm16(GetParam().make());
    ASSERT_EQ(committed->samples.size(), made.size());
    int largestDifference = 0;
    for (std::size_t i = 0; i < made.size(); ++i) {
        largestDifference = std::max(largestDifference, std::abs(made[i] - committed->samples[i]));
    }
    // One step of rounding is allowed for maths libraries that differ in the last bit.
    EXPECT_LE(largestDifference, 1) << "run build/tools/sounds/make_sounds data";
}

INSTANTIATE_TEST_SUITE_P(Data, CommittedEffectTest,
                         testing::Values(Recipe{"Gunshot.wav", MakeGunshot},
                                         Recipe{"Missshot.wav", MakeMissileLaunch},
                                         Recipe{"SPAshot.wav", MakeSpecialAttack},
                                         Recipe{"Crushfrm.wav", MakeCrash}),
                         [](const testing::TestParamInfo<Recipe> &info) {
                             return info.param.fileName.substr(0, info.param.fileName.find('.'));
                         });

class WavWriterTest : public testing::Test {
  protected:
    // Tests run side by side in separate processes: each gets a folder of its own.
    std::filesystem::path folder_ =
        std::filesystem::path(testing::TempDir()) / ("sounds_test-" + std::to_string(getpid()));
    std::filesystem::path path_ = folder_ / "written.wav";

    void SetUp() override { std::filesystem::create_directories(folder_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
};

TEST_F(WavWriterTest, WritesAHeaderThatDescribesTheSamples) {
    WriteWav(path_, Signal(1001, 0.25));
    Bytes bytes = ReadBytes(path_);
    ASSERT_EQ(bytes.size(), 44u + 2 * 1001);
    EXPECT_EQ(TagAt(bytes, 0), "RIFF");
    EXPECT_EQ(Uint32At(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(TagAt(bytes, 8), "WAVE");
    EXPECT_EQ(TagAt(bytes, 12), "fmt ");
    EXPECT_EQ(Uint32At(bytes, 16), 16u);
    EXPECT_EQ(TagAt(bytes, 36), "data");
    EXPECT_EQ(Uint32At(bytes, 40), 2u * 1001);
    std::string problem;
    std::optional<ParsedWav> parsed = ParseWav(bytes, problem);
    ASSERT_TRUE(parsed) << problem;
    EXPECT_EQ(parsed->format, 1);
    EXPECT_EQ(parsed->channels, 1);
    EXPECT_EQ(parsed->rate, 22050u);
    EXPECT_EQ(parsed->byteRate, 44100u);
    EXPECT_EQ(parsed->blockAlign, 2);
    EXPECT_EQ(parsed->bits, 16);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "written.wav.part"));
}

TEST_F(WavWriterTest, RoundsToTheNearestStepAndHoldsOverloadsAtTheLimit) {
    WriteWav(path_, {0.0, 0.5, -0.5, 1.0, -1.0, 0.25, 1.5, -2.0, 1.0 / 32767, -0.4 / 32767});
    std::string problem;
    std::optional<ParsedWav> parsed = ParseWav(ReadBytes(path_), problem);
    ASSERT_TRUE(parsed) << problem;
    std::vector<int16_t> expected{0, 16384, -16384, 32767, -32767, 8192, 32767, -32768, 1, 0};
    EXPECT_EQ(parsed->samples, expected);
}

TEST_F(WavWriterTest, ReadsBackWhatItWrote) {
    Signal written = Tone(1000, 0.05);
    WriteWav(path_, written);
    Signal read = ReadWav(path_);
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) EXPECT_NEAR(read[i], written[i], 0.5 / 32767);
}

TEST_F(WavWriterTest, WritesAnEmptySoundAsAValidFile) {
    WriteWav(path_, {});
    std::string problem;
    std::optional<ParsedWav> parsed = ParseWav(ReadBytes(path_), problem);
    ASSERT_TRUE(parsed) << problem;
    EXPECT_TRUE(parsed->samples.empty());
}

void WriteBytes(const std::filesystem::path &path, const Bytes &bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

TEST_F(WavWriterTest, ReaderSkipsChunksItDoesNotNeed) {
    WriteWav(path_, {0.5, -0.5});
    Bytes bytes = ReadBytes(path_);
    Bytes list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    bytes[4] = static_cast<uint8_t>(bytes.size() - 8);
    WriteBytes(path_, bytes);
    Signal read = ReadWav(path_);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_NEAR(read[0], 0.5, 1e-4);
}

TEST_F(WavWriterTest, ReaderRefusesOtherFormatsAndDamagedFiles) {
    WriteWav(path_, Signal(100, 0.1));
    Bytes good = ReadBytes(path_);
    Bytes stereo = good;
    stereo[22] = 2;
    Bytes otherRate = good;
    otherRate[24] = 0x44;  // 44100 Hz
    otherRate[25] = 0xAC;
    Bytes truncated(good.begin(), good.end() - 10);
    for (const Bytes &bad : {stereo, otherRate, truncated, Bytes{'R', 'I', 'F'}}) {
        WriteBytes(path_, bad);
        EXPECT_THROW(ReadWav(path_), std::runtime_error);
    }
}

TEST(Noise, RepeatsForASeedAndDiffersBetweenSeeds) {
    NoiseSource first(7), again(7), other(8);
    Signal a = WhiteNoise(first, 0.1), b = WhiteNoise(again, 0.1), c = WhiteNoise(other, 0.1);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(Noise, WhiteIsUniformAroundZero) {
    NoiseSource source(12345);
    Signal noise = WhiteNoise(source, 5.0);
    EXPECT_LE(Peak(noise), 1.0);
    EXPECT_NEAR(Mean(noise), 0.0, 0.01);
    // A uniform distribution on [-1, 1) has a root mean square of 1/sqrt(3).
    EXPECT_NEAR(Rms(noise), 1 / std::sqrt(3.0), 0.01);
}

TEST(Noise, BrownHasItsEnergyInTheLows) {
    NoiseSource source(99);
    Signal white = WhiteNoise(source, 2.0), brown = BrownNoise(source, 2.0);
    auto lowShare = [](const Signal &noise) {
        return Rms(Filter(noise, FilterMode::LowPass, 200, 0.7)) / Rms(noise);
    };
    EXPECT_GT(lowShare(brown), 0.8);
    EXPECT_LT(lowShare(white), 0.3);
    EXPECT_NEAR(Peak(brown), 1.0, 1e-12);
}

TEST(Envelopes, StrikeRisesToOneFallsAndEndsAtZero) {
    Signal strike = StrikeEnvelope(0.01, 0.05, 0.4);
    ASSERT_EQ(strike.size(), SamplesFor(0.4));
    EXPECT_EQ(strike.front(), 0.0);
    EXPECT_EQ(strike.back(), 0.0);
    std::size_t top = SamplesFor(0.01);
    EXPECT_NEAR(strike[top], 1.0, 1e-3);
    for (std::size_t i = top + 1; i < strike.size(); ++i) ASSERT_LE(strike[i], strike[i - 1]);
}

TEST(Envelopes, LinesPassThroughTheirPointsAndHoldAtTheEnds) {
    Signal line = LineEnvelope({{0.1, 0.2}, {0.3, 1.0}, {0.5, 0.0}}, 0.7);
    EXPECT_DOUBLE_EQ(line[0], 0.2);
    EXPECT_NEAR(line[SamplesFor(0.2)], 0.6, 1e-3);
    EXPECT_NEAR(line[SamplesFor(0.3)], 1.0, 1e-3);
    EXPECT_NEAR(line[SamplesFor(0.4)], 0.5, 1e-3);
    EXPECT_DOUBLE_EQ(line.back(), 0.0);
}

TEST(Oscillators, PlayTheAskedPitch) {
    EXPECT_NEAR(MeasuredHertz(Tone(441, 1.0), 0, 1.0), 441, 2);
    EXPECT_NEAR(MeasuredHertz(Saw(SteadyPitch(441, 1.0)), 0, 1.0), 441, 2);
    EXPECT_NEAR(MeasuredHertz(Square(SteadyPitch(441, 1.0)), 0, 1.0), 441, 2);
}

TEST(Oscillators, SweepFromOnePitchToTheOther) {
    Signal sweep = Sine(PitchSweep(200, 1600, 2.0, SweepShape::Exponential));
    EXPECT_NEAR(MeasuredHertz(sweep, 0, 0.1), 200 * std::pow(8.0, 0.025), 15);
    EXPECT_NEAR(MeasuredHertz(sweep, 1.9, 2.0), 1600 / std::pow(8.0, 0.025), 30);
    // Halfway through an exponential sweep the pitch is the geometric mean (566), not the
    // average (900).
    EXPECT_NEAR(MeasuredHertz(sweep, 0.95, 1.05), 566, 20);
}

TEST(Oscillators, BandLimitedWavesStayInRangeAndCentred) {
    for (double hertz : {110.0, 3000.0, 7000.0}) {
        Signal saw = Saw(SteadyPitch(hertz, 0.5));
        Signal square = Square(SteadyPitch(hertz, 0.5));
        EXPECT_LT(Peak(saw), 1.2) << hertz;
        EXPECT_LT(Peak(square), 1.2) << hertz;
        EXPECT_NEAR(Mean(saw), 0.0, 0.01) << hertz;
        EXPECT_NEAR(Mean(square), 0.0, 0.01) << hertz;
    }
}

// A 7 kHz wave has nothing of its own below 7 kHz; what shows up below 2 kHz are harmonics
// beyond half the sample rate folded back down, which a naive wave has plenty of.
TEST(Oscillators, HighNotesDoNotFoldBackBelowThemselves) {
    auto shareBelow2k = [](const Signal &wave) {
        Signal low =
            Filter(Filter(wave, FilterMode::LowPass, 2000, 0.7), FilterMode::LowPass, 2000, 0.7);
        return Rms(low) / Rms(wave);
    };
    EXPECT_LT(shareBelow2k(Saw(SteadyPitch(7000, 1.0))), 0.02);
    EXPECT_LT(shareBelow2k(Square(SteadyPitch(7000, 1.0))), 0.02);
}

TEST(Filters, PassTheirBandAndCutTheRest) {
    EXPECT_NEAR(SettledGain(FilterMode::LowPass, 500, 0.707, 100), 1.0, 0.05);
    EXPECT_LT(SettledGain(FilterMode::LowPass, 500, 0.707, 5000), 0.02);
    EXPECT_NEAR(SettledGain(FilterMode::HighPass, 500, 0.707, 5000), 1.0, 0.05);
    EXPECT_LT(SettledGain(FilterMode::HighPass, 500, 0.707, 100), 0.05);
    EXPECT_NEAR(SettledGain(FilterMode::BandPass, 1000, 2.0, 1000), 1.0, 0.02);
    EXPECT_LT(SettledGain(FilterMode::BandPass, 1000, 2.0, 100), 0.1);
    EXPECT_LT(SettledGain(FilterMode::BandPass, 1000, 2.0, 8000), 0.1);
}

TEST(Filters, StayStableWhileARingingCutoffSweeps) {
    NoiseSource source(3);
    Signal noise = WhiteNoise(source, 1.0);
    Signal swept = Filter(noise, FilterMode::LowPass,
                          PitchSweep(20, 20000, 1.0, SweepShape::Exponential), 12.0);
    EXPECT_LT(Peak(swept), 20.0);
    EXPECT_TRUE(std::all_of(swept.begin(), swept.end(), [](double x) { return std::isfinite(x); }));
}

TEST(Dynamics, SoftLimitLeavesQuietSamplesAndNeverReachesFullScale) {
    Signal ramp;
    for (int i = -400; i <= 400; ++i) ramp.push_back(i / 100.0);
    Signal limited = ramp;
    SoftLimit(limited, 0.6);
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        if (std::fabs(ramp[i]) <= 0.6) {
            EXPECT_EQ(limited[i], ramp[i]);
        }
        EXPECT_LT(std::fabs(limited[i]), 1.0);
        if (i > 0) {
            EXPECT_GT(limited[i], limited[i - 1]) << "the limiter must not fold back";
        }
    }
}

TEST(Dynamics, NormaliseSetsThePeakAndSaturateKeepsFullScale) {
    Signal tone = Tone(300, 0.1);
    Scale(tone, 0.1);
    NormalisePeak(tone, -1.0);
    EXPECT_NEAR(DecibelsFromGain(Peak(tone)), -1.0, 1e-9);
    Signal edges{-1.0, 0.0, 1.0};
    Saturate(edges, 4.0);
    EXPECT_DOUBLE_EQ(edges[0], -1.0);
    EXPECT_DOUBLE_EQ(edges[2], 1.0);
}

TEST(Mastering, CentresLevelsAndFadesTheEdges) {
    Signal offset = Tone(200, 1.0);
    for (double &sample : offset) sample = 3 * sample + 0.5;
    Master(offset);
    EXPECT_NEAR(DecibelsFromGain(Peak(offset)), kTargetPeakDecibels, 1e-9);
    Signal settled(offset.begin() + static_cast<std::ptrdiff_t>(SamplesFor(0.5)), offset.end());
    EXPECT_LT(std::fabs(Mean(settled)), 0.01);
    EXPECT_EQ(offset.front(), 0.0);
    EXPECT_NEAR(offset.back(), 0.0, 1e-4);
}

TEST(Mixing, AddsAtTheStartTimeAndLengthens) {
    Signal target(30, 1.0);
    MixInto(target, Signal(SamplesFor(0.01), 1.0), 0.001, 0.5);
    std::size_t start = SamplesFor(0.001);
    ASSERT_EQ(target.size(), start + SamplesFor(0.01));
    EXPECT_EQ(target[start - 1], 1.0);
    EXPECT_EQ(target[start], 1.5);
    EXPECT_EQ(target[29], 1.5);
    EXPECT_EQ(target[30], 0.5);
    EXPECT_EQ(target.back(), 0.5);
}

TEST(Varispeed, SlowerIsLongerAndLower) {
    Signal slowed = ChangeSpeed(Tone(800, 0.5), 0.5);
    EXPECT_NEAR(SecondsOf(slowed), 1.0, 1e-3);
    // Between the input's samples the interpolation must follow the wave, not just join the dots.
    Signal expected = Tone(400, 1.0);
    double largestError = 0;
    for (std::size_t i = 4; i + 4 < slowed.size(); ++i) {
        largestError = std::max(largestError, std::fabs(slowed[i] - expected[i]));
    }
    EXPECT_LT(largestError, 1e-3);
}

TEST(Reverb, RingsOnAfterTheSoundAndDiesAway) {
    Signal click = Silence(0.1);
    click[0] = 1.0;
    Room room{.decaySeconds = 0.8, .damping = 0.3, .wet = 0.5};
    Signal wet = Reverb(click, room);
    ASSERT_EQ(wet.size(), click.size() + SamplesFor(0.8));
    auto energyBetween = [&wet](double from, double to) {
        return Rms(Signal(wet.begin() + static_cast<std::ptrdiff_t>(SamplesFor(from)),
                          wet.begin() + static_cast<std::ptrdiff_t>(SamplesFor(to))));
    };
    double early = energyBetween(0.05, 0.15), late = energyBetween(0.75, 0.85);
    EXPECT_GT(early, 1e-4);
    // 0.7 s of a 0.8 s decay to -60 dB should take off about 52 dB; allow for the damping.
    EXPECT_LT(DecibelsFromGain(late / early), -40);
    EXPECT_GT(DecibelsFromGain(late / early), -75);
}

TEST(Speech, TrimsQuietEdgesAndKeepsTheWords) {
    Signal padded = Silence(0.2);
    MixInto(padded, Tone(500, 0.1), 0.05);
    Signal trimmed = TrimSilence(padded, -40);
    EXPECT_LT(SecondsOf(trimmed), 0.1);
    EXPECT_GT(SecondsOf(trimmed), 0.09);
    EXPECT_NEAR(Peak(trimmed), 1.0, 1e-3);
}

}  // namespace
