#include "hand/hand_structure.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace fanwright {
namespace {

using test::tile;
using test::tilesOf;

std::vector<TileId> remainingOf(const HandStructure& s)
{
    return {s.remainingTiles, s.remainingTiles + s.remainingCount};
}

struct SetRow {
    SetKind kind;
    TileId tile;
    int concealed;
    bool operator==(const SetRow&) const = default;
};

std::vector<SetRow> setsOf(const HandStructure& s)
{
    std::vector<SetRow> rows;
    for (int i = 0; i < s.setCount; ++i)
        rows.push_back({s.setKinds[i], s.setTiles[i], s.setConcealed[i]});
    return rows;
}

TEST(BuildStructure, SortsDeclaredSetsAndPutsTheWinningTileAmongTheRemainingTiles)
{
    Hand h = test::handOf("mk5dch3b1c2c3c9cwewewe7cffffememd");
    HandStructure s;
    s.buildStructure(h, 2);
    EXPECT_EQ(setsOf(s), (std::vector<SetRow>{{Chow, tile("3b"), 0}, {Kong, tile("5d"), 0}}));
    EXPECT_EQ(remainingOf(s), tilesOf("1c 2c 3c 7c 9c we we we"));
    EXPECT_EQ(s.tiles[0], tile("2b"));
    EXPECT_EQ(s.tiles[13], tile("we"));
    EXPECT_EQ(s.winningSet, -1);
    EXPECT_EQ(s.pairTile, NoTile);
    EXPECT_EQ(s.waitCount, 2);
    EXPECT_EQ(s.form, NoForm);
}

TEST(StructureSets, InsertionIsRefusedBeyondFourteenTiles)
{
    HandStructure s;
    for (TileId t : tilesOf("1b 2b 3b 4b 5b 6b 7b 8b 9b 1c 2c 3c"))
        s.insertRemaining(t);
    EXPECT_EQ(s.insertSet(Chow, tile("5d"), true), -1);  // 0 + 12 > 11
    EXPECT_TRUE(s.removeRemaining(tile("3c")));
    EXPECT_EQ(s.insertSet(Chow, tile("5d"), true), 0);   // 0 + 11
    EXPECT_EQ(s.insertSet(Chow, tile("5d"), true), -1);  // 3 + 11 > 11
    s.insertRemaining(tile("9d"));
    s.insertRemaining(tile("9d"));  // 3 + 13 > 14: ignored
    EXPECT_EQ(s.remainingCount, 12);
    EXPECT_EQ(s.remainingTiles[11], tile("9d"));
}

TEST(StructureCounts, RegularFormsCountSetsWhileSpecialFormsCountOnlyTiles)
{
    HandStructure s;
    s.buildStructure(test::handOf("mk7cch3b1d2d3d5d5dwewe9dffffememw"), 1);
    s.setForm(Regular);
    for (TileId t : tilesOf("1d 2d 3d"))
        s.removeRemaining(t);
    ASSERT_EQ(s.insertSet(Chow, tile("2d"), true), 1);
    s.computeCounts();
    EXPECT_EQ(s.tileCounts[tile("7c")], 3);
    EXPECT_EQ(s.pungCounts[tile("7c")], 1);
    EXPECT_EQ(s.chowCounts[tile("3b")], 1);
    EXPECT_EQ(s.chowCounts[tile("2d")], 1);
    EXPECT_EQ(s.kindCounts[Chow], 2);
    EXPECT_EQ(s.kindCounts[Kong], 1);
    EXPECT_EQ(s.suitCounts[0] + s.suitCounts[1] + s.suitCounts[2], 12);

    s.setForm(Special);
    s.computeCounts();
    EXPECT_EQ(s.pungCounts[tile("7c")], 0);
    EXPECT_EQ(s.kindCounts[Chow], 0);
    EXPECT_EQ(s.tileCounts[tile("we")], 2);
}

TEST(StructureCopies, SamenessIgnoresConcealmentButNotThePairOrTheTiles)
{
    HandStructure a;
    a.buildStructure(test::handOf("ch3b1d2d3d5d5d5d7c8c9cweweffffememd"), 1);
    HandStructure b = a;
    b.setConcealed[0] = 1;
    b.setWinningSet(0);
    b.setForm(Regular);
    EXPECT_TRUE(sameStructure(a, b));
    b.setPairIfNone(tile("we"));
    EXPECT_FALSE(sameStructure(a, b));
    b.clearPair();
    b.removeRemaining(tile("9c"));
    b.insertRemaining(tile("8c"));
    EXPECT_FALSE(sameStructure(a, b));
}

}  // namespace
}  // namespace fanwright
