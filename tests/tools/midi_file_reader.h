// A strict Standard MIDI File reader, written apart from the music generator to check its files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace midi_check {

struct Event {
    std::uint32_t tick = 0;   // from the start of the track
    std::uint8_t status = 0;  // 0x80..0xEF a channel event, 0xFF a meta event, 0xF0/0xF7 sysex
    std::uint8_t metaType = 0;
    std::vector<std::uint8_t> data;

    bool IsChannelEvent() const { return status >= 0x80 && status < 0xF0; }
    int Kind() const { return status & 0xF0; }
    int Channel() const { return status & 0x0F; }
    bool IsMeta(std::uint8_t type) const { return status == 0xFF && metaType == type; }
};

struct Track {
    std::vector<Event> events;
};

struct File {
    int format = 0;
    int division = 0;
    std::vector<Track> tracks;
};

// Reads a variable-length quantity at bytes[at] and moves at past it; refuses more than four
// bytes or a quantity cut off by the end.
std::uint32_t ReadVariableLength(std::span<const std::uint8_t> bytes, std::size_t &at);

// Reads a whole file; throws std::runtime_error naming the first fault found.
File ReadFile(std::span<const std::uint8_t> bytes);

}  // namespace midi_check
