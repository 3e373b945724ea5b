// A seed after which draw number n (counting from 1) of the random source gives `value`
// (0..32767), found by running its recurrence backwards, so that a test can steer one draw.
#pragma once

#include <cstdint>

namespace fanwright::test {

constexpr std::uint32_t seedDrawing(int n, int value)
{
    constexpr std::uint32_t inverse = 0xB9B33155u;  // of the multiplier, modulo 2^32
    static_assert(inverse * 214013u == 1u);
    std::uint32_t state = static_cast<std::uint32_t>(value) << 16;
    for (int i = 0; i < n; ++i)
        state = (state - 2531011u) * inverse;
    return state;
}

}  // namespace fanwright::test
