// How the command line shows an explanation: for a person learning the rules, or as JSON.
#pragma once

#include "explain/explanation.h"
#include "tools/cli/io.h"

#include <string>
#include <string_view>

namespace fanwright::cli {

// The verdict and waits as `score` gives them, then every reading with its fan table, the kept
// one marked, each with its "Not counted:" lines.
void writeExplanation(Writer& out, const Explanation& explanation);

// What `fanwright-cli explain CODE` prints for one hand: the code, then the explanation.
std::string explanationText(std::string_view code, const Explanation& explanation);

// One line: the object of `score --json`, and "kept" and "readings".
void writeExplanationJson(Writer& out, std::string_view code, const Explanation& explanation);

}  // namespace fanwright::cli
