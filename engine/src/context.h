// The engine's one process-wide context: open state, settings, back buffer and frame work buffers.
#pragma once

#include <cstdio>

#include "trazel.h"

namespace trazel {

// A convex plane of at most eight corners gains one point at the near clip; a folded one can gain
// one per corner.
constexpr int kMaxScreenPoints = 16;

// One projected polygon of the frame's polygon list.
struct ScreenPolygon {
    float depth;  // view depth of the farthest corner: the sort key
    TzColor color;
    int32_t count;
    TzPoint points[kMaxScreenPoints];
    TzColor vertexColors[kMaxScreenPoints];
    uint8_t clipped;  // Gouraud: vertex colours already set by the near clip
};

// Per-row edge entries of the palette fillers: two x values and two colours per row.
struct EdgeRow {
    int32_t x[2];
    uint8_t channel[2][3];
};

struct BackBuffer {
    cairo_t *dc = nullptr;               // drawing context given to the client
    void *bits = nullptr;                // pixels: 8-bit indices or 32-bit RGB
    cairo_surface_t *surface = nullptr;  // the picture TzPresent paints
    TzPalette *palette = nullptr;
    int32_t width = 0;
    int32_t height = 0;  // palette buffers: positive rows bottom-up, negative top-down
    int32_t stride = 0;
    void *owner = nullptr;  // window that owns messages about the buffer

    // What the engine created itself and must release; the client's items are only borrowed.
    cairo_t *ownDc = nullptr;
    void *ownBits = nullptr;
    size_t ownBytes = 0;
    cairo_surface_t *ownSurface = nullptr;
    cairo_surface_t *layer = nullptr;  // palette mode: what ownDc draws on (client_layer.h)

    EdgeRow *edges = nullptr;  // palette fillers' edge table, one entry per row
    int32_t edgeRows = 0;
};

// The per-frame work arrays, allocated once by OpenTrazel.
struct FrameWork {
    ScreenPolygon *polygons = nullptr;
    uint16_t *order = nullptr;  // drawing order of the polygon list
    uint16_t *orderScratch = nullptr;
    float *viewDepth = nullptr;
    float *viewY = nullptr;
    float *viewZ = nullptr;
    TzPoint *screen = nullptr;
    uint8_t *needed = nullptr;
    float *facing = nullptr;
};

struct Context {
    bool open = false;
    int32_t messages = 1;
    int32_t displayFormat = TZ_DISPLAY_TRUE_COLOR;
    bool paletteMode = false;

    // View settings: plain values that survive CloseTrazel and a later OpenTrazel.
    float screenDistance = 300.0f;
    float clipDistance = 30.0f;
    float centerX = 0.0f;
    float centerY = 0.0f;
    int32_t modelMode = TZ_MODEL_HALFTONE;
    Vector3 light{220.0f, 50.0f, -255.0f};
    float ambient = 0.4f;
    float highlightExponent = 40.0f;

    BackBuffer back;
    TzPalette palette{};  // the halftone palette with the exact cube colours
    FrameWork work;
    TzObjectPointProc objectPointProc = nullptr;
    std::FILE *recording = nullptr;  // TRAZEL.3DA while ModelMode 4 records
};

extern Context context;

// The palette-mode cube: channel level 0..5 of a value 0..255, and the palette index of a cube
// index.
inline int CubeLevel(int channel) {
    return channel / 51;
}
extern const uint8_t kCubeToPalette[216];
inline uint8_t PaletteIndexOfLevels(int red, int green, int blue) {
    return kCubeToPalette[red + 6 * green + 36 * blue];
}
inline uint8_t PaletteIndexOf(TzColor color) {
    return PaletteIndexOfLevels(CubeLevel(TZ_RED(color)), CubeLevel(TZ_GREEN(color)),
                                CubeLevel(TZ_BLUE(color)));
}

// Builds the halftone palette with the cube's exact colours.
void BuildHalftonePalette(TzPalette *palette);

// The palette the indices are shown through: the client's, if it lent one.
inline const TzPalette &ShownPalette() {
    return context.back.palette != nullptr ? *context.back.palette : context.palette;
}

// True when the back buffer can be drawn into.
inline bool HasBackBuffer() {
    return context.back.bits != nullptr && context.back.width > 0 && context.back.height != 0;
}

// True when the engine may write the back buffer's bits: they hold its rows in the display
// format's pixels. A lent buffer that does not is refused with a message, once per situation.
bool CanWriteBackBuffer();
// True when presenting may convert palette indices into the back buffer's surface, an RGB24
// image; otherwise refused as CanWriteBackBuffer refuses.
bool CanConvertIntoSurface();
// A changed back buffer is a new situation: its misfits are said again.
void ForgetMisfits();

// Releases the back-buffer items the engine created.
void ReleaseBackBuffer();

}  // namespace trazel
