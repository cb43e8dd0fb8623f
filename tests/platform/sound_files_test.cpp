// Sound files named by bare names: the current folder first, then the shipped data.
#include "platform/sound_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

// Runs in a folder of its own, as the player's current folder.
class SoundFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("morvex-sound-files-" + std::to_string(getpid()));
        fs::create_directories(folder);
        previous = fs::current_path();
        fs::current_path(folder);
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(folder);
    }

    fs::path folder, previous;
};

TEST_F(SoundFilesTest, APlainFileInTheCurrentFolderComesBeforeTheData) {
    std::ofstream("Win.Mid") << "the player's own tune";
    // Reading a named pipe would wait for a writer.
    ASSERT_EQ(mkfifo("Lose.Mid", 0600), 0);
    struct Case {
        const char *name;
        std::optional<std::string> found;
    } cases[] = {
        {"Win.Mid", "Win.Mid"},
        {"Lose.Mid", platform::FindDataFile("Lose.Mid")},
        {"NoSuch.wav", std::nullopt},
    };
    ASSERT_TRUE(cases[1].found.has_value());
    for (const Case &c : cases) EXPECT_EQ(platform::FindSoundFile(c.name), c.found) << c.name;
}

}  // namespace
