#include "hand/decomposition.h"
#include "hand/shape_tables.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

using test::tile;
using test::tilesOf;

// "ch2b ch2b pu9d =5c": sets by kind and tile, then the pair.
std::string describe(const HandStructure& s)
{
    static const char* const kinds[] = {"--",
                                        "ch",
                                        "kn",
                                        "pu",
                                        "kg",
                                        "pr",
                                        "--",
                                        "--",
                                        "--",
                                        "--",
                                        "thirteen-orphans",
                                        "greater-knitted",
                                        "lesser-knitted"};
    std::string text;
    for (int i = 0; i < s.setCount; ++i) {
        text += kinds[s.setKinds[i]];
        if (s.setTiles[i] != NoTile)
            text += tileName(s.setTiles[i]);
        text += ' ';
    }
    if (s.pairTile != NoTile) {
        text += '=';
        text += tileName(s.pairTile);
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::vector<std::string> readingsOf(const Hand& hand)
{
    HandStructure s;
    s.buildStructure(hand, 0);
    StructureList list;
    decompose(list, s);
    std::vector<std::string> out;
    for (int i = 0; i < list.count(); ++i)
        out.push_back(describe(list[i]));
    return out;
}

using Readings = std::vector<std::string>;

TEST(Decomposition, ThreeEqualChowsAlsoReadAsThreePungsChowsFirst)
{
    Hand h = test::concealedHand("1b1b1b 2b2b2b 3b3b3b 5c6c7c 9d", "9d");
    EXPECT_EQ(readingsOf(h), (Readings{"ch2b ch2b ch2b ch6c =9d", "ch6c pu1b pu2b pu3b =9d"}));
}

TEST(Decomposition, SevenPairsComeAfterTheSetReadings)
{
    Hand h = test::concealedHand("1b1b 2b2b 3b3b 4c4c 5c5c 6c6c 9d", "9d");
    EXPECT_EQ(readingsOf(h),
              (Readings{"ch2b ch2b ch5c ch5c =9d", "pr1b pr2b pr3b pr4c pr5c pr6c pr9d"}));
    Hand fourOfAKind = test::concealedHand("2c2c2c2c 5c5c 6c6c 8d8d we we dr", "dr");
    EXPECT_EQ(readingsOf(fourOfAKind), (Readings{"pr2c pr2c pr5c pr6c pr8d prwe prdr"}));
}

TEST(Decomposition, KnittedStraightWithASetAndThePair)
{
    Hand h = test::concealedHand("1b4b7b 2c5c8c 3d6d9d dr dr dr we", "we");
    EXPECT_EQ(readingsOf(h), (Readings{"kn4b kn5c kn6d pudr =we"}));
    // With a declared set only the pair is left beside the knitted row.
    EXPECT_EQ(readingsOf(test::handOf("pudr1b4b7b2c5c8c3d6d9dweweffffememd")),
              Readings{"kn4b kn5c kn6d pudr =we"});
}

TEST(Decomposition, DuplicatePathsGiveOneReading)
{
    // The pair of 2b can be taken before or after the chow 2-3-4 starting with the same tile.
    Hand h = test::concealedHand("2b2b2b3b4b 5c5c5c 7d8d9d dg dg", "dg");
    EXPECT_EQ(readingsOf(h), (Readings{"ch3b ch8d pu5c pudg =2b"}));
    Hand twice = test::concealedHand("1b1b2b2b3b3b4b4b 5c5c5c 7d8d", "9d");
    EXPECT_EQ(readingsOf(twice), (Readings{"ch2b ch2b ch8d pu5c =4b", "ch3b ch3b ch8d pu5c =1b"}));
}

TEST(SpecialForms, ThirteenOrphansWithAnyDuplicate)
{
    EXPECT_EQ(readingsOf(test::concealedHand("1b9b1c9c1d9dwewswwwndrdgdw", "dw")),
              Readings{"thirteen-orphans"});
    EXPECT_EQ(readingsOf(test::concealedHand("1b9b1c9c1d9dwewswwwndrdgdw", "1b")),
              Readings{"thirteen-orphans"});
    // 2b in place of 9b, or a third copy of one orphan, breaks it.
    EXPECT_EQ(readingsOf(test::concealedHand("1b2b1c9c1d9dwewswwwndrdgdw", "dw")), Readings{});
    EXPECT_EQ(readingsOf(test::concealedHand("1b1b9b1c9c1d9dwewswwwndrdg", "1b")), Readings{});
}

TEST(SpecialForms, HonorsAndKnittedTiles)
{
    // Seven honors and seven tiles of row 2-5-8 bamboo, 1-4-7 characters, 3-6-9 dots.
    EXPECT_EQ(readingsOf(test::concealedHand("2b5b8b 1c4c 6d9d wewswwwndrdg", "dw")),
              Readings{"greater-knitted"});
    EXPECT_EQ(readingsOf(test::concealedHand("2b5b8b 1c4c7c 3d6d wewswwwndr", "dg")),
              Readings{"lesser-knitted"});  // eight knitted, six honors
    EXPECT_EQ(readingsOf(test::concealedHand("2b5b8b 1c4c7c 3d6d9d wewswwwn", "dr")),
              Readings{"lesser-knitted"});  // all nine, five honors
    // Near misses: a repeated honor, a tile outside the row, four honors.
    EXPECT_EQ(readingsOf(test::concealedHand("2b5b8b 1c4c7c 3d6d wewswwwndr", "dr")), Readings{});
    EXPECT_EQ(readingsOf(test::concealedHand("2b5b8b 1c4c7c 3d5d wewswwwndr", "dg")), Readings{});
}

TEST(SpecialForms, AreNotLookedForWhenASetIsDeclared)
{
    // The same fourteen tiles make seven pairs only when nothing is declared.
    Hand declared = test::handOf("pu1b1b2b2b3b3b4b4b5b5b6b6bffffememw");
    EXPECT_EQ(readingsOf(declared), Readings{});
    Hand concealed = test::concealedHand("1b1b1b1b 2b2b3b3b4b4b5b5b6b", "6b");
    EXPECT_EQ(readingsOf(concealed).back(), "pr1b pr1b pr2b pr3b pr4b pr5b pr6b");
}

TEST(WinningSet, TheFirstSetFormedWithTheWinningTileTakesItConcealedOnlyWhenSelfDrawn)
{
    for (WinSource source : {SelfDrawn, Discard}) {
        Hand h = test::concealedHand("1b2b 3b4b5b 6c7c8c 9d9d9d dr dr", "3b", source);
        HandStructure s;
        s.buildStructure(h, 1);
        StructureList list;
        decompose(list, s);
        ASSERT_EQ(list.count(), 1);
        const HandStructure& r = list[0];
        EXPECT_EQ(describe(r), "ch2b ch4b ch7c pu9d =dr");
        ASSERT_EQ(r.winningSet, 0);  // 1-2-3 is formed before 3-4-5
        EXPECT_EQ(r.setConcealed[0], source == SelfDrawn ? 1 : 0);
        EXPECT_EQ(r.setConcealed[1], 1);
        EXPECT_EQ(r.form, Regular);
        EXPECT_EQ(r.waitCount, 1);
        EXPECT_EQ(r.remainingCount, 0);
    }
    // Winning on the pair: no set holds the winning tile.
    Hand pairWin = test::concealedHand("1b2b3b 3b4b5b 6c7c8c 9d9d9d dr", "dr", Discard);
    HandStructure s;
    s.buildStructure(pairWin, 1);
    StructureList list;
    decompose(list, s);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list[0].winningSet, -1);
    EXPECT_EQ(list[0].setConcealed[0] + list[0].setConcealed[1] + list[0].setConcealed[2] +
                  list[0].setConcealed[3],
              4);
}

TEST(WinningSet, FollowsItsSetWhenLaterSetsAreInsertedBeforeIt)
{
    // The winning pung of 1b is formed first, then the chows sort in front of it.
    Hand h = test::concealedHand("1b1b 5c6c7c 5d6d7d 7d8d9d we we", "1b", Discard);
    HandStructure s;
    s.buildStructure(h, 1);
    StructureList list;
    decompose(list, s);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(describe(list[0]), "ch6c ch6d ch8d pu1b =we");
    EXPECT_EQ(list[0].winningSet, 3);
    EXPECT_EQ(list[0].setConcealed[3], 0);
    EXPECT_EQ(list[0].pungCounts[tile("1b")], 1);
    EXPECT_EQ(list[0].chowCounts[tile("6d")], 1);
}

TEST(CountInOrder, CountsListEntriesMetInOrderAlongThePattern)
{
    const auto row = knittedRows[0];
    const auto in = tilesOf("1b 7b 2c 3d");
    EXPECT_EQ(countInOrder(row.data(), 9, in.data(), 4), 4);
    const auto repeated = tilesOf("1b 1b 4b");
    EXPECT_EQ(countInOrder(row.data(), 9, repeated.data(), 3), 1);
    const auto outside = tilesOf("1b 2b 4b");
    EXPECT_EQ(countInOrder(row.data(), 9, outside.data(), 3), 1);
    EXPECT_EQ(countInOrder(row.data(), 9, in.data(), 2), 2);  // stops when enough counted
}

}  // namespace
}  // namespace fanwright
