// Random winning hands for test mode, steered by the settings the caller passes and drawn from
// the process-wide random source.
#pragma once

#include "generator/settings.h"
#include "hand/hand.h"

namespace fanwright {

// Replaces the hand's contents with a complete, legal winning hand: sets, concealed tiles,
// winning tile, win source, situation flags and, where a wind pung makes them matter, winds.
void generateHand(Hand& hand, const GeneratorSettings& settings);

// Generates hands until one scores at least `minimum` points; leaves it in the hand and
// returns its total. There is no limit on the attempts.
int generateWithMinimum(Hand& hand, const GeneratorSettings& settings, int minimum);

// The dealer's one entry: a hand that honours the settings' minimum of points when one is set.
void dealHand(Hand& hand, const GeneratorSettings& settings);

}  // namespace fanwright
