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

}  // namespace fanwright
