// Record names as screen text, and the mouse mastery of the best scores.
#include "battle/record_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using namespace battle;

TEST(MasteryTest, WeighsHigherLevelsMoreAndTruncatesEachTerm) {
    DefinitionRecord record = NewDefinitionRecord();
    EXPECT_EQ(Mastery(record), 0);
    for (int32_t &score : record.score) score = 10;
    EXPECT_EQ(Mastery(record), 108);
    for (int32_t &score : record.score) score = 0;
    record.score[7] = 9;  // 17 * 9 / 10 = 15.3
    record.score[1] = 5;  // 11 * 5 / 10 = 5.5
    EXPECT_EQ(Mastery(record), 15 + 5);
    // Scores from outside may be anything: the sum is taken wide and wrapped, never overflowed.
    record.score[7] = INT_MAX;
    EXPECT_EQ(Mastery(record), static_cast<int32_t>(5 + 17LL * INT_MAX / 10));
}

TEST(DisplayNameTest, ConvertsShiftJisNamesAndReplacesBytesThatAreNot) {
    DefinitionRecord record = NewDefinitionRecord();
    EXPECT_EQ(DisplayName(record), "My_Fream");
    SetName(record, "\x8B\x40\x91\xCC\xC3\xBD\xC4");  // 機体, half-width ﾃｽﾄ
    EXPECT_EQ(DisplayName(record), "機体ﾃｽﾄ");
    SetName(record,
            "A\xFF"
            "B\x81\x20"
            "C\x8B");  // not a character; a cut-off one
    EXPECT_EQ(DisplayName(record), "A?B? C?");
    // A name without its terminating zero is read up to the field's end and no further.
    std::fill(std::begin(record.name), std::end(record.name), 'x');
    EXPECT_EQ(DisplayName(record).size(), 19u);
}
