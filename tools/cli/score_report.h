// How the command-line companion shows a scored hand: as the result window does, or as JSON.
#pragma once

#include "scoring/scoring.h"

#include <ostream>
#include <string_view>

namespace fanwright::cli {

// Verdict, waits, reading set by set and the fan table with its total row.
void writeReport(std::ostream& out, int total, const ScoreResult& result);

// One line: {"code": ..., "total": ..., "form": ..., "sets": ..., "pair": ..., "waits": ...,
// "fans": {...}}.
void writeJson(std::ostream& out, std::string_view code, int total, const ScoreResult& result);
void writeJsonError(std::ostream& out, std::string_view line, std::string_view message);

// A JSON string literal; bytes that are not UTF-8 are read as Latin-1.
void writeJsonString(std::ostream& out, std::string_view text);

}  // namespace fanwright::cli
