// Whether tiles, given as counts per tile code, admit a reading at all. The full search finds
// every reading; this only answers yes or no, fast, for the wait search.
#pragma once

#include "hand/tiles.h"

#include <array>

namespace fanwright {

using TileCounts = std::array<int, TileCodes>;

// Nine counts of one suit, rank 1 first, form sets only, or sets and exactly one pair.
bool suitFormsSets(const int* ranks);
bool suitFormsSetsAndPair(const int* ranks);

// The counted tiles form sets and exactly one pair (chows, pungs, pair).
bool formsRegularShape(const TileCounts& counts);

// A knitted row, one further set and the pair; the row's nine tiles must all be present.
bool formsKnittedShape(const TileCounts& counts);

}  // namespace fanwright
