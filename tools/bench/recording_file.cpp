// Reading TRAZEL.3DA: a 20-byte signature, then per frame each polygon as a point count, a colour
// and little-endian int32 x, y pairs, and FF FF after the frame's last polygon.
#include "recording_file.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr char kSignature[20] = "Glorieusant3D Anime";  // 19 characters and a zero byte
constexpr uint8_t kFrameEnd = 0xFF;

class ByteReader {
  public:
    explicit ByteReader(const std::vector<uint8_t> &bytes) : bytes_(bytes) {}

    bool AtEnd() const { return position_ == bytes_.size(); }
    bool Has(size_t count) const { return bytes_.size() - position_ >= count; }
    uint8_t Byte() { return bytes_[position_++]; }
    int32_t Int32() {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= uint32_t(Byte()) << shift;
        return static_cast<int32_t>(value);
    }

  private:
    const std::vector<uint8_t> &bytes_;
    size_t position_ = 0;
};

bool ReadPolygon(ByteReader &reader, uint8_t count, RecordedPolygon &polygon) {
    if (count < 3 || count > TZ_MAX_FILL_POINTS || !reader.Has(3 + size_t(count) * 8)) return false;
    uint8_t red = reader.Byte(), green = reader.Byte(), blue = reader.Byte();
    polygon.color = TZ_RGB(red, green, blue);
    polygon.points.resize(count);
    for (TzPoint &point : polygon.points) {
        point.x = reader.Int32();
        point.y = reader.Int32();
    }
    return true;
}

}  // namespace

bool ReadRecording(const std::filesystem::path &path, std::vector<RecordedFrame> &frames,
                   std::string &problem) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        problem = "cannot open " + path.string();
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < sizeof kSignature ||
        std::memcmp(bytes.data(), kSignature, sizeof kSignature) != 0) {
        problem = path.string() + " does not begin with the recording signature";
        return false;
    }
    ByteReader reader(bytes);
    for (size_t i = 0; i < sizeof kSignature; ++i) reader.Byte();
    RecordedFrame frame;
    while (!reader.AtEnd()) {
        uint8_t count = reader.Byte();
        if (count == kFrameEnd && reader.Has(1) && reader.Byte() == kFrameEnd) {
            frames.push_back(std::move(frame));
            frame.clear();
            continue;
        }
        RecordedPolygon polygon;
        if (!ReadPolygon(reader, count, polygon)) {
            problem = path.string() + " holds a polygon that is cut short or malformed";
            return false;
        }
        frame.push_back(std::move(polygon));
    }
    if (!frame.empty()) {
        problem = path.string() + " ends inside a frame";
        return false;
    }
    return true;
}
