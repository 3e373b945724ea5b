// One line of the hand log: the hand's code, " - ", the user's comment, a line feed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fanwright {

// The longest comment kept; the dialog reads it into a buffer one longer, for the terminator.
inline constexpr std::size_t MaxLogCommentLength = 511;

// The line as it is written to the file: the comment is cut at MaxLogCommentLength characters
// and kept otherwise as typed, line breaks included.
std::string formatLogLine(std::string_view code, std::string_view comment);

}  // namespace fanwright
