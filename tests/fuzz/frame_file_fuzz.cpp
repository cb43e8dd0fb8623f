// libFuzzer target: any bytes as a frame file, through the version mark, the record check and the
// three mesh blocks; a file read whole must write back to bytes that read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "battle/frame_file.h"
#include "engine_leak_check.h"
#include "trazel.h"

namespace {

// The bytes the game writes for contents.
std::string Written(const battle::FrameContents &contents) {
    char *buffer = nullptr;
    size_t size = 0;
    std::FILE *file = open_memstream(&buffer, &size);
    if (file == nullptr) std::abort();
    bool written = battle::WriteFrameFile(file, contents.record, contents.body,
                                          contents.gunProjectile, contents.missileProjectile);
    std::fclose(file);
    std::string bytes(buffer, size);
    std::free(buffer);
    if (!written) std::abort();
    return bytes;
}

bool Read(const void *data, size_t size, battle::FrameContents &contents) {
    // A stream in read mode never writes to its buffer.
    std::FILE *file = fmemopen(const_cast<void *>(data), size, "rb");
    if (file == nullptr) return false;
    bool read = battle::ReadFrameFile(file, contents);
    std::fclose(file);
    return read;
}

// Pad bytes and the corner pointer are not kept, so the input itself may differ from what is
// written; once written, though, a file must survive another read and write unchanged.
void CheckRoundTrip(const battle::FrameContents &contents) {
    std::string written = Written(contents);
    battle::FrameContents again;
    if (!Read(written.data(), written.size(), again) || Written(again) != written) {
        std::fputs("frame_file_fuzz: a file the game wrote did not read back the same\n", stderr);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FailOnLeakedBlocks("frame_file_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    {
        battle::FrameContents contents;
        if (Read(data, size, contents)) CheckRoundTrip(contents);
    }
    TzAllFree();
    return 0;
}
