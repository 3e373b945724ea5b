#include "generator/random.h"

#include <ctime>

namespace fanwright {

namespace {

std::uint32_t state = 0;

// The double nearest to 1/32767. Multiplying by it is not dividing by 32767: the two differ
// for 448 of the 32768 values, and generated hands depend on which is used.
constexpr double UnitStep = 3.051850947599719e-05;

}  // namespace

void seedRandom()
{
    // Only the low 32 bits of the time matter to the generator.
    seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
}

void seedRandom(std::uint32_t seed) { state = seed; }

int nextRandom()
{
    state = state * 214013u + 2531011u;  // unsigned: wraps modulo 2^32
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

double randomUnit() { return nextRandom() * UnitStep; }

int randomBelow(int n) { return nextRandom() % n; }

}  // namespace fanwright
