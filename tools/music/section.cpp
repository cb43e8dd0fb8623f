// Writing melodies, chord figures and drum grooves into one section of a song.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "general_midi.h"
#include "melody.h"
#include "song.h"

namespace music {
namespace {

// Louder on the strong beats, softer between them, as a player would lean on the pulse.
int MetricAccent(int tick) {
    int withinBar = tick % kTicksPerBar;
    if (withinBar == 0) return 6;
    if (withinBar == kTicksPerBar / 2) return 3;
    if (withinBar % kTicksPerQuarter == 0) return 1;
    if (withinBar % (kTicksPerQuarter / 2) == 0) return -2;
    return -5;
}

constexpr int kAccentBonus = 14;
constexpr int kShortestSound = 30;
constexpr int kDrumStrokeTicks = kTicksPerStep / 2;

}  // namespace

Section::Section(Song &song, int firstBar, int barCount, const Scale &scale,
                 std::vector<ChordSpan> chords, Dynamics dynamics)
    : song_(song),
      firstBar_(firstBar),
      barCount_(barCount),
      scale_(scale),
      chords_(std::move(chords)),
      dynamics_(dynamics) {}

int Section::SpanIndexAt(int step) const {
    auto after =
        std::upper_bound(chords_.begin(), chords_.end(), step,
                         [](int at, const ChordSpan &span) { return at < span.firstStep; });
    return static_cast<int>(after - chords_.begin()) - 1;
}

int Section::Velocity(int part, int tick, double strength, int bonus) {
    double base = dynamics_.start + (dynamics_.end - dynamics_.start) * double(tick) / Ticks();
    double level = song_.parts_.at(part).settings.level / 100.0;
    int velocity =
        static_cast<int>(std::lround(base * level * strength)) + bonus + song_.humaniser_.Vary(4);
    return std::clamp(velocity, 1, 127);
}

void Section::Play(int part, int start, int length, int key, int velocity) {
    if (key < 0 || key > 127) throw std::out_of_range(song_.title_ + ": key out of range");
    song_.parts_.at(part).notes.push_back(
        {firstBar_ * kTicksPerBar + start, length, key, velocity});
}

Section &Section::Melody(int part, std::string_view line, int octave, MelodyPlacement placement) {
    MelodyLine melody = ParseMelody(line, scale_, octave, placement.degreeShift);
    int offset = placement.bar * kTicksPerBar;
    if (offset + melody.length > Ticks()) {
        throw std::invalid_argument(song_.title_ +
                                    ": melody runs past its section: " + std::string(line));
    }
    double gate = song_.parts_.at(part).settings.gate;
    for (const MelodyNote &note : melody.notes) {
        int start = offset + note.start;
        int bonus = MetricAccent(start) + (note.accent ? kAccentBonus : 0);
        int sounding = note.legato ? note.length
                                   : std::max(kShortestSound, int(std::lround(note.length * gate)));
        Play(part, start, sounding, note.key, Velocity(part, start, 1.0, bonus));
    }
    return *this;
}

Section &Section::Figure(int part, std::string_view pattern, FigureRange range) {
    std::vector<FigureStep> figure = ParseFigure(pattern);
    const PartSettings &settings = song_.parts_.at(part).settings;
    int firstStep = range.firstBar * kStepsPerBar;
    int barCount = range.barCount < 0 ? barCount_ - range.firstBar : range.barCount;
    int endStep = firstStep + barCount * kStepsPerBar;
    if (range.firstBar < 0 || barCount <= 0 || endStep > barCount_ * kStepsPerBar) {
        throw std::invalid_argument(song_.title_ + ": figure outside its section");
    }
    struct Sounding {
        int step = -1;
        FigureStep what;
    } sounding;
    auto release = [&](int step) {
        if (sounding.step < 0) return;
        const ChordSpan &span = chords_[SpanIndexAt(sounding.step)];
        std::vector<int> voiced = Voice(span.chord, settings.voicing, settings.lowestKey);
        std::vector<int> keys{voiced};
        if (sounding.what.kind == FigureStep::Kind::Tone) {
            keys = {ChordTone(voiced, sounding.what.tone)};
        }
        int start = sounding.step * kTicksPerStep;
        int written = (step - sounding.step) * kTicksPerStep;
        int length = std::max(kShortestSound, int(std::lround(written * settings.gate)));
        int velocity = Velocity(part, start, 1.0, MetricAccent(start));
        for (int key : keys) Play(part, start, length, key + range.transpose, velocity);
        sounding.step = -1;
    };
    for (int step = firstStep; step < endStep; ++step) {
        const FigureStep &now = figure[(step - firstStep) % figure.size()];
        bool chordChanges = chords_[SpanIndexAt(step)].firstStep == step;
        if (now.kind == FigureStep::Kind::Hold && sounding.step >= 0 && chordChanges) {
            // A held note follows the harmony: it is struck again on the new chord.
            FigureStep held = sounding.what;
            release(step);
            sounding = {step, held};
        } else if (now.kind != FigureStep::Kind::Hold) {
            release(step);
            if (now.kind != FigureStep::Kind::Rest) sounding = {step, now};
        }
    }
    release(endStep);
    return *this;
}

void Section::PlayDrumStroke(const DrumStroke &stroke, int step) {
    int part = song_.drumPart_;
    int start = step * kTicksPerStep;
    Play(part, start, kDrumStrokeTicks, stroke.key, Velocity(part, start, stroke.strength, 0));
    if (stroke.roll) {
        int second = start + kDrumStrokeTicks;
        Play(part, second, kDrumStrokeTicks, stroke.key,
             Velocity(part, second, stroke.strength * 0.9, 0));
    }
}

Section &Section::Drums(const Groove &groove, const Groove &fill) {
    if (song_.drumPart_ < 0) throw std::logic_error(song_.title_ + ": no drum part");
    ParsedGroove beat = ParseGroove(groove);
    ParsedGroove ending = fill.empty() ? ParsedGroove{} : ParseGroove(fill);
    int fillStart = barCount_ * kStepsPerBar - ending.steps;
    if (fillStart < 0) throw std::invalid_argument(song_.title_ + ": fill longer than section");
    for (int repeat = 0; beat.steps > 0 && repeat < fillStart; repeat += beat.steps) {
        for (const DrumStroke &stroke : beat.strokes) {
            if (repeat + stroke.step < fillStart) PlayDrumStroke(stroke, repeat + stroke.step);
        }
    }
    for (const DrumStroke &stroke : ending.strokes) PlayDrumStroke(stroke, fillStart + stroke.step);
    return *this;
}

Section &Section::Crash() {
    if (song_.drumPart_ < 0) throw std::logic_error(song_.title_ + ": no drum part");
    PlayDrumStroke({0, general_midi::drum::kCrashCymbal, 1.1, false}, 0);
    return *this;
}

}  // namespace music
