// A song: instrument parts and sections of bars over chord progressions, written as a MIDI file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chord.h"
#include "humaniser.h"
#include "midi_file.h"
#include "pattern.h"
#include "scale.h"

namespace music {

struct PartSettings {
    std::string name;
    int program = 0;     // General MIDI program counted from 0; the drum part has none
    int volume = 90;     // channel volume, controller 7
    int pan = 64;        // controller 10: 0 left, 64 centre, 127 right
    int reverb = 40;     // reverb send, controller 91
    int level = 100;     // percent applied to every velocity, to balance the parts
    int lowestKey = 48;  // chords and figures are voiced upwards from this key
    Voicing voicing = Voicing::Close;
    double gate = 0.9;  // the share of each written length that sounds
};

// The base velocity at a section's start and at its end; in between it moves evenly, so a
// section can swell or fade.
struct Dynamics {
    int start;
    int end;
};

struct MelodyPlacement {
    int bar = 0;          // the bar of the section where the line starts
    int degreeShift = 0;  // moves the line along the scale
};

struct FigureRange {
    int firstBar = 0;
    int barCount = -1;  // -1: to the section's end
    int transpose = 0;  // semitones
};

struct SoundingNote {
    int start;
    int length;
    int key;
    int velocity;
};

class Song;

// Writes into one section of a song; every position is counted from the section's start.
class Section {
  public:
    Section &Melody(int part, std::string_view line, int octave, MelodyPlacement placement = {});
    // Plays the figure over the chords, repeating it bar after bar.
    Section &Figure(int part, std::string_view pattern, FigureRange range = {});
    // Repeats the groove over the section; a fill replaces the groove at the section's end.
    Section &Drums(const Groove &groove, const Groove &fill = {});
    // A crash cymbal on the first beat, to mark the section's start.
    Section &Crash();

  private:
    friend class Song;
    Section(Song &song, int firstBar, int barCount, const Scale &scale,
            std::vector<ChordSpan> chords, Dynamics dynamics);

    int Ticks() const { return barCount_ * kTicksPerBar; }
    int SpanIndexAt(int step) const;
    int Velocity(int part, int tick, double strength, int bonus);
    void Play(int part, int start, int length, int key, int velocity);
    void PlayDrumStroke(const DrumStroke &stroke, int step);

    Song &song_;
    int firstBar_;
    int barCount_;
    Scale scale_;
    std::vector<ChordSpan> chords_;
    Dynamics dynamics_;
};

class Song {
  public:
    Song(std::string title, double beatsPerMinute, const Scale &scale);

    // Adds a part on the next free channel and returns its number.
    int AddPart(PartSettings settings);
    // Adds the part that plays the drum kit on channel 10.
    int AddDrums(PartSettings settings);
    // Both take effect from the next section added.
    void ChangeKey(const Scale &scale) { scale_ = scale; }
    void ChangeTempo(double beatsPerMinute);

    // Appends a section of barCount bars over the chords (see Progression).
    Section AddSection(std::string_view name, int barCount, std::string_view chords,
                       Dynamics dynamics);

    const std::string &Title() const { return title_; }
    midi::Bytes FileBytes() const;

  private:
    friend class Section;
    struct Part {
        PartSettings settings;
        int channel;
        std::vector<SoundingNote> notes;
    };
    struct TempoChange {
        int tick;
        double beatsPerMinute;
    };
    struct Marker {
        int tick;
        std::string name;
    };

    midi::Track ConductorTrack() const;
    midi::Track PartTrack(const Part &part) const;

    std::string title_;
    Scale scale_;
    std::vector<TempoChange> tempos_;
    std::vector<Marker> markers_;
    std::vector<Part> parts_;
    int drumPart_ = -1;
    int bars_ = 0;
    Humaniser humaniser_;
};

}  // namespace music
