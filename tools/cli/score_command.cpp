#include "tools/cli/score_command.h"

#include "tools/cli/score_report.h"

namespace fanwright::cli {

namespace {

constexpr std::string_view Usage =
    "usage: fanwright-cli score [--json] [--] [CODE ...]\n"
    "\n"
    "Scores each hand code given, or each line of standard input when none is given, so that\n"
    "a Fanwright.log file can be piped through it. A line may carry a comment after \" - \",\n"
    "as the log file writes it. Blank lines are skipped, but counted when a message names a\n"
    "line by its number. A line longer than 65536 bytes is refused.\n"
    "\n"
    "  --json       one JSON object per hand, on one line; a line that is not a hand code\n"
    "               gives {\"code\": ..., \"error\": ...} in its place.\n"
    "  --           ends the options: every word after it is a code.\n"
    "  -h, --help   this text.\n"
    "\n"
    "Exit status: 0 every line was a hand code; 1 some line was not (the others are still\n"
    "scored); 2 bad usage; 3 input could not be read or output written.\n";

constexpr OptionRule scoreOptions[] = {{"--json"}};
constexpr CommandSyntax scoreSyntax{"score", scoreOptions, true};

}  // namespace

void ScoreReport::text(Writer& out, Hand& hand)
{
    clearResult(result_);
    writeReport(out, scoreHand(hand, result_), result_);
}

void ScoreReport::json(Writer& out, std::string_view code, Hand& hand)
{
    writeJson(out, code, scoreHand(hand, result_), result_);
}

int runScore(const std::vector<std::string_view>& args, Input& in, Output& out, Output& err)
{
    ScoreReport report;
    return runHandLines(scoreSyntax, Usage, report, args, in, out, err);
}

int runScore(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
             std::ostream& err)
{
    StreamInput input(in);
    StreamOutput output(out), errors(err);
    return runScore(args, input, output, errors);
}

}  // namespace fanwright::cli
