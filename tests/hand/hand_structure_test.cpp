#include "hand/hand_structure.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
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

TEST(BuildStructure, ConcealedKongBecomesAConcealedKongSet)
{
    Hand h = test::handOf("ckdrpu2b1c2c3c9cwewewe7cffffememw");
    HandStructure s;
    s.buildStructure(h, 0);
    EXPECT_EQ(setsOf(s), (std::vector<SetRow>{{Pung, tile("2b"), 0}, {Kong, tile("dr"), 1}}));
}

TEST(StructureSets, InsertionKeepsTheOrderAndTheWinningSetFollowsItsSet)
{
    HandStructure s;
    s.insertSet(Pung, tile("2b"), false);
    EXPECT_EQ(s.insertSet(Chow, tile("5b"), false), 0);
    s.setWinningSet(1);                                 // the pung
    EXPECT_EQ(s.insertSet(Chow, tile("5b"), true), 1);  // after the equal chow
    EXPECT_EQ(s.winningSet, 2);
    EXPECT_EQ(setsOf(s), (std::vector<SetRow>{
                             {Chow, tile("5b"), 0}, {Chow, tile("5b"), 1}, {Pung, tile("2b"), 0}}));
    EXPECT_EQ(s.insertSet(Kong, tile("1b"), true), 3);  // after it: no change
    EXPECT_EQ(s.winningSet, 2);
    EXPECT_TRUE(s.removeSetAt(0));
    EXPECT_EQ(s.winningSet, 1);
    EXPECT_TRUE(s.removeSetOf(Kong, tile("1b")));
    EXPECT_EQ(s.winningSet, 1);
    EXPECT_FALSE(s.removeSetOf(Kong, tile("1b")));
    EXPECT_FALSE(s.removeSetAt(2));
    EXPECT_EQ(setsOf(s), (std::vector<SetRow>{{Chow, tile("5b"), 1}, {Pung, tile("2b"), 0}}));
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

TEST(StructureCopies, CopyKeepsItsOwnLogTextAndSamenessIgnoresConcealment)
{
    HandStructure a;
    a.buildStructure(test::handOf("ch3b1d2d3d5d5d5d7c8c9cweweffffememd"), 1);
    std::strcpy(a.logText, "a");
    HandStructure b;
    std::strcpy(b.logText, "b");
    b.copyFrom(a);
    EXPECT_STREQ(b.logText, "b");
    EXPECT_TRUE(sameStructure(a, b));

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
