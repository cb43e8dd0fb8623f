// File dialogs for opening and saving, with a filter and a default extension.
#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>

#include "match/main_window_host.h"

namespace shell {

// Runs a modal file dialog over parent; the chosen path, with the dialog's extension added to a
// name typed without one, or nothing when cancelled. Saving asks before an existing file is
// replaced, also when the extension was added.
std::optional<std::string> ChooseFileWithDialog(GtkWindow *parent, const match::FileDialog &dialog);

}  // namespace shell
