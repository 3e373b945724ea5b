// `fanwright-cli generate`: random hands as log codes, repeatable from a seed.
#pragma once

#include "tools/cli/io.h"

#include <iosfwd>
#include <string_view>
#include <vector>

namespace fanwright::cli {

// Runs the command with the arguments that follow the word "generate": one log code per hand
// on `out`. Returns an exit status of command_line.h; on bad usage generates nothing.
int runGenerate(const std::vector<std::string_view>& args, Output& out, Output& err);
int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

}  // namespace fanwright::cli
