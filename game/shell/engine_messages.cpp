// The engine's message procedure: a message box now, or at the next idle moment while drawing.
#include "engine_messages.h"

#include <deque>
#include <string>

#include "message_box.h"
#include "trazel.h"

namespace shell {

namespace {

struct EngineMessage {
    std::string caption, text;
    int32_t icon;
};

GtkWindow *messageParent = nullptr;
int paintDepth = 0;
std::deque<EngineMessage> waitingMessages;
guint waitingSource = 0;

match::MessageIcon MessageIconOf(int32_t icon) {
    return icon == TZ_ICON_WARNING ? match::MessageIcon::Warning : match::MessageIcon::Information;
}

void Show(const EngineMessage &message) {
    ShowMessageBox(messageParent, message.text, message.caption, MessageIconOf(message.icon),
                   match::MessageButtons::Ok);
}

gboolean ShowWaitingMessages(gpointer) {
    waitingSource = 0;
    while (!waitingMessages.empty()) {
        EngineMessage message = std::move(waitingMessages.front());
        waitingMessages.pop_front();
        Show(message);
    }
    return G_SOURCE_REMOVE;
}

void ReceiveEngineMessage(void *, const char *caption, const char *text, int32_t icon) {
    EngineMessage message{caption ? caption : "", text ? text : "", icon};
    if (paintDepth == 0) {
        Show(message);
        return;
    }
    waitingMessages.push_back(std::move(message));
    if (waitingSource == 0) waitingSource = g_idle_add(ShowWaitingMessages, nullptr);
}

}  // namespace

void InstallEngineMessageBox() {
    TzSetMessageProc(ReceiveEngineMessage);
}

void SetEngineMessageParent(GtkWindow *parent) {
    messageParent = parent;
}

PaintScope::PaintScope() {
    ++paintDepth;
}

PaintScope::~PaintScope() {
    --paintDepth;
}

}  // namespace shell
