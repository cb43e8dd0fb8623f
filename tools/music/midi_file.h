// Standard MIDI File writer: tracks of timed events, encoded as a format 1 file.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace midi {

using Bytes = std::vector<std::uint8_t>;

// The largest number a variable-length quantity may hold (four bytes of seven bits).
inline constexpr std::uint32_t kLargestVariableLength = 0x0FFFFFFF;

// Seven bits a byte, most significant first, every byte but the last with its top bit set.
Bytes VariableLengthQuantity(std::uint32_t value);

// One track: events at absolute ticks, written in time order with delta times.
class Track {
  public:
    void Name(std::string_view text);
    void Marker(std::uint32_t tick, std::string_view text);
    void Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
    // denominatorPower is the power of two of the lower figure: 2 for quarters.
    void TimeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void ProgramChange(std::uint32_t tick, int channel, int program);
    void ControlChange(std::uint32_t tick, int channel, int controller, int value);
    void Note(int channel, int key, int velocity, std::uint32_t start, std::uint32_t length);
    // Keeps the track open at least until tick, so a final rest or release is heard.
    void EndNoEarlierThan(std::uint32_t tick);

    // The whole "MTrk" chunk, ending with the end-of-track event.
    Bytes Chunk() const;

  private:
    // At one tick, settings come before notes and note-offs before note-ons, so a repeated
    // key is released before it sounds again.
    enum class Rank { Meta, Program, Control, NoteOff, NoteOn };
    struct Event {
        std::uint32_t tick;
        Rank rank;
        Bytes bytes;
    };

    void Add(std::uint32_t tick, Rank rank, Bytes bytes);
    void AddMeta(std::uint32_t tick, std::uint8_t type, Bytes data);

    std::vector<Event> events_;
    std::uint32_t end_ = 0;
};

// A format 1 file: the header chunk, then the tracks in order (the first is the tempo track).
Bytes FileBytes(const std::vector<Track> &tracks, int ticksPerQuarter);

}  // namespace midi
