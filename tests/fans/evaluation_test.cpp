// The driver with rules replaced by stubs that fire on demand.
#include "fans/evaluation.h"
#include "fans/compatibility.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace fanwright {
namespace {

// What each stubbed rule returns, and how often it was asked.
std::array<std::int32_t, FanCount> stubValues;
std::array<int, FanCount> stubCalls;
int pairRoutineCalls;
std::int32_t pairRoutineCode;
std::array<std::int32_t, 4> pairRoutineAdds;  // added to fans 69..72

template <int Id>
std::int32_t stubRule(const HandStructure&)
{
    ++stubCalls[Id - 1];
    return stubValues[Id - 1];
}

void stubPairs(const HandStructure&, std::int32_t code, std::int32_t* fanCounts)
{
    ++pairRoutineCalls;
    pairRoutineCode = code;
    for (int i = 0; i < 4; ++i)
        fanCounts[PureDoubleChow - 1 + i] += pairRoutineAdds[static_cast<std::size_t>(i)];
}

template <std::size_t... I>
FanDetectors makeStubs(std::index_sequence<I...>)
{
    return FanDetectors{{&stubRule<static_cast<int>(I) + 1>...}, &stubPairs};
}

const FanDetectors stubs = makeStubs(std::make_index_sequence<FanCount>{});

class Driver : public ::testing::Test {
protected:
    void SetUp() override
    {
        stubValues.fill(0);
        stubCalls.fill(0);
        pairRoutineAdds.fill(0);
        pairRoutineCalls = 0;
        pairRoutineCode = -1;
        counts.fill(-7);
        reading.setForm(Regular);
    }
    std::int32_t evaluate() { return evaluateFans(reading, counts.data(), stubs); }
    std::int32_t count(FanId f) const { return counts[static_cast<std::size_t>(f - 1)]; }
    void fire(FanId f, std::int32_t value = 1)
    {
        stubValues[static_cast<std::size_t>(f - 1)] = value;
    }

    HandStructure reading;
    std::array<std::int32_t, FanCount> counts;
};

TEST_F(Driver, TwoOrThreeWaitFansCancelAndOneAloneCounts)
{
    fire(EdgeWait);
    fire(SingleWaiting);
    EXPECT_EQ(evaluate(), 8);
    EXPECT_EQ(count(EdgeWait), 0);
    EXPECT_EQ(count(SingleWaiting), 0);
    EXPECT_EQ(count(ChickenHand), 1);

    fire(ClosedWait);
    fire(SelfDrawnFan);
    EXPECT_EQ(evaluate(), 1);  // the three waits go, Self-Drawn stays
    EXPECT_EQ(count(SelfDrawnFan), 1);

    stubValues.fill(0);
    fire(SingleWaiting);
    EXPECT_EQ(evaluate(), 1);
    EXPECT_EQ(count(SingleWaiting), 1);
    EXPECT_EQ(count(ChickenHand), 0);
}

TEST_F(Driver, ACountedFanStopsTheFansItExcludesFromBeingTested)
{
    fire(BigFourWinds);
    fire(BigThreeDragons);  // excluded by row 1
    fire(FourKongs);        // compatible with Big Four Winds
    fire(ChickenHand);      // the rule of 43 never decides anything, but row 1 excludes it too
    EXPECT_EQ(evaluate(), 88 + 88);
    EXPECT_EQ(stubCalls[BigThreeDragons - 1], 0);
    EXPECT_EQ(count(BigThreeDragons), 0);
    EXPECT_EQ(count(FourKongs), 1);
    // A later fan that neither counted fan excludes is still asked.
    EXPECT_EQ(stubCalls[SelfDrawnFan - 1], 1);
}

TEST_F(Driver, PerOccurrenceFansMultiplyAndThreeChowFansCountOnce)
{
    fire(TileHog, 2);
    fire(PureStraight, 3);  // a three-chow code, not a count
    EXPECT_EQ(evaluate(), 2 * 2 + 16);
    EXPECT_EQ(count(TileHog), 2);
    EXPECT_EQ(count(PureStraight), 1);
    EXPECT_EQ(pairRoutineCode, 3);
}

TEST_F(Driver, PairRoutineRunsOnceWithTheCodeOfTheCountedThreeChowFan)
{
    fire(PureTripleChow, 4);
    pairRoutineAdds = {1, 1, 0, 0};  // even an excluded pair fan is taken as the routine says
    EXPECT_EQ(evaluate(), 24 + 2);
    EXPECT_EQ(pairRoutineCalls, 1);
    EXPECT_EQ(pairRoutineCode, 4);
    EXPECT_EQ(count(PureDoubleChow), 1);
    EXPECT_EQ(count(MixedDoubleChow), 1);
    // A later three-chow rule that is excluded is never asked, so it cannot reset the code.
    EXPECT_EQ(stubCalls[MixedShiftedChows - 1], 0);
}

TEST_F(Driver, PairRoutineIsSkippedWhenAllFourPairFansAreExcluded)
{
    fire(PureTerminalChows);  // row 13 excludes 69-72
    pairRoutineAdds = {1, 0, 0, 0};
    EXPECT_EQ(evaluate(), 64);
    EXPECT_EQ(pairRoutineCalls, 0);
    EXPECT_EQ(count(PureDoubleChow), 0);
}

TEST_F(Driver, SevenPairsNeverReachRegularOnlyFans)
{
    reading.setForm(SevenPairs);
    stubValues.fill(1);
    pairRoutineAdds = {1, 1, 1, 1};
    const std::int32_t total = evaluate();
    std::int32_t sum = 0;
    for (int f = 1; f <= FanCount; ++f) {
        const std::int32_t c = count(FanId(f));
        if (isRegularOnly(f)) {
            EXPECT_EQ(stubCalls[static_cast<std::size_t>(f - 1)], 0) << f;
        }
        sum += c * fanPoints(f);
    }
    EXPECT_EQ(pairRoutineCalls, 0);
    EXPECT_EQ(count(FlowerTiles), 0);
    EXPECT_EQ(count(AllGreen), 1);
    EXPECT_EQ(total, sum);
}

}  // namespace
}  // namespace fanwright
