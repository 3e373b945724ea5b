// How the command-line companion shows a scored hand: as the result window does, or as JSON.
#pragma once

#include "scoring/scoring.h"
#include "tools/cli/io.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fanwright::cli {

// Verdict, waits, reading set by set and the fan table with its total row.
void writeReport(Writer& out, int total, const ScoreResult& result);

// The verdict line and the waits, the report's first two lines.
void writeVerdict(Writer& out, int total, const ScoreResult& result);

// A reading set by set, each set's label and tiles after a blank: " Chow 1b 2b 3b | ...".
char* appendReading(char* at, std::int32_t setCount, const SetKind* kinds, const TileId* tiles,
                    TileId pair);

// The fan table of counted fans, from its headings to the total row, each line indented.
void writeFanTable(Writer& out, int total, const std::int32_t* fanCounts, std::string_view indent);

// One line: {"code": ..., "total": ..., "form": ..., "sets": ..., "pair": ..., "waits": ...,
// "fans": {...}}. The code is one that parsed: letters and digits, written as they are.
void writeJson(Writer& out, std::string_view code, int total, const ScoreResult& result);

// The same object without its closing brace, for a longer object to go on from. Needs room for
// ScoreJsonRoom bytes.
inline constexpr std::size_t ScoreJsonRoom = 1024;
char* appendScoreJson(char* at, std::string_view code, int total, const ScoreResult& result);

// Pieces of it: the sets as [[kind, tile], ...], and the counted fans as {"id": count, ...}.
char* appendSetsJson(char* at, std::int32_t setCount, const SetKind* kinds, const TileId* tiles);
char* appendFanCounts(char* at, const std::int32_t* fanCounts);

// One line: {"code": ..., "error": ...}; a line cut short for showing adds "length", the
// length of the whole line.
void writeJsonError(Writer& out, std::string_view shown, std::size_t length,
                    std::string_view message);

}  // namespace fanwright::cli
