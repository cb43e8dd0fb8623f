// Program paths: the data-file naming rule, the program's own path and the data folders.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

using platform::DataFilePath;

namespace {

TEST(DataFilePath, ReplacesTheExtensionOfTheFileName) {
    EXPECT_EQ(DataFilePath("/opt/morvex/morvex", "ini"), "/opt/morvex/morvex.ini");
    EXPECT_EQ(DataFilePath("MyFream.frm", "rrk"), "MyFream.rrk");
    EXPECT_EQ(DataFilePath("/home/a/robots.v2/mine.FRM", "rrk"), "/home/a/robots.v2/mine.rrk");
}

TEST(DataFilePath, AddsAnExtensionWhereTheNameHasNone) {
    EXPECT_EQ(DataFilePath("/home/a/robots.v2/mine", "rrk"), "/home/a/robots.v2/mine.rrk");
    EXPECT_EQ(DataFilePath("/home/a/.morvexrc", "ini"), "/home/a/.morvexrc.ini");
    EXPECT_EQ(DataFilePath("plain", "m3d"), "plain.m3d");
}

TEST(WithDefaultExtension, AddsTheExtensionOnlyToANameWithoutOne) {
    EXPECT_EQ(platform::WithDefaultExtension("/tmp/robot", "frm"), "/tmp/robot.frm");
    EXPECT_EQ(platform::WithDefaultExtension("/tmp/robot.FRM", "frm"), "/tmp/robot.FRM");
    EXPECT_EQ(platform::WithDefaultExtension("/tmp/my.robots/mine", "frm"),
              "/tmp/my.robots/mine.frm");
    EXPECT_EQ(platform::WithDefaultExtension("/tmp/.robot", "frm"), "/tmp/.robot.frm");
}

TEST(DataFilePath, RefusesPathsTooLongInsteadOfCuttingThem) {
    std::string longest(platform::kLongestPath - 4, 'a');
    EXPECT_EQ(DataFilePath(longest, "ini")->size(), platform::kLongestPath);
    EXPECT_FALSE(DataFilePath(longest + "a", "ini").has_value());
}

TEST(ProgramPaths, TheProgramKnowsWhereItIs) {
    std::string program = platform::ProgramPath();
    ASSERT_FALSE(program.empty());
    EXPECT_TRUE(std::filesystem::exists(program));
    EXPECT_EQ(std::filesystem::path(program).filename(), "platform_tests");
}

TEST(ProgramPaths, DataFilesAreFoundInTheDataFolderAndMissingOnesAreNot) {
    std::optional<std::string> sound = platform::FindDataFile("Gunshot.wav");
    ASSERT_TRUE(sound.has_value());
    EXPECT_TRUE(std::filesystem::exists(*sound));
    EXPECT_FALSE(platform::FindDataFile("no-such-file.m3d").has_value());
}

}  // namespace
