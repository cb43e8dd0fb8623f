// libFuzzer target: any bytes as an object file, through the mesh reader and the block reader.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "objfile.h"
#include "engine_leak_check.h"
#include "trazel.h"

namespace {

// The tag every seed uses; the fuzzer finds others from the bytes it mutates.
constexpr const char *kTag = "M";
// What the engine's messages call the input.
constexpr const char *kPath = "fuzz input";

void ReadEverything(std::FILE *file) {
    ObjectData mesh{};
    trazel::ReadObjectDataFromStream(file, &mesh, kPath, kTag);
    FreeObjectData(&mesh);
    std::rewind(file);
    int32_t *values = nullptr;
    if (trazel::ReadDataIntFromStream(file, &values, kPath, kTag) > 0) TzFree(values);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FailOnLeakedBlocks("objfile_fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // A stream in read mode never writes to its buffer.
    std::FILE *file = fmemopen(const_cast<uint8_t *>(data), size, "rb");
    if (file == nullptr) return 0;
    ReadEverything(file);
    std::fclose(file);
    TzAllFree();
    return 0;
}
