#include "scoring/scoring.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace fanwright {
namespace {

using test::tile;

TEST(ScoreHand, AnIncompleteHandOrOneWithoutAReadingScoresNothingAndLeavesTheResultCleared)
{
    for (const char* winning : {"", "8c"}) {
        Hand h = test::concealedHand("1b2b3b 4c5c6c 7d8d9d 1d1d1d 9c", winning);
        ScoreResult r;
        EXPECT_EQ(scoreHand(h, r), 0) << winning;
        EXPECT_EQ(r.form, NoForm);
        EXPECT_EQ(r.setCount, 0);
        EXPECT_EQ(r.waitCount, 0);
        EXPECT_EQ(r.fanCounts[ChickenHand - 1], 0);
    }
}

TEST(ScoreHand, ReportsTheReadingOfTheHighestTotalAndOnATieTheFirstFound)
{
    const struct {
        const char* code;
        int total;
        const char* reading;
    } rows[] = {
        // Three chows of 2b (31) before three pungs (47): the later reading wins.
        {"1b1b1b2b2b2b3b3b3b5c6c7c9d9dffffememw", 47, "ch6c pu1b pu2b pu3b =9d"},
        // Two readings of 6: the first stays.
        {"1b1b2b2b3b3b4b4b5c5c5c7d8d9dffffememw", 6, "ch2b ch2b ch8d pu5c =4b"},
        // Three set readings of 34 or 35 before seven shifted pairs.
        {"2c2c3c3c4c4c5c5c6c6c7c7c8c8cffffememw", 94, "pr2c pr3c pr4c pr5c pr6c pr7c pr8c"},
    };
    for (const auto& row : rows) {
        Hand h = test::handOf(row.code);
        ScoreResult r;
        EXPECT_EQ(scoreHand(h, r), row.total) << row.code;
        EXPECT_EQ(test::describe(r), row.reading) << row.code;
    }
}

TEST(ScoreHand, LeavesTheHandEqualWithItsWinningTileLast)
{
    Hand h = test::handOf("mk5dch3b1c2c3c9cwewewe9cffffwewsd");
    Hand before = h;
    ScoreResult r;
    ASSERT_GT(scoreHand(h, r), 0);
    EXPECT_EQ(h.tiles[13], tile("9c"));
    EXPECT_STREQ(h.toLogText(), before.toLogText());
    EXPECT_EQ(std::memcmp(h.concealedTiles, before.concealedTiles, sizeof h.concealedTiles), 0);
    EXPECT_EQ(h.winningTile, tile("9c"));
    // Scoring again gives the same.
    ScoreResult again;
    EXPECT_EQ(scoreHand(h, again), scoreHand(before, r));
}

}  // namespace
}  // namespace fanwright
