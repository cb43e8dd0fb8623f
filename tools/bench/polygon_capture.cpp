// Capturing projected polygons through the engine's own recording file.
#include "polygon_capture.h"

#include <stdexcept>
#include <string>

#include "bench_scenes.h"
#include "engine_session.h"

namespace fs = std::filesystem;

namespace {

// Closing the engine closes the recording file, so the session ends before the file is read.
void RecordOneFrameOfEach(int32_t format, int32_t width, int32_t height, const fs::path &models) {
    EngineSession session(format, width, height);
    LoadedMeshes meshes;
    std::string problem;
    if (!session.IsReady()) throw std::runtime_error("cannot open the engine for the capture");
    if (!meshes.ReadAll(models, problem)) throw std::runtime_error(problem);
    SetModelMode(TZ_MODEL_RECORD);
    BenchScene stress = StressScene(meshes);
    BenchScene arena = ArenaScene(meshes);
    DrawFrame(stress);
    DrawFrame(arena);
}

}  // namespace

std::vector<RecordedFrame> CaptureProjectedPolygons(int32_t format, int32_t width, int32_t height,
                                                    const fs::path &models) {
    const fs::path parent = fs::current_path();
    const fs::path folder = parent / ("capture-" + std::to_string(format));
    fs::create_directories(folder);
    fs::current_path(folder);
    try {
        RecordOneFrameOfEach(format, width, height, models);
    } catch (...) {
        fs::current_path(parent);
        throw;
    }
    fs::current_path(parent);
    std::vector<RecordedFrame> frames;
    std::string problem;
    if (!ReadRecording(folder / "TRAZEL.3DA", frames, problem))
        throw std::runtime_error("cannot read the capture back: " + problem);
    if (frames.size() != 2) throw std::runtime_error("the capture does not hold two frames");
    return frames;
}
