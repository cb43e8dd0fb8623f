#include "engine_leak_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "trazel.h"

namespace {

const char *fuzzerName = "fuzzer";

// TzAllFree announces a tracked block still live as a leak: here that is a failure.
void StopOnLeakReport(void *, const char *, const char *text, int32_t) {
    if (std::strstr(text, "tzdebug.txt") == nullptr) return;
    std::fprintf(stderr, "%s: the input left a tracked block live (a leak)\n", fuzzerName);
    std::abort();
}

}  // namespace

void FailOnLeakedBlocks(const char *fuzzer) {
    fuzzerName = fuzzer;
    TzSetMessageProc(StopOnLeakReport);
    if (OpenTrazel(1) != 1) std::abort();
    CloseTrazel();
}
