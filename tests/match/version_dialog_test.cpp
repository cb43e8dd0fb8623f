// The version dialog: the texts it fills in from the version block and the mastery line, and
// the second toggle that closes it.
#include "match/version_dialog.h"

#include <gtest/gtest.h>

#include <map>

using namespace match;

namespace {

class DialogHost : public VersionDialogHost {
  public:
    void Open() override {
        open = true;
        ++opened;
        texts = {{kProductLine, "Version"},
                 {kCopyrightLine, ""},
                 {kSpecialBuildLine, ""},
                 {kMasteryLine, "達人度"}};
    }
    void Close() override { open = false; }
    bool IsOpen() override { return open; }
    std::string Text(int32_t control) override { return texts.at(control); }
    void SetText(int32_t control, const std::string &text) override { texts.at(control) = text; }

    bool open = false;
    int opened = 0;
    std::map<int32_t, std::string> texts;
};

class VersionDialogTest : public ::testing::Test {
  protected:
    DialogHost host;
    THelpDlg dialog{host};
};

TEST_F(VersionDialogTest, OpeningFillsInVersionCopyrightAndMastery) {
    dialog.Toggle("My_Fream", 160);
    EXPECT_TRUE(host.open);
    EXPECT_EQ(host.texts[kProductLine], "Mor-Vex Version 2.2.0");
    EXPECT_EQ(host.texts[kCopyrightLine], "Copyright (C) 2026 the Morvex developers");
    EXPECT_EQ(host.texts[kSpecialBuildLine], "");
    EXPECT_EQ(host.texts[kMasteryLine], "My_Fream ﾏｳｽ達人度 000160 点");
}

TEST_F(VersionDialogTest, MasteryIsPaddedToSixDigits) {
    struct Case {
        int32_t mastery;
        const char *line;
    };
    for (Case c : {Case{0, "X ﾏｳｽ達人度 000000 点"}, Case{123456, "X ﾏｳｽ達人度 123456 点"},
                   Case{1234567, "X ﾏｳｽ達人度 1234567 点"}}) {
        dialog.Toggle("X", c.mastery);
        EXPECT_EQ(host.texts[kMasteryLine], c.line);
        dialog.Toggle("X", c.mastery);
    }
}

TEST_F(VersionDialogTest, TheSecondToggleClosesAndTheThirdOpensAfresh) {
    dialog.Toggle("My_Fream", 160);
    dialog.Toggle("My_Fream", 160);
    EXPECT_FALSE(host.open);
    EXPECT_EQ(host.opened, 1);
    dialog.Toggle("Other", 5);
    EXPECT_TRUE(host.open);
    EXPECT_EQ(host.opened, 2);
    EXPECT_EQ(host.texts[kProductLine], "Mor-Vex Version 2.2.0");
    EXPECT_EQ(host.texts[kMasteryLine], "Other ﾏｳｽ達人度 000005 点");
}

}  // namespace
