// The rules of single fans on readings of real hands, and the same hands scored in full.
#include "fans/fan_rules.h"
#include "fans/chow_pairs.h"
#include "fans/fan_table.h"
#include "scoring/scoring.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace fanwright {
namespace {

// Which reading of a hand a rule is asked about.
enum Reading { First, Last, Any };

struct RuleRow {
    const char* why;
    FanRule rule;
    const char* code;
    Reading reading;
    int expected;
};

const RuleRow ruleRows[] = {
    {"a declared kong leaves fewer than 13 concealed tiles", nineGates,
     "ck1b2b3b4b5b6b7b8b9b9b9b5bffffememw", First, 0},
    {"4b-9b and 1c: consecutive codes, not shifted pairs", sevenShiftedPairs,
     "4b4b5b5b6b6b7b7b8b8b9b9b1c1cffffememw", Last, 0},
    {"...but seven pairs", sevenPairs, "4b4b5b5b6b6b7b7b8b8b9b9b1c1cffffememw", Last, 1},
    {"never all honors on a whole-hand form", allHonors, "1b9b1c9c1d9dwewswwwndrdgdw1bffffememw",
     First, 0},
    {"nor all terminals and honors", allTerminalsAndHonors, "1b9b1c9c1d9dwewswwwndrdgdw1bffffememw",
     First, 0},
    {"nor all types", allTypes, "1b9b1c9c1d9dwewswwwndrdgdw1bffffememw", First, 0},
    {"an all-honor hand is no half flush", halfFlush, "wewewswswwwwwnwndrdrdgdgdwdwffffememw",
     First, 0},
    {"four 2c and four 5c over sets and pair", tileHog, "2c2c2c3c4c5c5c5c6c7c2c5c9d9dffffememw",
     First, 2},
    {"a declared kong lists three tiles", tileHog, "mk5c1b2b3b4b5b6b7b8b9bweweffffememd", First, 0},
    {"all types from seven pair tiles", allTypes, "1b1b5c5c9d9dwewedrdr2b2b3c3cffffememw", Last, 1},
    {"no dragon pair", allTypes, "1b1b5c5c9d9dwewewsws2b2b3c3cffffememw", Last, 0},
    {"sets 1-3 equal: the fourth chow left", pureTripleChow,
     "2b2b2b3b3b3b4b4b4b5b6b7bdrdrffffememw", First, 4},
    {"1-2-3 then 2-3-4 x3: the first chow left", pureTripleChow,
     "1b2b2b2b2b3b3b3b3b4b4b4bweweffffememw", Any, 1},
    {"1-2-3, 4-5-6 x2, 7-8-9: sets 1, 2, 4", pureStraight, "1b2b3b4b4b5b5b6b6b7b8b9bdrdrffffememw",
     First, 3},
    {"the bamboo chow first: sets 1, 2, 4", mixedTripleChow,
     "3b4b5b3c4c4c5c5c6c3d4d5ddrdrffffememw", First, 3},
    {"9b 1c 2c 3c lie in two suits", fourPureShiftedPungs, "pu9b1c1c1c2c2c2c3c3cdrdr3cffffememd",
     First, 0},
    {"5b 5c 5d beside a chow", triplePung, "pu5b5c5c5c5d5d5d1b2b3bdrdrffffememd", First, 1},
    {"three fives beside a 9d pung", triplePung, "pu9d5c5c5c5d5d5d5b5b5bdrdrffffememd", First, 1},
    {"honor pungs have rank 0", triplePung, "puwe1b2b3bwswswswwwwww5c5cffffememd", First, 0},
    {"three winds no longer count, the 9d does", pungOfTerminalsOrHonors,
     "puwe9d9d9dwswswswwwwww5c5cffffememd", First, 1},
    {"east is prevalent: north and 1b count", pungOfTerminalsOrHonors,
     "puwe1b1b1bwnwnwn2c3c4c5d5dffffwewsd", First, 2},
    {"a chow is never the first of a pair", doublePung, "pu5b4c5c6c1d2d3d7d8d9ddrdrffffememd",
     First, 0},
    {"2b 2d and 7c 7d", doublePung, "pu2b2d2d2d7c7c7c7d7d7ddrdrffffememd", First, 2},
    {"no prevalent wind set", prevalentWindFan, "puwe9d9d9dwswswswwwwww5c5cffffememd", First, 0},
    {"no seat wind set", seatWindFan, "puwe9d9d9dwswswswwwwww5c5cffffememd", First, 0},
    {"last tile, self-drawn", lastTileDraw, "1b1b5c5c9d9dwewedrdr2b2b3c3ctfffememw", First, 1},
    {"not claimed", lastTileClaim, "1b1b5c5c9d9dwewedrdr2b2b3c3ctfffememw", First, 0},
    {"a discard completes the pair", meldedHand, "ch2bpu5cpuwemk9ddrdrffffememd", First, 1},
    {"a discard completes a set", meldedHand, "ch2bpu5cpuwedrdr8d9d7dffffememd", First, 0},
};

TEST(FanRules, OnReadingsOfRealHands)
{
    for (const RuleRow& row : ruleRows) {
        const std::vector<HandStructure> readings = test::readingsOf(test::handOf(row.code));
        bool matched = false;
        for (std::size_t i = 0; i < readings.size(); ++i) {
            const bool asked = row.reading == Any || (row.reading == First && i == 0) ||
                               (row.reading == Last && i + 1 == readings.size());
            matched = matched || (asked && row.rule(readings[i]) == row.expected);
        }
        EXPECT_TRUE(matched) << row.why << ": " << row.code;
    }
}

// Hands scored in full, each with the counts of the fans its row is about.
TEST(FanRules, InHandsScoredInFull)
{
    const struct {
        const char* why;
        const char* code;
        std::vector<std::pair<FanId, int>> counts;
    } rows[] = {
        {"nine gates won on 2", "1b1b1b2b3b4b5b6b7b8b9b9b9b2bffffememd", {{NineGates, 1}}},
        {"on 5", "1b1b1b2b3b4b5b6b7b8b9b9b9b5bffffememd", {{NineGates, 1}}},
        {"on 9", "1b1b1b2b3b4b5b6b7b8b9b9b9b9bffffememd", {{NineGates, 1}}},
        {"nine knitted, five honors",
         "1b4b7b2c5c8c3d6d9dwewswwwndrffffememw",
         {{LesserHonorsKnittedFan, 1}, {KnittedStraight, 1}}},
        {"eight knitted, six honors",
         "1b4b7b2c5c8c3d6dwewswwwndrdgffffememw",
         {{LesserHonorsKnittedFan, 1}, {KnittedStraight, 0}}},
        {"a kong of 2b sorts after pungs of 3b-5b",
         "mk2b3b3b3b4b4b4b5b5b5bdrdrffffememd",
         {{FourPureShiftedPungs, 1}}},
        {"two concealed kongs exclude two melded kongs and concealed kong",
         "ck2bck9c1d2d3d5d6d7ddrdrffffememw",
         {{TwoConcealedKongs, 1}, {TwoMeldedKongs, 0}, {ConcealedKongFan, 0}}},
        {"a concealed and a melded kong",
         "ck2bmk9c1d2d3d5d6d7ddrdrffffememw",
         {{TwoMeldedKongs, 1}, {ConcealedKongFan, 1}}},
        {"waiting on 3b alone", "1b2b4c5c6c5c6c7c1d1d1d9d9d3bffffememw", {{EdgeWait, 1}}},
        {"waiting on 3b and 6b", "1b2b3b4b5b5c6c7c1d1d1d9d9d3bffffememw", {{EdgeWait, 0}}},
        {"both winds set",
         "puwe9d9d9dwswswswwwwww5c5cffffwewed",
         {{PrevalentWind, 1}, {SeatWind, 1}}},
        {"self-drawn seven pairs are fully concealed, and row 19 excludes self-drawn",
         "1b1b5c5c9d9dwewedrdr2b2b3c3cffffememw",
         {{SevenPairsFan, 1}, {FullyConcealedHand, 1}, {SelfDrawnFan, 0}}},
    };
    for (const auto& row : rows) {
        Hand hand = test::handOf(row.code);
        ScoreResult result;
        EXPECT_GT(scoreHand(hand, result), 0) << row.code;
        for (const auto& [fan, count] : row.counts)
            EXPECT_EQ(result.fanCounts[fan - 1], count) << row.why << ": fan " << fan;
    }
}

// The pair fans of a regular reading holding just these chows, after a three-chow fan of the
// given code: Pure Double Chow, Mixed Double Chow, Short Straight, Two Terminal Chows.
TEST(PairwiseChowFans, OneFanPerPartnerAndNoCycle)
{
    const struct {
        std::vector<std::string> middles;
        int code;
        std::array<int, 4> fans;
    } rows[] = {
        {{"2b", "8b"}, 0, {0, 0, 0, 1}},
        {{"2b", "8c"}, 0, {0, 0, 0, 0}},
        {{"3d", "6d"}, 0, {0, 0, 1, 0}},
        {{"3d", "7d"}, 0, {0, 0, 0, 0}},
        {{"2b", "2b", "2c"}, 0, {1, 1, 0, 0}},
        {{"2b", "5b", "5c"}, 0, {0, 1, 1, 0}},
        {{"2b", "5b", "5c"}, 4, {0, 0, 0, 0}},
        {{"2b", "2b", "2c", "2c"}, 0, {2, 1, 0, 0}},
        {{"2b", "5b", "5c", "8c"}, 0, {0, 1, 2, 0}},
        // A four-cycle loses the pair of the third and fourth chows.
        {{"2b", "5b", "2c", "5c"}, 0, {0, 2, 1, 0}},
        {{"2b", "8b", "2d", "8d"}, 0, {0, 2, 0, 1}},
        // A three-chow fan used chows 1-3: only the left-over chow pairs, once.
        {{"3b", "3b", "3b", "6b"}, 4, {0, 0, 1, 0}},
        {{"2b", "2c", "2d", "5d"}, 4, {0, 0, 1, 0}},
    };
    for (const auto& row : rows) {
        HandStructure s;
        s.setForm(Regular);
        for (const std::string& m : row.middles)
            s.insertSet(Chow, test::tile(m), true);
        s.computeCounts();
        std::int32_t counts[FanCount] = {};
        countChowPairs(s, row.code, counts);
        EXPECT_EQ((std::array<int, 4>{counts[PureDoubleChow - 1], counts[MixedDoubleChow - 1],
                                      counts[ShortStraight - 1], counts[TwoTerminalChows - 1]}),
                  row.fans)
            << testing::PrintToString(row.middles) << " after code " << row.code;
    }
    // The lower chow comes first.
    EXPECT_EQ(chowPairFan(test::tile("2b"), test::tile("8b")), TwoTerminalChows);
    EXPECT_EQ(chowPairFan(test::tile("8b"), test::tile("2b")), NoFan);
    EXPECT_EQ(chowPairFan(test::tile("5b"), test::tile("2b")), NoFan);
    EXPECT_EQ(chowPairFan(test::tile("4c"), test::tile("4d")), MixedDoubleChow);
}

}  // namespace
}  // namespace fanwright
