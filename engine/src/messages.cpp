// Engine messages: formatted in Japanese, routed to the client's procedure or standard error.
#include "messages.h"

#include <cstdarg>
#include <cstdio>

#include "context.h"

namespace trazel {
namespace {

TzMessageProc messageProc = nullptr;

bool GateOpen(MessageGate gate) {
    switch (gate) {
        case MessageGate::Always:
            return true;
        case MessageGate::WhenMessagesExactlyOne:
            return context.messages == 1;
        case MessageGate::WhenMessagesOn:
            return context.messages != 0;
    }
    return false;
}

}  // namespace

void ShowMessage(MessageGate gate, void *owner, const char *text) {
    if (!GateOpen(gate)) return;
    if (messageProc != nullptr) {
        messageProc(owner, "TRAZEL", text, TZ_ICON_WARNING);
    } else {
        std::fprintf(stderr, "TRAZEL: %s\n", text);
    }
}

void ShowMessageFormat(MessageGate gate, void *owner, const char *format, ...) {
    if (!GateOpen(gate)) return;
    char text[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    ShowMessage(gate, owner, text);
}

}  // namespace trazel

extern "C" TzMessageProc TzSetMessageProc(TzMessageProc proc) {
    TzMessageProc previous = trazel::messageProc;
    trazel::messageProc = proc;
    return previous;
}
