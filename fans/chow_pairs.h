// The four one-point fans made of two chows, counted together for a whole reading.
#pragma once

#include "fans/fan_id.h"
#include "hand/hand_structure.h"

#include <cstdint>

namespace fanwright {

// Pair fan of two chows given by their middle tiles, the earlier in set order first.
FanId chowPairFan(TileId x, TileId y);

// Adds the counted pair fans of the reading to fanCounts; threeChowCode is the position of the
// chow that a counted three-chow fan left out, 0 if none was counted.
void countChowPairs(const HandStructure& s, std::int32_t threeChowCode, std::int32_t* fanCounts);

// Two chows of a reading, by their positions among its sets, and their pair fan.
struct ChowPair {
    int first = 0;
    int second = 0;
    FanId fan = NoFan;
};

// At most three chow pairs are counted in a reading.
inline constexpr int MaxCountedChowPairs = 3;

// The pairs countChowPairs counts, in the order it counts them; returns how many.
int countedChowPairs(const HandStructure& s, std::int32_t threeChowCode, ChowPair* pairs);

}  // namespace fanwright
