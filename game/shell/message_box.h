// Modal message boxes: the caption as the title, an icon and the buttons the caller asks for.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "match/main_window_host.h"

namespace shell {

// Shows the message over parent (may be null) and waits for the answer. Closing the box
// without a button answers Cancel, No or Ok, whichever the box offers.
match::MessageAnswer ShowMessageBox(GtkWindow *parent, const std::string &text,
                                    const std::string &caption, match::MessageIcon icon,
                                    match::MessageButtons buttons);

}  // namespace shell
