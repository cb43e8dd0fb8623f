// The tool bar's button pictures: 20 x 20 pixels on the light grey of the bar, in the classic
// 16 colours, drawn pixel by pixel.
#pragma once

#include "pictures/cairo_handles.h"

namespace pictures {

// The buttons by the command each one sends.
enum class ToolbarButton {
    Start = 20001,    // a traffic light showing green
    Gun = 20002,      // yellow shots in a diagonal line
    Missile = 20003,  // a missile trailing a white exhaust cloud
    Bomb = 20004,     // a round bomb with a burning fuse
};

inline constexpr int kToolbarPictureSize = 20;

// Draws the button's picture on an opaque RGB surface.
Surface DrawToolbarPicture(ToolbarButton button);

}  // namespace pictures
