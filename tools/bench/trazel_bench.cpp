// trazel-bench: frame times of the engine in every model mode and both display formats, for a
// scene that fills the polygon list and a match-like arena, and flat fills against plain cairo.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_scenes.h"
#include "engine_session.h"
#include "fill_comparison.h"
#include "polygon_capture.h"
#include "scratch_folder.h"
#include "timing.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr int kRuns = 5;
constexpr int kMostFramesPerRun = 300;
// Mode 4 appends every frame to TRAZEL.3DA (some 180 KB per stress frame): fewer frames there.
constexpr int kMostRecordedFramesPerRun = 20;
// Runs are cut to about this long, so the whole benchmark stays within a minute or so.
constexpr double kRunTargetMilliseconds = 200;

struct Format {
    int32_t format;
    const char *name;
    std::vector<int32_t> modes;
};

const Format kFormats[] = {
    {TZ_DISPLAY_TRUE_COLOR,
     "true colour",
     {TZ_MODEL_WIRE, TZ_MODEL_SOLID, TZ_MODEL_HALFTONE, TZ_MODEL_RECORD, TZ_MODEL_NOTHING}},
    {TZ_DISPLAY_PALETTE,
     "palette",
     {TZ_MODEL_WIRE, TZ_MODEL_SOLID, TZ_MODEL_HALFTONE, TZ_MODEL_GOURAUD, TZ_MODEL_RECORD,
      TZ_MODEL_NOTHING}},
};

const char *ModeName(int32_t mode) {
    switch (mode) {
        case TZ_MODEL_WIRE:
            return "0 wire";
        case TZ_MODEL_SOLID:
            return "1 flat";
        case TZ_MODEL_HALFTONE:
            return "2 halftone";
        case TZ_MODEL_GOURAUD:
            return "3 Gouraud";
        case TZ_MODEL_RECORD:
            return "4 recording";
    }
    return "999 nothing";
}

std::vector<BenchScene> BothScenes(LoadedMeshes &meshes) {
    return {StressScene(meshes), ArenaScene(meshes)};
}

void MeasureMode(BenchScene &scene, const Format &format, int32_t mode) {
    SetModelMode(mode);
    // The first frame after a mode change pays for setting up (the recording file, caches).
    const int32_t polygons = DrawFrame(scene);
    double sample = TimeOnce([&] { DrawFrame(scene); });
    const int most = mode == TZ_MODEL_RECORD ? kMostRecordedFramesPerRun : kMostFramesPerRun;
    int frames = RepetitionsFor(sample, kRunTargetMilliseconds, 3, most);
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        runs.push_back(TimeOnce([&] {
                           for (int i = 0; i < frames; ++i) DrawFrame(scene);
                       }) /
                       frames);
    }
    double milliseconds = Median(runs);
    std::printf("%-7s %-12s %-12s %8d %10d %10.3f %12.2f M\n", scene.name.c_str(), format.name,
                ModeName(mode), polygons, frames, milliseconds, polygons / milliseconds / 1000);
}

struct FillRow {
    std::string scene;
    const char *format;
    size_t polygons;
    FillComparison comparison;
};

std::vector<FillRow> MeasureFormat(const Format &format, const fs::path &models) {
    std::vector<RecordedFrame> captured =
        CaptureProjectedPolygons(format.format, kWidth, kHeight, models);
    EngineSession session(format.format, kWidth, kHeight);
    LoadedMeshes meshes;
    std::string problem;
    if (!session.IsReady() || !meshes.ReadAll(models, problem))
        throw std::runtime_error("cannot prepare the engine: " + problem);
    std::vector<BenchScene> scenes = BothScenes(meshes);
    for (BenchScene &scene : scenes) {
        for (int32_t mode : format.modes) MeasureMode(scene, format, mode);
    }
    std::vector<FillRow> rows;
    for (size_t i = 0; i < scenes.size(); ++i) {
        rows.push_back(
            {scenes[i].name, format.name, captured[i].size(),
             CompareFlatFills(captured[i], kWidth, kHeight, kRuns, kRunTargetMilliseconds)});
    }
    return rows;
}

void PrintFillRows(const std::vector<FillRow> &rows) {
    std::printf(
        "\nFlat fills of the same projected polygons (from a mode 4 recording), %d runs,"
        " alternating:\n",
        kRuns);
    std::printf("%-7s %-12s %8s %14s %18s %12s\n", "scene", "format", "polygons", "cairo ms",
                "TzFillPolygon ms", "engine/cairo");
    for (const FillRow &row : rows) {
        const FillComparison &c = row.comparison;
        std::printf("%-7s %-12s %8zu %14.3f %18.3f %12.2f\n", row.scene.c_str(), row.format,
                    row.polygons, c.cairoMilliseconds, c.engineMilliseconds,
                    c.engineMilliseconds / c.cairoMilliseconds);
    }
}

void RunBenchmark() {
    ScratchFolder scratch;
    const fs::path models = scratch.Path() / "bench.m3d";
    WriteBenchModels(models);
    std::printf(
        "trazel-bench: %dx%d, each frame TzPatBlt + Trazel; median of %d runs of up to %d"
        " frames (%d in mode 4)\n\n",
        kWidth, kHeight, kRuns, kMostFramesPerRun, kMostRecordedFramesPerRun);
    std::printf("%-7s %-12s %-12s %8s %10s %10s %14s\n", "scene", "format", "mode", "polygons",
                "frames/run", "ms/frame", "polygons/s");
    std::vector<FillRow> fillRows;
    for (const Format &format : kFormats) {
        std::vector<FillRow> rows = MeasureFormat(format, models);
        fillRows.insert(fillRows.end(), rows.begin(), rows.end());
    }
    PrintFillRows(fillRows);
}

}  // namespace

int main() {
    try {
        RunBenchmark();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "trazel-bench: %s\n", error.what());
        return 1;
    }
    if (EngineMessageCount() > 0) {
        std::fprintf(stderr, "trazel-bench: the engine showed %d messages\n", EngineMessageCount());
        return 1;
    }
    return 0;
}
