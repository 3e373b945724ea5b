#include "hand/decomposition.h"
#include "hand/shape_tables.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

using test::describe;
using test::readingTexts;
using test::tile;
using test::tilesOf;

using test::describe;

using Readings = std::vector<std::string>;

TEST(Decomposition, ThreeEqualChowsAlsoReadAsThreePungsChowsFirst)
{
    Hand h = test::concealedHand("1b1b1b 2b2b2b 3b3b3b 5c6c7c 9d", "9d");
    EXPECT_EQ(readingTexts(h), (Readings{"ch2b ch2b ch2b ch6c =9d", "ch6c pu1b pu2b pu3b =9d"}));
}

TEST(Decomposition, SevenPairsComeAfterTheSetReadings)
{
    Hand h = test::concealedHand("1b1b 2b2b 3b3b 4c4c 5c5c 6c6c 9d", "9d");
    EXPECT_EQ(readingTexts(h),
              (Readings{"ch2b ch2b ch5c ch5c =9d", "pr1b pr2b pr3b pr4c pr5c pr6c pr9d"}));
    Hand fourOfAKind = test::concealedHand("2c2c2c2c 5c5c 6c6c 8d8d we we dr", "dr");
    EXPECT_EQ(readingTexts(fourOfAKind), (Readings{"pr2c pr2c pr5c pr6c pr8d prwe prdr"}));
}

TEST(Decomposition, KnittedStraightWithASetAndThePair)
{
    Hand h = test::concealedHand("1b4b7b 2c5c8c 3d6d9d dr dr dr we", "we");
    EXPECT_EQ(readingTexts(h), (Readings{"kn4b kn5c kn6d pudr =we"}));
    // With a declared set only the pair is left beside the knitted row.
    EXPECT_EQ(readingTexts(test::handOf("pudr1b4b7b2c5c8c3d6d9dweweffffememd")),
              Readings{"kn4b kn5c kn6d pudr =we"});
}

TEST(Decomposition, DuplicatePathsGiveOneReading)
{
    // The pair of 2b can be taken before or after the chow 2-3-4 starting with the same tile.
    Hand h = test::concealedHand("2b2b2b3b4b 5c5c5c 7d8d9d dg dg", "dg");
    EXPECT_EQ(readingTexts(h), (Readings{"ch3b ch8d pu5c pudg =2b"}));
    Hand twice = test::concealedHand("1b1b2b2b3b3b4b4b 5c5c5c 7d8d", "9d");
    EXPECT_EQ(readingTexts(twice),
              (Readings{"ch2b ch2b ch8d pu5c =4b", "ch3b ch3b ch8d pu5c =1b"}));
}

TEST(SpecialForms, ThirteenOrphansWithAnyDuplicate)
{
    EXPECT_EQ(readingTexts(test::concealedHand("1b9b1c9c1d9dwewswwwndrdgdw", "dw")),
              Readings{"thirteen-orphans"});
    EXPECT_EQ(readingTexts(test::concealedHand("1b9b1c9c1d9dwewswwwndrdgdw", "1b")),
              Readings{"thirteen-orphans"});
    // 2b in place of 9b, or a third copy of one orphan, breaks it.
    EXPECT_EQ(readingTexts(test::concealedHand("1b2b1c9c1d9dwewswwwndrdgdw", "dw")), Readings{});
    EXPECT_EQ(readingTexts(test::concealedHand("1b1b9b1c9c1d9dwewswwwndrdg", "1b")), Readings{});
}

TEST(SpecialForms, HonorsAndKnittedTiles)
{
    // Seven honors and seven tiles of row 2-5-8 bamboo, 1-4-7 characters, 3-6-9 dots.
    EXPECT_EQ(readingTexts(test::concealedHand("2b5b8b 1c4c 6d9d wewswwwndrdg", "dw")),
              Readings{"greater-knitted"});
    EXPECT_EQ(readingTexts(test::concealedHand("2b5b8b 1c4c7c 3d6d wewswwwndr", "dg")),
              Readings{"lesser-knitted"});  // eight knitted, six honors
    EXPECT_EQ(readingTexts(test::concealedHand("2b5b8b 1c4c7c 3d6d9d wewswwwn", "dr")),
              Readings{"lesser-knitted"});  // all nine, five honors
    // Near misses: a repeated honor, a tile outside the row, four honors.
    EXPECT_EQ(readingTexts(test::concealedHand("2b5b8b 1c4c7c 3d6d wewswwwndr", "dr")), Readings{});
    EXPECT_EQ(readingTexts(test::concealedHand("2b5b8b 1c4c7c 3d5d wewswwwndr", "dg")), Readings{});
}

TEST(SpecialForms, AreNotLookedForWhenASetIsDeclared)
{
    // The same fourteen tiles make seven pairs only when nothing is declared.
    Hand declared = test::handOf("pu1b1b2b2b3b3b4b4b5b5b6b6bffffememw");
    EXPECT_EQ(readingTexts(declared), Readings{});
    Hand concealed = test::concealedHand("1b1b1b1b 2b2b3b3b4b4b5b5b6b", "6b");
    EXPECT_EQ(readingTexts(concealed).back(), "pr1b pr1b pr2b pr3b pr4b pr5b pr6b");
}

// The first set formed with the winning tile holds it, concealed only when self-drawn, and
// keeps holding it while later sets sort in front of it.
TEST(WinningSet, IsTheFirstSetFormedWithTheWinningTileAndFollowsItAsSetsSortInFront)
{
    const struct {
        const char* concealed;
        const char* winning;
        WinSource source;
        const char* reading;
        int winningSet;
        const char* concealedSets;  // setConcealed of the four sets
    } rows[] = {
        {"1b2b 3b4b5b 6c7c8c 9d9d9d dr dr", "3b", SelfDrawn, "ch2b ch4b ch7c pu9d =dr", 0, "1111"},
        {"1b2b 3b4b5b 6c7c8c 9d9d9d dr dr", "3b", Discard, "ch2b ch4b ch7c pu9d =dr", 0, "0111"},
        {"1b2b3b 3b4b5b 6c7c8c 9d9d9d dr", "dr", Discard, "ch2b ch4b ch7c pu9d =dr", -1, "1111"},
        {"1b1b 5c6c7c 5d6d7d 7d8d9d we we", "1b", Discard, "ch6c ch6d ch8d pu1b =we", 3, "1110"},
    };
    for (const auto& row : rows) {
        const auto readings =
            test::readingsOf(test::concealedHand(row.concealed, row.winning, row.source));
        ASSERT_EQ(readings.size(), 1u) << row.concealed;
        const HandStructure& r = readings[0];
        std::string concealedSets;
        for (int i = 0; i < r.setCount; ++i)
            concealedSets += static_cast<char>('0' + r.setConcealed[i]);
        EXPECT_EQ(describe(r), row.reading) << row.concealed;
        EXPECT_EQ(r.winningSet, row.winningSet) << row.concealed;
        EXPECT_EQ(concealedSets, row.concealedSets) << row.concealed;
    }
}

}  // namespace
}  // namespace fanwright
