// A strict Standard MIDI File reader, written apart from the music generator to check its files.
#include "midi_file_reader.h"

#include <stdexcept>
#include <string>

namespace midi_check {
namespace {

constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kSetTempo = 0x51;

[[noreturn]] void Fault(const std::string &problem) {
    throw std::runtime_error(problem);
}

std::uint32_t BigEndian(std::span<const std::uint8_t> bytes, std::size_t at, int count) {
    if (at + count > bytes.size()) Fault("number cut off by the end of the file");
    std::uint32_t value = 0;
    for (int index = 0; index < count; ++index) value = value << 8 | bytes[at + index];
    return value;
}

bool ChunkTypeIs(std::span<const std::uint8_t> bytes, std::size_t at, const char *type) {
    return at + 4 <= bytes.size() &&
           std::string(bytes.begin() + at, bytes.begin() + at + 4) == type;
}

int ChannelDataLength(std::uint8_t status) {
    int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

std::vector<std::uint8_t> TakeBytes(std::span<const std::uint8_t> body, std::size_t &at,
                                    std::size_t count) {
    if (at + count > body.size()) Fault("event runs past the end of its track chunk");
    std::vector<std::uint8_t> taken(body.begin() + at, body.begin() + at + count);
    at += count;
    return taken;
}

Event ReadEvent(std::span<const std::uint8_t> body, std::size_t &at, std::uint8_t &runningStatus) {
    Event event;
    if (at >= body.size()) Fault("event runs past the end of its track chunk");
    std::uint8_t first = body[at];
    if (first == 0xFF) {
        if (at + 1 >= body.size()) Fault("meta event cut off");
        event.status = first;
        event.metaType = body[at + 1];
        at += 2;
        event.data = TakeBytes(body, at, ReadVariableLength(body, at));
        runningStatus = 0;
    } else if (first == 0xF0 || first == 0xF7) {
        event.status = first;
        ++at;
        event.data = TakeBytes(body, at, ReadVariableLength(body, at));
        runningStatus = 0;
    } else if (first >= 0xF1) {
        Fault("system message inside a file");
    } else {
        if (first >= 0x80) {
            runningStatus = first;
            ++at;
        } else if (runningStatus == 0) {
            Fault("data byte with no running status");
        }
        event.status = runningStatus;
        event.data = TakeBytes(body, at, ChannelDataLength(runningStatus));
        for (std::uint8_t value : event.data) {
            if (value >= 0x80) Fault("channel data byte above 127");
        }
    }
    return event;
}

Track ReadTrack(std::span<const std::uint8_t> body) {
    Track track;
    std::size_t at = 0;
    std::uint32_t tick = 0;
    std::uint8_t runningStatus = 0;
    while (at < body.size()) {
        if (!track.events.empty() && track.events.back().IsMeta(kEndOfTrack)) {
            Fault("events after the end of the track");
        }
        tick += ReadVariableLength(body, at);
        Event event = ReadEvent(body, at, runningStatus);
        event.tick = tick;
        if (event.IsMeta(kEndOfTrack) && !event.data.empty()) Fault("end of track with data");
        if (event.IsMeta(kSetTempo) && event.data.size() != 3) Fault("tempo not three bytes");
        track.events.push_back(std::move(event));
    }
    if (track.events.empty() || !track.events.back().IsMeta(kEndOfTrack)) {
        Fault("track does not end with end-of-track");
    }
    return track;
}

}  // namespace

std::uint32_t ReadVariableLength(std::span<const std::uint8_t> bytes, std::size_t &at) {
    std::uint32_t value = 0;
    for (int count = 0; count < 4; ++count) {
        if (at >= bytes.size()) Fault("variable-length quantity cut off");
        std::uint8_t byte = bytes[at++];
        value = value << 7 | (byte & 0x7F);
        if ((byte & 0x80) == 0) return value;
    }
    Fault("variable-length quantity longer than four bytes");
}

File ReadFile(std::span<const std::uint8_t> bytes) {
    if (!ChunkTypeIs(bytes, 0, "MThd")) Fault("no MThd header chunk");
    if (BigEndian(bytes, 4, 4) != 6) Fault("header chunk length is not 6");
    File file;
    file.format = static_cast<int>(BigEndian(bytes, 8, 2));
    std::uint32_t trackCount = BigEndian(bytes, 10, 2);
    file.division = static_cast<int>(BigEndian(bytes, 12, 2));
    if (file.format > 2) Fault("unknown format");
    if (file.division == 0 || file.division & 0x8000) Fault("division is not ticks per quarter");
    std::size_t at = 14;
    while (at < bytes.size()) {
        if (!ChunkTypeIs(bytes, at, "MTrk")) Fault("chunk that is not MTrk");
        std::uint32_t length = BigEndian(bytes, at + 4, 4);
        if (at + 8 + length > bytes.size()) Fault("track chunk longer than the file");
        file.tracks.push_back(ReadTrack(bytes.subspan(at + 8, length)));
        at += 8 + length;
    }
    if (file.tracks.size() != trackCount) Fault("header track count differs from the chunks");
    return file;
}

}  // namespace midi_check
