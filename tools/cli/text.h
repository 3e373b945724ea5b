// Putting text from outside on a terminal or into JSON safely, whatever bytes it holds.
#pragma once

#include "tools/cli/io.h"

#include <cstddef>
#include <string_view>

namespace fanwright::cli {

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 when there is none:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t utf8SequenceLength(std::string_view text);
bool isUtf8(std::string_view text);

// A JSON string literal. Well-formed UTF-8 is kept; any other text is read as Latin-1, the
// closest guess for a log file written in an 8-bit code page.
void putJsonString(Writer& out, std::string_view text);

// The text with every control character (C0, DEL, C1) and every byte that is not well-formed
// UTF-8 shown as \xHH, so that nothing typed into a comment can drive the terminal.
void putPrintable(Writer& out, std::string_view text);

// A refused line is shown whole up to this length; a longer one only by its start, cut on a
// character boundary, and its length.
inline constexpr std::size_t LongestEcho = 64;
std::string_view echoedPart(std::string_view line);

}  // namespace fanwright::cli
