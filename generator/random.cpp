#include "generator/random.h"

#include <ctime>

namespace fanwright {

void seedRandom()
{
    // Only the low 32 bits of the time matter to the generator.
    seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
}

void seedRandom(std::uint32_t seed) { randomState = seed; }

int nextRandom()
{
    randomState = nextRandomState(randomState);
    return randomValueOf(randomState);
}

double randomUnit() { return nextRandom() * RandomUnitStep; }

int randomBelow(int n) { return nextRandom() % n; }

}  // namespace fanwright
