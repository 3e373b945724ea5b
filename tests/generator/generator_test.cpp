#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "hand/decomposition.h"
#include "hand/scoring.h"
#include "seed_for_draw.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace fanwright {
namespace {

// Each test installs its settings and seed and leaves the process-wide settings as it found them.
class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = generatorSettings(); }
    void TearDown() override { generatorSettings() = saved_; }
    static void start(const GeneratorSettings& settings, std::uint32_t seed)
    {
        generatorSettings() = settings;
        seedRandom(seed);
    }

private:
    GeneratorSettings saved_;
};

// What a hand holds, by tile kind, a kong counting four.
struct Tally {
    int copies[TileCodes] = {};
    int kinds = 0, orphanKinds = 0, honorKinds = 0, pairs = 0, fours = 0;

    explicit Tally(const Hand& h)
    {
        for (TileId t = FirstTile; t <= LastTile; ++t) {
            const int n = copies[t] = h.countTileUses(t);
            kinds += n > 0;
            orphanKinds += n > 0 && isTerminalOrHonor(t);
            honorKinds += n > 0 && isHonor(t);
            pairs += n == 2;
            fours += n == 4;
        }
    }
};

// Complete, scorable, no fifth copy, and only flags and winds the hand allows.
testing::AssertionResult isLegal(Hand h)
{
    const std::string code = h.toLogText();
    const auto fail = [&code](const char* what) {
        return testing::AssertionFailure() << what << ": " << code;
    };
    const Tally tally(h);
    for (int n : tally.copies) {
        if (n > 4)
            return fail("a fifth copy");
    }
    const bool lastOfKindRight = h.isLastTileOfKind()
                                     ? h.forcesLastTileOfKind() || h.allowsLastTileOfKind()
                                     : !h.forcesLastTileOfKind();
    if (!lastOfKindRight || (h.isReplacementTile() && !h.allowsReplacementTile()) ||
        (h.isRobbingTheKong() && !h.allowsRobbingTheKong()))
        return fail("a flag the hand does not allow");
    const bool windsSet = isWind(h.prevalentWind) && isWind(h.seatWind);
    const bool windsClear = h.prevalentWind == NoTile && h.seatWind == NoTile;
    if (h.needsWinds() ? !windsSet : !windsClear)
        return fail("winds where they do not matter, or none where they do");
    ScoreResult result;
    if (!h.isComplete() || h.winSource == NotChosen || scoreHand(h, result) <= 0)
        return fail("incomplete or unreadable");
    return testing::AssertionSuccess();
}

TEST_F(GeneratorTest, EveryHandIsCompleteLegalAndScorable)
{
    const GeneratorSettings mixes[] = {
        {},
        {.freqMelding = 0, .freqSpecial = 3, .freqFlags = 3},
        {.freqMelding = 10, .freqFlags = 3},
        {.freqMelding = 3, .freqChow = 100, .freqPung = 0, .freqFlags = 3},
        {.freqChow = 0, .freqPung = 0, .freqFlags = 3},
        {.freqMelding = 7, .freqChow = 0, .freqPung = 100},
        {.freqMelding = 3, .freqChow = 20, .freqPung = 30, .freqSpecial = 2, .freqFlags = 3},
    };
    std::array<int, 12> seen{};  // each flag, seat wind and prevalent wind met at least once
    std::uint32_t seed = 100;
    for (const GeneratorSettings& mix : mixes) {
        start(mix, ++seed);
        Hand h;
        for (int i = 0; i < 12000; ++i) {
            generateHand(h);
            ASSERT_TRUE(isLegal(h)) << "seed " << seed << ", hand " << i;
            seen[0] += h.lastTileInGame;
            seen[1] += h.lastTileOfKind;
            seen[2] += h.replacementTile;
            seen[3] += h.robbingTheKong;
            if (h.needsWinds()) {
                ++seen[static_cast<std::size_t>(4 + h.seatWind - East)];
                ++seen[static_cast<std::size_t>(8 + h.prevalentWind - East)];
            }
        }
    }
    for (int count : seen)
        EXPECT_GT(count, 0);
}

TEST_F(GeneratorTest, SharesAtTheirLimits)
{
    Hand h;
    // Fully melded: no special hand, every set declared, a discard completing the pair.
    start({.freqMelding = 10, .freqSpecial = 3}, 7);
    for (int i = 0; i < 10000; ++i) {
        generateHand(h);
        ASSERT_TRUE(h.setCount == 4 && h.countSetsOfKind(ConcealedKong) == 0 &&
                    h.concealedCount == 1 && h.concealedTiles[0] == h.winningTile &&
                    h.winSource == Discard)
            << h.toLogText();
    }
    // Only chows, but for a kind draw of exactly 1.0, which makes a kong.
    start({.freqMelding = 10, .freqChow = 100, .freqPung = 0}, 8);
    for (int i = 0; i < 10000; ++i) {
        generateHand(h);
        ASSERT_EQ(h.countSetsOfKind(Chow) + h.countSetsOfKind(MeldedKong), 4) << h.toLogText();
    }
    // Neither chows nor pungs: four declared kongs and the pair.
    start({.freqChow = 0, .freqPung = 0, .freqSpecial = 0}, 9);
    for (int i = 0; i < 10000; ++i) {
        generateHand(h);
        ASSERT_TRUE(h.countSetsOfKind(MeldedKong) + h.countSetsOfKind(ConcealedKong) == 4 &&
                    h.concealedTiles[0] == h.winningTile)
            << h.toLogText();
    }
}

TEST_F(GeneratorTest, DrawsOfExactlyZeroAndOneFallOnTheStatedSide)
{
    // Draws: special or not, then per set melded-or-concealed and kind (and a candidate).
    Hand h;
    start({.freqMelding = 10, .freqChow = 100, .freqPung = 0}, test::seedDrawing(3, RandomMax));
    generateHand(h);
    EXPECT_EQ(h.setKinds[0], MeldedKong) << h.toLogText();  // 1.0 is not below a share of 1.0
    start({.freqMelding = 0, .freqSpecial = 0}, test::seedDrawing(2, 0));
    generateHand(h);
    EXPECT_TRUE(h.setCount > 0 && h.setKinds[0] != ConcealedKong)  // 0.0 is not above 0.0
        << h.toLogText();
    // Kongs only: 1 + 4 * 3 draws for the sets, the pair, the winning tile, then the source.
    start({.freqMelding = 10, .freqChow = 0, .freqPung = 0}, test::seedDrawing(16, RandomMax));
    generateHand(h);
    EXPECT_EQ(h.winSource, Discard) << h.toLogText();  // 1.0 is not above a share of 1.0
}

bool hasRegularReading(const Hand& hand)
{
    HandStructure s;
    s.buildStructure(hand, 0);
    StructureList readings;
    decompose(readings, s);
    for (int i = 0; i < readings.count(); ++i) {
        if (readings[i].getForm() == Regular)
            return true;
    }
    return false;
}

// All fourteen tiles in the winning tile's suit, 1 and 9 three times or more, every rank.
bool isNineGatesShape(const Hand& h, const Tally& tally)
{
    const int suit = suitOf(h.winningTile);
    int inSuit = 0;
    for (int rank = 1; suit >= 0 && rank <= 9; ++rank)
        inSuit += tally.copies[suitedTile(suit, rank)];
    return inSuit == 14 && tally.kinds == 9 && tally.copies[suitedTile(suit, 1)] >= 3 &&
           tally.copies[suitedTile(suit, 9)] >= 3;
}

// Nine gates dealt right: the concealed part is the gates, the added tile wins.
bool concealsTheGates(const Hand& h)
{
    constexpr int ranks[13] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9};
    for (int i = 0; i < 13; ++i) {
        if (h.concealedTiles[i] != suitedTile(suitOf(h.winningTile), ranks[i]))
            return false;
    }
    return true;
}

bool isFromOneKnittedRow(const Tally& tally)
{
    for (const auto& row : knittedRows) {
        int inRow = 0;
        for (TileId t : row)
            inRow += tally.copies[t];
        if (inRow == 14 - tally.honorKinds)
            return true;
    }
    return false;
}

TEST_F(GeneratorTest, SpecialHandsHaveTheirShapes)
{
    start({.freqMelding = 0, .freqSpecial = 3}, 10);
    // Orphans, nine gates, seven pairs with four of a kind, knitted with 5, 6 and 7 honors.
    std::array<int, 6> seen{};
    std::uint64_t orphanPairs = 0;  // which orphan made the pair
    int gatesRanks = 0;             // which rank completed the gates
    Hand h;
    for (int i = 0; i < 20000; ++i) {
        generateHand(h);
        const Tally tally(h);
        const std::string code = h.toLogText();
        if (h.setCount > 0) {
            continue;
        } else if (tally.orphanKinds == 13) {
            ASSERT_EQ(tally.kinds, 13) << code;
            ++seen[0];
            for (TileId t : orphanList)
                orphanPairs |= tally.copies[t] == 2 ? std::uint64_t{1} << t : 0;
        } else if (isNineGatesShape(h, tally)) {
            ASSERT_TRUE(concealsTheGates(h)) << code;
            ++seen[1];
            gatesRanks |= 1 << rankOf(h.winningTile);
        } else if (tally.kinds == 14) {
            ASSERT_TRUE(tally.honorKinds >= 5 && isFromOneKnittedRow(tally)) << code;
            ++seen[static_cast<std::size_t>(tally.honorKinds - 2)];
        } else if (!hasRegularReading(h)) {
            ASSERT_EQ(tally.pairs + 2 * tally.fours, 7) << code;
            seen[2] += tally.fours;
        }
    }
    for (int count : seen)
        EXPECT_GT(count, 0);
    EXPECT_EQ(orphanPairs, tileMask({1, 9, 10, 18, 19, 27, 28, 29, 30, 31, 32, 33, 34}));
    EXPECT_EQ(gatesRanks, 0x3FE);  // ranks 1..9
}

TEST_F(GeneratorTest, NeverMeansNoSpecialHandAndNoFlagButAForcedOne)
{
    start({.freqMelding = 0, .freqSpecial = 0}, 11);
    Hand h;
    for (int i = 0; i < 10000; ++i) {
        generateHand(h);
        ASSERT_TRUE(hasRegularReading(h) && !isNineGatesShape(h, Tally(h))) << h.toLogText();
    }
    start({.freqMelding = 7, .freqChow = 20, .freqPung = 50, .freqFlags = 0}, 12);
    int forced = 0;
    for (int i = 0; i < 10000; ++i) {
        generateHand(h);
        ASSERT_FALSE(h.lastTileInGame || h.replacementTile || h.robbingTheKong);
        ASSERT_EQ(h.isLastTileOfKind(), h.forcesLastTileOfKind()) << h.toLogText();
        forced += h.lastTileOfKind;
    }
    EXPECT_GT(forced, 0);
}

TEST_F(GeneratorTest, MinimumReturnsTheScoreOfTheHandLeftBehind)
{
    start({}, 13);
    Hand h;
    for (int i = 0; i < 2000; ++i) {
        const int total = generateWithMinimum(h, 8);
        ScoreResult result;
        ASSERT_GE(total, 8);
        ASSERT_EQ(scoreHand(h, result), total) << h.toLogText();
    }
}

std::vector<std::string> firstHands(const GeneratorSettings& settings, std::uint32_t seed)
{
    generatorSettings() = settings;
    seedRandom(seed);
    std::vector<std::string> codes;
    Hand h;
    for (int i = 0; i < 3; ++i) {
        if (settings.minimumPoints() != 0)
            generateWithMinimum(h, settings.minimumPoints());
        else
            generateHand(h);
        codes.emplace_back(h.toLogText());
    }
    return codes;
}

// The first hands of fixed seeds, so that any change in what a seed gives shows. The first was
// traced by hand: seed 1 draws 41 (below 0.025: special), 18467 (seven pairs), then the pairs
// 6334 % 68 = 10 (6b), 26500 % 67 = 35 (1d), 19169 % 66 = 29 (7c), and so on.
TEST_F(GeneratorTest, FixedSeedsGiveTheSameHands)
{
    using Codes = std::vector<std::string>;
    EXPECT_EQ(firstHands({}, 1),
              (Codes{"1b1b6b6b3c3c7c7c1d1dwwwwdrdrffffememd", "ch6dmk2dch2c8b8b2c4c3cffffememw",
                     "ch2bck7c1c1c9c9c4d5d6d9cffffememd"}));
    EXPECT_EQ(firstHands({.freqMelding = 0}, 2),
              (Codes{"4b7b2c5c8c3d6d9dwewwdrdgdwwnffffememw", "ck3d3b4b5b5d7dwwwwwwdwdw6dffffwewew",
                     "ck6d5b6b6b7b7b8b9b5d5d5d6bffffememw"}));
    EXPECT_EQ(firstHands({.freqSpecial = 3}, 3),
              (Codes{"3b3b9c9c2d2d6d6d6d8d8ddwdw6dffffememd",
                     "6b6b3c3c1d1d2d2d5d5dwedwdwweffffememd", "mkwwmkdgpu2d4c5c6cdwdwffffwnwww"}));
    // Knitted hands whose second left-out position was drawn equal to the first, so moved up.
    EXPECT_EQ(firstHands({.freqSpecial = 3}, 71392),
              (Codes{"ch2bck6c3c3c3c4c4c4d4d4dffffememd", "7b3c6c9c2d5d8dwewswwwndrdwdgffffememw",
                     "2b5b8b1c4c7c3d6d9dwewwdgdwwsffffememd"}));
    // Two nine gates and seven pairs: each reaches 8 points at once, whatever the fan rules.
    EXPECT_EQ(
        firstHands({.freqMelding = 0, .freqSpecial = 3, .minPoints = 8}, 9),
        (Codes{"1c1c1c2c3c4c5c6c7c8c9c9c9c9cffffememw", "1c1c1c2c3c4c5c6c7c8c9c9c9c1cffffememw",
               "5b5b9b9b1c1cwswswnwndrdgdgdrffffememw"}));
}

}  // namespace
}  // namespace fanwright
