#include "hand/hand.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

using test::tile;
using test::tilesOf;

std::vector<TileId> tilesIn(const Hand& h) { return {h.tiles, h.tiles + h.tileCount}; }

TEST(Hand, FourSetsLeaveRoomForOneConcealedTileAndTheWinningTileIsSetOnce)
{
    Hand h;
    for (TileId t : tilesOf("2b 5c 9d dr"))
        h.addSet(t == tile("2b") ? Chow : MeldedKong, t);
    h.addSet(Pung, tile("we"));  // refused silently
    h.addConcealedTile(tile("ws"));
    h.addConcealedTile(tile("ww"));  // refused silently
    EXPECT_EQ(h.setCount, 4);
    EXPECT_EQ(h.concealedCount, 1);
    EXPECT_FALSE(h.isComplete());
    h.setWinningTile(tile("ws"));
    h.setWinningTile(tile("5b"));
    EXPECT_EQ(h.winningTile, tile("ws"));
    EXPECT_TRUE(h.isComplete());
    EXPECT_EQ(h.tileCount, 14);
}

// Concealed tiles stay sorted, the tile list keeps the order of adding, a removed set takes
// its tiles and shifts the later sets, and the winning tile leaves by its first equal entry.
TEST(Hand, RemovingTakesTheTilesOfWhatIsRemoved)
{
    Hand h;
    h.addSet(Pung, tile("1d"));
    h.addSet(Chow, tile("5b"));
    h.addSet(Pung, tile("dg"));
    for (TileId t : tilesOf("5b 3b"))
        h.addConcealedTile(t);
    EXPECT_EQ(h.concealedTiles[0], tile("3b"));
    EXPECT_FALSE(h.removeSet(Chow, tile("6b")));
    EXPECT_TRUE(h.removeSet(Chow, tile("5b")));
    EXPECT_EQ(h.setKinds[1], Pung);
    EXPECT_EQ(h.setTiles[1], tile("dg"));
    EXPECT_TRUE(h.removeConcealedTile(tile("5b")));
    EXPECT_FALSE(h.removeConcealedTile(tile("5b")));
    EXPECT_EQ(tilesIn(h), tilesOf("1d 1d 1d dg dg dg 3b"));
    EXPECT_FALSE(h.clearWinningTile());
    h.setWinningTile(tile("1d"));
    EXPECT_TRUE(h.clearWinningTile());
    EXPECT_EQ(tilesIn(h), tilesOf("1d 1d dg dg dg 3b 1d"));
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
        std::string answers;
        for (bool b : {h.forcesLastTileOfKind(), h.allowsLastTileOfKind(), h.allowsRobbingTheKong(),
                       h.allowsReplacementTile(), h.needsWinds()})
            answers += b ? '1' : '0';
        EXPECT_EQ(answers, row.answers) << row.code;
    }
    // Incomplete hands count whatever they hold.
    EXPECT_TRUE(test::concealedHand("ws ws ws", "").needsWinds());
}

}  // namespace
}  // namespace fanwright
