#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "hand/log_code.h"
#include "scoring/scoring.h"
#include "seed_for_draw.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace fanwright {
namespace {

// Each test deals with its own settings from its own seed.
GeneratorSettings dealing;
void start(const GeneratorSettings& settings, std::uint32_t seed)
{
    dealing = settings;
    seedRandom(seed);
}
void deal(Hand& h) { generateHand(h, dealing); }

// Complete and winning with no fifth copy (the log reader refuses one), and only the flags and
// winds the hand allows.
bool isLegal(Hand h)
{
    ParsedLogLine parsed;
    std::string error;
    ScoreResult result;
    const bool lastOfKind = h.lastTileOfKind ? h.forcesLastTileOfKind() || h.allowsLastTileOfKind()
                                             : !h.forcesLastTileOfKind();
    const bool winds = h.needsWinds() ? isWind(h.prevalentWind) && isWind(h.seatWind)
                                      : h.prevalentWind == NoTile && h.seatWind == NoTile;
    return parseLogLine(h.toLogText(), parsed, error) && scoreHand(h, result) > 0 && lastOfKind &&
           winds && (!h.replacementTile || h.allowsReplacementTile()) &&
           (!h.robbingTheKong || h.allowsRobbingTheKong());
}

TEST(Generator, EveryHandIsLegalAndEveryFlagAndWindOccurs)
{
    const GeneratorSettings mixes[] = {
        {},
        {.freqMelding = 0, .freqSpecial = 3, .freqFlags = 3},
        {.freqMelding = 3, .freqChow = 100, .freqPung = 0, .freqFlags = 3},
        {.freqChow = 0, .freqPung = 0, .freqFlags = 3},
        {.freqMelding = 7, .freqChow = 0, .freqPung = 100},
    };
    int seen = 0;  // a bit for each flag raised and for each seat and prevalent wind met
    std::uint32_t seed = 100;
    Hand h;
    for (const GeneratorSettings& mix : mixes) {
        start(mix, ++seed);
        for (int i = 0; i < 12000; ++i) {
            deal(h);
            ASSERT_TRUE(isLegal(h)) << h.toLogText();
            seen |= h.lastTileInGame | h.lastTileOfKind << 1 | h.replacementTile << 2 |
                    h.robbingTheKong << 3;
            if (h.needsWinds())
                seen |= 1 << (4 + h.seatWind - East) | 1 << (8 + h.prevalentWind - East);
        }
    }
    EXPECT_EQ(seen, 0xFFF);
}

// The shares at their limits, over many hands each.
TEST(Generator, SharesAtTheirLimitsHoldForEveryHand)
{
    const struct {
        GeneratorSettings settings;
        bool (*holds)(const Hand&);
    } rows[] = {
        // Fully melded: every set declared, a discard won on the concealed pair.
        {{.freqMelding = 10, .freqSpecial = 3},
         [](const Hand& h) {
             return h.setCount == 4 && h.countSetsOfKind(ConcealedKong) == 0 &&
                    h.concealedCount == 1 && h.concealedTiles[0] == h.winningTile &&
                    h.winSource == Discard;
         }},
        // Chows only, but for a kind draw of exactly 1.0, which makes a kong.
        {{.freqMelding = 10, .freqChow = 100, .freqPung = 0},
         [](const Hand& h) {
             return h.countSetsOfKind(Chow) + h.countSetsOfKind(MeldedKong) == 4;
         }},
        // Neither chows nor pungs: four declared kongs, the pair holding the winning tile.
        {{.freqChow = 0, .freqPung = 0, .freqSpecial = 0},
         [](const Hand& h) {
             return h.countSetsOfKind(MeldedKong) + h.countSetsOfKind(ConcealedKong) == 4 &&
                    h.concealedTiles[0] == h.winningTile;
         }},
    };
    std::uint32_t seed = 200;
    Hand h;
    for (const auto& row : rows) {
        start(row.settings, ++seed);
        for (int i = 0; i < 10000; ++i) {
            deal(h);
            ASSERT_TRUE(row.holds(h)) << "seed " << seed << ": " << h.toLogText();
        }
    }
}

// Fourteen tiles of one suit, every rank held and the 1 and the 9 three times at least.
bool hasNineGatesTiles(const Hand& h)
{
    const int suit = suitOf(h.winningTile);
    int inSuit = 0, ranksHeld = 0;
    for (int rank = 1; suit >= 0 && rank <= 9; ++rank) {
        const int n = h.countTileUses(suitedTile(suit, rank));
        inSuit += n;
        ranksHeld += n > 0 ? 1 : 0;
    }
    return inSuit == 14 && ranksHeld == 9 && h.countTileUses(suitedTile(suit, 1)) >= 3 &&
           h.countTileUses(suitedTile(suit, 9)) >= 3;
}

// Every kind of special hand is dealt, each read as itself; the gates are won on the added tile.
TEST(Generator, SpecialHandsHaveTheirShapes)
{
    start({.freqMelding = 0, .freqSpecial = 3}, 210);
    int kinds = 0;  // a bit per special kind met: the three whole-hand kinds, pairs, gates
    Hand h;
    for (int i = 0; i < 20000; ++i) {
        deal(h);
        for (const HandStructure& reading : test::readingsOf(h)) {
            if (reading.form == Special)
                kinds |= 1 << (reading.setKinds[0] - ThirteenOrphans);
            kinds |= reading.form == SevenPairs ? 1 << 3 : 0;
        }
        if (hasNineGatesTiles(h)) {
            ScoreResult r;
            scoreHand(h, r);
            ASSERT_EQ(r.fanCounts[NineGates - 1], 1) << h.toLogText();
            kinds |= 1 << 4;
        }
    }
    EXPECT_EQ(kinds, 0x1F);
}

// One draw at a time steered to exactly 0.0 or 1.0 must fall on the side that keeps a hand of
// melded kongs won on a discard without flags. Its draws: special or not, three per set (melded,
// kind, tile), the pair, the winning tile, the win source (16th), the first flag (17th).
TEST(Generator, DrawsOfExactlyZeroAndOneCompareStrictlyWithTheShares)
{
    const struct {
        std::int32_t chow, special;  // the shares of chows and special hands, all else fixed
        int draw, value;
    } rows[] = {
        {0, 3, 1, 0},            // no special hand when fully melded
        {0, 0, 2, RandomMax},    // 1.0 is not above the melded share of 1.0
        {0, 0, 3, 0},            // 0.0 is not below chow and pung shares of 0
        {100, 0, 3, RandomMax},  // 1.0 is not below a chow share of 1.0
        {0, 0, 16, RandomMax},   // nor above the melded share: a discard
        {0, 0, 17, 0},           // 0.0 is not below a flag share of 0
    };
    Hand h;
    for (const auto& row : rows) {
        start({10, row.chow, 0, row.special, 0, 0}, test::seedDrawing(row.draw, row.value));
        deal(h);
        EXPECT_TRUE(h.setCount == 4 && h.setKinds[0] == MeldedKong && h.winSource == Discard &&
                    !h.lastTileInGame)
            << "draw " << row.draw << ": " << h.toLogText();
    }
}

TEST(Generator, MinimumReturnsTheScoreOfTheHandLeftBehind)
{
    start({}, 13);
    Hand h;
    for (int i = 0; i < 500; ++i) {
        const int total = generateWithMinimum(h, dealing, 8);
        ScoreResult result;
        ASSERT_TRUE(total >= 8 && scoreHand(h, result) == total) << h.toLogText();
    }
}

}  // namespace
}  // namespace fanwright
