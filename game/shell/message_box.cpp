// Message boxes as modal GtkMessageDialogs with Japanese button labels.
#include "message_box.h"

namespace shell {

namespace {

using match::MessageAnswer;
using match::MessageButtons;
using match::MessageIcon;

GtkMessageType MessageType(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return GTK_MESSAGE_INFO;
        case MessageIcon::Warning:
            return GTK_MESSAGE_WARNING;
        case MessageIcon::Question:
            return GTK_MESSAGE_QUESTION;
        case MessageIcon::Error:
        case MessageIcon::Stop:
            return GTK_MESSAGE_ERROR;
    }
    return GTK_MESSAGE_OTHER;
}

void AddButtons(GtkDialog *dialog, MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            gtk_dialog_add_button(dialog, "OK", GTK_RESPONSE_OK);
            gtk_dialog_set_default_response(dialog, GTK_RESPONSE_OK);
            break;
        case MessageButtons::OkCancel:
            gtk_dialog_add_button(dialog, "OK", GTK_RESPONSE_OK);
            gtk_dialog_add_button(dialog, "キャンセル", GTK_RESPONSE_CANCEL);
            gtk_dialog_set_default_response(dialog, GTK_RESPONSE_OK);
            break;
        case MessageButtons::YesNoCancel:
        case MessageButtons::YesNo:
            gtk_dialog_add_button(dialog, "はい(_Y)", GTK_RESPONSE_YES);
            gtk_dialog_add_button(dialog, "いいえ(_N)", GTK_RESPONSE_NO);
            if (buttons == MessageButtons::YesNoCancel)
                gtk_dialog_add_button(dialog, "キャンセル", GTK_RESPONSE_CANCEL);
            gtk_dialog_set_default_response(dialog, GTK_RESPONSE_YES);
            break;
    }
}

MessageAnswer Answer(int response, MessageButtons buttons) {
    switch (response) {
        case GTK_RESPONSE_YES:
            return MessageAnswer::Yes;
        case GTK_RESPONSE_NO:
            return MessageAnswer::No;
        case GTK_RESPONSE_OK:
            return MessageAnswer::Ok;
        default:
            break;
    }
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
            break;
    }
    return MessageAnswer::Cancel;
}

}  // namespace

MessageAnswer ShowMessageBox(GtkWindow *parent, const std::string &text, const std::string &caption,
                             MessageIcon icon, MessageButtons buttons) {
    GtkWidget *dialog = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, MessageType(icon),
                                               GTK_BUTTONS_NONE, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), caption.c_str());
    AddButtons(GTK_DIALOG(dialog), buttons);
    int response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    return Answer(response, buttons);
}

}  // namespace shell
