#include "hand/hand.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

using test::tile;
using test::tilesOf;

std::vector<TileId> concealedOf(const Hand& h)
{
    return {h.concealedTiles, h.concealedTiles + h.concealedCount};
}

std::vector<TileId> tilesIn(const Hand& h) { return {h.tiles, h.tiles + h.tileCount}; }

TEST(HandCapacity, FourSetsLeaveRoomForOneConcealedTileAndTheWinningTile)
{
    Hand h;
    h.addSet(Chow, tile("2b"));
    h.addSet(Pung, tile("5c"));
    h.addSet(MeldedKong, tile("9d"));
    EXPECT_TRUE(h.canAddSet());  // 9 < 11
    h.addSet(ConcealedKong, tile("dr"));
    EXPECT_FALSE(h.canAddSet());  // 12 >= 11
    h.addSet(Pung, tile("we"));   // refused silently
    EXPECT_EQ(h.setCount, 4);
    EXPECT_TRUE(h.canAddConcealedTile());
    h.addConcealedTile(tile("ws"));
    EXPECT_FALSE(h.canAddConcealedTile());
    h.addConcealedTile(tile("ww"));  // refused silently
    EXPECT_EQ(h.concealedCount, 1);
    EXPECT_FALSE(h.isComplete());
    h.setWinningTile(tile("ws"));
    EXPECT_TRUE(h.isComplete());
    EXPECT_EQ(h.tileCount, 14);
}

TEST(HandCapacity, ThirteenConcealedTilesAreNotCompleteAndTheWinningTileIsSetOnce)
{
    Hand h = test::concealedHand("1b1b1b 2b3b4b 5b6b7b 8b8b8b 9b", "");
    EXPECT_EQ(h.tileCount, 13);
    EXPECT_FALSE(h.isComplete());
    EXPECT_FALSE(h.canAddConcealedTile());
    h.setWinningTile(tile("9b"));
    h.setWinningTile(tile("5b"));
    EXPECT_EQ(h.winningTile, tile("9b"));
    EXPECT_EQ(h.tileCount, 14);
    EXPECT_FALSE(h.canAddTile(tile("dr")));  // complete
}

TEST(HandEditing, ConcealedTilesStaySortedWhileTilesKeepTheOrderOfAdding)
{
    Hand h;
    for (TileId t : tilesOf("3b 7b 5b"))
        h.addConcealedTile(t);
    h.addConcealedTile(tile("5b"));
    EXPECT_EQ(concealedOf(h), tilesOf("3b 5b 5b 7b"));
    EXPECT_EQ(tilesIn(h), tilesOf("3b 7b 5b 5b"));
}

TEST(HandEditing, DeclaredSetsListThreeTilesButAKongCountsFour)
{
    Hand h;
    h.addSet(MeldedKong, tile("5b"));
    h.addSet(Chow, tile("5c"));
    EXPECT_EQ(tilesIn(h), tilesOf("5b 5b 5b 4c 5c 6c"));
    EXPECT_EQ(h.countTileUses(tile("5b")), 4);
    EXPECT_EQ(h.countTileUses(tile("6c")), 1);
    EXPECT_EQ(h.countSetsOfKind(MeldedKong), 1);
}

TEST(HandEditing, RemovingASetShiftsTheLaterSetsAndTakesItsTiles)
{
    Hand h;
    h.addSet(Pung, tile("1d"));
    h.addSet(Chow, tile("5b"));
    h.addSet(Pung, tile("dg"));
    h.addConcealedTile(tile("5b"));
    EXPECT_FALSE(h.removeSet(Chow, tile("6b")));
    EXPECT_TRUE(h.removeSet(Chow, tile("5b")));
    EXPECT_EQ(h.setCount, 2);
    EXPECT_EQ(h.setKinds[1], Pung);
    EXPECT_EQ(h.setTiles[1], tile("dg"));
    EXPECT_EQ(tilesIn(h), tilesOf("1d 1d 1d dg dg dg 5b"));

    EXPECT_TRUE(h.removeConcealedTile(tile("5b")));
    EXPECT_FALSE(h.removeConcealedTile(tile("5b")));
    EXPECT_FALSE(h.clearWinningTile());
    h.setWinningTile(tile("1d"));
    EXPECT_TRUE(h.clearWinningTile());  // takes the first equal entry, the pung's
    EXPECT_EQ(tilesIn(h), tilesOf("1d 1d dg dg dg 1d"));
}

TEST(HandRules, ChowsNeedAMiddleTileAndFreeCopiesOfAllThreeTiles)
{
    Hand h;
    for (TileId t : {tile("1b"), tile("9b"), tile("1c"), tile("9d"), tile("we"), tile("dw")})
        EXPECT_FALSE(h.canAddSetOf(Chow, t)) << tileName(t);
    EXPECT_TRUE(h.canAddSetOf(Chow, tile("2b")));
    h.addSet(ConcealedKong, tile("3b"));
    EXPECT_FALSE(h.canAddSetOf(Chow, tile("2b")));
    EXPECT_FALSE(h.canAddSetOf(Chow, tile("4b")));
    EXPECT_TRUE(h.canAddSetOf(Chow, tile("5b")));
}

TEST(HandRules, PungsNeedTwoFreeCopiesAndKongsAllFour)
{
    Hand h;
    h.addConcealedTile(tile("7c"));
    EXPECT_TRUE(h.canAddSetOf(Pung, tile("7c")));
    EXPECT_FALSE(h.canAddSetOf(MeldedKong, tile("7c")));
    EXPECT_FALSE(h.canAddSetOf(ConcealedKong, tile("7c")));
    h.addConcealedTile(tile("7c"));
    EXPECT_FALSE(h.canAddSetOf(Pung, tile("7c")));
    EXPECT_TRUE(h.canAddSetOf(MeldedKong, tile("8c")));
    h.addSet(Chow, tile("8c"));
    EXPECT_FALSE(h.canAddSetOf(MeldedKong, tile("8c")));
    EXPECT_TRUE(h.canAddTile(tile("7c")));
    h.setWinningTile(tile("7c"));
    EXPECT_EQ(h.countTileUses(tile("7c")), 4);
}

// Which flags a hand allows or forces and whether its winds matter, as five digits: forces
// last tile of its kind, allows it, allows robbing the kong, allows a replacement tile, needs
// winds.
TEST(HandSituation, FlagsFollowTheWinningTileAndTheSetsAndWindsFollowWindSets)
{
    const struct {
        const char* code;
        const char* answers;
    } rows[] = {
        {"pu5bch3c1d2d3d7d8d9dwe5bffffememd", "10000"},  // the other three 5b are shown
        {"ch3c1d2d3d5b5b5b7d8d9ddwweffffememd", "01100"},
        {"ch3c1d2d3d5b5b5b7d8d9dweweffffememd", "00000"},  // won on a concealed pair
        {"ck5bch3c1d2d3d7d8d9dwedwffffememw", "01010"},    // a kong and self-drawn
        {"ck5bch3c1d2d3d7d8d9dwedwffffememd", "01100"},    // ... won on a discard
        {"pu5bch3c1d2d3d7d8d9dwedwffffememw", "01000"},    // no kong
        {"pu5bch3c1d2d3d9dwewewe9dffffememw", "00001"},
        {"mkwnch3c1d2d3d7d8d9ddrdwffffememw", "01011"},  // a kong lists three tiles
        {"pu5bch3c1d2d3d7d8dwewedwffffememw", "01000"},  // a wind pair is no wind set
        {"puwepuwspuwwwnwnwndrdrffffememw", "00000"},    // all four winds in threes
    };
    for (const auto& row : rows) {
        const Hand h = test::handOf(row.code);
        const std::string answers{static_cast<char>('0' + h.forcesLastTileOfKind()),
                                  static_cast<char>('0' + h.allowsLastTileOfKind()),
                                  static_cast<char>('0' + h.allowsRobbingTheKong()),
                                  static_cast<char>('0' + h.allowsReplacementTile()),
                                  static_cast<char>('0' + h.needsWinds())};
        EXPECT_EQ(answers, row.answers) << row.code;
    }
    // Incomplete hands count whatever they hold.
    EXPECT_TRUE(test::concealedHand("ws ws ws", "").needsWinds());
}

}  // namespace
}  // namespace fanwright
