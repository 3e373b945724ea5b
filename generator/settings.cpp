#include "generator/settings.h"

namespace fanwright {

namespace {

bool outside(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return value < low || value > high;
}

}  // namespace

void GeneratorSettings::validate()
{
    const GeneratorSettings defaults;
    if (outside(freqMelding, 0, 10))
        freqMelding = defaults.freqMelding;
    // The kong share is what chow and pung leave over, so a bad pair is reset as a pair. The
    // sum is only taken once both are in range, where it cannot overflow.
    if (outside(freqChow, 0, 100) || outside(freqPung, 0, 100) ||
        outside(freqChow + freqPung, 0, 100)) {
        freqChow = defaults.freqChow;
        freqPung = defaults.freqPung;
    }
    if (outside(freqSpecial, 0, 3))
        freqSpecial = defaults.freqSpecial;
    if (outside(freqFlags, 0, 3))
        freqFlags = defaults.freqFlags;
    if (minPoints != 0)
        minPoints = 8;
}

}  // namespace fanwright
