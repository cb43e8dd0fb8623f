// The engine's messages to the user: caption "TRAZEL", warning icon, through the client's
// procedure.
#pragma once

#include "trazel.h"

namespace trazel {

// When a message is shown, measured against the context's messages flag.
enum class MessageGate {
    WhenMessagesOn,         // the usual case: only while the flag is nonzero
    Always,                 // whatever the flag says
    WhenMessagesExactlyOne  // only while the flag is exactly 1
};

void ShowMessage(MessageGate gate, void *owner, const char *text);
void ShowMessageFormat(MessageGate gate, void *owner, const char *format, ...)
    __attribute__((format(printf, 3, 4)));

// Shows a repeating warning once per situation: the first time it arises, not again until a frame
// or call has passed without it.
class SituationLatch {
  public:
    // True the first time the situation arises since the last Clear.
    bool Arise() {
        bool first = !raised_;
        raised_ = true;
        return first;
    }
    void Clear() { raised_ = false; }

  private:
    bool raised_ = false;
};

}  // namespace trazel
