// The process-wide random source: a 15-bit linear congruential generator, so that a seed gives
// the same hands on every platform and compiler.
#pragma once

#include <cstdint>

namespace fanwright {

inline constexpr int RandomMax = 0x7FFF;

// Seeds from the calendar time in seconds, once at start-up.
void seedRandom();
// Seeds with a given value, for repeatable runs.
void seedRandom(std::uint32_t seed);

// The next value, 0..RandomMax.
int nextRandom();

// The next value k as k / 32767, computed by one multiplication: 0.0 and 1.0 both occur.
double randomUnit();

// The next value modulo n, 0..n-1; n must be at least 1.
int randomBelow(int n);

}  // namespace fanwright
