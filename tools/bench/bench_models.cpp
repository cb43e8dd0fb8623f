// The benchmark's meshes. The stress layers are flat grids facing a camera straight above them,
// so every one of their faces is a front face; the arena holds match-sized robots and scenery.
#include "bench_models.h"

#include <algorithm>

#include "shapes/figures.h"
#include "shapes/object_file.h"
#include "shapes/panel.h"

using shapes::Material;
using shapes::Placement;
using shapes::TaggedShape;

namespace {

constexpr float kScreenDistance = 300;  // the engine's default projection distance
constexpr float kScreenWidth = 640, kScreenHeight = 480;
// Layers reach a little past the screen's edges, so the fillers clip as they do in a game.
constexpr float kOverhang = 1.1f;

// A grid of cells facing the camera, seen at depth below it. Across runs along the screen's
// width (world y), down along its height (world x). Small cells lie far away, as in a scene.
struct StressLayer {
    char letter;
    int across, down;
    float depth;
    Material even, odd;
};

constexpr StressLayer kStressLayers[] = {
    {'A', 62, 48, 620, {90, 90, 160, 0}, {70, 70, 130, 0}},
    {'B', 40, 30, 520, {60, 140, 90, 0.3}, {40, 110, 70, 0.3}},
    {'C', 26, 22, 420, {170, 120, 60, 0}, {140, 90, 40, 0}},
    {'D', 16, 12, 320, {150, 60, 60, 0.5}, {120, 40, 40, 0.5}},
    {'E', 8, 6, 220, {200, 200, 210, 0}, {160, 160, 170, 0}},
    {'F', 4, 3, 120, {230, 190, 60, 0.2}, {200, 150, 30, 0.2}},
};

constexpr int CountStressCells() {
    int cells = 0;
    for (const StressLayer &layer : kStressLayers) cells += layer.across * layer.down;
    return cells;
}
// Exactly the polygons a frame may hold, all facing the camera: the list ends up full.
static_assert(CountStressCells() == TZ_MAX_POLYGONS);

// The most grid rows of a layer one mesh can hold within the object file's value limit.
int RowsPerPiece(const StressLayer &layer) {
    const int valuesPerRow = 3 * (layer.across + 1) + 6 * layer.across;
    const int fixedValues = 3 + 8 + 3 * (layer.across + 1);
    return std::max(1, (shapes::kMostBlockValues - fixedValues) / valuesPerRow);
}

float CellSizeDown(const StressLayer &layer) {
    return kScreenHeight * layer.depth / kScreenDistance * kOverhang / layer.down;
}

float CellSizeAcross(const StressLayer &layer) {
    return kScreenWidth * layer.depth / kScreenDistance * kOverhang / layer.across;
}

struct PieceOfLayer {
    StressPiece piece;
    int rows;
};

std::vector<PieceOfLayer> PiecesOf(const StressLayer &layer) {
    std::vector<PieceOfLayer> pieces;
    const int perPiece = RowsPerPiece(layer);
    const float cell = CellSizeDown(layer);
    for (int first = 0, index = 1; first < layer.down; first += perPiece, ++index) {
        int rows = std::min(perPiece, layer.down - first);
        float centre = (first + rows * 0.5f - layer.down * 0.5f) * cell;
        std::string tag = std::string("Stress") + layer.letter + std::to_string(index);
        pieces.push_back({{tag, {centre, 0, kStressCameraHeight - layer.depth}}, rows});
    }
    return pieces;
}

void AddStressModels(std::vector<TaggedShape> &blocks) {
    for (const StressLayer &layer : kStressLayers) {
        for (const PieceOfLayer &part : PiecesOf(layer)) {
            Placement placement{
                {}, {part.rows * CellSizeDown(layer), layer.across * CellSizeAcross(layer), 0}};
            blocks.push_back({part.piece.tag, "stress layer piece facing up",
                              shapes::MakeCheckerPanel(placement, part.rows, layer.across,
                                                       layer.even, layer.odd)});
        }
    }
}

void AddArenaModels(std::vector<TaggedShape> &blocks) {
    const shapes::RobotPaint paints[] = {
        {{70, 110, 200, 0.6}, {60, 60, 70, 0.2}, {230, 180, 40, 0.8}},
        {{200, 60, 50, 0.6}, {60, 60, 70, 0.2}, {220, 220, 220, 0.8}},
        {{90, 170, 80, 0.6}, {50, 50, 50, 0.2}, {240, 120, 30, 0.8}},
    };
    for (int i = 0; i < 3; ++i) {
        blocks.push_back({"Robot" + std::to_string(i + 1), "robot, 40 tall",
                          shapes::MakeRobotFigure(40, paints[i])});
    }
    const Material stone{150, 140, 130, 0.1};
    blocks.push_back({"Tower", "obstacle, 100 across",
                      shapes::MakeBlockTower(100, {170, 160, 140, 0}, {150, 60, 50, 0.2})});
    blocks.push_back({"Boulder", "obstacle, 110 across", shapes::MakeBoulder(110, stone)});
    blocks.push_back({"Pillar", "obstacle, 80 across", shapes::MakePillar(80, stone)});
    blocks.push_back({"Missile", "projectile, 12 long",
                      shapes::MakeMissile(12, {220, 220, 220, 0.5}, {230, 60, 30, 0.5})});
    blocks.push_back({"Arena", "ground, 1600 square",
                      shapes::MakeCheckerPanel({{}, {1600, 1600, 0}}, 20, 20, {120, 110, 90, 0},
                                               {100, 95, 80, 0})});
}

}  // namespace

std::vector<StressPiece> StressPieces() {
    std::vector<StressPiece> pieces;
    for (const StressLayer &layer : kStressLayers) {
        for (const PieceOfLayer &part : PiecesOf(layer)) pieces.push_back(part.piece);
    }
    return pieces;
}

void WriteBenchModels(const std::filesystem::path &path) {
    std::vector<TaggedShape> blocks;
    AddStressModels(blocks);
    AddArenaModels(blocks);
    shapes::WriteObjectFile(path, blocks);
}

LoadedMeshes::~LoadedMeshes() {
    for (Entry &entry : entries_) FreeObjectData(entry.data.get());
}

bool LoadedMeshes::ReadAll(const std::filesystem::path &path, std::string &problem) {
    std::vector<std::string> tags{"Robot1",  "Robot2", "Robot3",  "Tower",
                                  "Boulder", "Pillar", "Missile", "Arena"};
    for (const StressPiece &piece : StressPieces()) tags.push_back(piece.tag);
    for (const std::string &tag : tags) {
        auto data = std::make_unique<ObjectData>();
        int32_t read = ReadObjectData(data.get(), path.c_str(), tag.c_str());
        entries_.push_back({tag, std::move(data)});
        if (read != 1) {
            problem = "cannot read the mesh '" + tag + "' from " + path.string();
            return false;
        }
    }
    return true;
}

ObjectData *LoadedMeshes::Find(const std::string &tag) {
    for (Entry &entry : entries_) {
        if (entry.tag == tag) return entry.data.get();
    }
    return nullptr;
}
