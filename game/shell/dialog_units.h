// Dialog units: layouts give positions and sizes in units of the dialog's font, a quarter of its
// average character width across and an eighth of its character height down.
#pragma once

#include <gtk/gtk.h>

namespace shell {

struct DialogUnits {
    int averageWidth = 8, height = 16;  // of the font, in pixels

    int ToPixelsAcross(int units) const;
    int ToPixelsDown(int units) const;
};

// Measures the font that widget's style gives it.
DialogUnits MeasureDialogUnits(GtkWidget *widget);

// Turns the positions and size requests of every child of fixed, and fixed's own size request,
// from dialog units into pixels. A size left unset stays so.
void LayOutInPixels(GtkFixed *fixed, const DialogUnits &units);

}  // namespace shell
