#include "hand/readings.h"
#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "hand/suit_shapes.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace fanwright {
namespace {

// One suit's nine counts from tiles such as "1b1b2b" (any suit's letter will do).
std::vector<int> ranksOf(std::string_view tiles)
{
    std::vector<int> ranks(9, 0);
    for (TileId t : test::tilesOf(tiles))
        ++ranks[static_cast<std::size_t>(rankOf(t) - 1)];
    return ranks;
}

std::uint32_t rankBits(std::string_view tiles)
{
    std::uint32_t bits = 0;
    for (TileId t : test::tilesOf(tiles))
        bits |= 1u << (rankOf(t) - 1);
    return bits;
}

// The splits as "ch2 pu5 =9": sets by their middle or only rank, in the order formed.
std::vector<std::string> splitsOf(std::string_view tiles)
{
    std::vector<std::string> out;
    const SuitShape shape = suitShapeOf(ranksOf(tiles).data());
    if (!shape.splits())
        return out;
    for (const SuitSplit* split = shape.firstSplit();; ++split) {
        std::string text;
        for (int i = 0; i < split->setCount(); ++i) {
            text += split->isPung(i) ? "pu" : "ch";
            text += static_cast<char>('1' + split->rankIndex(i));
            text += ' ';
        }
        if (split->hasPair()) {
            text += '=';
            text += static_cast<char>('1' + split->pairRankIndex());
        }
        out.push_back(text);
        if (split->isLast())
            return out;
    }
}

TEST(SuitShapes, NumbersEveryShapeOnceInOrder)
{
    EXPECT_EQ(suitShapeIndex(ranksOf("").data()), 0);
    EXPECT_EQ(suitShapeIndex(ranksOf("1b1b1b1b 2b2b2b2b 3b3b3b3b 4b4b").data()),
              SuitShapeCount - 1);
    EXPECT_EQ(suitShapeIndex(ranksOf("1b1b1b1b1b").data()), -1);
    EXPECT_EQ(suitShapeIndex(ranksOf("1b1b1b1b 2b2b2b2b 3b3b3b3b 4b4b4b").data()), -1);
}

TEST(SuitShapes, SplitsInTheSearchOrderAndCompletingTiles)
{
    struct Row {
        const char* tiles;
        std::vector<std::string> splits;
        const char* completions;  // ranks whose added tile makes the suit split
    };
    const Row rows[] = {
        {"", {""}, ""},
        {"1b1b1b2b2b2b3b3b3b", {"ch2 ch2 ch2 ", "pu1 pu2 pu3 "}, ""},
        {"2b2b2b3b4b", {"ch3 =2"}, "2b5b"},
        {"1b1b2b2b3b3b4b4b", {"ch2 ch2 =4", "ch3 ch3 =1"}, "1b4b"},
        {"1b1b1b2b3b4b5b6b7b8b9b9b9b", {}, "1b2b3b4b5b6b7b8b9b"},
        {"1b1b1b1b2b2b3b3b", {"ch2 ch2 =1"}, "1b4b"},  // a fifth 1b: pung and two chows
        {"1b2b", {}, "3b"},
        {"4b", {}, "4b"},
        {"1b3b5b7b9b", {}, ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(splitsOf(row.tiles), row.splits) << row.tiles;
        const SuitShape shape = suitShapeOf(ranksOf(row.tiles).data());
        EXPECT_EQ(shape.completions(), rankBits(row.completions)) << row.tiles;
    }
}

// Every field the fan rules may read, compared between the stream and the full search.
void expectSameReading(const HandStructure& a, const HandStructure& b, const char* code)
{
    ASSERT_TRUE(sameStructure(a, b)) << code;
    EXPECT_EQ(a.form, b.form) << code;
    EXPECT_EQ(a.winningSet, b.winningSet) << code;
    EXPECT_EQ(a.waitCount, b.waitCount) << code;
    for (int i = 0; a.form == Regular && i < a.setCount; ++i)
        EXPECT_EQ(a.setConcealed[i], b.setConcealed[i]) << code;
    EXPECT_EQ(std::vector<int>(a.tiles, a.tiles + MaxTiles),
              std::vector<int>(b.tiles, b.tiles + MaxTiles));
    EXPECT_EQ(0, std::memcmp(a.suitCounts, b.suitCounts,
                             sizeof a.suitCounts + sizeof a.kindCounts + sizeof a.tileCounts +
                                 sizeof a.chowCounts + sizeof a.pungCounts))
        << code;
}

// Readings of the stream against those of the full search; false when the stream declined.
bool streamMatchesSearch(Hand hand, int waits)
{
    const std::string code = hand.toLogText();
    HandStructure s;
    s.buildStructure(hand, waits);
    StructureList list;
    decompose(list, s);
    ReadingStream stream;
    if (!stream.start(hand, waits))
        return false;
    int n = 0;
    for (; stream.next(); ++n) {
        EXPECT_LT(n, list.count()) << code;
        if (n < list.count())
            expectSameReading(stream.reading(), list[n], code.c_str());
    }
    EXPECT_EQ(n, list.count()) << code;
    return true;
}

TEST(ReadingStream, AgreesWithTheFullSearchOnTheBenchmarkPool)
{
    std::ifstream pool(FANWRIGHT_BENCH_POOL);
    ASSERT_TRUE(pool) << FANWRIGHT_BENCH_POOL;
    int streamed = 0, hands = 0;
    for (std::string line; std::getline(pool, line); ++hands)
        streamed += streamMatchesSearch(test::handOf(line), hands % 3) ? 1 : 0;
    EXPECT_GE(hands, 10000);
    EXPECT_GT(streamed, hands - 200);  // all but the knitted straights
}

// Every corner of the settings, and near misses: a concealed tile swapped for another, which
// often leaves no reading at all, or a fifth copy of a tile.
TEST(ReadingStream, AgreesWithTheFullSearchOnGeneratedHandsAndNearMisses)
{
    test::forEachDealtHand(test::settingsCorners, 4242, 3000, [](Hand& h, int i) {
        if (i % 2 == 1 && h.concealedCount > 0) {
            h.removeConcealedTile(h.concealedTiles[randomBelow(h.concealedCount)]);
            h.addConcealedTile(FirstTile + randomBelow(TileKinds));
        }
        streamMatchesSearch(h, 1);
    });
}

}  // namespace
}  // namespace fanwright
