// The frame-file commands: the question about a changed robot, the file dialogs and the path they
// start from, and failures that say so and keep both the robot and the file on disk.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "match_fixture.h"

using namespace match;
namespace fs = std::filesystem;

namespace {

class FrameFilesTest : public MatchTest {
  protected:
    void SetUp() override {
        MatchTest::SetUp();
        folder = fs::temp_directory_path() / ("morvex-frames-" + std::to_string(getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::remove_all(folder);
        MatchTest::TearDown();
    }

    std::string Path(const char *name) const { return (folder / name).string(); }
    static std::string Content(const std::string &path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // The last message box's text, checked to be an error.
    std::string LastError() const {
        const FakeWindowHost::Message &message = hosts.window.messages.back();
        EXPECT_EQ(message.icon, MessageIcon::Error);
        EXPECT_EQ(message.caption, "Morvexゲーム");
        return message.text;
    }
    // Saves as command 104 does while the disk takes no more than a few bytes.
    int32_t SaveOnAFullDisk() {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the test
        rlimit limit{}, full{};
        getrlimit(RLIMIT_FSIZE, &limit);
        full = limit;
        full.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &full);
        int32_t saved = window->SaveFrameFile();
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        return saved;
    }

    fs::path folder;
};

TEST_F(FrameFilesTest, ARobotIsSavedLoadedBackAndNeverLostToAFailure) {
    FakeWindowHost &host = hosts.window;
    battle::TFream &robot = *window->myFream;
    const std::string mine = Path("mine.frm");

    // Saved where the dialog says; it started from the default name.
    host.chosenFiles = {mine};
    window->freamDirty = true;
    window->RunCommand(kFrameWriteCommand);
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.fileDialogs[0].purpose, FileDialog::Purpose::Save);
    EXPECT_EQ(host.fileDialogs[0].filterName, "ﾌﾚｰﾑﾌｧｲﾙ (*.frm)");
    EXPECT_EQ(host.fileDialogs[0].extension, "frm");
    EXPECT_EQ(host.fileDialogs[0].initialPath, "MyFream.frm");
    EXPECT_EQ(window->framePath, mine);
    EXPECT_FALSE(window->freamDirty);
    const std::string saved = Content(mine);
    EXPECT_EQ(saved.substr(0, 4), "2.00");

    // Changed, then loaded without saving the change: the saved robot comes back.
    battle::SetName(robot.record, "Changed");
    robot.record.score[0] = 999;
    window->freamDirty = true;
    host.answer = MessageAnswer::No;
    host.chosenFiles = {mine};
    int invalidations = host.invalidations;
    window->RunCommand(kFrameReadCommand);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "フレーム情報が更新されています。\n保存しますか？");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Question);
    ASSERT_EQ(host.fileDialogs.size(), 2u);
    EXPECT_EQ(host.fileDialogs[1].purpose, FileDialog::Purpose::Open);
    EXPECT_EQ(host.fileDialogs[1].initialPath, mine);
    EXPECT_EQ(battle::NameOf(robot.record), "My_Fream");
    EXPECT_EQ(robot.record.score[0], 0);
    EXPECT_FALSE(window->freamDirty);
    EXPECT_GT(host.invalidations, invalidations);

    // Answering Yes saves first; cancelling the open dialog still leaves the change answered.
    battle::SetName(robot.record, "Changed");
    window->freamDirty = true;
    host.answer = MessageAnswer::Yes;
    host.chosenFiles = {Path("changed.frm"), std::nullopt};
    window->RunCommand(kFrameReadCommand);
    EXPECT_EQ(host.fileDialogs[2].purpose, FileDialog::Purpose::Save);
    EXPECT_EQ(host.fileDialogs[3].purpose, FileDialog::Purpose::Open);
    EXPECT_TRUE(fs::exists(Path("changed.frm")));
    EXPECT_FALSE(window->freamDirty);
    EXPECT_EQ(window->framePath, Path("changed.frm"));
    EXPECT_EQ(battle::NameOf(robot.record), "Changed");

    // A missing file and a damaged one say so and change nothing.
    std::ofstream(Path("damaged.frm")) << "2.01" << saved.substr(4);
    host.chosenFiles = {Path("missing.frm"), Path("damaged.frm")};
    window->RunCommand(kFrameReadCommand);
    EXPECT_EQ(LastError(), "ファイルオープンエラー");
    EXPECT_EQ(window->framePath, Path("missing.frm"));
    window->RunCommand(kFrameReadCommand);
    EXPECT_EQ(LastError(), "バージョンが違うか、ファイルが壊れています!");
    EXPECT_EQ(battle::NameOf(robot.record), "Changed");

    // A save that cannot be written whole keeps the old file; a cancelled one does nothing.
    window->freamDirty = true;
    host.chosenFiles = {mine, std::nullopt};
    EXPECT_EQ(SaveOnAFullDisk(), 0);
    EXPECT_EQ(LastError(), "ファイルオープンエラー");
    EXPECT_TRUE(Content(mine) == saved) << "the old file changed";
    EXPECT_TRUE(window->freamDirty);
    EXPECT_EQ(window->SaveFrameFile(), 0);
    EXPECT_EQ(window->framePath, mine);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3);  // no temporary file left
}

}  // namespace
