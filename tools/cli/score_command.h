// fanwright-cli score: scores log codes given as arguments or read line by line.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

namespace fanwright::cli {

// Exit status: 0 when every line was a hand code, 1 when some line was not, 2 for bad usage.
int runScore(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace fanwright::cli
