// Tiles added at once must leave the hand as adding them one at a time does.
#include "hand/hand.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

struct DrawnRow {
    const char* chows;  // declared, by their middle tiles
    const char* pungs;  // declared
    const char* drawn;
    int winningIndex;
};

Hand withSets(const DrawnRow& row)
{
    Hand hand;
    for (TileId t : test::tilesOf(row.chows))
        hand.addSet(Chow, t);
    for (TileId t : test::tilesOf(row.pungs))
        hand.addSet(Pung, t);
    return hand;
}

std::vector<int> asList(const TileId* tiles, int n) { return {tiles, tiles + n}; }

TEST(DrawnTiles, AddedAtOnceAsOneAtATime)
{
    const DrawnRow rows[] = {
        {"", "", "9d1b1b5c4c3c2b2b2b7d7d7dwewe", 0},   // all concealed, winning tile first
        {"", "", "9d1b1b5c4c3c2b2b2b7d7d7dwewe", 13},  // ... and last
        {"5b", "dr", "9d9d8d7d3c3c3cwn", 4},           // declared sets before
        {"5b", "drdgdw", "wnwn", 0},                   // one pair left to draw
        {"", "", "1b2b3b", 1},                         // too few tiles: one at a time
        {"", "", "1b1b1b1b2b2b2b2b3b3b3b3b4b4b", -1},  // no winning tile: one at a time
    };
    for (const DrawnRow& row : rows) {
        const std::vector<TileId> drawn = test::tilesOf(row.drawn);
        const int n = static_cast<int>(drawn.size());
        Hand atOnce = withSets(row), oneByOne = withSets(row);
        atOnce.addDrawnTiles(drawn.data(), n, row.winningIndex);
        for (int i = 0; i < n; ++i) {
            if (i == row.winningIndex)
                oneByOne.setWinningTile(drawn[static_cast<std::size_t>(i)]);
            else
                oneByOne.addConcealedTile(drawn[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(asList(atOnce.tiles, atOnce.tileCount),
                  asList(oneByOne.tiles, oneByOne.tileCount))
            << row.drawn;
        EXPECT_EQ(asList(atOnce.concealedTiles, atOnce.concealedCount),
                  asList(oneByOne.concealedTiles, oneByOne.concealedCount))
            << row.drawn;
        EXPECT_EQ(atOnce.winningTile, oneByOne.winningTile) << row.drawn;
    }
}

}  // namespace
}  // namespace fanwright
