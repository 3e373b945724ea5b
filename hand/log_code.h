// The one-line code of a hand, as the log file keeps it, and its reading back.
//
// Code: for each declared set "ch", "pu", "mk" or "ck" and its tile (a chow by its middle
// tile); the concealed tiles; the winning tile; four flag letters "t"/"f" (last tile in game,
// last tile of its kind, replacement tile, robbing the kong); prevalent and seat wind ("em"
// when not set); "n", "w" or "d" for how the hand was won. A log line adds " - " and a comment.
#pragma once

#include "hand/hand.h"

#include <string>
#include <string_view>

namespace fanwright {

inline constexpr int MaxLogCodeLength = 37;

struct ParsedLogLine {
    Hand hand;
    std::string_view code;     // the code as given, without the comment: a view into the line
    std::string_view comment;  // likewise
};

// Reads a code, optionally followed by " - comment", into a complete, legal hand built through
// the hand's own operations. On failure says what is wrong and leaves `out` unspecified.
bool parseLogLine(std::string_view line, ParsedLogLine& out, std::string& error);

}  // namespace fanwright
