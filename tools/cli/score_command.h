// `fanwright-cli score`: scores log codes given as arguments or read line by line.
#pragma once

#include "tools/cli/io.h"

#include <iosfwd>
#include <string_view>
#include <vector>

namespace fanwright::cli {

// Runs the command with the arguments that follow the word "score". Returns an exit status of
// command_line.h.
int runScore(const std::vector<std::string_view>& args, Input& in, Output& out, Output& err);
int runScore(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace fanwright::cli
