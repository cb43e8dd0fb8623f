// WAV files: 16-bit PCM mono, written and read field by field, little-endian.
#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace sounds {
namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr uint16_t kChannels = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint16_t kBytesPerFrame = kChannels * kBitsPerSample / 8;
constexpr uint32_t kFormatChunkSize = 16;
constexpr double kFullScale = 32767.0;

using Bytes = std::vector<uint8_t>;

void PutTag(Bytes &bytes, const char (&tag)[5]) {
    bytes.insert(bytes.end(), tag, tag + 4);
}

void PutUint16(Bytes &bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void PutUint32(Bytes &bytes, uint32_t value) {
    PutUint16(bytes, static_cast<uint16_t>(value & 0xFFFF));
    PutUint16(bytes, static_cast<uint16_t>(value >> 16));
}

Bytes EncodeWav(const std::vector<int16_t> &samples) {
    uint32_t dataSize = static_cast<uint32_t>(samples.size() * kBytesPerFrame);
    Bytes bytes;
    bytes.reserve(44 + dataSize);
    PutTag(bytes, "RIFF");
    PutUint32(bytes, 4 + (8 + kFormatChunkSize) + (8 + dataSize));
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    PutUint32(bytes, kFormatChunkSize);
    PutUint16(bytes, kPcmFormat);
    PutUint16(bytes, kChannels);
    PutUint32(bytes, kSampleRate);
    PutUint32(bytes, kSampleRate * kBytesPerFrame);
    PutUint16(bytes, kBytesPerFrame);
    PutUint16(bytes, kBitsPerSample);
    PutTag(bytes, "data");
    PutUint32(bytes, dataSize);
    for (int16_t sample : samples) PutUint16(bytes, static_cast<uint16_t>(sample));
    return bytes;
}

// Reads little-endian fields from a byte buffer, refusing to run past its end.
class ByteReader {
  public:
    ByteReader(const Bytes &bytes, const std::string &name) : bytes_(bytes), name_(name) {}

    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }
    void Skip(std::size_t count) {
        Need(count);
        position_ += count;
    }
    std::string Tag() {
        Need(4);
        std::string tag(bytes_.begin() + position_, bytes_.begin() + position_ + 4);
        position_ += 4;
        return tag;
    }
    uint16_t Uint16() {
        Need(2);
        uint16_t value = static_cast<uint16_t>(bytes_[position_] | bytes_[position_ + 1] << 8);
        position_ += 2;
        return value;
    }
    uint32_t Uint32() {
        uint32_t low = Uint16();
        return low | static_cast<uint32_t>(Uint16()) << 16;
    }
    [[noreturn]] void Fail(const std::string &problem) const {
        throw std::runtime_error(name_ + ": " + problem);
    }

  private:
    void Need(std::size_t count) const {
        if (Remaining() < count) Fail("ends too early");
    }

    const Bytes &bytes_;
    std::string name_;
    std::size_t position_ = 0;
};

void CheckFormat(ByteReader &reader, uint32_t chunkSize) {
    if (chunkSize < kFormatChunkSize) reader.Fail("format chunk too short");
    uint16_t format = reader.Uint16();
    uint16_t channels = reader.Uint16();
    uint32_t rate = reader.Uint32();
    reader.Skip(6);  // byte rate and frame size follow from the three fields checked here
    uint16_t bits = reader.Uint16();
    if (format != kPcmFormat || channels != kChannels || rate != kSampleRate ||
        bits != kBitsPerSample) {
        reader.Fail("not 16-bit PCM mono at " + std::to_string(kSampleRate) + " Hz");
    }
    reader.Skip(chunkSize - kFormatChunkSize);
}

Signal DecodeSamples(ByteReader &reader, uint32_t chunkSize) {
    Signal signal(chunkSize / kBytesPerFrame);
    for (double &sample : signal) sample = static_cast<int16_t>(reader.Uint16()) / kFullScale;
    reader.Skip(chunkSize % kBytesPerFrame);
    return signal;
}

Bytes ReadAll(const std::filesystem::path &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error(path.string() + ": cannot open");
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

std::vector<int16_t> ToPcm16(const Signal &signal) {
    std::vector<int16_t> samples(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        double scaled = std::clamp(std::round(signal[i] * kFullScale), -32768.0, 32767.0);
        samples[i] = static_cast<int16_t>(scaled);
    }
    return samples;
}

void WriteWav(const std::filesystem::path &path, const Signal &signal) {
    Bytes bytes = EncodeWav(ToPcm16(signal));
    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) throw std::runtime_error(temporary.string() + ": cannot write");
    }
    std::filesystem::rename(temporary, path);
}

Signal ReadWav(const std::filesystem::path &path) {
    Bytes bytes = ReadAll(path);
    ByteReader reader(bytes, path.string());
    if (reader.Tag() != "RIFF") reader.Fail("not a RIFF file");
    uint32_t riffSize = reader.Uint32();
    if (riffSize > reader.Remaining()) reader.Fail("RIFF size runs past the end of the file");
    if (reader.Tag() != "WAVE") reader.Fail("not a WAVE file");
    bool formatSeen = false;
    while (reader.Remaining() >= 8) {
        std::string tag = reader.Tag();
        uint32_t chunkSize = reader.Uint32();
        if (chunkSize > reader.Remaining()) reader.Fail("chunk '" + tag + "' runs past the end");
        if (tag == "fmt ") {
            CheckFormat(reader, chunkSize);
            formatSeen = true;
        } else if (tag == "data") {
            if (!formatSeen) reader.Fail("samples before the format chunk");
            return DecodeSamples(reader, chunkSize);
        } else {
            reader.Skip(chunkSize);
        }
        if (chunkSize % 2 == 1 && reader.Remaining() > 0) reader.Skip(1);
    }
    reader.Fail("no data chunk");
}

}  // namespace sounds
