// The explanation's sentences, for every face that shows it: the command line, the window's
// tips and its explanation window.
#pragma once

#include "explain/explanation.h"

#include <string>
#include <string_view>

namespace fanwright {

// Between a fan's name and what is said of it.
inline constexpr std::string_view EmDash = "\xE2\x80\x94";

// Why a fan is not counted, after its name: "excluded by Pure Triple Chow", "the hand also
// waits on 6b".
std::string notCountedReason(const NotCountedFan& fan, const ReadingExplanation& reading,
                             const Explanation& explanation);

// The whole line: "Pure Double Chow — excluded by Pure Triple Chow".
std::string notCountedLine(const NotCountedFan& fan, const ReadingExplanation& reading,
                           const Explanation& explanation);

// What is said of Chicken Hand where it counts.
inline constexpr std::string_view ChickenHandNote = "Chicken Hand counts because no other fan did.";

// "Readings 1 and 3 tie at 28 points; the first found is kept.", empty without a tie.
std::string tieLine(const Explanation& explanation);

// "1b, 4b and 7b".
std::string tileList(const TileId* tiles, int count);

}  // namespace fanwright
