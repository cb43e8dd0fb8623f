// Mouse mastery and names shown on screen.
#include <gtest/gtest.h>

#include <optional>

#include "match/main_window.h"

using namespace match;

TEST(MasteryTest, WeighsHigherLevelsMoreAndTruncatesEachTerm) {
    battle::DefinitionRecord record = battle::NewDefinitionRecord();
    EXPECT_EQ(Mastery(record), 0);
    for (int32_t level = 0; level < kLevels; ++level) record.score[level] = 10;
    EXPECT_EQ(Mastery(record), 108);
    for (int32_t level = 0; level < kLevels; ++level) record.score[level] = 0;
    record.score[7] = 9;  // 17 * 9 / 10 = 15.3
    record.score[1] = 5;  // 11 * 5 / 10 = 5.5
    EXPECT_EQ(Mastery(record), 15 + 5);
}

TEST(DisplayNameTest, ConvertsShiftJisNamesAndReplacesBytesThatAreNot) {
    battle::DefinitionRecord record = battle::NewDefinitionRecord();
    EXPECT_EQ(DisplayName(record), "My_Fream");
    battle::SetName(record, "\x8B\x40\x91\xCC\xC3\xBD\xC4");  // 機体, half-width ﾃｽﾄ
    EXPECT_EQ(DisplayName(record), "機体ﾃｽﾄ");
    battle::SetName(record,
                    "A\xFF"
                    "B\x81\x20"
                    "C\x8B");  // not a character; a cut-off one
    EXPECT_EQ(DisplayName(record), "A?B? C?");
    // A name without its terminating zero is read up to the field's end and no further.
    std::fill(std::begin(record.name), std::end(record.name), 'x');
    EXPECT_EQ(DisplayName(record).size(), 19u);
}

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
