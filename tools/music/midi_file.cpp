// Standard MIDI File writer: delta times, running status, meta events and chunks.
#include "midi_file.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace midi {
namespace {

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kTrackName = 0x03;
constexpr std::uint8_t kMarker = 0x06;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kSetTempo = 0x51;
constexpr std::uint8_t kTimeSignature = 0x58;
// A note-off's release velocity; 64 is the value the standard asks for when none is known.
constexpr std::uint8_t kReleaseVelocity = 64;

void Require(bool condition, const std::string &problem) {
    if (!condition) throw std::invalid_argument("MIDI track: " + problem);
}

std::uint8_t DataByte(int value, const char *what) {
    Require(value >= 0 && value <= 127, std::string(what) + " outside 0..127");
    return static_cast<std::uint8_t>(value);
}

std::uint8_t ChannelStatus(std::uint8_t kind, int channel) {
    Require(channel >= 0 && channel <= 15, "channel outside 0..15");
    return static_cast<std::uint8_t>(kind | channel);
}

void AppendBigEndian(Bytes &out, std::uint32_t value, int byteCount) {
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void AppendChunk(Bytes &out, const char (&type)[5], const Bytes &body) {
    out.insert(out.end(), type, type + 4);
    AppendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

bool IsChannelStatus(std::uint8_t status) {
    return status >= 0x80 && status < 0xF0;
}

}  // namespace

Bytes VariableLengthQuantity(std::uint32_t value) {
    if (value > kLargestVariableLength) {
        throw std::invalid_argument("variable-length quantity above 0x0FFFFFFF");
    }
    Bytes reversed{static_cast<std::uint8_t>(value & 0x7F)};
    for (value >>= 7; value != 0; value >>= 7) {
        reversed.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    }
    return Bytes(reversed.rbegin(), reversed.rend());
}

void Track::Add(std::uint32_t tick, Rank rank, Bytes bytes) {
    events_.push_back({tick, rank, std::move(bytes)});
    end_ = std::max(end_, tick);
}

void Track::AddMeta(std::uint32_t tick, std::uint8_t type, Bytes data) {
    Bytes bytes{kMeta, type};
    Bytes length = VariableLengthQuantity(static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), length.begin(), length.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    Add(tick, Rank::Meta, std::move(bytes));
}

void Track::Name(std::string_view text) {
    AddMeta(0, kTrackName, Bytes(text.begin(), text.end()));
}

void Track::Marker(std::uint32_t tick, std::string_view text) {
    AddMeta(tick, kMarker, Bytes(text.begin(), text.end()));
}

void Track::Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter) {
    Require(microsecondsPerQuarter > 0 && microsecondsPerQuarter <= 0xFFFFFF,
            "tempo outside three bytes");
    Bytes data;
    AppendBigEndian(data, microsecondsPerQuarter, 3);
    AddMeta(tick, kSetTempo, std::move(data));
}

void Track::TimeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    Require(numerator > 0 && numerator < 256 && denominatorPower >= 0 && denominatorPower < 8,
            "time signature out of range");
    // 24 clocks to the metronome click and 8 thirty-seconds to the quarter: the usual values.
    AddMeta(
        tick, kTimeSignature,
        {static_cast<std::uint8_t>(numerator), static_cast<std::uint8_t>(denominatorPower), 24, 8});
}

void Track::ProgramChange(std::uint32_t tick, int channel, int program) {
    Add(tick, Rank::Program,
        {ChannelStatus(kProgramChange, channel), DataByte(program, "program")});
}

void Track::ControlChange(std::uint32_t tick, int channel, int controller, int value) {
    Add(tick, Rank::Control,
        {ChannelStatus(kControlChange, channel), DataByte(controller, "controller"),
         DataByte(value, "controller value")});
}

void Track::Note(int channel, int key, int velocity, std::uint32_t start, std::uint32_t length) {
    Require(velocity >= 1, "a note-on of velocity 0 would be a note-off");
    Require(length >= 1, "a note needs a length");
    Add(start, Rank::NoteOn,
        {ChannelStatus(kNoteOn, channel), DataByte(key, "key"), DataByte(velocity, "velocity")});
    Add(start + length, Rank::NoteOff,
        {ChannelStatus(kNoteOff, channel), DataByte(key, "key"), kReleaseVelocity});
}

void Track::EndNoEarlierThan(std::uint32_t tick) {
    end_ = std::max(end_, tick);
}

Bytes Track::Chunk() const {
    std::vector<Event> ordered = events_;
    std::stable_sort(ordered.begin(), ordered.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
    });
    Bytes body;
    std::uint32_t now = 0;
    std::uint8_t runningStatus = 0;
    auto appendDelta = [&](std::uint32_t tick) {
        Bytes delta = VariableLengthQuantity(tick - now);
        body.insert(body.end(), delta.begin(), delta.end());
        now = tick;
    };
    for (const Event &event : ordered) {
        appendDelta(event.tick);
        std::uint8_t status = event.bytes.front();
        bool repeatsStatus = IsChannelStatus(status) && status == runningStatus;
        body.insert(body.end(), event.bytes.begin() + (repeatsStatus ? 1 : 0), event.bytes.end());
        // A meta event cancels running status, so the next channel event spells its status out.
        runningStatus = IsChannelStatus(status) ? status : 0;
    }
    appendDelta(end_);
    body.insert(body.end(), {kMeta, kEndOfTrack, 0});
    Bytes chunk;
    AppendChunk(chunk, "MTrk", body);
    return chunk;
}

Bytes FileBytes(const std::vector<Track> &tracks, int ticksPerQuarter) {
    if (tracks.empty() || tracks.size() > 0xFFFF) {
        throw std::invalid_argument("a MIDI file holds 1..65535 tracks");
    }
    if (ticksPerQuarter <= 0 || ticksPerQuarter > 0x7FFF) {
        throw std::invalid_argument("ticks per quarter outside 1..32767");
    }
    Bytes header;
    AppendBigEndian(header, 1, 2);
    AppendBigEndian(header, static_cast<std::uint32_t>(tracks.size()), 2);
    AppendBigEndian(header, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    Bytes file;
    AppendChunk(file, "MThd", header);
    for (const Track &track : tracks) {
        Bytes chunk = track.Chunk();
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

}  // namespace midi
