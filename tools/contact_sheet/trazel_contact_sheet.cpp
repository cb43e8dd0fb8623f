// trazel-contact-sheet: every model of an object file in its own labelled cell, one sheet per
// model mode, for reviewing how the models look.
#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "model_portrait.h"
#include "model_tags.h"
#include "sheet_layout.h"

namespace {

struct SheetKind {
    int32_t displayFormat;
    int32_t modelMode;
    const char *fileName;
    const char *title;
};

// The first sheet is the overview; the others show each model mode.
constexpr SheetKind kSheets[] = {
    {TZ_DISPLAY_TRUE_COLOR, TZ_MODEL_SOLID, "contact-sheet.png", "フラット（フルカラー）"},
    {TZ_DISPLAY_TRUE_COLOR, TZ_MODEL_WIRE, "contact-sheet-wire.png", "ワイヤーフレーム"},
    {TZ_DISPLAY_PALETTE, TZ_MODEL_SOLID, "contact-sheet-flat.png", "フラット（256色）"},
    {TZ_DISPLAY_PALETTE, TZ_MODEL_HALFTONE, "contact-sheet-halftone.png", "ハーフトーン（256色）"},
    {TZ_DISPLAY_PALETTE, TZ_MODEL_GOURAUD, "contact-sheet-gouraud.png", "グーロー（256色）"},
};

constexpr const char *kFace = "ＭＳ Ｐゴシック";
int messagesShown = 0;

void CountEngineMessage(void *, const char *caption, const char *text, int32_t) {
    std::fprintf(stderr, "trazel-contact-sheet: %s: %s\n", caption, text);
    ++messagesShown;
}

void DrawLabel(cairo_t *sheet, int32_t x, int32_t y, const std::string &tag,
               const Portrait &portrait) {
    char details[96];
    std::snprintf(details, sizeof details, "  %d面 r=%.0f", portrait.planes, portrait.radius);
    std::string label = tag + details;
    Font(nullptr, sheet, x + 4, y + SheetLayout::kCellHeight + 3, "lt", label.c_str(),
         TZ_RGB(230, 230, 230), TZ_NO_COLOR, kFace, 15);
}

bool DrawSheet(const SheetKind &kind, const std::string &modelPath,
               const std::vector<std::string> &tags, const std::filesystem::path &folder) {
    TzSetDisplayFormat(kind.displayFormat);
    if (OpenTrazel(1) != 1) return false;
    SetModelMode(kind.modelMode);
    SheetLayout layout{static_cast<int32_t>(tags.size())};
    cairo_surface_t *picture =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, layout.Width(), layout.Height());
    cairo_t *sheet = cairo_create(picture);
    cairo_set_source_rgb(sheet, 0.08, 0.08, 0.1);
    cairo_paint(sheet);
    std::string title = modelPath + " — " + kind.title;
    Font(nullptr, sheet, 8, 6, "lt", title.c_str(), TZ_RGB(255, 255, 160), TZ_NO_COLOR, kFace, 22);
    bool allDrawn = true;
    for (size_t i = 0; i < tags.size(); ++i) {
        Portrait portrait{};
        int32_t x = layout.CellX(static_cast<int32_t>(i)),
                y = layout.CellY(static_cast<int32_t>(i));
        if (!DrawPortrait(modelPath, tags[i], SheetLayout::kCellWidth - 4,
                          SheetLayout::kCellHeight - 4, &portrait)) {
            allDrawn = false;
            continue;
        }
        TzPresent(sheet, x + 2, y + 2);
        DrawLabel(sheet, x, y, tags[i], portrait);
    }
    CloseTrazel();
    std::filesystem::path file = folder / kind.fileName;
    bool written = cairo_surface_write_to_png(picture, file.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(sheet);
    cairo_surface_destroy(picture);
    if (written) std::printf("wrote %s\n", file.c_str());
    return written && allDrawn;
}

}  // namespace

int main(int argc, char **argv) {
    std::string modelPath = argc > 1 ? argv[1] : TRAZEL_MODEL_LIBRARY;
    std::filesystem::path folder = argc > 2 ? argv[2] : "contact-sheet";
    std::vector<std::string> tags = ReadModelTags(modelPath);
    if (tags.empty()) {
        std::fprintf(stderr, "trazel-contact-sheet: no models found in '%s'\n", modelPath.c_str());
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "trazel-contact-sheet: cannot create '%s': %s\n", folder.c_str(),
                     error.message().c_str());
        return 1;
    }
    TzSetMessageProc(CountEngineMessage);
    bool allDrawn = true;
    for (const SheetKind &kind : kSheets)
        allDrawn = DrawSheet(kind, modelPath, tags, folder) && allDrawn;
    std::printf("%zu models on %zu sheets in %s\n", tags.size(), std::size(kSheets),
                std::filesystem::absolute(folder).c_str());
    return allDrawn && messagesShown == 0 ? 0 : 1;
}
