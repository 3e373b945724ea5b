// `fanwright-cli fans`: the 81 fans, each with its rule, an example and the fans it never
// counts beside.
#pragma once

#include "tools/cli/io.h"

#include <iosfwd>
#include <string_view>
#include <vector>

namespace fanwright::cli {

int runFans(const std::vector<std::string_view>& args, Output& out, Output& err);
int runFans(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

// One line of JSON for one fan: {"fan": ..., "name": ..., "points": ..., "description": ...,
// "example": ..., "never_with": [...]}.
void writeFanJson(Writer& out, int fan);

}  // namespace fanwright::cli
