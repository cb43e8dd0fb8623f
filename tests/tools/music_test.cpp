// Tests of the music: the MIDI file writer, the notation the songs are written in, and the
// eleven committed files the game plays, read back by an independent reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "midi_file_reader.h"
#include "music/chord.h"
#include "music/compositions.h"
#include "music/melody.h"
#include "music/midi_file.h"
#include "music/scale.h"
#include "music/song.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using midi_check::Event;

constexpr int kDrumChannel = 9;

Bytes ReadBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::filesystem::path DataFile(const std::string &name) {
    return std::filesystem::path(MORVEX_DATA_DIR) / name;
}

std::vector<Event> AllEvents(const midi_check::File &file) {
    std::vector<Event> events;
    for (const midi_check::Track &track : file.tracks) {
        events.insert(events.end(), track.events.begin(), track.events.end());
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Event &a, const Event &b) { return a.tick < b.tick; });
    return events;
}

bool IsNoteOn(const Event &event) {
    return event.Kind() == 0x90 && event.data[1] > 0;
}
bool IsNoteOff(const Event &event) {
    return event.Kind() == 0x80 || (event.Kind() == 0x90 && event.data[1] == 0);
}

// Seconds from the start of the file to tick, through every tempo change (120 a minute until
// the first one, as the standard says).
double SecondsAt(const midi_check::File &file, std::uint32_t tick) {
    double seconds = 0;
    std::uint32_t from = 0;
    double microsecondsPerQuarter = 500000;
    for (const Event &event : AllEvents(file)) {
        if (event.tick >= tick) break;
        if (!event.IsMeta(0x51)) continue;
        seconds += (event.tick - from) * microsecondsPerQuarter / file.division / 1e6;
        from = event.tick;
        microsecondsPerQuarter = event.data[0] << 16 | event.data[1] << 8 | event.data[2];
    }
    return seconds + (tick - from) * microsecondsPerQuarter / file.division / 1e6;
}

std::uint32_t EndTick(const midi_check::File &file) {
    std::uint32_t end = 0;
    for (const midi_check::Track &track : file.tracks)
        end = std::max(end, track.events.back().tick);
    return end;
}

struct NoteSurvey {
    std::string problem;  // the first unbalanced note, if any
    std::uint32_t lastRelease = 0;
    std::set<int> channels;
    std::vector<int> velocities;
};

// Every note-on must be released on its channel and key before that key sounds again.
NoteSurvey SurveyNotes(const midi_check::File &file) {
    NoteSurvey survey;
    std::map<std::pair<int, int>, std::uint32_t> sounding;
    for (const Event &event : AllEvents(file)) {
        std::pair<int, int> channelKey{event.Channel(), event.data.empty() ? 0 : event.data[0]};
        std::string where = " at tick " + std::to_string(event.tick) + " on channel " +
                            std::to_string(channelKey.first) + ", key " +
                            std::to_string(channelKey.second);
        if (event.IsChannelEvent() && IsNoteOn(event)) {
            if (sounding.contains(channelKey) && survey.problem.empty()) {
                survey.problem = "key struck while still sounding" + where;
            }
            sounding[channelKey] = event.tick;
            survey.channels.insert(channelKey.first);
            survey.velocities.push_back(event.data[1]);
        } else if (event.IsChannelEvent() && IsNoteOff(event)) {
            if (!sounding.erase(channelKey) && survey.problem.empty()) {
                survey.problem = "release of a silent key" + where;
            }
            survey.lastRelease = std::max(survey.lastRelease, event.tick);
        }
    }
    if (!sounding.empty() && survey.problem.empty()) survey.problem = "notes never released";
    return survey;
}

midi_check::File ReadBack(const Bytes &bytes) {
    return midi_check::ReadFile(bytes);
}

// --- The MIDI file writer -----------------------------------------------------------------

TEST(MidiWriter, VariableLengthQuantitiesAtTheClassicBoundaries) {
    const std::vector<std::pair<std::uint32_t, Bytes>> table{
        {0x00000000, {0x00}},
        {0x00000040, {0x40}},
        {0x0000007F, {0x7F}},
        {0x00000080, {0x81, 0x00}},
        {0x00002000, {0xC0, 0x00}},
        {0x00003FFF, {0xFF, 0x7F}},
        {0x00004000, {0x81, 0x80, 0x00}},
        {0x00100000, {0xC0, 0x80, 0x00}},
        {0x001FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x00200000, {0x81, 0x80, 0x80, 0x00}},
        {0x08000000, {0xC0, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto &[value, expected] : table) {
        EXPECT_EQ(midi::VariableLengthQuantity(value), expected) << std::hex << value;
        std::size_t at = 0;
        EXPECT_EQ(midi_check::ReadVariableLength(expected, at), value);
    }
    EXPECT_THROW(midi::VariableLengthQuantity(0x10000000), std::invalid_argument);
}

TEST(MidiWriter, TinyFileHasExactlyTheseBytes) {
    midi::Track track;
    track.Name("T");
    track.Tempo(0, 500000);
    track.Note(0, 62, 100, 0, 480);
    track.Note(0, 60, 100, 0, 480);
    const Bytes expected{
        'M',  'T',  'h',  'd',  0,    0,    0,    6,
        0,    1,    0,    1,    0x01, 0xE0,            // format 1, 1 track, 480
        'M',  'T',  'r',  'k',  0,    0,    0,    31,  // 31 bytes of events
        0x00, 0xFF, 0x03, 0x01, 'T',                   // track name
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,      // 120 a minute
        0x00, 0x90, 62,   100,  0x00, 60,   100,       // running status
        0x83, 0x60, 0x80, 62,   64,   0x00, 60,   64,  // 480 ticks later
        0x00, 0xFF, 0x2F, 0x00,                        // end of track
    };
    EXPECT_EQ(midi::FileBytes({track}, 480), expected);
}

TEST(MidiWriter, EventsComeOutInTimeWithReleasesBeforeStrikes) {
    midi::Track track;
    track.Note(2, 64, 90, 480, 480);
    track.Note(2, 64, 80, 0, 480);
    track.ControlChange(0, 2, 7, 100);
    track.EndNoEarlierThan(4000);
    midi_check::File file = ReadBack(midi::FileBytes({track}, 480));
    const std::vector<Event> &events = file.tracks.at(0).events;
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].Kind(), 0xB0);
    EXPECT_EQ(events[1].data, (std::vector<std::uint8_t>{64, 80}));
    EXPECT_TRUE(IsNoteOff(events[2]));
    EXPECT_EQ(events[3].data, (std::vector<std::uint8_t>{64, 90}));
    EXPECT_EQ(events[3].tick, 480u);
    EXPECT_EQ(events[5].tick, 4000u);
    EXPECT_EQ(SurveyNotes(file).problem, "");
}

TEST(MidiWriter, RefusesWhatMidiCannotCarry) {
    midi::Track track;
    EXPECT_THROW(track.Note(16, 60, 100, 0, 10), std::invalid_argument);
    EXPECT_THROW(track.Note(0, 128, 100, 0, 10), std::invalid_argument);
    EXPECT_THROW(track.Note(0, 60, 0, 0, 10), std::invalid_argument);
    EXPECT_THROW(track.Note(0, 60, 100, 0, 0), std::invalid_argument);
    EXPECT_THROW(track.ProgramChange(0, 0, 128), std::invalid_argument);
    EXPECT_THROW(track.Tempo(0, 0x1000000), std::invalid_argument);
    EXPECT_THROW(midi::FileBytes({}, 480), std::invalid_argument);
}

// --- The notation the songs are written in --------------------------------------------------

TEST(MusicNotation, ScaleDegreesCarryIntoNeighbouringOctaves) {
    music::Scale eMinor(music::kE, music::kAeolian);
    EXPECT_EQ(eMinor.Key(1, 4), 64);
    EXPECT_EQ(eMinor.Key(3, 4), 67);
    EXPECT_EQ(eMinor.Key(8, 4), 76);
    EXPECT_EQ(eMinor.Key(0, 4), 62);
    EXPECT_EQ(eMinor.Key(-6, 4), 52);
    EXPECT_EQ(music::Scale(music::kC, music::kHarmonicMinor).Key(7, 4), 71);
}

TEST(MusicNotation, ChordSymbolsFollowTheMode) {
    music::Scale aMinor(music::kA, music::kHarmonicMinor);
    EXPECT_EQ(music::ChordOf(aMinor, "5").pitchClasses, (std::vector<int>{4, 8, 11}));
    EXPECT_EQ(music::ChordOf(aMinor, "5m").pitchClasses, (std::vector<int>{4, 7, 11}));
    EXPECT_EQ(music::ChordOf(aMinor, "47").pitchClasses, (std::vector<int>{2, 5, 9, 0}));
    EXPECT_EQ(music::ChordOf(aMinor, "1s4").pitchClasses, (std::vector<int>{9, 2, 4}));
    EXPECT_EQ(music::ChordOf(aMinor, "1p").pitchClasses, (std::vector<int>{9, 4}));
    EXPECT_EQ(music::ChordOf(aMinor, "1/3").bassPitchClass, 0);
    EXPECT_THROW(music::ChordOf(aMinor, "8"), std::invalid_argument);
    EXPECT_THROW(music::Progression(aMinor, "1 4 5 | 1", 2), std::invalid_argument);
}

TEST(MusicNotation, VoicingsStartWhereThePartSits) {
    music::Chord cMajor = music::ChordOf(music::Scale(music::kC, music::kIonian), "1");
    EXPECT_EQ(music::Voice(cMajor, music::Voicing::Close, 62), (std::vector<int>{64, 67, 72}));
    EXPECT_EQ(music::Voice(cMajor, music::Voicing::RootPosition, 62),
              (std::vector<int>{72, 76, 79}));
    EXPECT_EQ(music::Voice(cMajor, music::Voicing::Power, 40), (std::vector<int>{48, 55, 60}));
    EXPECT_EQ(music::ChordTone({48, 52, 55}, 4), 64);
}

TEST(MusicNotation, MelodyTokensGiveKeysAndLengths) {
    music::Scale dMajor(music::kD, music::kIonian);
    music::MelodyLine line = music::ParseMelody("1q. +3e> rq -5s_e 2#et~", dMajor, 4, 0);
    ASSERT_EQ(line.notes.size(), 4u);
    EXPECT_EQ(line.notes[0].key, 62);
    EXPECT_EQ(line.notes[0].length, 720);
    EXPECT_EQ(line.notes[1].key, 78);
    EXPECT_TRUE(line.notes[1].accent);
    EXPECT_EQ(line.notes[2].start, 1440);
    EXPECT_EQ(line.notes[2].key, 57);
    EXPECT_EQ(line.notes[2].length, 360);
    EXPECT_EQ(line.notes[3].key, 65);
    EXPECT_EQ(line.notes[3].length, 160);
    EXPECT_TRUE(line.notes[3].legato);
    EXPECT_EQ(music::ParseMelody("1q 2q", dMajor, 4, 2).notes[1].key, 67);
}

TEST(MusicNotation, BarLinesCatchMiscountedBars) {
    music::Scale scale(music::kC, music::kIonian);
    EXPECT_NO_THROW(music::ParseMelody("1w | 2h 3h |", scale, 4, 0));
    EXPECT_THROW(music::ParseMelody("1h 2q | 3w", scale, 4, 0), std::invalid_argument);
    EXPECT_THROW(music::ParseMelody("1x", scale, 4, 0), std::invalid_argument);
    EXPECT_THROW(music::ParseMelody("0q", scale, 4, 0), std::invalid_argument);
}

TEST(MusicNotation, HeldFigureNotesFollowTheChords) {
    music::Song song("held", 120, music::Scale(music::kC, music::kIonian));
    int pad = song.AddPart({"pad", 0, 90, 64, 0, 100, 48, music::Voicing::RootPosition, 1.0});
    song.AddSection("bar", 1, "1 4", {80, 80}).Figure(pad, "0--- ---- ---- ----");
    midi_check::File file = ReadBack(song.FileBytes());
    std::vector<std::pair<std::uint32_t, int>> strikes;
    for (const Event &event : file.tracks.at(1).events) {
        if (IsNoteOn(event)) strikes.push_back({event.tick, event.data[0]});
    }
    EXPECT_EQ(strikes, (std::vector<std::pair<std::uint32_t, int>>{{0, 48}, {960, 53}}));
}

TEST(MusicNotation, SectionsRefuseMaterialThatDoesNotFit) {
    music::Song song("misfit", 120, music::Scale(music::kC, music::kIonian));
    int lead = song.AddPart({"lead"});
    music::Section section = song.AddSection("two bars", 2, "1", {80, 80});
    EXPECT_THROW(section.Melody(lead, "1w | 1w | 1w", 4), std::invalid_argument);
    EXPECT_THROW(section.Figure(lead, "0--- ---- ---- ----", {.firstBar = 2}),
                 std::invalid_argument);
    EXPECT_THROW(section.Drums({{36, "x..."}}), std::logic_error);
}

TEST(MusicNotation, TheSameSongIsWrittenTheSameWayTwice) {
    EXPECT_EQ(music::MeteorFieldTheme().FileBytes(), music::MeteorFieldTheme().FileBytes());
}

// --- The files the game plays ---------------------------------------------------------------

const std::vector<std::string> kActionFiles{"Action1.Mid", "Action2.Mid", "Action3.Mid",
                                            "Action4.Mid", "Action5.Mid", "Action6.Mid",
                                            "Action7.Mid", "Action8.Mid"};
const std::vector<std::string> kJingleFiles{"Win.Mid", "Lose.Mid", "Draw.Mid"};

std::vector<std::string> AllFiles() {
    std::vector<std::string> all = kActionFiles;
    all.insert(all.end(), kJingleFiles.begin(), kJingleFiles.end());
    return all;
}

bool IsActionFile(const std::string &name) {
    return name.starts_with("Action");
}

class GameMusic : public testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        bytes_ = ReadBytes(DataFile(GetParam()));
        ASSERT_FALSE(bytes_.empty()) << DataFile(GetParam()) << " is missing";
        ASSERT_NO_THROW(file_ = midi_check::ReadFile(bytes_)) << GetParam();
    }
    Bytes bytes_;
    midi_check::File file_;
};

TEST_P(GameMusic, IsAFormatOneFileWithATempoTrack) {
    EXPECT_EQ(file_.format, 1);
    EXPECT_GE(file_.tracks.size(), 3u);
    for (const Event &event : file_.tracks.front().events) EXPECT_FALSE(event.IsChannelEvent());
    bool hasTempo = std::ranges::any_of(file_.tracks.front().events,
                                        [](const Event &event) { return event.IsMeta(0x51); });
    EXPECT_TRUE(hasTempo);
}

TEST_P(GameMusic, PlaysForAsLongAsItsMomentNeeds) {
    double seconds = SecondsAt(file_, EndTick(file_));
    double sounding = SecondsAt(file_, SurveyNotes(file_).lastRelease);
    if (IsActionFile(GetParam())) {
        // The round's 3 s of "ready" and 75 s of fight must never outlast the music.
        EXPECT_GE(sounding, 80.0);
        EXPECT_LE(seconds, 180.0);
    } else {
        EXPECT_GE(seconds, 2.5);
        EXPECT_LE(seconds, 6.0);
    }
    // The player stops at the end of the track, so the last notes need time there to fade.
    EXPECT_LT(sounding, seconds - 0.2);
}

TEST_P(GameMusic, EveryNoteIsReleasedOnItsChannelAndKey) {
    NoteSurvey survey = SurveyNotes(file_);
    EXPECT_EQ(survey.problem, "");
    EXPECT_FALSE(survey.velocities.empty());
}

TEST_P(GameMusic, EachPartHasItsOwnChannelAndAGeneralMidiSound) {
    std::set<int> channelsSeen;
    for (size_t index = 1; index < file_.tracks.size(); ++index) {
        std::set<int> channels;
        std::uint32_t programAt = UINT32_MAX, firstNoteAt = UINT32_MAX;
        for (const Event &event : file_.tracks[index].events) {
            if (!event.IsChannelEvent()) continue;
            channels.insert(event.Channel());
            if (event.Kind() == 0xC0) programAt = std::min(programAt, event.tick);
            if (IsNoteOn(event)) firstNoteAt = std::min(firstNoteAt, event.tick);
        }
        ASSERT_EQ(channels.size(), 1u) << "track " << index;
        int channel = *channels.begin();
        EXPECT_TRUE(channelsSeen.insert(channel).second) << "channel " << channel << " shared";
        if (channel == kDrumChannel) {
            EXPECT_EQ(programAt, UINT32_MAX) << "the drum channel needs no program";
        } else {
            EXPECT_LE(programAt, firstNoteAt) << "track " << index << " plays before its program";
        }
    }
}

TEST_P(GameMusic, VolumeAndVelocitiesStaySensible) {
    for (const Event &event : AllEvents(file_)) {
        if (event.IsChannelEvent() && event.Kind() == 0xB0 && event.data[0] == 7) {
            EXPECT_GE(event.data[1], 50);
            EXPECT_LE(event.data[1], 110);
        }
    }
    std::vector<int> velocities = SurveyNotes(file_).velocities;
    std::set<int> distinct(velocities.begin(), velocities.end());
    double mean = 0;
    for (int velocity : velocities) mean += velocity / double(velocities.size());
    EXPECT_GE(distinct.size(), 6u) << "velocities barely vary";
    EXPECT_GT(mean, 45);
    EXPECT_LT(mean, 105);
}

TEST_P(GameMusic, IsWhatTheGeneratorWrites) {
    std::vector<music::MusicFile> files = music::MusicFiles();
    auto made = std::ranges::find(files, GetParam(), &music::MusicFile::fileName);
    ASSERT_NE(made, files.end());
    EXPECT_TRUE(made->compose().FileBytes() == bytes_)
        << GetParam() << " is stale: run make_music data and commit the files";
}

INSTANTIATE_TEST_SUITE_P(EveryFile, GameMusic, testing::ValuesIn(AllFiles()), [](const auto &info) {
    return info.param.substr(0, info.param.find('.'));
});

class ActionMusic : public GameMusic {};

TEST_P(ActionMusic, HasDrumsOnChannelTen) {
    std::set<int> drumKeys;
    for (const Event &event : AllEvents(file_)) {
        if (event.IsChannelEvent() && IsNoteOn(event) && event.Channel() == kDrumChannel) {
            drumKeys.insert(event.data[0]);
        }
    }
    EXPECT_GE(drumKeys.size(), 3u);
    EXPECT_GE(*drumKeys.begin(), 35) << "below the General MIDI drum keys";
    EXPECT_LE(*drumKeys.rbegin(), 81) << "above the General MIDI drum keys";
}

TEST_P(ActionMusic, KeepsAnEnergeticTempo) {
    for (const Event &event : AllEvents(file_)) {
        if (!event.IsMeta(0x51)) continue;
        double beatsPerMinute = 60e6 / (event.data[0] << 16 | event.data[1] << 8 | event.data[2]);
        EXPECT_GE(beatsPerMinute, 110);
        EXPECT_LE(beatsPerMinute, 180);
    }
}

// A tune that loops one bar has few different bars; one that develops has many.
TEST_P(ActionMusic, DevelopsRatherThanRepeatingOneBar) {
    const std::uint32_t barTicks = 4 * file_.division;
    std::map<std::uint32_t, std::vector<std::tuple<std::uint32_t, int, int>>> bars;
    for (const Event &event : AllEvents(file_)) {
        if (event.IsChannelEvent() && IsNoteOn(event)) {
            bars[event.tick / barTicks].emplace_back(event.tick % barTicks, event.Channel(),
                                                     event.data[0]);
        }
    }
    std::set<std::vector<std::tuple<std::uint32_t, int, int>>> distinct;
    for (auto &[bar, notes] : bars) {
        std::sort(notes.begin(), notes.end());
        distinct.insert(notes);
    }
    EXPECT_GE(distinct.size(), bars.size() / 2);
    EXPECT_GE(distinct.size(), 24u);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, ActionMusic, testing::ValuesIn(kActionFiles),
                         [](const auto &info) {
                             return info.param.substr(0, info.param.find('.'));
                         });

TEST(GameMusicSet, ElevenDifferentFilesUnderTheNamesTheGamePlays) {
    const std::vector<std::string> names = AllFiles();
    std::set<Bytes> contents;
    for (const std::string &name : names) {
        Bytes bytes = ReadBytes(DataFile(name));
        EXPECT_FALSE(bytes.empty()) << name;
        contents.insert(bytes);
    }
    EXPECT_EQ(contents.size(), 11u);
    std::set<std::string> generated;
    for (const music::MusicFile &file : music::MusicFiles()) generated.insert(file.fileName);
    EXPECT_EQ(generated, std::set<std::string>(names.begin(), names.end()));
}

}  // namespace
