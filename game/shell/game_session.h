// What the GTK hosts ask of the running program: the game window, the close path, the menu.
#pragma once

#include <functional>

#include "match/main_window.h"

namespace shell {

class GameSession {
  public:
    virtual ~GameSession() = default;
    // Runs call with the game window while it exists and the program is not quitting. The game
    // window is destroyed only after the outermost of these calls has returned, never under a
    // handler of its own.
    virtual void WithGame(const std::function<void(match::TMainFrm &)> &call) = 0;
    // True once closing has been agreed: the game loop ends and the program follows.
    virtual bool Quitting() const = 0;
    // The close path of the close box, the exit command and Esc: asks the close check first.
    virtual void RequestClose() = 0;
    // True while a menu of the menu bar is open; the game stands still meanwhile.
    virtual bool MenuOpen() const = 0;
};

}  // namespace shell
