// Menu bar: items from the command table, commands to the game window, enablers on opening.
#include "menu_bar.h"

#include <string>

#include "menu_table.h"

namespace shell {

namespace {

// What a command item needs to run and refresh itself; owned by the item.
struct ItemBinding {
    GameSession *session;
    int32_t command;
    gulong activateHandler = 0;
};

constexpr const char *kBindingKey = "morvex-command";

void RunItemCommand(GtkMenuItem *, gpointer data) {
    auto *binding = static_cast<ItemBinding *>(data);
    int32_t command = binding->command;
    binding->session->WithGame([command](match::TMainFrm &game) { game.RunCommand(command); });
}

void RefreshItem(GtkWidget *item, ItemBinding &binding) {
    match::CommandState state;
    int32_t command = binding.command;
    binding.session->WithGame(
        [&state, command](match::TMainFrm &game) { state = game.QueryCommand(command); });
    gtk_widget_set_sensitive(item, state.enabled);
    if (!GTK_IS_CHECK_MENU_ITEM(item)) return;
    // Setting the check mark activates the item; that must not run its command.
    g_signal_handler_block(item, binding.activateHandler);
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(item), state.checked);
    g_signal_handler_unblock(item, binding.activateHandler);
}

void RefreshMenu(GtkWidget *menu, gpointer) {
    GList *items = gtk_container_get_children(GTK_CONTAINER(menu));
    for (GList *entry = items; entry != nullptr; entry = entry->next) {
        auto *binding =
            static_cast<ItemBinding *>(g_object_get_data(G_OBJECT(entry->data), kBindingKey));
        if (binding != nullptr) RefreshItem(GTK_WIDGET(entry->data), *binding);
    }
    g_list_free(items);
}

void ShowAccelerator(GtkWidget *item, std::string_view acceleratorText) {
    std::string accelerator(acceleratorText);
    for (auto [written, gtkName] : {std::pair{"Alt+", "<Alt>"}, std::pair{"Ctrl+", "<Control>"},
                                    std::pair{"Shift+", "<Shift>"}}) {
        size_t at = accelerator.find(written);
        if (at != std::string::npos)
            accelerator.replace(at, std::string_view(written).size(), gtkName);
    }
    guint key = 0;
    GdkModifierType modifiers{};
    gtk_accelerator_parse(accelerator.c_str(), &key, &modifiers);
    GtkWidget *label = gtk_bin_get_child(GTK_BIN(item));
    if (key != 0 && GTK_IS_ACCEL_LABEL(label))
        gtk_accel_label_set_accel(GTK_ACCEL_LABEL(label), key, modifiers);
}

GtkWidget *BuildMenu(GameSession &session, std::span<const MenuItem> items);

GtkWidget *BuildItem(GameSession &session, const MenuItem &entry) {
    if (entry.kind == ItemKind::Separator) return gtk_separator_menu_item_new();
    std::string label = MnemonicLabel(entry.text);
    if (entry.kind == ItemKind::Submenu) {
        GtkWidget *item = gtk_menu_item_new_with_mnemonic(label.c_str());
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), BuildMenu(session, entry.submenu));
        return item;
    }
    GtkWidget *item = entry.kind == ItemKind::CheckCommand
                          ? gtk_check_menu_item_new_with_mnemonic(label.c_str())
                          : gtk_menu_item_new_with_mnemonic(label.c_str());
    auto *binding = new ItemBinding{&session, entry.command};
    g_object_set_data_full(G_OBJECT(item), kBindingKey, binding,
                           [](gpointer data) { delete static_cast<ItemBinding *>(data); });
    binding->activateHandler =
        g_signal_connect(item, "activate", G_CALLBACK(RunItemCommand), binding);
    ShowAccelerator(item, AcceleratorText(entry.text));
    return item;
}

GtkWidget *BuildMenu(GameSession &session, std::span<const MenuItem> items) {
    GtkWidget *menu = gtk_menu_new();
    for (const MenuItem &entry : items)
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), BuildItem(session, entry));
    g_signal_connect(menu, "show", G_CALLBACK(RefreshMenu), nullptr);
    return menu;
}

}  // namespace

GtkWidget *BuildMenuBar(GameSession &session) {
    GtkWidget *menuBar = gtk_menu_bar_new();
    // Named for the style sheet, which keeps the bar compact.
    gtk_widget_set_name(menuBar, "main-menu-bar");
    for (const Menu &menu : MainMenu()) {
        std::string label = MnemonicLabel(menu.text);
        GtkWidget *item = gtk_menu_item_new_with_mnemonic(label.c_str());
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), BuildMenu(session, menu.items));
        gtk_menu_shell_append(GTK_MENU_SHELL(menuBar), item);
    }
    return menuBar;
}

bool MenuBarOpen(GtkWidget *menuBar) {
    bool open = false;
    GList *items = gtk_container_get_children(GTK_CONTAINER(menuBar));
    for (GList *entry = items; entry != nullptr && !open; entry = entry->next) {
        GtkWidget *menu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(entry->data));
        open = menu != nullptr && gtk_widget_get_mapped(menu);
    }
    g_list_free(items);
    return open;
}

}  // namespace shell
