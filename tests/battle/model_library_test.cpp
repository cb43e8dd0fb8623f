// The model library: the check of the file as a whole, and a missing model's message given once.
#include "battle/model_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> engineMessages;

void RecordEngineMessage(void *, const char *, const char *text, int32_t) {
    engineMessages.push_back(text);
}

class ModelLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(OpenTrazel(1), 1);
        TzSetMessageProc(RecordEngineMessage);
        engineMessages.clear();
        // ctest runs the tests of this fixture side by side: each gets a folder of its own.
        folder = fs::path(::testing::TempDir()) /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(folder);
    }
    void TearDown() override {
        CloseTrazel();
        TzSetMessageProc(nullptr);
        fs::remove_all(folder);
    }
    std::string Write(const std::string &name, const std::string &content) {
        fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    static std::string RealLibrary() {
        std::ifstream file(MORVEX_DATA "/morvex.m3d", std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        return content.str();
    }

    fs::path folder;
};

TEST_F(ModelLibraryTest, ALibraryThatCannotServeIsToldApartByWhatIsWrong) {
    std::string whole = RealLibrary();
    struct Case {
        std::string path;
        const char *problem;  // nullptr: usable
    } cases[] = {
        {MORVEX_DATA "/morvex.m3d", nullptr},
        {(folder / "absent.m3d").string(), "ファイルがありません。"},
        {folder.string(), "ファイルを読めません。"},
        {Write("empty.m3d", ""), "ファイルが空です。"},
        {Write("words.m3d", "no tag here\n;*not one either\n"), "モデルが1つも入っていません。"},
        {Write("cut.m3d", whole.substr(0, whole.size() - 40)), "ファイルが途中で切れています"},
    };
    for (const Case &entry : cases) {
        std::optional<std::string> problem = battle::ModelLibraryProblem(entry.path);
        if (entry.problem == nullptr) {
            EXPECT_FALSE(problem.has_value()) << entry.path << ": " << *problem;
        } else {
            ASSERT_TRUE(problem.has_value()) << entry.path;
            EXPECT_EQ(problem->rfind(entry.problem, 0), 0u) << *problem;
        }
    }
    // The engine's own words about the broken model go into the answer, not onto the screen.
    EXPECT_NE(battle::ModelLibraryProblem(folder / "cut.m3d")->find("データが足りません"),
              std::string::npos);
    EXPECT_TRUE(engineMessages.empty());
}

TEST_F(ModelLibraryTest, AMissingModelIsReportedOncePerLibrary) {
    battle::SetModelLibraryPath(Write("small.m3d",
                                      "*Tri\n1 255 0 0 0.5\n3 0 0 0 1 0 0 0 1 0\n"
                                      "1 3 0 1 2 0\n"));
    ObjectData mesh{};
    EXPECT_TRUE(battle::LoadModel(mesh, "Tri"));
    for (int demoCycle = 0; demoCycle < 3; ++demoCycle) {
        EXPECT_FALSE(battle::LoadModel(mesh, "Dragon"));
        EXPECT_EQ(mesh.pntNum, 0);
    }
    EXPECT_EQ(engineMessages.size(), 1u);
    battle::SetModelLibraryPath(battle::ModelLibraryPath());
    EXPECT_FALSE(battle::LoadModel(mesh, "Dragon"));
    EXPECT_EQ(engineMessages.size(), 2u);
    FreeObjectData(&mesh);
}

}  // namespace
