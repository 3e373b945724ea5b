// `fanwright-cli explain`: why each hand code scores what it scores.
#pragma once

#include "tools/cli/hand_lines.h"
#include "tools/cli/io.h"

#include <iosfwd>
#include <string_view>
#include <vector>

namespace fanwright::cli {

// What `explain` writes for a hand: every reading as text, or the JSON line.
class ExplainReport final : public HandReport {
public:
    void text(Writer& out, Hand& hand) override;
    void json(Writer& out, std::string_view code, Hand& hand) override;
};

// Runs the command with the arguments that follow the word "explain". Takes its input as
// `score` does and returns the same exit statuses.
int runExplain(const std::vector<std::string_view>& args, Input& in, Output& out, Output& err);
int runExplain(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace fanwright::cli
