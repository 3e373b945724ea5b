// The six numbers that steer the random hand generator. Field names are the registry value
// names; the program keeps one instance, loaded at start-up, edited by the settings dialog and
// saved at exit.
#pragma once

#include <cstdint>

namespace fanwright {

struct GeneratorSettings {
    std::int32_t freqMelding = 5;  // share of melded sets in tenths, 0..10
    std::int32_t freqChow = 40;    // percent of chows; kongs take 100 - freqChow - freqPung
    std::int32_t freqPung = 40;    // percent of pungs
    std::int32_t freqSpecial = 1;  // special hands: 0 never, 1 rare, 2 sometimes, 3 often
    std::int32_t freqFlags = 1;    // situation flags, the same four levels
    std::int32_t minPoints = 0;    // 0 any winning hand, 8 at least eight points

    // Puts every field back into its range the way a hand-edited registry is forgiven:
    // silently, each bad value (both of chow and pung together) back to its default.
    void validate();

    // The constants are multipliers, never divisors: dividing gives other doubles for some
    // settings, and the generator's comparisons must see exactly these.
    double meldedProbability() const { return freqMelding * 0.1; }
    double chowProbability() const { return freqChow * 0.01; }
    double pungProbability() const { return freqPung * 0.01; }
    double specialHandProbability() const { return freqSpecial * 0.05; }
    double specialFanProbability() const { return freqFlags * 0.05; }
    int minimumPoints() const { return minPoints; }

    bool operator==(const GeneratorSettings&) const = default;
};

}  // namespace fanwright
