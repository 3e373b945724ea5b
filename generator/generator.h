// Random winning hands for test mode, steered by the process-wide generator settings and drawn
// from the process-wide random source.
#pragma once

#include "hand/hand.h"

namespace fanwright {

// Replaces the hand's contents with a complete, legal winning hand: sets, concealed tiles,
// winning tile, win source, situation flags and, where a wind pung makes them matter, winds.
void generateHand(Hand& hand);

// Generates hands until one scores at least `minimum` points; leaves it in the hand and
// returns its total. There is no limit on the attempts.
int generateWithMinimum(Hand& hand, int minimum);

}  // namespace fanwright
