// morvex: the program's entry: the display, the single-instance guard, then the game.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>

#include "engine_messages.h"
#include "morvex_app.h"
#include "platform/instance_lock.h"

namespace {

void ReportNoDisplay() {
    const char *display = std::getenv("DISPLAY");
    if (display != nullptr && display[0] != '\0') {
        std::fprintf(stderr, "morvex: cannot open the display \"%s\"\n", display);
    } else {
        std::fprintf(stderr,
                     "morvex: no display to open (DISPLAY is not set); Morvex needs a desktop\n");
    }
}

// The game draws everything itself and never uses OpenGL, yet opening the display would load the
// whole GL stack (tens of megabytes). The user's own choice, when set, stands.
void KeepToolkitGlOff() {
    setenv("GDK_GL", "disable", 0);
}

}  // namespace

int main(int argc, char **argv) {
    KeepToolkitGlOff();
    if (!gtk_init_check(&argc, &argv)) {
        ReportNoDisplay();
        return EXIT_FAILURE;
    }
    // One copy per user and display: a second one ends at once, showing nothing. When no lock
    // can be had at all, the game still runs rather than refusing to start.
    std::optional<platform::InstanceLock> lock;
    std::string lockFolder = platform::InstanceLockFolder();
    if (lockFolder.empty()) {
        std::fprintf(stderr, "morvex: no private folder for the instance lock\n");
    } else {
        const char *display = gdk_display_get_name(gdk_display_get_default());
        lock.emplace(platform::InstanceLockPath(lockFolder, display ? display : ""));
        if (lock->State() == platform::InstanceLock::Result::HeldByAnother) return EXIT_SUCCESS;
        if (lock->State() == platform::InstanceLock::Result::Failed)
            std::fprintf(stderr, "morvex: instance lock: %s\n", lock->Error().c_str());
    }
    shell::InstallEngineMessageBox();
    try {
        shell::TMorvexApp app;
        return app.Run();
    } catch (const std::exception &fault) {
        // Only setting the game up can end here; once it runs, faults end it in an orderly way.
        std::fprintf(stderr, "morvex: cannot start: %s\n", fault.what());
        return EXIT_FAILURE;
    }
}
