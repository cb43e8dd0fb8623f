// GDK events turned into the game window's handler calls, in client coordinates.
#include "game_window_events.h"

#include "engine_messages.h"
#include "pointer_grab.h"

namespace shell {

namespace {

constexpr int32_t kEscapeKey = 0x1B, kGunKey = 0x31, kMissileKey = 0x32;

GameSession &SessionOf(gpointer data) {
    return *static_cast<GameSession *>(data);
}

match::ClientPoint ClientPointOf(double x, double y) {
    return {PixelCoordinate(x), PixelCoordinate(y)};
}

void OnSizeAllocate(GtkWidget *, GdkRectangle *allocation, gpointer data) {
    PaintScope layingOut;
    int32_t width = allocation->width, height = allocation->height;
    SessionOf(data).WithGame(
        [width, height](match::TMainFrm &game) { game.OnSize(width, height); });
}

gboolean OnDraw(GtkWidget *, cairo_t *dc, gpointer data) {
    PaintScope painting;
    SessionOf(data).WithGame([dc](match::TMainFrm &game) { game.OnPaint(dc); });
    return TRUE;
}

gboolean OnButtonPress(GtkWidget *, GdkEventButton *event, gpointer data) {
    // A double click arrives as two presses, as the game window wants no double clicks.
    if (event->type != GDK_BUTTON_PRESS) return TRUE;
    match::ClientPoint point = ClientPointOf(event->x, event->y);
    guint button = event->button;
    SessionOf(data).WithGame([point, button](match::TMainFrm &game) {
        if (button == GDK_BUTTON_PRIMARY) game.OnLButtonDown(point);
        if (button == GDK_BUTTON_SECONDARY) game.OnRButtonDown(point);
    });
    return TRUE;
}

gboolean OnButtonRelease(GtkWidget *, GdkEventButton *event, gpointer data) {
    match::ClientPoint point = ClientPointOf(event->x, event->y);
    guint button = event->button;
    SessionOf(data).WithGame([point, button](match::TMainFrm &game) {
        if (button == GDK_BUTTON_PRIMARY) game.OnLButtonUp(point);
        if (button == GDK_BUTTON_SECONDARY) game.OnRButtonUp(point);
    });
    return TRUE;
}

gboolean OnMotion(GtkWidget *, GdkEventMotion *event, gpointer data) {
    match::ClientPoint point = ClientPointOf(event->x, event->y);
    SessionOf(data).WithGame([point](match::TMainFrm &game) { game.OnMouseMove(point); });
    return TRUE;
}

// The game's keys are the physical keys: Esc, and the keys that carry the digits 1 and 2 in the
// keyboard's current layout, whatever Shift or Ctrl make of them (on some layouts the digit is
// the shifted character). The keypad's digits are other keys.
int32_t GameKey(const GdkEventKey &event) {
    if (event.keyval == GDK_KEY_Escape) return kEscapeKey;
    GdkKeymap *keymap = gdk_keymap_get_for_display(gdk_window_get_display(event.window));
    GdkKeymapKey *keys = nullptr;
    guint *keyvals = nullptr;
    gint count = 0;
    int32_t key = 0;
    if (gdk_keymap_get_entries_for_keycode(keymap, event.hardware_keycode, &keys, &keyvals,
                                           &count)) {
        for (gint i = 0; i < count && key == 0; ++i) {
            if (keys[i].group != event.group) continue;
            if (keyvals[i] == GDK_KEY_1) key = kGunKey;
            if (keyvals[i] == GDK_KEY_2) key = kMissileKey;
        }
        g_free(keys);
        g_free(keyvals);
    }
    return key;
}

gboolean OnKeyPress(GtkWidget *frame, GdkEventKey *event, gpointer data) {
    GdkModifierType modifiers =
        static_cast<GdkModifierType>(event->state & gtk_accelerator_get_default_mod_mask());
    if (event->keyval == GDK_KEY_F4 && modifiers == GDK_MOD1_MASK) {
        // Where no window manager takes Alt+F4, it still closes the frame the same way.
        gtk_window_close(GTK_WINDOW(frame));
        return TRUE;
    }
    // With Alt the keys belong to the menu bar's mnemonics.
    if ((modifiers & GDK_MOD1_MASK) != 0) return FALSE;
    int32_t key = GameKey(*event);
    if (key == 0) return FALSE;
    SessionOf(data).WithGame([key](match::TMainFrm &game) { game.OnKeyDown(key); });
    return TRUE;
}

}  // namespace

void ConnectGameWindowEvents(GtkWindow *frame, GtkWidget *area, GameSession &session) {
    g_signal_connect(area, "size-allocate", G_CALLBACK(OnSizeAllocate), &session);
    g_signal_connect(area, "draw", G_CALLBACK(OnDraw), &session);
    g_signal_connect(area, "button-press-event", G_CALLBACK(OnButtonPress), &session);
    g_signal_connect(area, "button-release-event", G_CALLBACK(OnButtonRelease), &session);
    g_signal_connect(area, "motion-notify-event", G_CALLBACK(OnMotion), &session);
    g_signal_connect(frame, "key-press-event", G_CALLBACK(OnKeyPress), &session);
}

}  // namespace shell
