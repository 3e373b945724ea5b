#include "generator/settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace fanwright {
namespace {

TEST(GeneratorSettings, ProbabilitiesAreMultiples)
{
    // For these values dividing by 10, 100 or 20 would give a neighbouring double.
    static_assert(3 * 0.1 != 3 / 10.0 && 35 * 0.01 != 35 / 100.0 && 41 * 0.01 != 41 / 100.0 &&
                  3 * 0.05 != 3 / 20.0);
    const GeneratorSettings s{3, 35, 41, 3, 3, 8};
    EXPECT_EQ(s.meldedProbability(), 3 * 0.1);
    EXPECT_EQ(s.chowProbability(), 35 * 0.01);
    EXPECT_EQ(s.pungProbability(), 41 * 0.01);
    EXPECT_EQ(s.specialHandProbability(), 3 * 0.05);
    EXPECT_EQ(s.specialFanProbability(), 3 * 0.05);
}

TEST(GeneratorSettings, ValidationResetsEachBadValueSilently)
{
    constexpr std::int32_t Huge = std::numeric_limits<std::int32_t>::max();
    const struct {
        GeneratorSettings loaded, expected;
    } rows[] = {
        {{0, 100, 0, 0, 0, 0}, {0, 100, 0, 0, 0, 0}},  // the ends of every range are kept
        {{10, 0, 0, 3, 3, 8}, {10, 0, 0, 3, 3, 8}},
        {{5, 60, 41, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},  // chow and pung above 100 together
        {{5, -1, 10, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},  // one bad value resets both
        {{5, 10, -1, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{5, Huge, Huge, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{11, 40, 40, 4, 4, 1}, {5, 40, 40, 1, 1, 8}},  // any minimum is the 8-point one
        {{-1, 40, 40, -1, -1, -8}, {5, 40, 40, 1, 1, 8}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        GeneratorSettings s = rows[i].loaded;
        s.validate();
        EXPECT_EQ(s, rows[i].expected) << "row " << i;
    }
}

}  // namespace
}  // namespace fanwright
