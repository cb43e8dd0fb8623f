// Generates demo.m3d, the few meshes trazel-demo draws: a robot, a pyramid, a ball, a ground tile.
#include <cstdio>
#include <exception>
#include <vector>

#include "shapes/figures.h"
#include "shapes/object_file.h"
#include "shapes/panel.h"
#include "shapes/solids.h"

using namespace shapes;

namespace {

std::vector<TaggedShape> DemoModels() {
    const RobotPaint paint{{70, 110, 200, 0.6}, {60, 60, 70, 0.2}, {230, 180, 40, 0.8}};
    const Material sandstone{200, 150, 90, 0.1};
    const Material ball{200, 40, 60, 0.9};
    const Material grass{70, 140, 60, 0};
    const Material moss{50, 110, 50, 0};
    return {
        {"Robot", "demo robot, 40 units tall, facing +x", MakeRobotFigure(40, paint)},
        {"Pyramid", "demo pyramid, 40 across", MakePyramid({{0, 0, 15}, {40, 40, 30}}, sandstone)},
        {"Ball", "demo ball, 30 across, centred", MakeSphere({{}, {30, 30, 30}}, 8, 12, ball)},
        {"Ground", "demo ground tile, 240 square, facing up",
         MakeCheckerPanel({{}, {240, 240, 0}}, 8, 8, grass, moss)},
    };
}

}  // namespace

int main(int argc, char **argv) {
    const char *path = argc > 1 ? argv[1] : "demo.m3d";
    try {
        WriteObjectFile(path, DemoModels());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_demo_model: %s\n", error.what());
        return 1;
    }
    std::printf("wrote %s\n", path);
    return 0;
}
