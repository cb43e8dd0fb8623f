// The game's commands: menu items, tool bar buttons and keys, by their fixed numbers.
#pragma once

#include <cstdint>

namespace match {

enum CommandId : int32_t {
    kHelpDocumentCommand = 1,
    kTopViewCommand = 2,
    kSideViewCommand = 3,
    kMiddleViewCommand = 4,
    kScoreClearCommand = 101,
    kFrameEditorCommand = 102,
    kFrameReadCommand = 103,
    kFrameWriteCommand = 104,
    kStartCommand = 109,
    kLevel1Command = 121,  // ...kLevel1Command + 7 for level 8
    kVersusCommand = 129,
    kShieldCommand = 131,
    kWireFrameCommand = 141,
    kSolidPaintCommand = 142,
    kHalftonePaintCommand = 143,
    kGouraudShadingCommand = 144,
    kPaletteDisplayCommand = 145,  // the 256-colour display, from the next start
    kSoundEffectsCommand = 151,
    kMusicCommand = 152,
    kPort1Command = 161,    // ...163 for port 3
    kNetworkCommand = 164,  // the network line, after asking for the other PC's address
    kVersionCommand = 191,
    kStartButton = 20001,
    kGunButton = 20002,
    kMissileButton = 20003,
    kBombButton = 20004,  // no window handles it
    kExitCommand = 24310,
};

// How a menu item or tool button shows: grey or not, checked or not.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

}  // namespace match
