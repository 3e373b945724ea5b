// Properties every scored hand keeps, over many random hands of every form.
#include "fans/compatibility.h"
#include "fans/fan_table.h"
#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "scoring/scoring.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace fanwright {
namespace {

bool isPairChow(int f) { return f >= PureDoubleChow && f <= TwoTerminalChows; }

void checkScoredHand(Hand hand)
{
    const std::string code = Hand(hand).toLogText();
    ScoreResult r;
    const int total = scoreHand(hand, r);
    ASSERT_GE(total, 1) << code;  // every hand built here has a reading
    int sum = 0, waitFans = 0;
    for (int f = 1; f <= FanCount; ++f) {
        const int c = r.fanCounts[f - 1];
        ASSERT_GE(c, 0) << code;
        sum += c * fanPoints(f);
        waitFans += (f >= EdgeWait && f <= SingleWaiting) ? c : 0;
        for (int j = f + 1; c > 0 && j <= FanCount; ++j) {
            const bool both = r.fanCounts[j - 1] > 0 && !isPairChow(j);
            ASSERT_TRUE(!both || isCompatible(f, j)) << code << ": fans " << f << " and " << j;
        }
    }
    EXPECT_EQ(sum, total) << code;
    EXPECT_EQ(r.fanCounts[FlowerTiles - 1], 0) << code;
    EXPECT_LE(waitFans, 1) << code;
    EXPECT_TRUE(r.fanCounts[ChickenHand - 1] == 0 || total == 8) << code;
    EXPECT_TRUE(r.waitCount == 1 || waitFans == 0) << code;
}

TEST(FanProperties, HoldOverGeneratedHandsOfEverySetting)
{
    const auto mixes = {
        GeneratorSettings{5, 40, 40, 1, 1, 0},  GeneratorSettings{0, 40, 40, 3, 3, 0},
        GeneratorSettings{10, 60, 20, 1, 3, 0}, GeneratorSettings{3, 0, 0, 2, 1, 0},
        GeneratorSettings{2, 100, 0, 3, 0, 0},  GeneratorSettings{7, 10, 80, 0, 2, 0},
    };
    test::forEachDealtHand(mixes, 2026, 10000, [](Hand& h, int) { checkScoredHand(h); });
}

}  // namespace
}  // namespace fanwright
