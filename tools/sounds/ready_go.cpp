// ReadyGo.wav: an announcer calls "Ready" at the round start and "Go!" as " GO !" appears, over
// a synth sting that rises between the words and lands with the "Go!".
#include <algorithm>
#include <optional>
#include <string>

#include "chorus.h"
#include "envelope.h"
#include "filters.h"
#include "mastering.h"
#include "noise.h"
#include "oscillators.h"
#include "recipes.h"
#include "reverb.h"
#include "speech.h"
#include "varispeed.h"

namespace sounds {
namespace {

constexpr double kSeconds = 3.15;
constexpr double kReadySeconds = 0.06;
// The round's countdown shows " GO !" 50 steps of 50 ms after it starts, and the fight begins
// 10 steps later.
constexpr double kGoSeconds = 2.5;
constexpr double kRiseSeconds = 1.0;
// Slower and deeper than the synthesiser speaks by itself: a bigger, calmer announcer.
constexpr double kVoiceSpeed = 0.88;

// "m3" is one of espeak-ng's deeper male variants of the American English voice.
std::optional<Signal> AnnouncerWord(const std::string &text, int pitch) {
    std::optional<Signal> word =
        Speak({.text = text, .voice = "en-us+m3", .pitch = pitch, .wordsPerMinute = 150});
    if (!word) return std::nullopt;
    return ChangeSpeed(TrimSilence(*word, -40), kVoiceSpeed);
}

// A doubled voice a little late and a little off pitch, the rumble cut and the consonants lifted
// so the words stay clear over the sting, in a hall.
Signal AnnouncerSpace(const Signal &voice) {
    Signal thick = Chorus(
        voice, {{.delaySeconds = 0.017, .sweepSeconds = 0.002, .rateHertz = 0.7, .gain = 0.3},
                {.delaySeconds = 0.026, .sweepSeconds = 0.003, .rateHertz = 0.45, .gain = 0.2}});
    thick = Filter(thick, FilterMode::HighPass, 110, 0.7);
    Signal presence = Filter(thick, FilterMode::BandPass, 2800, 1.2);
    MixInto(thick, presence, 0, 0.4);
    return Reverb(thick, {.decaySeconds = 0.9, .damping = 0.45, .wet = 0.3});
}

Signal Boom(double fromHertz, double seconds) {
    Signal boom = Sine(PitchSweep(fromHertz, fromHertz / 2.2, seconds, SweepShape::Exponential));
    return Multiply(boom, StrikeEnvelope(0.002, seconds / 4, seconds));
}

// Detuned saws gliding up two octaves through an opening resonant filter, with a noise riser.
Signal Riser(NoiseSource &noise) {
    double seconds = kGoSeconds - kRiseSeconds;
    Signal pitch = PitchSweep(110, 440, seconds, SweepShape::Exponential);
    Signal detuned = pitch;
    for (double &hertz : detuned) hertz *= 1.008;
    Signal tone = Saw(pitch);
    MixInto(tone, Saw(detuned), 0);
    Signal cutoffs = PitchSweep(300, 5000, seconds, SweepShape::Exponential);
    Signal riser = Filter(tone, FilterMode::LowPass, cutoffs, 2.5);
    MixInto(riser, Filter(WhiteNoise(noise, seconds), FilterMode::BandPass, cutoffs, 1.5), 0, 0.8);
    return Multiply(riser, Curved(LineEnvelope({{0, 0}, {seconds, 1}}, seconds), 2.0));
}

// Tom hits that come closer together and louder, drumming up to the "Go!".
Signal DrumRoll(NoiseSource &noise) {
    Signal roll = Silence(kGoSeconds - kRiseSeconds);
    double interval = 0.2;
    // No hit in the last 40 ms: there the landing takes over.
    for (double time = 0; time < kGoSeconds - kRiseSeconds - 0.04; time += interval) {
        double progress = time / (kGoSeconds - kRiseSeconds);
        Signal hit = Sine(PitchSweep(170 + 60 * progress, 95, 0.12, SweepShape::Exponential));
        hit = Multiply(hit, StrikeEnvelope(0.001, 0.03, 0.12));
        Signal skin = Filter(WhiteNoise(noise, 0.06), FilterMode::BandPass, 1300, 1.0);
        MixInto(hit, Multiply(skin, StrikeEnvelope(0.0005, 0.012, 0.06)), 0, 0.5);
        MixInto(roll, hit, time, 0.3 + 0.7 * progress);
        interval = std::max(0.05, interval * 0.86);
    }
    roll.resize(SamplesFor(kGoSeconds - kRiseSeconds));
    return roll;
}

// A major chord struck with a boom and a splash of noise, under the "Go!".
Signal Landing(NoiseSource &noise) {
    constexpr double kLandingSeconds = kSeconds - kGoSeconds;
    Signal chord = Silence(kLandingSeconds);
    for (double hertz : {220.0, 277.2, 329.6, 440.0}) {
        MixInto(chord, Saw(SteadyPitch(hertz, kLandingSeconds)), 0);
    }
    chord = Filter(chord, FilterMode::LowPass, 3000, 0.8);
    chord = Multiply(chord, StrikeEnvelope(0.004, 0.2, kLandingSeconds));
    Signal landing = Boom(85, kLandingSeconds);
    MixInto(landing, chord, 0, 0.25);
    Signal splash = Filter(WhiteNoise(noise, kLandingSeconds), FilterMode::HighPass, 3500, 0.7);
    MixInto(landing, Multiply(splash, StrikeEnvelope(0.001, 0.1, kLandingSeconds)), 0, 0.3);
    return landing;
}

Signal Sting() {
    NoiseSource noise(0x5EAD'1060);
    Signal sting = Boom(70, 0.9);
    MixInto(sting, Riser(noise), kRiseSeconds, 0.35);
    MixInto(sting, DrumRoll(noise), kRiseSeconds, 0.45);
    MixInto(sting, Landing(noise), kGoSeconds, 1.0);
    return sting;
}

}  // namespace

std::optional<Signal> MakeReadyGo() {
    std::optional<Signal> ready = AnnouncerWord("Ready", 40);
    std::optional<Signal> go = AnnouncerWord("Go!", 48);
    if (!ready || !go) return std::nullopt;
    Signal voice = Silence(kSeconds);
    MixInto(voice, *ready, kReadySeconds);
    MixInto(voice, *go, kGoSeconds);
    Signal announcement = AnnouncerSpace(voice);
    MixInto(announcement, Sting(), 0, 0.5);
    announcement.resize(SamplesFor(kSeconds));
    FadeEdges(announcement, 0, 0.2);
    Master(announcement, 0.75);
    return announcement;
}

}  // namespace sounds
