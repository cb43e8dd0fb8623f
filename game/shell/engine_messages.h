// The engine's messages ("TRAZEL") shown as modal message boxes over the game's frame.
#pragma once

#include <gtk/gtk.h>

namespace shell {

// Routes the engine's messages to message boxes; call before the engine is opened.
void InstallEngineMessageBox();

// The window the boxes stand over (null: none); the frame, once it exists.
void SetEngineMessageParent(GtkWindow *parent);

// While one lives, a draw or size-allocate handler is running: a message box there would run a
// nested loop inside drawing or layout, so messages wait for the next idle moment instead.
class PaintScope {
  public:
    PaintScope();
    PaintScope(const PaintScope &) = delete;
    PaintScope &operator=(const PaintScope &) = delete;
    ~PaintScope();
};

}  // namespace shell
