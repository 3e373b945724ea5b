// The rules of single fans on readings of real hands, and the same hands scored in full.
#include "fans/fan_rules.h"
#include "fans/chow_pairs.h"
#include "fans/fan_table.h"
#include "hand/decomposition.h"
#include "hand/scoring.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

std::vector<HandStructure> readingsOf(const std::string& code)
{
    std::vector<HandStructure> readings = test::readingsOf(test::handOf(code));
    EXPECT_FALSE(readings.empty()) << code;
    return readings;
}

HandStructure readingOf(const std::string& code) { return readingsOf(code).at(0); }

struct Scored {
    int total;
    ScoreResult result;
    int count(FanId f) const { return result.fanCounts[f - 1]; }
};

Scored scored(const std::string& code)
{
    Hand hand = test::handOf(code);
    Scored s{0, {}};
    s.total = scoreHand(hand, s.result);
    return s;
}

TEST(WholeHandFans, NineGatesOnAnyTileOfItsSuitOnly)
{
    for (const char* w : {"1b", "2b", "5b", "9b"})
        EXPECT_EQ(
            scored(std::string("1b1b1b2b3b4b5b6b7b8b9b9b9b") + w + "ffffememd").count(NineGates), 1)
            << w;
    // Won on a character: no reading. With a declared concealed kong: fewer concealed tiles.
    EXPECT_EQ(scored("1b1b1b2b3b4b5b6b7b8b9b9b9b1cffffememd").total, 0);
    EXPECT_EQ(nineGates(readingOf("ck1b2b3b4b5b6b7b8b9b9b9b5bffffememw")), 0);
}

TEST(WholeHandFans, SevenShiftedPairsStartAtRankOneToThree)
{
    EXPECT_EQ(scored("3c3c4c4c5c5c6c6c7c7c8c8c9c9cffffememw").count(SevenShiftedPairs), 1);
    // 4b to 9b and 1c have consecutive codes but are no shifted pairs.
    const auto readings = readingsOf("4b4b5b5b6b6b7b7b8b8b9b9b1c1cffffememw");
    EXPECT_EQ(sevenShiftedPairs(readings.back()), 0);
    EXPECT_EQ(sevenPairs(readings.back()), 1);
}

TEST(WholeHandFans, HonorsCountOnSevenPairsButNeverOnWholeHandForms)
{
    const Scored honors = scored("wewewswswwwwwnwndrdrdgdgdwdwffffememw");
    EXPECT_EQ(honors.count(AllHonors), 1);
    EXPECT_EQ(honors.count(SevenPairsFan), 1);
    const HandStructure orphans = readingOf("1b9b1c9c1d9dwewswwwndrdgdw1bffffememw");
    EXPECT_EQ(allHonors(orphans), 0);
    EXPECT_EQ(allTerminalsAndHonors(orphans), 0);
    EXPECT_EQ(allTypes(orphans), 0);
    EXPECT_EQ(halfFlush(readingOf("wewewswswwwwwnwndrdrdgdgdwdwffffememw")), 0);
}

TEST(WholeHandFans, KnittedStraightInsideLesserHonorsNeedsAllNineKnittedTiles)
{
    const Scored nine = scored("1b4b7b2c5c8c3d6d9dwewswwwndrffffememw");
    EXPECT_EQ(nine.count(LesserHonorsKnittedFan), 1);
    EXPECT_EQ(nine.count(KnittedStraight), 1);
    const Scored eight = scored("1b4b7b2c5c8c3d6dwewswwwndrdgffffememw");
    EXPECT_EQ(eight.count(LesserHonorsKnittedFan), 1);
    EXPECT_EQ(eight.count(KnittedStraight), 0);
}

TEST(WholeHandFans, TileHogCountsEachTileHeldFourTimes)
{
    // Four 2c and four 5c spread over chows, pungs and the pair.
    const HandStructure s = readingOf("2c2c2c3c4c5c5c5c6c7c2c5c9d9dffffememw");
    EXPECT_EQ(tileHog(s), 2);
    // A declared kong lists three tiles and never makes a tile hog by itself.
    EXPECT_EQ(tileHog(readingOf("mk5c1b2b3b4b5b6b7b8b9bweweffffememd")), 0);
}

TEST(WholeHandFans, AllTypesOnSevenPairsUsesThePairTiles)
{
    EXPECT_EQ(allTypes(readingsOf("1b1b5c5c9d9dwewedrdr2b2b3c3cffffememw").back()), 1);
    EXPECT_EQ(allTypes(readingsOf("1b1b5c5c9d9dwewewsws2b2b3c3cffffememw").back()), 0);
}

TEST(SetPatternFans, PureTripleChowReportsTheChowItLeavesOut)
{
    EXPECT_EQ(pureTripleChow(readingOf("2b2b2b3b3b3b4b4b4b5b6b7bdrdrffffememw")), 4);
    // Chows 1-2-3, 2-3-4 x3: the triple of sets 2, 3, 4.
    const auto readings = readingsOf("1b2b2b2b2b3b3b3b3b4b4b4bweweffffememw");
    bool found = false;
    for (const HandStructure& s : readings)
        found = found || pureTripleChow(s) == 1;
    EXPECT_TRUE(found);
}

TEST(SetPatternFans, ThreeChowFansTryTheTriplesInTheirOrder)
{
    // 1-2-3, 4-5-6, 4-5-6, 7-8-9 bamboo: the straight uses sets 1, 2, 4 and leaves set 3.
    EXPECT_EQ(pureStraight(readingOf("1b2b3b4b4b5b5b6b6b7b8b9bdrdrffffememw")), 3);
    // The bamboo chow comes first in the triple: 3-4-5b, 3-4-5c, 4-5-6c, 3-4-5d.
    EXPECT_EQ(mixedTripleChow(readingOf("3b4b5b3c4c4c5c5c6c3d4d5ddrdrffffememw")), 3);
}

TEST(SetPatternFans, FourPureShiftedPungsStayInTheSuitOfTheFirstSet)
{
    // A kong of 2b sorts after the pungs of 3b, 4b, 5b.
    const Scored kong = scored("mk2b3b3b3b4b4b4b5b5b5bdrdrffffememd");
    EXPECT_EQ(kong.count(FourPureShiftedPungs), 1);
    // 9b, 1c, 2c, 3c have consecutive codes but lie in two suits.
    EXPECT_EQ(fourPureShiftedPungs(readingOf("pu9b1c1c1c2c2c2c3c3cdrdr3cffffememd")), 0);
}

TEST(SetPatternFans, TriplePungNeedsSuitedPungsOfOneRank)
{
    EXPECT_EQ(triplePung(readingOf("pu5b5c5c5c5d5d5d1b2b3bdrdrffffememd")), 1);
    EXPECT_EQ(triplePung(readingOf("pu9d5c5c5c5d5d5d5b5b5bdrdrffffememd")), 1);
    // Honor pungs have rank 0 and never make it.
    EXPECT_EQ(triplePung(readingOf("puwe1b2b3bwswswswwwwww5c5cffffememd")), 0);
}

TEST(SetPatternFans, PungsOfTerminalsOrHonors)
{
    // Three winds: they no longer count, the 9d pung does.
    EXPECT_EQ(pungOfTerminalsOrHonors(readingOf("puwe9d9d9dwswswswwwwww5c5cffffememd")), 1);
    // Prevalent east, seat south: east is not counted, north and 1b are.
    EXPECT_EQ(pungOfTerminalsOrHonors(readingOf("puwe1b1b1bwnwnwn2c3c4c5d5dffffwewsd")), 2);
}

TEST(SetPatternFans, DoublePungNeverStartsAtAChow)
{
    EXPECT_EQ(doublePung(readingOf("pu5b4c5c6c1d2d3d7d8d9ddrdrffffememd")), 0);
    EXPECT_EQ(doublePung(readingOf("pu2b2d2d2d7c7c7c7d7d7ddrdrffffememd")), 2);
}

TEST(SetPatternFans, TwoConcealedKongsExcludeTwoMeldedKongsAndConcealedKong)
{
    const Scored two = scored("ck2bck9c1d2d3d5d6d7ddrdrffffememw");
    EXPECT_EQ(two.count(TwoConcealedKongs), 1);
    EXPECT_EQ(two.count(TwoMeldedKongs), 0);
    EXPECT_EQ(two.count(ConcealedKongFan), 0);
    const Scored mixed = scored("ck2bmk9c1d2d3d5d6d7ddrdrffffememw");
    EXPECT_EQ(mixed.count(TwoMeldedKongs), 1);
    EXPECT_EQ(mixed.count(ConcealedKongFan), 1);
}

// A regular reading holding just these chows, for the pairwise routine.
HandStructure chows(const std::vector<std::string>& middles)
{
    HandStructure s;
    s.setForm(Regular);
    for (const std::string& m : middles)
        s.insertSet(Chow, test::tile(m), true);
    s.computeCounts();
    return s;
}

std::vector<int> pairFans(const HandStructure& s, int code = 0)
{
    std::int32_t counts[FanCount] = {};
    countChowPairs(s, code, counts);
    return {counts[PureDoubleChow - 1], counts[MixedDoubleChow - 1], counts[ShortStraight - 1],
            counts[TwoTerminalChows - 1]};
}

TEST(PairwiseChowFans, PairsOfTwoAndThreeChows)
{
    EXPECT_EQ(pairFans(chows({"2b", "8b"})), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(pairFans(chows({"2b", "8c"})), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(pairFans(chows({"3d", "6d"})), (std::vector<int>{0, 0, 1, 0}));
    EXPECT_EQ(pairFans(chows({"3d", "7d"})), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(pairFans(chows({"2b", "2b", "2c"})), (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(pairFans(chows({"2b", "5b", "5c"})), (std::vector<int>{0, 1, 1, 0}));
    EXPECT_EQ(pairFans(chows({"2b", "5b", "5c"}), 4), (std::vector<int>{0, 0, 0, 0}));
}

TEST(PairwiseChowFans, FourChowsKeepOneFanPerPartnerAndNoCycle)
{
    EXPECT_EQ(pairFans(chows({"2b", "2b", "2c", "2c"})), (std::vector<int>{2, 1, 0, 0}));
    EXPECT_EQ(pairFans(chows({"2b", "5b", "5c", "8c"})), (std::vector<int>{0, 1, 2, 0}));
    // A three-chow fan used chows 1-3: only the left-over chow pairs, once.
    EXPECT_EQ(pairFans(chows({"3b", "3b", "3b", "6b"}), 4), (std::vector<int>{0, 0, 1, 0}));
    EXPECT_EQ(pairFans(chows({"2b", "2c", "2d", "5d"}), 4), (std::vector<int>{0, 0, 1, 0}));
}

TEST(PairwiseChowFans, ChowPairFanExpectsTheLowerChowFirst)
{
    EXPECT_EQ(chowPairFan(test::tile("2b"), test::tile("8b")), TwoTerminalChows);
    EXPECT_EQ(chowPairFan(test::tile("8b"), test::tile("2b")), NoFan);
    EXPECT_EQ(chowPairFan(test::tile("5b"), test::tile("2b")), NoFan);
    EXPECT_EQ(chowPairFan(test::tile("4c"), test::tile("4d")), MixedDoubleChow);
}

TEST(SituationFans, EdgeWaitNeedsASingleWait)
{
    EXPECT_EQ(scored("1b2b4c5c6c5c6c7c1d1d1d9d9d3bffffememw").count(EdgeWait), 1);
    // 1b 2b 3b 4b 5b waits on 3b and 6b: no wait fan.
    const Scored two = scored("1b2b3b4b5b5c6c7c1d1d1d9d9d3bffffememw");
    EXPECT_EQ(two.count(EdgeWait), 0);
    EXPECT_GE(two.result.waitCount, 2);
}

TEST(SituationFans, ClosedWaitAndSingleWaitingTogetherCancel)
{
    // 4d 5d 5d 6d beside three sets waits on 5d only; the reading 4-5-6 + pair 5d is both.
    const Scored s = scored("1b2b3b4c4c4cdrdrdr4d5d5d6d5dffffememw");
    EXPECT_EQ(s.result.waitCount, 1);
    EXPECT_EQ(s.count(ClosedWait) + s.count(SingleWaiting) + s.count(EdgeWait), 0);
}

TEST(SituationFans, WindFansNeedTheWindsSet)
{
    const HandStructure unset = readingOf("puwe9d9d9dwswswswwwwww5c5cffffememd");
    EXPECT_EQ(prevalentWindFan(unset), 0);
    EXPECT_EQ(seatWindFan(unset), 0);
    const Scored both = scored("puwe9d9d9dwswswswwwwww5c5cffffwewed");
    EXPECT_EQ(both.count(PrevalentWind), 1);
    EXPECT_EQ(both.count(SeatWind), 1);
}

TEST(SituationFans, SelfDrawnSevenPairsAreFullyConcealedButNotSelfDrawn)
{
    const Scored s = scored("1b1b5c5c9d9dwewedrdr2b2b3c3cffffememw");
    EXPECT_EQ(s.count(SevenPairsFan), 1);
    EXPECT_EQ(s.count(FullyConcealedHand), 1);
    EXPECT_EQ(s.count(SelfDrawnFan), 0);
    EXPECT_EQ(lastTileDraw(readingOf("1b1b5c5c9d9dwewedrdr2b2b3c3ctfffememw")), 1);
    EXPECT_EQ(lastTileClaim(readingOf("1b1b5c5c9d9dwewedrdr2b2b3c3ctfffememw")), 0);
}

TEST(SituationFans, MeldedHandNeedsTheDiscardOnThePair)
{
    EXPECT_EQ(meldedHand(readingOf("ch2bpu5cpuwemk9ddrdrffffememd")), 1);
    EXPECT_EQ(meldedHand(readingOf("ch2bpu5cpuwedrdr8d9d7dffffememd")), 0);
}

}  // namespace
}  // namespace fanwright
