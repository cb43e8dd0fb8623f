#include "text_question.h"

#include "resources.h"

namespace shell {

std::optional<std::string> AskTextWithDialog(GtkWindow *parent, const std::string &caption,
                                             const std::string &prompt,
                                             const std::string &initial) {
    GtkWidget *dialog = gtk_dialog_new_with_buttons(
        caption.c_str(), parent, static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL), "OK",
        GTK_RESPONSE_OK, "キャンセル", GTK_RESPONSE_CANCEL, nullptr);
    SetProgramIcon(GTK_WINDOW(dialog));
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    GtkWidget *area = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
    gtk_container_set_border_width(GTK_CONTAINER(area), 8);
    gtk_box_set_spacing(GTK_BOX(area), 6);
    GtkWidget *label = gtk_label_new(prompt.c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    GtkWidget *entry = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(entry), initial.c_str());
    gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
    gtk_box_pack_start(GTK_BOX(area), label, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(area), entry, FALSE, FALSE, 0);
    gtk_widget_show_all(area);
    std::optional<std::string> answer;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK)
        answer = gtk_entry_get_text(GTK_ENTRY(entry));
    gtk_widget_destroy(dialog);
    return answer;
}

}  // namespace shell
