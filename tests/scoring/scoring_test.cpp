#include "scoring/scoring.h"
#include "fans/evaluation.h"
#include "hand/decomposition.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace fanwright {
namespace {

using test::tile;
using test::tilesOf;

std::vector<TileId> waitsIn(const ScoreResult& r) { return {r.waits, r.waits + r.waitCount}; }

TEST(ScoreHand, AnIncompleteHandScoresNothingAndLeavesTheResultCleared)
{
    Hand h = test::concealedHand("1b2b3b 4c5c6c 7d8d9d 1d1d1d 9c", "");
    ScoreResult r;
    EXPECT_EQ(scoreHand(h, r), 0);
    EXPECT_EQ(r.form, NoForm);
    EXPECT_EQ(r.setCount, 0);
    EXPECT_EQ(r.waitCount, 0);
}

TEST(ScoreHand, AHandWithoutAReadingScoresNothing)
{
    Hand h = test::concealedHand("1b2b3b 4c5c6c 7d8d9d 1d1d1d 9c", "8c");
    ScoreResult r;
    EXPECT_EQ(scoreHand(h, r), 0);
    EXPECT_EQ(r.form, NoForm);
    EXPECT_EQ(r.fanCounts[ChickenHand - 1], 0);
}

TEST(ScoreHand, ReportsTheFirstReadingOfTheHighestTotal)
{
    for (const char* code :
         {"1b1b1b2b2b2b3b3b3b5c6c7c9d9dffffememw", "1b1b1b2b2b2b3b3b3b5c6c7c9d9dffffememd",
          "1b1b2b2b3b3b4b4b5c5c5c7d8d9dffffememw", "2c2c3c3c4c4c5c5c6c6c7c7c8c8cffffememw"}) {
        Hand h = test::handOf(code);
        const std::vector<HandStructure> list = test::readingsOf(h);
        ASSERT_GT(list.size(), 1u) << code;
        int best = -1, bestTotal = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            std::int32_t counts[FanCount];
            const int total = evaluateFans(list[i], counts);
            if (total > bestTotal) {
                bestTotal = total;
                best = static_cast<int>(i);
            }
        }
        ScoreResult r;
        EXPECT_EQ(scoreHand(h, r), bestTotal) << code;
        EXPECT_EQ(r.setCount, list[static_cast<std::size_t>(best)].setCount) << code;
        EXPECT_EQ(std::vector<TileId>(r.setTiles, r.setTiles + r.setCount),
                  std::vector<TileId>(list[static_cast<std::size_t>(best)].setTiles,
                                      list[static_cast<std::size_t>(best)].setTiles + r.setCount))
            << code;
        EXPECT_EQ(r.pairTile, list[static_cast<std::size_t>(best)].pairTile) << code;
    }
}

TEST(ScoreHand, WaitsOfTheExamples)
{
    struct Case {
        const char* concealed;
        const char* winning;
        const char* waits;
    };
    for (const Case& c : {Case{"2b3b 4c5c6c 5c6c7c 1d1d1d 9d9d", "1b", "1b 4b"},
                          Case{"3b5b 4c5c6c 5c6c7c 1d1d1d 9d9d", "4b", "4b"},
                          Case{"1b9b1c9c1d9dwewswwwndrdgdw", "wn", "1b9b1c9c1d9dwewswwwndrdgdw"},
                          Case{"5b5b5b5b 1c2c3c 4d5d6d 7d8d9d", "5b", "5b"}}) {
        Hand h = test::concealedHand(c.concealed, c.winning);
        ScoreResult r;
        ASSERT_GT(scoreHand(h, r), 0) << c.concealed;
        EXPECT_EQ(waitsIn(r), tilesOf(c.waits)) << c.concealed;
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
