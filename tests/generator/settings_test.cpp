#include "generator/settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace fanwright {
namespace {

TEST(GeneratorSettings, DefaultsAndProbabilitiesAsMultiples)
{
    const GeneratorSettings defaults;
    EXPECT_EQ(defaults, (GeneratorSettings{5, 40, 40, 1, 1, 0}));
    EXPECT_EQ(defaults.meldedProbability(), 0.5);
    EXPECT_EQ(defaults.specialHandProbability(), 0.05);
    // For these values dividing by 10, 100 or 20 would give a neighbouring double.
    static_assert(3 * 0.1 != 3 / 10.0 && 35 * 0.01 != 35 / 100.0 && 41 * 0.01 != 41 / 100.0 &&
                  3 * 0.05 != 3 / 20.0);
    const GeneratorSettings s{3, 35, 41, 3, 3, 8};
    EXPECT_EQ(s.meldedProbability(), 3 * 0.1);
    EXPECT_EQ(s.chowProbability(), 35 * 0.01);
    EXPECT_EQ(s.pungProbability(), 41 * 0.01);
    EXPECT_EQ(s.specialHandProbability(), 3 * 0.05);
    EXPECT_EQ(s.specialFanProbability(), 3 * 0.05);
    EXPECT_EQ(s.minimumPoints(), 8);
}

TEST(GeneratorSettings, ValidationResetsEachBadValueSilently)
{
    constexpr std::int32_t Huge = std::numeric_limits<std::int32_t>::max();
    const struct {
        GeneratorSettings loaded, expected;
    } rows[] = {
        {{5, 70, 40, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},  // sum above 100: both reset
        {{5, 50, 51, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{5, 100, 0, 1, 1, 0}, {5, 100, 0, 1, 1, 0}},  // no kongs at all is allowed
        {{5, 0, 0, 1, 1, 0}, {5, 0, 0, 1, 1, 0}},      // kongs only too
        {{5, -1, 10, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},  // one bad value resets both
        {{5, 10, 101, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{5, Huge, Huge, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{11, 40, 40, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{10, 40, 40, 1, 1, 0}, {10, 40, 40, 1, 1, 0}},
        {{-1, 40, 40, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{5, 40, 40, -1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{5, 40, 40, 3, 4, 0}, {5, 40, 40, 3, 1, 0}},
        {{5, 40, 40, 0, 0, 1}, {5, 40, 40, 0, 0, 8}},  // any minimum is the 8-point one
        {{5, 40, 40, 1, 1, -8}, {5, 40, 40, 1, 1, 8}},
        {{5, 40, 40, 1, 1, 8}, {5, 40, 40, 1, 1, 8}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        GeneratorSettings s = rows[i].loaded;
        s.validate();
        EXPECT_EQ(s, rows[i].expected) << "row " << i;
    }
}

}  // namespace
}  // namespace fanwright
