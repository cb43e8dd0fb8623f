// The settings file's format: a hand-edited file reads by the profile rules, and changing values
// keeps everything else in it.
#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/settings_file.h"

using platform::ProfileFile;

namespace {

// A byte-order mark, CRLF line ends, comments, blank lines, odd case, duplicates, quotes and
// sections the game does not know.
const std::string kHandEdited =
    "\xEF\xBB\xBF; written by hand\r\n"
    "orphan=before any section\r\n"
    "[Other]\r\n"
    "level=9\r\n"
    "\r\n"
    "  [ MORVEX Infor ]  \r\n"
    "; level=8\r\n"
    "  LEVEL  =  6  \r\n"
    "level=7\r\n"
    "Shield=0\r\n"
    "quoted=\"  two words  \"\r\n"
    "single='x'\r\n"
    "empty=\r\n"
    "not an entry\r\n"
    "\r\n"
    "[morvex infor]\r\n"
    "midi=0\r\n";

TEST(ProfileFileTest, AHandEditedFileReadsByTheProfileRules) {
    ProfileFile file(kHandEdited);
    struct Case {
        const char *section, *key;
        std::optional<std::string> value;
    };
    for (const Case &c : {
             Case{"morvex infor", "level", "6"},  // the first of two, its blanks gone
             Case{"MORVEX INFOR", "shield", "0"},
             Case{"morvex infor", "quoted", "  two words  "},
             Case{"morvex infor", "single", "x"},
             Case{"morvex infor", "empty", ""},
             Case{"morvex infor", "midi", std::nullopt},  // in the second section of that name
             Case{"morvex infor", "orphan", std::nullopt},
             Case{"other", "level", "9"},
             Case{"missing", "level", std::nullopt},
         })
        EXPECT_EQ(file.Read(c.section, c.key), c.value) << c.section << " " << c.key;
    ProfileFile longValue("[s]\nkey=" + std::string(300, 'x') + "\n");
    EXPECT_EQ(longValue.Read("s", "key")->size(), ProfileFile::kLongestValue);
}

TEST(ProfileFileTest, WholeNumbersReadLikeTheProfileCall) {
    struct Case {
        const char *value;
        int32_t expected;
    };
    for (Case c : {Case{"12", 12}, Case{" -7 ", -7}, Case{"+3", 3}, Case{"12abc", 12},
                   Case{"abc", 99}, Case{"", 99}, Case{"+-5", 99}, Case{"2147483647", 2147483647},
                   Case{"2147483648", 99}, Case{"-2147483648", INT32_MIN}}) {
        ProfileFile file(std::string("[s]\nkey=") + c.value + "\n");
        EXPECT_EQ(file.ReadInt("s", "key", 99), c.expected) << '"' << c.value << '"';
    }
    EXPECT_EQ(ProfileFile().ReadInt("s", "key", 99), 99);
}

TEST(ProfileFileTest, WritingChangesOnlyTheValuesItWrites) {
    ProfileFile file(kHandEdited);
    file.Write("morvex infor", "level", "3");
    file.Write("morvex infor", "comm", "2");
    file.Write("other", "name", "two\nlines");
    file.Write("new", "key", "1");
    EXPECT_EQ(file.Text(),
              "\xEF\xBB\xBF; written by hand\r\n"
              "orphan=before any section\r\n"
              "[Other]\r\n"
              "level=9\r\n"
              "name=two lines\r\n"
              "\r\n"
              "  [ MORVEX Infor ]  \r\n"
              "; level=8\r\n"
              "level=3\r\n"
              "level=7\r\n"
              "Shield=0\r\n"
              "quoted=\"  two words  \"\r\n"
              "single='x'\r\n"
              "empty=\r\n"
              "comm=2\r\n"
              "not an entry\r\n"
              "\r\n"
              "[morvex infor]\r\n"
              "midi=0\r\n"
              "[new]\r\n"
              "key=1\r\n");
    EXPECT_EQ(ProfileFile(file.Text()).Read("other", "name"), "two lines");
}

// A file that is there but could not be read whole is not replaced by one that has only the
// game's keys.
TEST(SettingsFileTest, AFileThatCouldNotBeReadIsNeverReplaced) {
    namespace fs = std::filesystem;
    fs::path folder = fs::path(::testing::TempDir()) / "settings_file_test";
    fs::remove_all(folder);
    platform::SettingsFile settings((folder / "made" / "morvex.ini").string());
    settings.Load();
    ASSERT_TRUE(settings.Save(ProfileFile("[s]\nkey=1\n")));  // the folder is made
    EXPECT_EQ(settings.Load().Read("s", "key"), "1");

    std::string huge(3 << 20, ';');
    std::ofstream(settings.Path(), std::ios::binary) << huge;
    EXPECT_FALSE(settings.Load().Read("s", "key"));
    EXPECT_FALSE(settings.Save(ProfileFile("[s]\nkey=2\n")));
    std::ifstream kept(settings.Path(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), huge);
    fs::remove_all(folder);
}

}  // namespace
