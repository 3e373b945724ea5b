// The one scoring entry: validates a hand, finds its waits, reads it every way it can be read,
// scores each reading and keeps the best.
#pragma once

#include "fans/fan_id.h"
#include "hand/hand.h"
#include "hand/waits.h"

#include <cstdint>

namespace fanwright {

struct ScoreResult;
void clearResult(ScoreResult& result);

struct ScoreResult {
    std::int32_t form;  // HandForm of the chosen reading, 0 when nothing was filled
    std::int32_t setCount;
    SetKind setKinds[MaxSets];
    TileId setTiles[MaxSets];
    TileId pairTile;
    std::int32_t waitCount;
    TileId waits[MaxWaits];
    std::int32_t fanCounts[FanCount];  // indexed by FanId - 1

    ScoreResult() { clearResult(*this); }
};

// Total points of the hand's best reading, 0 when it has none (or is not complete). Fills the
// result only for a total above 0. The hand is changed while this works and left equal in
// content, its winning tile moved to the end of its tile list.
int scoreHand(Hand& hand, ScoreResult& result);

}  // namespace fanwright
