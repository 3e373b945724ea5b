// How the command-line companion shows a scored hand: as the result window does, or as JSON.
#pragma once

#include "scoring/scoring.h"
#include "tools/cli/io.h"

#include <cstddef>
#include <string_view>

namespace fanwright::cli {

// Verdict, waits, reading set by set and the fan table with its total row.
void writeReport(Writer& out, int total, const ScoreResult& result);

// One line: {"code": ..., "total": ..., "form": ..., "sets": ..., "pair": ..., "waits": ...,
// "fans": {...}}. The code is one that parsed: letters and digits, written as they are.
void writeJson(Writer& out, std::string_view code, int total, const ScoreResult& result);

// One line: {"code": ..., "error": ...}; a line cut short for showing adds "length", the
// length of the whole line.
void writeJsonError(Writer& out, std::string_view shown, std::size_t length,
                    std::string_view message);

}  // namespace fanwright::cli
