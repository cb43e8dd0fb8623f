// Dialog units measured with Pango on the dialog's own font.
#include "dialog_units.h"

namespace shell {
namespace {

constexpr const char *kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;

// units * numerator / denominator, rounded to the nearest pixel.
int Scale(int units, int numerator, int denominator) {
    return (units * numerator + denominator / 2) / denominator;
}

int ToPixels(int units, int numerator, int denominator) {
    return units < 0 ? units : Scale(units, numerator, denominator);
}

}  // namespace

int DialogUnits::ToPixelsAcross(int units) const {
    return ToPixels(units, averageWidth, 4);
}

int DialogUnits::ToPixelsDown(int units) const {
    return ToPixels(units, height, 8);
}

// The average width is that of the alphabet in both cases, rounded; the height is the font's
// ascent and descent together.
DialogUnits MeasureDialogUnits(GtkWidget *widget) {
    DialogUnits units;
    PangoLayout *layout = gtk_widget_create_pango_layout(widget, kAlphabet);
    int width = 0;
    pango_layout_get_pixel_size(layout, &width, nullptr);
    g_object_unref(layout);
    PangoContext *context = gtk_widget_get_pango_context(widget);
    PangoFontMetrics *metrics =
        pango_context_get_metrics(context, pango_context_get_font_description(context), nullptr);
    int height = PANGO_PIXELS(pango_font_metrics_get_ascent(metrics) +
                              pango_font_metrics_get_descent(metrics));
    pango_font_metrics_unref(metrics);
    if (width > 0) units.averageWidth = (width / (kAlphabetLength / 2) + 1) / 2;
    if (height > 0) units.height = height;
    return units;
}

void LayOutInPixels(GtkFixed *fixed, const DialogUnits &units) {
    GList *children = gtk_container_get_children(GTK_CONTAINER(fixed));
    for (GList *child = children; child != nullptr; child = child->next) {
        GtkWidget *widget = GTK_WIDGET(child->data);
        int x = 0, y = 0, width = -1, height = -1;
        gtk_container_child_get(GTK_CONTAINER(fixed), widget, "x", &x, "y", &y, nullptr);
        gtk_widget_get_size_request(widget, &width, &height);
        gtk_fixed_move(fixed, widget, units.ToPixelsAcross(x), units.ToPixelsDown(y));
        gtk_widget_set_size_request(widget, units.ToPixelsAcross(width),
                                    units.ToPixelsDown(height));
    }
    g_list_free(children);
    int width = -1, height = -1;
    gtk_widget_get_size_request(GTK_WIDGET(fixed), &width, &height);
    gtk_widget_set_size_request(GTK_WIDGET(fixed), units.ToPixelsAcross(width),
                                units.ToPixelsDown(height));
}

}  // namespace shell
