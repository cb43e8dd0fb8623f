// libFuzzer target: any bytes as what the other PC sends in a mesh exchange, through every count,
// index and real the exchange checks; a mesh taken whole must cross again unchanged, and no input
// may leave a tracked block live.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "link/wire_mesh.h"
#include "engine_leak_check.h"
#include "trazel.h"

namespace {

// A line that hands out the input and then dies, so that a short input fails at once instead of
// at the ten-second deadline.
class BytesPort : public platform::LinkPort {
  public:
    BytesPort(const void *data, size_t size)
        : data_(static_cast<const uint8_t *>(data)), left_(size) {}
    bool Open(const std::string &) override { return true; }
    bool IsOpen() const override { return true; }
    void SetTimeouts(uint32_t, uint32_t) override {}
    size_t Send(const void *, size_t count) override { return count; }
    int32_t ReadAvailable(void *buffer, size_t count) override {
        if (left_ == 0) return kDeadLine;
        size_t taken = std::min(count, left_);
        std::memcpy(buffer, data_, taken);
        data_ += taken;
        left_ -= taken;
        return static_cast<int32_t>(taken);
    }
    bool WaitReadable(uint32_t) override { return true; }
    void Close() override {}

  private:
    const uint8_t *data_;
    size_t left_;
};

// A desktop whose clock stands still and whose message boxes show nothing.
class QuietHost : public versus::CommDialogHost {
  public:
    uint32_t NowMilliseconds() override { return 0; }
    void Open() override {}
    void RunModal() override {}
    void Close() override {}
    bool StartTimer(uint32_t) override { return false; }
    void StopTimer() override {}
    void Invalidate() override {}
    void DrawNow() override {}
    void ShowCancelButton(bool) override {}
    void ShowMessage(const std::string &, const std::string &, versus::MessageIcon) override {}
};

versus::Exchange Receive(const void *data, size_t size, ObjectData &peer) {
    static Vector3 points[3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    static Vector3 shading[3] = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    static int32_t corners[3] = {0, 1, 2};
    static PlaneData plane{0, {1, 2, 3}, 3, corners, {0, 0, 1}};
    static MaterialData material{4, 5, 6, 0.5f};
    static const ObjectData own{3, points, 1, &plane, 1.0f, 1, &material, shading};
    BytesPort port(data, size);
    QuietHost host;
    versus::LinkLine line(port, host);
    return versus::ExchangeMesh(line, own, peer);
}

std::string Sent(const ObjectData &mesh) {
    std::string bytes;
    for (const versus::Bytes &block : versus::EncodeMeshBlocks(mesh))
        bytes.append(block.begin(), block.end());
    return bytes;
}

// Pad bytes and pointer slots are not kept, so the input itself may differ from what is sent;
// once sent, though, a mesh must arrive and send again unchanged.
void CheckRoundTrip(const ObjectData &mesh) {
    std::string sent = Sent(mesh);
    ObjectData again{};
    if (Receive(sent.data(), sent.size(), again) != versus::Exchange::Done || Sent(again) != sent) {
        std::fputs("link_mesh_fuzz: a mesh the game sent did not arrive the same\n", stderr);
        std::abort();
    }
    FreeObjectData(&again);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FailOnLeakedBlocks("link_mesh_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ObjectData peer{};
    if (Receive(data, size, peer) == versus::Exchange::Done) CheckRoundTrip(peer);
    FreeObjectData(&peer);
    TzAllFree();
    return 0;
}
