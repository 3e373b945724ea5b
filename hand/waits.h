// The tiles a hand waits on: every tile code whose addition admits at least one reading.
#pragma once

#include "hand/hand.h"

#include <cstdint>

namespace fanwright {

inline constexpr int MaxWaits = 13;  // thirteen orphans waiting on all thirteen

struct WaitList {
    std::int32_t count = 0;
    TileId tiles[MaxWaits] = {};  // ascending

    void add(TileId t)
    {
        if (count < MaxWaits)
            tiles[count++] = t;
    }
};

// Waits of a hand holding its 13 tiles without a winning tile. Decides for each trial tile
// only whether some reading exists, from tile counts; gives exactly what the full search gives.
WaitList findWaits(const Hand& hand);

// The same from the hand's concealed tiles counted already, its winning tile not among them.
struct HeldTiles;
WaitList findWaits(const Hand& hand, const HeldTiles& held);

// The same by the full search: each tile tried as the winning tile and decomposed. Slow; kept
// as the reference the fast path is checked against.
WaitList findWaitsBySearch(Hand& hand);

}  // namespace fanwright
