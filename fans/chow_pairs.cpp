#include "fans/chow_pairs.h"

namespace fanwright {

FanId chowPairFan(TileId, TileId)
{
    return NoFan;
}

void countChowPairs(const HandStructure&, std::int32_t, std::int32_t*) {}

}  // namespace fanwright
