// `fanwright-cli score`: scores log codes given as arguments or read line by line.
#pragma once

#include "scoring/scoring.h"
#include "tools/cli/hand_lines.h"
#include "tools/cli/io.h"

#include <iosfwd>
#include <string_view>
#include <vector>

namespace fanwright::cli {

// What `score` writes for a hand: the result window's report, or its JSON line. One result
// serves every hand. An invalid hand leaves it as it finds it: the text report shows its
// reading, so it is cleared first; the JSON shows nothing of it for a total of 0.
class ScoreReport final : public HandReport {
public:
    void text(Writer& out, Hand& hand) override;
    void json(Writer& out, std::string_view code, Hand& hand) override;

private:
    ScoreResult result_;
};

// Runs the command with the arguments that follow the word "score". Returns an exit status of
// command_line.h.
int runScore(const std::vector<std::string_view>& args, Input& in, Output& out, Output& err);
int runScore(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace fanwright::cli
