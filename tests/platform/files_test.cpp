// The program's files: writes that replace a file whole or leave it alone, and reading only
// plain files.
#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("morvex-files-" + std::to_string(getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Path(const char *name) const { return (folder / name).string(); }
    static bool Write(const std::string &path, const std::string &text, bool writerSucceeds) {
        return platform::WriteAtomically(path, [&](std::FILE *file) {
            return std::fputs(text.c_str(), file) >= 0 && writerSucceeds;
        });
    }
    static std::string Content(const std::string &path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // Every name in the folder, temporary files included.
    size_t Entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path folder;
};

TEST_F(FilesTest, AWriteReplacesTheContentAndKeepsPermissionsAndLinks) {
    std::string robot = Path("robot.frm");
    std::ofstream(robot) << "old robot, longer than the new one";
    fs::permissions(robot, fs::perms(0640));
    fs::create_symlink(robot, Path("link.frm"));
    ASSERT_TRUE(Write(Path("link.frm"), "new robot", true));
    EXPECT_EQ(Content(robot), "new robot");
    EXPECT_EQ(fs::status(robot).permissions(), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(Path("link.frm")));

    mode_t mask = umask(027);
    ASSERT_TRUE(Write(Path("fresh.frm"), "first robot", true));
    umask(mask);
    EXPECT_EQ(Content(Path("fresh.frm")), "first robot");
    EXPECT_EQ(fs::status(Path("fresh.frm")).permissions(), fs::perms(0640));
    EXPECT_EQ(Entries(), 3u);
}

TEST_F(FilesTest, AFailedWriteLeavesEverythingAsItWas) {
    std::string robot = Path("robot.frm");
    std::ofstream(robot) << "old robot";
    fs::create_directory(Path("folder.frm"));
    const struct {
        const char *what;
        std::string path;
        bool writerSucceeds;
    } failures[] = {
        // A read-only folder would not do: the suite may run as root, who writes anywhere.
        {"the target is a folder", Path("folder.frm"), true},
        {"the folder is missing", Path("missing/robot.frm"), true},
        {"the content could not be written", robot, false},
    };
    for (const auto &failure : failures)
        EXPECT_FALSE(Write(failure.path, "new robot", failure.writerSucceeds)) << failure.what;
    EXPECT_EQ(Content(robot), "old robot");
    EXPECT_TRUE(fs::is_empty(Path("folder.frm")));
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(FilesTest, OnlyPlainFilesAreOpenedForReading) {
    std::ofstream(Path("robot.frm")) << "robot";
    fs::create_directory(Path("folder.frm"));
    ASSERT_EQ(mkfifo(Path("pipe.frm").c_str(), 0600), 0);
    EXPECT_NE(platform::OpenForReading(Path("robot.frm")), nullptr);
    for (const char *name : {"folder.frm", "pipe.frm", "missing.frm"})
        EXPECT_EQ(platform::OpenForReading(Path(name)), nullptr) << name;
}

}  // namespace
