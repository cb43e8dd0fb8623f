// trazel-demo: draws a small lit scene in every model mode and both display formats, as PNG files.
#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

#include "demo_scene.h"
#include "trazel.h"

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr const char *kCaptionFace = "ＭＳ Ｐゴシック";

struct Format {
    int32_t format;
    const char *fileName;
    const char *caption;
};

struct Mode {
    int32_t mode;
    const char *fileName;
    const char *caption;
};

constexpr Format kFormats[] = {{TZ_DISPLAY_TRUE_COLOR, "truecolor", "フルカラー"},
                               {TZ_DISPLAY_PALETTE, "palette", "256色"}};

constexpr Mode kModes[] = {{TZ_MODEL_WIRE, "mode0-wire", "ワイヤーフレーム"},
                           {TZ_MODEL_SOLID, "mode1-flat", "フラット"},
                           {TZ_MODEL_HALFTONE, "mode2-halftone", "ハーフトーン"},
                           {TZ_MODEL_GOURAUD, "mode3-gouraud", "グーロー"},
                           {TZ_MODEL_RECORD, "mode4-recording", "ハーフトーン＋記録"}};

void PrintEngineMessage(void *, const char *caption, const char *text, int32_t) {
    std::fprintf(stderr, "trazel-demo: %s: %s\n", caption, text);
}

std::string Caption(const Format &format, const Mode &mode) {
    std::string caption = mode.caption;
    // Gouraud shading exists only in palette mode; elsewhere the engine draws halftone instead.
    if (GetModelMode() != mode.mode) caption += "（ハーフトーンで描画）";
    return caption + " / " + format.caption;
}

// Writes the back buffer, presented as the game would present it, to a PNG file.
bool SavePicture(const std::string &fileName) {
    cairo_surface_t *picture = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t *target = cairo_create(picture);
    bool saved = TzPresent(target, 0, 0) == 1 &&
                 cairo_surface_write_to_png(picture, fileName.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(target);
    cairo_surface_destroy(picture);
    return saved;
}

bool DrawMode(cairo_t *backBuffer, DemoScene &scene, const Format &format, const Mode &mode,
              const std::string &shownFolder) {
    SetModelMode(mode.mode);
    TzPatBlt(TZ_RGB(24, 32, 64));
    Trazel(static_cast<int32_t>(scene.size()) - 1, scene.data());
    TzSize size{};
    Font(&size, backBuffer, 12, 10, "lt", Caption(format, mode).c_str(), TZ_RGB(255, 255, 255),
         TZ_NO_COLOR, kCaptionFace, 20);
    std::string fileName = std::string(format.fileName) + "-" + mode.fileName + ".png";
    if (!SavePicture(fileName)) {
        std::fprintf(stderr, "trazel-demo: cannot write %s/%s\n", shownFolder.c_str(),
                     fileName.c_str());
        return false;
    }
    std::printf("wrote %s/%s\n", shownFolder.c_str(), fileName.c_str());
    return true;
}

enum class Outcome { Drawn, ModelUnreadable, Failed };

Outcome DrawScene(cairo_t *backBuffer, const Format &format, const std::string &modelPath,
                  const std::string &shownFolder) {
    SetDemoView();  // before reading: meshes take their flat colours from the light as they load
    DemoMeshes meshes;
    std::string problem;
    if (!ReadDemoMeshes(modelPath, meshes, problem)) {
        std::fprintf(stderr, "trazel-demo: %s\n", problem.c_str());
        return Outcome::ModelUnreadable;
    }
    DemoScene scene = PlaceDemoScene(meshes);
    Outcome outcome = Outcome::Drawn;
    for (const Mode &mode : kModes) {
        if (!DrawMode(backBuffer, scene, format, mode, shownFolder)) outcome = Outcome::Failed;
    }
    FreeDemoMeshes(meshes);
    return outcome;
}

Outcome DrawFormat(const Format &format, const std::string &modelPath,
                   const std::string &shownFolder) {
    if (TzSetDisplayFormat(format.format) != 1 || OpenTrazel(1) != 1) {
        std::fprintf(stderr, "trazel-demo: cannot open the engine for %s\n", format.fileName);
        return Outcome::Failed;
    }
    Outcome outcome = Outcome::Failed;
    if (cairo_t *backBuffer = ResizeTrazel(nullptr, kWidth, kHeight)) {
        outcome = DrawScene(backBuffer, format, modelPath, shownFolder);
    } else {
        std::fprintf(stderr, "trazel-demo: cannot create a %dx%d back buffer\n", kWidth, kHeight);
    }
    CloseTrazel();
    return outcome;
}

}  // namespace

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    const std::string modelArgument = argc > 1 ? argv[1] : TRAZEL_DEMO_MODEL;
    const std::string folder = argc > 2 ? argv[2] : "trazel-demo-output";
    std::error_code error;
    const std::string modelPath = fs::absolute(modelArgument, error).string();
    fs::create_directories(folder, error);
    const fs::path outputFolder = fs::absolute(folder, error);
    // The engine writes its polygon recording into the current folder: keep it with the pictures.
    fs::current_path(outputFolder, error);
    if (error) {
        std::fprintf(stderr, "trazel-demo: cannot use the output folder %s\n", folder.c_str());
        return 2;
    }
    TzSetMessageProc(PrintEngineMessage);
    for (const Format &format : kFormats) {
        Outcome outcome = DrawFormat(format, modelPath, folder);
        if (outcome == Outcome::ModelUnreadable) return 1;
        if (outcome == Outcome::Failed) return 2;
    }
    // Each opening of the engine starts TRAZEL.3DA afresh, so it holds the last format's frame.
    std::printf("%zu pictures and the mode 4 polygon recording TRAZEL.3DA (%s) are in %s\n",
                std::size(kFormats) * std::size(kModes), std::rbegin(kFormats)->caption,
                outputFolder.c_str());
    return 0;
}
