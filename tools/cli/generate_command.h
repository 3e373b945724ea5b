// `fanwright-cli generate`: random hands as log codes, repeatable from a seed.
#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

namespace fanwright {

// Runs the command with the arguments that follow the word "generate". Prints one log code per
// hand on `out` and returns 0; on bad usage explains on `err` and returns 2, generating nothing.
int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

}  // namespace fanwright
