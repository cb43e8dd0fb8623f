// A song: its parts, tempo and sections, and the MIDI file they make.
#include "song.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "general_midi.h"

namespace music {
namespace {

constexpr int kChannelVolume = 7;
constexpr int kPan = 10;
constexpr int kReverbSend = 91;
constexpr int kChannelCount = 16;

// Notes sorted by start; a note that starts while the same key still sounds cuts the earlier
// one short, since MIDI cannot hold one key twice on a channel. Nothing sounds past songEnd.
std::vector<SoundingNote> Untangled(std::vector<SoundingNote> notes, int songEnd) {
    std::stable_sort(notes.begin(), notes.end(), [](const SoundingNote &a, const SoundingNote &b) {
        return a.start < b.start;
    });
    std::map<int, size_t> lastOfKey;
    for (size_t index = 0; index < notes.size(); ++index) {
        SoundingNote &note = notes[index];
        note.length = std::min(note.length, songEnd - note.start);
        auto earlier = lastOfKey.find(note.key);
        if (earlier != lastOfKey.end()) {
            SoundingNote &before = notes[earlier->second];
            before.length = std::min(before.length, note.start - before.start);
        }
        lastOfKey[note.key] = index;
    }
    std::erase_if(notes, [](const SoundingNote &note) { return note.length <= 0; });
    return notes;
}

std::uint32_t MicrosecondsPerQuarter(double beatsPerMinute) {
    return static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
}

}  // namespace

Song::Song(std::string title, double beatsPerMinute, const Scale &scale)
    : title_(std::move(title)), scale_(scale), humaniser_(title_) {
    ChangeTempo(beatsPerMinute);
}

int Song::AddPart(PartSettings settings) {
    int channel = static_cast<int>(parts_.size()) - (drumPart_ >= 0 ? 1 : 0);
    if (channel >= general_midi::kDrumChannel) ++channel;
    if (channel >= kChannelCount) throw std::length_error(title_ + ": no channel left");
    parts_.push_back({std::move(settings), channel, {}});
    return static_cast<int>(parts_.size()) - 1;
}

int Song::AddDrums(PartSettings settings) {
    if (drumPart_ >= 0) throw std::logic_error(title_ + ": one drum part only");
    parts_.push_back({std::move(settings), general_midi::kDrumChannel, {}});
    drumPart_ = static_cast<int>(parts_.size()) - 1;
    return drumPart_;
}

void Song::ChangeTempo(double beatsPerMinute) {
    if (beatsPerMinute < 20 || beatsPerMinute > 400) {
        throw std::invalid_argument(title_ + ": tempo outside 20..400 beats a minute");
    }
    tempos_.push_back({bars_ * kTicksPerBar, beatsPerMinute});
}

Section Song::AddSection(std::string_view name, int barCount, std::string_view chords,
                         Dynamics dynamics) {
    if (barCount <= 0) throw std::invalid_argument(title_ + ": a section needs bars");
    markers_.push_back({bars_ * kTicksPerBar, std::string(name)});
    Section section(*this, bars_, barCount, scale_, Progression(scale_, chords, barCount),
                    dynamics);
    bars_ += barCount;
    return section;
}

midi::Track Song::ConductorTrack() const {
    midi::Track track;
    track.Name(title_);
    track.TimeSignature(0, 4, 2);
    for (const TempoChange &change : tempos_) {
        track.Tempo(change.tick, MicrosecondsPerQuarter(change.beatsPerMinute));
    }
    for (const Marker &marker : markers_) track.Marker(marker.tick, marker.name);
    track.EndNoEarlierThan(bars_ * kTicksPerBar);
    return track;
}

midi::Track Song::PartTrack(const Part &part) const {
    midi::Track track;
    const PartSettings &settings = part.settings;
    track.Name(settings.name);
    if (part.channel != general_midi::kDrumChannel) {
        track.ProgramChange(0, part.channel, settings.program);
    }
    track.ControlChange(0, part.channel, kChannelVolume, settings.volume);
    track.ControlChange(0, part.channel, kPan, settings.pan);
    track.ControlChange(0, part.channel, kReverbSend, settings.reverb);
    int songEnd = bars_ * kTicksPerBar;
    for (const SoundingNote &note : Untangled(part.notes, songEnd)) {
        track.Note(part.channel, note.key, note.velocity, note.start, note.length);
    }
    track.EndNoEarlierThan(songEnd);
    return track;
}

midi::Bytes Song::FileBytes() const {
    std::vector<midi::Track> tracks{ConductorTrack()};
    for (const Part &part : parts_) tracks.push_back(PartTrack(part));
    return midi::FileBytes(tracks, kTicksPerQuarter);
}

}  // namespace music
