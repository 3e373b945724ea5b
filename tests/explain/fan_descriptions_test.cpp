// Every fan's example hand scores that fan.
#include "explain/fan_descriptions.h"
#include "fans/fan_table.h"
#include "scoring/scoring.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace fanwright {
namespace {

TEST(FanDescriptions, EveryExampleScoresItsFan)
{
    for (int f = 1; f <= FanCount; ++f) {
        const FanDescription& d = fanDescription(f);
        EXPECT_FALSE(d.rule.empty()) << f;
        EXPECT_EQ(d.example.empty(), f == FlowerTiles) << f;
        if (d.example.empty())
            continue;
        Hand hand = test::handOf(d.example);
        ScoreResult result;
        EXPECT_GT(scoreHand(hand, result), 0) << d.example;
        EXPECT_GT(result.fanCounts[f - 1], 0) << fanName(f) << ": " << d.example;
    }
}

// The matrix read both ways: a fan is never counted beside those it excludes nor beside those
// that exclude it.
TEST(FanDescriptions, NeverCountedBesideReadsTheMatrixBothWays)
{
    EXPECT_TRUE(neverCountedBeside(SevenPairsFan).contains(ConcealedHand));
    EXPECT_TRUE(neverCountedBeside(ConcealedHand).contains(SevenPairsFan));
    EXPECT_FALSE(neverCountedBeside(SingleWaiting).contains(SelfDrawnFan));
    EXPECT_TRUE(neverCountedBeside(SingleWaiting).contains(LastTileFan));
    EXPECT_EQ(neverCountedBeside(BigFourWinds).count(), 59);
}

}  // namespace
}  // namespace fanwright
