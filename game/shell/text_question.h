// A modal dialog that asks for one line of text.
#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>

namespace shell {

// Shows prompt above an entry holding initial, over parent; the text when OK (or Return) ends
// it, nothing when it is cancelled or closed.
std::optional<std::string> AskTextWithDialog(GtkWindow *parent, const std::string &caption,
                                             const std::string &prompt, const std::string &initial);

}  // namespace shell
