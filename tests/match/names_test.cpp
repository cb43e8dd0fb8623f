// Names typed on screen, and text aligned in character cells.
#include <gtest/gtest.h>

#include <optional>

#include "match/main_window.h"

using namespace match;

TEST(RightAlignedTest, CountsFullWidthCharactersAsTwoCellsAndHalfWidthAsOne) {
    EXPECT_EQ(RightAligned("MyFream", 10), "   MyFream");
    EXPECT_EQ(RightAligned("機体", 10), "      機体");
    EXPECT_EQ(RightAligned("ﾃｽﾄ", 10), "       ﾃｽﾄ");
    EXPECT_EQ(RightAligned("機体ﾃｽﾄ", 7), "機体ﾃｽﾄ");
    EXPECT_EQ(RightAligned("TooLongForTheColumn", 5), "TooLongForTheColumn");
}

TEST(RecordNameTest, StoresShiftJisCutToNineteenBytesWithoutSplittingACharacter) {
    struct Case {
        const char *text;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {"My_Fream", "My_Fream"},
        {"ロボ", "\x83\x8D\x83\x7B"},
        {"機体", "\x8B\x40\x91\xCC"},
        {"ﾃｽﾄ", "\xC3\xBD\xC4"},  // half-width kana take one byte each
        {"ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQRS"},
        {"ABCDEFGHIJKLMNOPQR機", "ABCDEFGHIJKLMNOPQR"},  // 機 would end on byte 20
        {"로봇", std::nullopt},                          // no Shift_JIS for Hangul
    };
    for (const Case &each : cases) {
        EXPECT_EQ(RecordName(each.text), each.bytes) << each.text;
        if (!each.bytes) continue;
        battle::DefinitionRecord record = battle::NewDefinitionRecord();
        battle::SetName(record, *each.bytes);
        EXPECT_EQ(DisplayName(record), std::string(each.text).substr(0, DisplayName(record).size()))
            << each.text;
    }
}
