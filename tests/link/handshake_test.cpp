// The answer to a call: written with the answering side's level and view mode, and read back only
// when both are ones the game knows.
#include "link/handshake.h"

#include <gtest/gtest.h>

using namespace versus;

namespace {

TEST(HandshakeTest, TheAnswerCarriesLevelAndViewAsTwoDigitsEach) {
    EXPECT_EQ(AnswerText(MatchSettings{3, 12}), "REQOK_2000312");
}

TEST(HandshakeTest, AnswersGiveTheLevelAndViewTheGameKnowsAndNothingElse) {
    struct Case {
        const char *answer;
        int32_t level, view;  // 0: refused
    };
    const Case cases[] = {
        {"REQOK_2000812", 8, 12}, {"REQOK_200 110", 1, 10}, {"REQOK_200+311", 3, 11},
        {"REQOK_2003x12", 3, 12}, {"REQOK_2000012", 0, 0},  {"REQOK_2000912", 0, 0},
        {"REQOK_2000309", 0, 0},  {"REQOK_2000313", 0, 0},  {"REQOK_200-312", 0, 0},
        {"REQOK_200ab12", 0, 0},  {"REQOK_20003", 0, 0},
    };
    for (const Case &each : cases) {
        std::optional<MatchSettings> settings = ParseAnswer(each.answer);
        ASSERT_EQ(settings.has_value(), each.level != 0) << each.answer;
        if (!settings) continue;
        EXPECT_EQ(settings->level, each.level) << each.answer;
        EXPECT_EQ(settings->view, each.view) << each.answer;
    }
}

}  // namespace
