// Seeds that make the random source give a chosen value at a chosen draw, found by running its
// recurrence backwards, so that a test can steer one draw of the generator.
#pragma once

#include <cstdint>

namespace fanwright::test {

inline constexpr std::uint32_t RandomMultiplier = 214013u;
inline constexpr std::uint32_t RandomIncrement = 2531011u;

// The multiplier is odd, so it has an inverse modulo 2^32; each Newton step doubles the number
// of correct low bits (three to start with).
constexpr std::uint32_t inverseMultiplier()
{
    std::uint32_t x = RandomMultiplier;
    for (int i = 0; i < 5; ++i)
        x *= 2u - RandomMultiplier * x;
    return x;
}
static_assert(inverseMultiplier() * RandomMultiplier == 1u);

// A seed after which draw number n (counting from 1) gives `value` (0..32767).
constexpr std::uint32_t seedDrawing(int n, int value)
{
    std::uint32_t state = static_cast<std::uint32_t>(value) << 16;
    for (int i = 0; i < n; ++i)
        state = (state - RandomIncrement) * inverseMultiplier();
    return state;
}

}  // namespace fanwright::test
