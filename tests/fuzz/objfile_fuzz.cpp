// libFuzzer target: any bytes as an object file, through the mesh reader and the block reader.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "trazel.h"

namespace {

// The tag every seed uses; the fuzzer finds others from the bytes it mutates.
constexpr const char *kTag = "M";

// At CloseTrazel a tracked block still live is announced as a leak: here that is a failure.
void StopOnLeakReport(void *, const char *, const char *text, int32_t) {
    if (std::strstr(text, "tzdebug.txt") != nullptr) std::abort();
}

bool WriteAll(int descriptor, const uint8_t *data, size_t size) {
    while (size > 0) {
        ssize_t written = write(descriptor, data, size);
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

void ReadEverything(const char *path) {
    ObjectData mesh{};
    ReadObjectData(&mesh, path, kTag);
    FreeObjectData(&mesh);
    int32_t *values = nullptr;
    if (ReadDataInt(&values, path, kTag) > 0) TzFree(values);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    char path[] = "/tmp/objfile-fuzz-XXXXXX";
    int descriptor = mkstemp(path);
    if (descriptor < 0) return 0;
    bool written = WriteAll(descriptor, data, size);
    close(descriptor);
    if (written) {
        TzSetMessageProc(StopOnLeakReport);
        if (OpenTrazel(1) == 1) {
            ReadEverything(path);
            CloseTrazel();
        }
    }
    unlink(path);
    return 0;
}
