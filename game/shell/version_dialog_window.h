// The version dialog's host: a non-modal window built from its GtkBuilder layout.
#pragma once

#include <gtk/gtk.h>

#include "match/version_dialog.h"

namespace shell {

class VersionDialogWindow : public match::VersionDialogHost {
  public:
    explicit VersionDialogWindow(GtkWindow *frame);
    VersionDialogWindow(const VersionDialogWindow &) = delete;
    VersionDialogWindow &operator=(const VersionDialogWindow &) = delete;
    ~VersionDialogWindow() override;

    void Open() override;
    void Close() override;
    bool IsOpen() override;
    std::string Text(int32_t control) override;
    void SetText(int32_t control, const std::string &text) override;

  private:
    GtkLabel *Control(int32_t control);
    static void OnOk(GtkButton *, gpointer self);
    static gboolean OnKeyPress(GtkWidget *, GdkEventKey *event, gpointer self);
    static gboolean OnDelete(GtkWidget *, GdkEvent *, gpointer self);

    GtkWindow *frame_;
    GtkBuilder *builder_ = nullptr;
    GtkWidget *window_ = nullptr;
};

}  // namespace shell
