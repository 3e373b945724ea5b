#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "hand/log_code.h"
#include "hand/scoring.h"
#include "seed_for_draw.h"

#include <gtest/gtest.h>

#include <string>

namespace fanwright {
namespace {

// Each test installs its settings and seed; the process-wide settings are put back afterwards.
class GeneratorTest : public ::testing::Test {
protected:
    const GeneratorSettings saved_ = generatorSettings();
    void TearDown() override { generatorSettings() = saved_; }
};

void start(const GeneratorSettings& settings, std::uint32_t seed)
{
    generatorSettings() = settings;
    seedRandom(seed);
}

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

TEST_F(GeneratorTest, EveryHandIsLegalAndEveryFlagAndWindOccurs)
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
            generateHand(h);
            ASSERT_TRUE(isLegal(h)) << h.toLogText();
            seen |= h.lastTileInGame | h.lastTileOfKind << 1 | h.replacementTile << 2 |
                    h.robbingTheKong << 3;
            if (h.needsWinds())
                seen |= 1 << (4 + h.seatWind - East) | 1 << (8 + h.prevalentWind - East);
        }
    }
    EXPECT_EQ(seen, 0xFFF);
}

// One draw at a time steered to exactly 0.0 or 1.0 must fall on the side that keeps a hand of
// melded kongs won on a discard without flags. Its draws: special or not, three per set (melded,
// kind, tile), the pair, the winning tile, the win source (16th), the first flag (17th).
TEST_F(GeneratorTest, DrawsOfExactlyZeroAndOneFallOnTheStatedSide)
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
        generateHand(h);
        EXPECT_TRUE(h.setCount == 4 && h.setKinds[0] == MeldedKong && h.winSource == Discard &&
                    !h.lastTileInGame)
            << "draw " << row.draw << ": " << h.toLogText();
    }
}

TEST_F(GeneratorTest, MinimumReturnsTheScoreOfTheHandLeftBehind)
{
    start({}, 13);
    Hand h;
    for (int i = 0; i < 500; ++i) {
        const int total = generateWithMinimum(h, 8);
        ScoreResult result;
        ASSERT_TRUE(total >= 8 && scoreHand(h, result) == total) << h.toLogText();
    }
}

}  // namespace
}  // namespace fanwright
