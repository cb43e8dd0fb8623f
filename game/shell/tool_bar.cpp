// Tool bar buttons with their pictures and commands; their enablers are asked a few times a
// second, the way an idle update would.
#include "tool_bar.h"

#include <cstdio>
#include <vector>

#include "match/commands.h"
#include "menu_table.h"
#include "resources.h"

namespace shell {

namespace {

constexpr int kSeparatorWidth = 6;
constexpr guint kRefreshMilliseconds = 250;

struct PlacedButton {
    GtkToolItem *item;
    int32_t command;
};

struct ToolBarState {
    GameSession *session;
    std::vector<PlacedButton> buttons;
    guint refreshSource = 0;
};

void RunButtonCommand(GtkToolButton *button, gpointer data) {
    auto *state = static_cast<ToolBarState *>(data);
    for (const PlacedButton &entry : state->buttons) {
        if (GTK_TOOL_BUTTON(entry.item) != button) continue;
        int32_t command = entry.command;
        state->session->WithGame([command](match::TMainFrm &game) { game.RunCommand(command); });
    }
}

gboolean Refresh(gpointer data) {
    auto *state = static_cast<ToolBarState *>(data);
    for (const PlacedButton &entry : state->buttons) {
        // No window handles the bomb button, so it stays grey.
        bool enabled = false;
        if (entry.command != match::kBombButton) {
            int32_t command = entry.command;
            state->session->WithGame([&enabled, command](match::TMainFrm &game) {
                enabled = game.QueryCommand(command).enabled;
            });
        }
        if (gtk_widget_get_sensitive(GTK_WIDGET(entry.item)) != enabled)
            gtk_widget_set_sensitive(GTK_WIDGET(entry.item), enabled);
    }
    return G_SOURCE_CONTINUE;
}

void Release(GtkWidget *, gpointer data) {
    auto *state = static_cast<ToolBarState *>(data);
    if (state->refreshSource != 0) g_source_remove(state->refreshSource);
    delete state;
}

void AddButton(GtkWidget *toolBar, ToolBarState &state, const ToolButton &button) {
    char fileName[32];
    std::snprintf(fileName, sizeof fileName, "toolbar-%d.png", static_cast<int>(button.command));
    GtkWidget *picture = gtk_image_new();
    if (GdkPixbuf *pixbuf = LoadPicture(fileName)) {
        gtk_image_set_from_pixbuf(GTK_IMAGE(picture), pixbuf);
        g_object_unref(pixbuf);
    }
    GtkToolItem *item = gtk_tool_button_new(picture, nullptr);
    gtk_tool_item_set_tooltip_text(item, button.tooltip);
    g_signal_connect(item, "clicked", G_CALLBACK(RunButtonCommand), &state);
    gtk_toolbar_insert(GTK_TOOLBAR(toolBar), item, -1);
    state.buttons.push_back({item, button.command});
}

void AddGap(GtkWidget *toolBar) {
    GtkToolItem *separator = gtk_separator_tool_item_new();
    gtk_separator_tool_item_set_draw(GTK_SEPARATOR_TOOL_ITEM(separator), FALSE);
    gtk_widget_set_size_request(GTK_WIDGET(separator), kSeparatorWidth, -1);
    gtk_toolbar_insert(GTK_TOOLBAR(toolBar), separator, -1);
}

}  // namespace

GtkWidget *BuildToolBar(GameSession &session) {
    GtkWidget *toolBar = gtk_toolbar_new();
    gtk_toolbar_set_style(GTK_TOOLBAR(toolBar), GTK_TOOLBAR_ICONS);
    atk_object_set_name(gtk_widget_get_accessible(toolBar), kToolBarCaption);
    auto *state = new ToolBarState{&session, {}};
    std::span<const ToolButton> buttons = ToolBarButtons();
    AddButton(toolBar, *state, buttons.front());
    AddGap(toolBar);
    for (const ToolButton &button : buttons.subspan(1)) AddButton(toolBar, *state, button);
    Refresh(state);
    state->refreshSource = g_timeout_add(kRefreshMilliseconds, Refresh, state);
    g_signal_connect(toolBar, "destroy", G_CALLBACK(Release), state);
    return toolBar;
}

}  // namespace shell
