// The model library: every tag the game reads is there, reads through the engine without a word,
// is built the right way round and within the frame budget, and the committed file is exactly
// what the generator writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "mesh_checks.h"
#include "models/model_catalogue.h"
#include "trazel.h"

namespace {

const std::vector<std::string> kRobotTags{"My_Fream", "FlyFream", "HotDog",    "Mount", "Octplus",
                                          "Dragon",   "Quado",    "MetalGirl", "Dang",  "Power"};
const std::vector<std::string> kWeaponTags{
    "Std_Gun",    "Lazer_Gun",  "Puls_Gun",   "Dlil_Gun",    "Hart_Gun",    "Std_Miss",
    "Hom_Miss",   "Lazer_Miss", "2W_Miss",    "MoveBom",     "Balier",      "Star_Miss",
    "Lazer_Gun1", "Lazer_Gun2", "Lazer_Gun3", "Crush1",      "Crush2",      "Crush3",
    "smok1",      "smok2",      "smok3",      "Lazer_smok1", "Lazer_smok2", "Lazer_smok3",
    "Star_Miss1", "Star_Miss2", "Star_Miss3"};
const std::vector<std::string> kSceneryTags{"隕石", "小隕石",     "ビル", "山", "噴火",
                                            "雲",   "ピラミッド", "氷柱", "波", "タワー",
                                            "道",   "CPU",        "DOC"};
// A road lies flat on the ground: the only model that is a surface rather than a solid.
const std::set<std::string> kOpenSurfaces{"道"};

std::vector<std::string> AllTags() {
    std::vector<std::string> tags = kRobotTags;
    tags.insert(tags.end(), kWeaponTags.begin(), kWeaponTags.end());
    tags.insert(tags.end(), kSceneryTags.begin(), kSceneryTags.end());
    return tags;
}

const std::vector<shapes::TaggedShape> &Library() {
    static const std::vector<shapes::TaggedShape> library = models::ModelLibrary();
    return library;
}

const shapes::TaggedShape *Find(const std::string &tag) {
    for (const shapes::TaggedShape &model : Library()) {
        if (model.tag == tag) return &model;
    }
    return nullptr;
}

std::string ReadFile(const std::filesystem::path &path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

TEST(ModelLibrary, HoldsEveryTagTheGameReadsOnceAndNothingElse) {
    std::vector<std::string> tags;
    for (const shapes::TaggedShape &model : Library()) tags.push_back(model.tag);
    std::vector<std::string> expected = AllTags();
    std::sort(tags.begin(), tags.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(tags, expected);
}

TEST(ModelLibrary, CommittedFileIsWhatTheGeneratorWrites) {
    std::filesystem::path written = std::filesystem::temp_directory_path() /
                                    ("morvex-model-check-" + std::to_string(getpid()) + ".m3d");
    shapes::WriteObjectFile(written, Library());
    EXPECT_TRUE(ReadFile(written) == ReadFile(MORVEX_DATA "/morvex.m3d"))
        << "data/morvex.m3d is out of date: run make_model_library data/morvex.m3d";
    std::filesystem::remove(written);
}

std::vector<std::string> engineMessages;

void RecordEngineMessage(void *, const char *, const char *text, int32_t) {
    engineMessages.push_back(text);
}

TEST(ModelLibrary, EveryModelReadsThroughTheEngineWithoutAWord) {
    TzSetMessageProc(RecordEngineMessage);
    ASSERT_EQ(OpenTrazel(1), 1);
    for (const std::string &tag : AllTags()) {
        ObjectData mesh{};
        EXPECT_EQ(ReadObjectData(&mesh, MORVEX_DATA "/morvex.m3d", tag.c_str()), 1) << tag;
        EXPECT_GT(mesh.plnNum, 0) << tag;
        FreeObjectData(&mesh);
    }
    CloseTrazel();
    TzSetMessageProc(nullptr);
    EXPECT_TRUE(engineMessages.empty()) << engineMessages.front();
}

TEST(ModelLibrary, SolidsAreClosedAndFaceOutwards) {
    for (const shapes::TaggedShape &model : Library()) {
        SCOPED_TRACE(model.tag);
        if (kOpenSurfaces.count(model.tag)) continue;
        EXPECT_EQ(ClosureProblem(model.shape), "");
        EXPECT_GT(SignedVolume(model.shape), 0.0);
        EXPECT_EQ(FlatConvexProblem(model.shape), "");
    }
}

TEST(ModelLibrary, EveryFaceHasANormalTheEngineCanFind) {
    for (const shapes::TaggedShape &model : Library()) {
        for (const shapes::Face &face : model.shape.faces) {
            ASSERT_TRUE(EngineNormal(model.shape, face).has_value()) << model.tag;
        }
    }
}

shapes::Bounds BoundsOf(const std::string &tag) {
    const shapes::TaggedShape *model = Find(tag);
    return model != nullptr ? shapes::BoundsOf(model->shape) : shapes::Bounds{};
}

// Robots stand on the ground around their origin and are hit within 20 units of it.
TEST(ModelLibrary, RobotsStandOnTheGroundAroundTheirOrigin) {
    for (const std::string &tag : kRobotTags) {
        if (tag == "Power") continue;
        SCOPED_TRACE(tag);
        shapes::Bounds bounds = BoundsOf(tag);
        EXPECT_NEAR(bounds.lowest.z, 0.0, 0.5);
        EXPECT_GT(bounds.highest.z, 25.0);
        EXPECT_LT(bounds.highest.z, 140.0);
        for (double extent :
             {bounds.lowest.x, bounds.lowest.y, -bounds.highest.x, -bounds.highest.y}) {
            EXPECT_LT(extent, -10.0);
            EXPECT_GT(extent, -90.0);
        }
    }
}

// Missiles fly along -x in their own coordinates: long in x, with a pointed nose at the -x end.
TEST(ModelLibrary, MissilesPointTheirNoseAlongMinusX) {
    for (const char *tag : {"Std_Miss", "Hom_Miss", "Lazer_Miss", "Star_Miss"}) {
        SCOPED_TRACE(tag);
        const shapes::TaggedShape *model = Find(tag);
        ASSERT_NE(model, nullptr);
        shapes::Bounds bounds = shapes::BoundsOf(model->shape);
        double length = bounds.highest.x - bounds.lowest.x,
               width = bounds.highest.y - bounds.lowest.y;
        EXPECT_GT(length, 1.5 * width);
        for (const shapes::Point3 &vertex : model->shape.vertices) {
            if (vertex.x > bounds.lowest.x + 0.01 * length) continue;
            EXPECT_LT(std::abs(vertex.y), 0.2 * width) << "the nose is blunt or at the wrong end";
        }
    }
}

double Width(const shapes::Bounds &bounds) {
    return std::max({bounds.highest.x - bounds.lowest.x, bounds.highest.y - bounds.lowest.y,
                     bounds.highest.z - bounds.lowest.z});
}

// Shots fly at about the height of a robot's chest, never through the ground.
TEST(ModelLibrary, ProjectilesFlyAboveTheGroundAtChestHeight) {
    for (const char *tag : {"Std_Gun", "Lazer_Gun", "Puls_Gun", "Dlil_Gun", "Hart_Gun", "Std_Miss",
                            "Hom_Miss", "Lazer_Miss", "2W_Miss", "MoveBom", "Star_Miss"}) {
        shapes::Bounds bounds = BoundsOf(tag);
        EXPECT_GE(bounds.lowest.z, 0.0) << tag;
        EXPECT_NEAR((bounds.lowest.z + bounds.highest.z) / 2, 20.0, 8.0) << tag;
    }
}

// Beams start at the muzzle (the origin) and grow forward along -x.
TEST(ModelLibrary, BeamsGrowForwardFromTheMuzzle) {
    double previousReach = 0;
    for (const char *tag : {"Lazer_Gun1", "Lazer_Gun2", "Lazer_Gun3"}) {
        shapes::Bounds bounds = BoundsOf(tag);
        EXPECT_NEAR(bounds.highest.x, 0.0, 1.0) << tag;
        EXPECT_LT(-bounds.lowest.x, 900.0) << tag;
        EXPECT_GT(-bounds.lowest.x, previousReach) << tag;
        previousReach = -bounds.lowest.x;
    }
}

// Explosions and smoke puffs: the newest frame is the largest, fading to the last.
TEST(ModelLibrary, EffectsShrinkAsTheyFade) {
    const std::vector<std::vector<std::string>> sequences{
        {"Crush3", "Crush2", "Crush1"},
        {"smok1", "smok2", "smok3"},
        {"Lazer_smok1", "Lazer_smok2", "Lazer_smok3"},
        {"Star_Miss1", "Star_Miss2", "Star_Miss3"}};
    for (const std::vector<std::string> &sequence : sequences) {
        for (size_t i = 1; i < sequence.size(); ++i) {
            EXPECT_GT(Width(BoundsOf(sequence[i - 1])), Width(BoundsOf(sequence[i])))
                << sequence[i];
        }
    }
}

// "Crush3" is also the wreck that replaces a destroyed robot: it stands on the ground.
TEST(ModelLibrary, TheWreckStandsOnTheGroundAtRobotSize) {
    shapes::Bounds wreck = BoundsOf("Crush3");
    EXPECT_NEAR(wreck.lowest.z, 0.0, 0.5);
    EXPECT_GT(Width(wreck), 30.0);
}

// Three robots, five obstacles and a busy sky of projectiles must fit the 5000-polygon frame.
TEST(ModelLibrary, ModelsStayWithinTheFrameBudget) {
    const std::pair<const std::vector<std::string> *, size_t> families[] = {
        {&kRobotTags, 700}, {&kWeaponTags, 120}, {&kSceneryTags, 500}};
    for (const auto &[tags, most] : families) {
        for (const std::string &tag : *tags) {
            const shapes::TaggedShape *model = Find(tag);
            ASSERT_NE(model, nullptr) << tag;
            EXPECT_LE(model->shape.faces.size(), most) << tag;
        }
    }
}

}  // namespace
