// The facts that let the driver skip a rule must never skip one that would fire, nor decide
// one its rule would not count as 1.
#include "fans/fan_needs.h"
#include "fans/chow_pairs.h"
#include "fans/evaluation.h"
#include "fans/fan_table.h"
#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace fanwright {
namespace {

void expectRuledOutRulesSilent(const Hand& hand)
{
    for (const HandStructure& s : test::readingsOf(hand)) {
        const FanSet possible = possibleFans(s);
        std::int32_t pairCounts[FanCount] = {};
        countChowPairs(s, 0, pairCounts);
        for (int f = 1; f <= FanCount; ++f) {
            const std::int32_t fired = isPairChowFan(f) ? pairCounts[f - 1] : fanRule(f)(s);
            if (!possible.contains(f)) {
                ASSERT_EQ(fired, 0) << Hand(hand).toLogText() << ": " << fanName(f);
            } else if (ruledOutFans.decided.contains(f)) {
                ASSERT_EQ(fired, 1) << Hand(hand).toLogText() << ": " << fanName(f) << " decided";
            }
        }
    }
}

TEST(FanNeeds, NoRuledOutRuleFiresOnThePool)
{
    std::ifstream pool(FANWRIGHT_BENCH_POOL);
    ASSERT_TRUE(pool) << FANWRIGHT_BENCH_POOL;
    for (std::string line; std::getline(pool, line);)
        expectRuledOutRulesSilent(test::handOf(line));
}

TEST(FanNeeds, NoRuledOutRuleFiresOnGeneratedHandsOfEverySetting)
{
    const auto corners = {
        GeneratorSettings{0, 40, 40, 3, 3, 0}, GeneratorSettings{10, 40, 40, 0, 3, 0},
        GeneratorSettings{5, 0, 0, 1, 3, 0},   GeneratorSettings{0, 100, 0, 1, 3, 0},
        GeneratorSettings{0, 0, 100, 2, 3, 0}, GeneratorSettings{3, 20, 40, 3, 3, 8},
    };
    test::forEachDealtHand(corners, 777, 2000, [](Hand& h, int) { expectRuledOutRulesSilent(h); });
}

}  // namespace
}  // namespace fanwright
