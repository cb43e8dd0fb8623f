// An open engine with a back buffer, for the benchmark.
#include "engine_session.h"

#include <cstdio>

namespace {

int messageCount = 0;

void PrintEngineMessage(void *, const char *caption, const char *text, int32_t) {
    ++messageCount;
    std::fprintf(stderr, "trazel-bench: %s: %s\n", caption, text);
}

}  // namespace

EngineSession::EngineSession(int32_t format, int32_t width, int32_t height) {
    TzSetMessageProc(PrintEngineMessage);
    if (TzSetDisplayFormat(format) != 1 || OpenTrazel(1) != 1) return;
    backBuffer_ = TzGetDisplayFormat() == format ? ResizeTrazel(nullptr, width, height) : nullptr;
}

EngineSession::~EngineSession() {
    CloseTrazel();
}

int EngineMessageCount() {
    return messageCount;
}
