// File dialogs on GtkFileChooserDialog.
#include "file_chooser.h"

#include <filesystem>

#include "message_box.h"
#include "platform/paths.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using match::FileDialog;

// "*.[fF][rR][mM]" for "frm": file names are compared without case, as the game's files were
// named on a system that ignores it.
std::string CaselessPattern(const std::string &extension) {
    std::string pattern = "*.";
    for (char letter : extension) {
        char lower = static_cast<char>(g_ascii_tolower(letter));
        char upper = static_cast<char>(g_ascii_toupper(letter));
        pattern += lower == upper ? std::string(1, letter) : std::string{'[', lower, upper, ']'};
    }
    return pattern;
}

GtkWidget *NewChooser(GtkWindow *parent, const FileDialog &dialog) {
    bool opening = dialog.purpose == FileDialog::Purpose::Open;
    GtkWidget *chooser = gtk_file_chooser_dialog_new(
        opening ? "ファイルを開く" : "名前を付けて保存", parent,
        opening ? GTK_FILE_CHOOSER_ACTION_OPEN : GTK_FILE_CHOOSER_ACTION_SAVE, "キャンセル",
        GTK_RESPONSE_CANCEL, opening ? "開く" : "保存", GTK_RESPONSE_ACCEPT, nullptr);
    gtk_dialog_set_default_response(GTK_DIALOG(chooser), GTK_RESPONSE_ACCEPT);
    GtkFileFilter *filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, dialog.filterName.c_str());
    gtk_file_filter_add_pattern(filter, CaselessPattern(dialog.extension).c_str());
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(chooser), filter);
    return chooser;
}

// Offers the initial path: its folder (the current one for a relative path) and its name.
void OfferInitialPath(GtkFileChooser *chooser, const FileDialog &dialog) {
    std::error_code error;
    fs::path initial = fs::absolute(dialog.initialPath.empty() ? "." : dialog.initialPath, error);
    if (error) return;
    bool named = !dialog.initialPath.empty();
    gtk_file_chooser_set_current_folder(chooser,
                                        (named ? initial.parent_path() : initial).string().c_str());
    if (!named) return;
    if (dialog.purpose == FileDialog::Purpose::Save) {
        gtk_file_chooser_set_current_name(chooser, initial.filename().string().c_str());
    } else if (fs::exists(initial, error)) {
        gtk_file_chooser_set_filename(chooser, initial.string().c_str());
    }
}

bool MayReplace(GtkWindow *parent, const std::string &path) {
    std::error_code error;
    if (!fs::exists(path, error)) return true;
    std::string name = fs::path(path).filename().string();
    return ShowMessageBox(parent, name + " は既にあります。\n上書きしますか？", "名前を付けて保存",
                          match::MessageIcon::Warning,
                          match::MessageButtons::YesNo) == match::MessageAnswer::Yes;
}

}  // namespace

std::optional<std::string> ChooseFileWithDialog(GtkWindow *parent, const FileDialog &dialog) {
    GtkWidget *chooser = NewChooser(parent, dialog);
    OfferInitialPath(GTK_FILE_CHOOSER(chooser), dialog);
    std::optional<std::string> chosen;
    while (!chosen && gtk_dialog_run(GTK_DIALOG(chooser)) == GTK_RESPONSE_ACCEPT) {
        gchar *name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser));
        if (name == nullptr) continue;
        std::string path = platform::WithDefaultExtension(name, dialog.extension);
        g_free(name);
        // The dialog cannot ask about a name the extension was added to, so every save asks
        // here, once.
        if (dialog.purpose == FileDialog::Purpose::Open || MayReplace(GTK_WINDOW(chooser), path))
            chosen = path;
    }
    gtk_widget_destroy(chooser);
    return chosen;
}

}  // namespace shell
