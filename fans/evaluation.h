// Scores one reading: the fan rules in FanId order, exclusions applied as fans are counted.
#pragma once

#include "fans/fan_set.h"
#include "fans/fan_table.h"
#include "hand/hand_structure.h"

#include <array>
#include <cstdint>

namespace fanwright {

// Adds the counted pairwise chow fans (69-72) of a reading into fanCounts, given the code of
// the three-chow fan counted before, 0 if none.
using ChowPairRoutine = void (*)(const HandStructure&, std::int32_t threeChowCode,
                                 std::int32_t* fanCounts);

// What the driver runs: normally the fan table's rules and the pairwise chow routine; tests
// may hand it others.
struct FanDetectors {
    std::array<FanRule, FanCount> rules;
    ChowPairRoutine countChowPairs;
};

// Total points of the reading, 0 when it has no form (fanCounts then untouched). Otherwise
// writes all 81 counts; a reading without fans scores 8 as Chicken Hand.
std::int32_t evaluateFans(const HandStructure& s, std::int32_t* fanCounts);
std::int32_t evaluateFans(const HandStructure& s, std::int32_t* fanCounts,
                          const FanDetectors& detectors);

struct TileFacts;

// The fans the facts of a whole hand rule out, weighed once for all its readings.
FanSet fansRuledOutByHand(const HandStructure& s, const TileFacts& tiles);

// The same as evaluateFans(s, fanCounts) for a reading of a hand whose facts were weighed.
std::int32_t evaluateFans(const HandStructure& s, std::int32_t* fanCounts,
                          const FanSet& handRuledOut);

}  // namespace fanwright
