// What the versus dialog shows while it waits, and while the robots are exchanged.
#include "link/status_texts.h"

#include <gtest/gtest.h>

using namespace versus;

namespace {

TEST(StatusTextsTest, WaitingShowsTheSearchAndIdleNothing) {
    EXPECT_TRUE(StatusTextsOf(kIdle, 0, nullptr).empty());
    StatusTexts waiting = StatusTextsOf(kWaiting, 0, nullptr);
    ASSERT_EQ(waiting.size(), 1u);
    EXPECT_EQ(waiting[0].text, "対戦相手募集中....");
    EXPECT_EQ(waiting[0].x, 110);
    EXPECT_EQ(waiting[0].y, 20);
    EXPECT_EQ(waiting[0].background, TZ_NO_COLOR);
}

TEST(StatusTextsTest, TheBarGrowsByQuartersOfEighteenBlueCharacters) {
    for (auto [progress, length] : {std::pair{1, 4u}, std::pair{3, 13u}}) {
        StatusTexts texts = StatusTextsOf(kConnected, progress, nullptr);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, std::string(length, ' '));
        EXPECT_EQ(texts[0].background, TZ_RGB(0, 0, 255));
        EXPECT_EQ(texts[1].text, "ﾌﾚｰﾑﾌｧｲﾙ交換中....");
        EXPECT_EQ(texts[1].background, TZ_NO_COLOR);
    }
}

TEST(StatusTextsTest, TheOtherRobotShowsItsNameWeaponsRecordAndMastery) {
    battle::DefinitionRecord peer = battle::NewDefinitionRecord();
    battle::SetName(peer, "\x8B\x40\x91\xCC");  // 機体
    peer.gunKind = 1004;
    peer.missileKind = 1007;
    peer.versusPlayed = 7;
    peer.versusWon = 3;
    peer.score[0] = 100;
    peer.score[2] = 50;
    StatusTexts texts = StatusTextsOf(kConnected, 2, &peer);
    ASSERT_EQ(texts.size(), 6u);
    const char *lines[] = {"対戦相手  機体", "Gun :  1WP    Miss :  BAL",
                           "Win : 0003    Lose : 0004", "Tatsuzin : 000160  * *     "};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[2 + i].text, lines[i]);
        EXPECT_EQ(texts[2 + i].x, 75);
        EXPECT_EQ(texts[2 + i].y, 25 + 15 * i);
        EXPECT_EQ(texts[2 + i].height, 14);
    }
}

}  // namespace
