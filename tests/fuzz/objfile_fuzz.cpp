// libFuzzer target: any bytes as an object file, through the mesh reader and the block reader.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "objfile.h"
#include "trazel.h"

namespace {

// The tag every seed uses; the fuzzer finds others from the bytes it mutates.
constexpr const char *kTag = "M";
// What the engine's messages call the input.
constexpr const char *kPath = "fuzz input";

// TzAllFree announces a tracked block still live as a leak: here that is a failure.
void StopOnLeakReport(void *, const char *, const char *text, int32_t) {
    if (std::strstr(text, "tzdebug.txt") == nullptr) return;
    std::fputs("objfile_fuzz: the input left a tracked block live (a leak)\n", stderr);
    std::abort();
}

void ReadEverything(std::FILE *file) {
    ObjectData mesh{};
    trazel::ReadObjectDataFromStream(file, &mesh, kPath, kTag);
    FreeObjectData(&mesh);
    std::rewind(file);
    int32_t *values = nullptr;
    if (trazel::ReadDataIntFromStream(file, &values, kPath, kTag) > 0) TzFree(values);
}

}  // namespace

// Opening the engine per input would cost far more than the read. The readers need only the
// settings an open engine leaves behind (the normalised light, messages on), and those outlive a
// close; closed, no block of the engine's own stays live, so after each input TzAllFree reports
// exactly the blocks the input leaked.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    TzSetMessageProc(StopOnLeakReport);
    if (OpenTrazel(1) != 1) std::abort();
    CloseTrazel();
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
