#include "tools/cli/explain_command.h"

#include "explain/explanation.h"
#include "tools/cli/explain_report.h"

namespace fanwright::cli {

namespace {

constexpr std::string_view Usage =
    "usage: fanwright-cli explain [--json] [--] [CODE ...]\n"
    "\n"
    "Explains each hand code given, or each line of standard input when none is given: every\n"
    "way the hand can be read into sets, with its fans and total, the reading that is kept\n"
    "(the highest total, the first found on a tie), and for each reading the fans whose rules\n"
    "hold but which are not counted, and why. Lines are read as `score` reads them.\n"
    "\n"
    "  --json       one JSON object per hand, on one line: the fields of `score --json`, and\n"
    "               \"kept\" and \"readings\"; a line that is not a hand code gives\n"
    "               {\"code\": ..., \"error\": ...} in its place.\n"
    "  --           ends the options: every word after it is a code.\n"
    "  -h, --help   this text.\n"
    "\n"
    "Exit status: 0 every line was a hand code; 1 some line was not (the others are still\n"
    "explained); 2 bad usage; 3 input could not be read or output written.\n";

constexpr OptionRule explainOptions[] = {{"--json"}};
constexpr CommandSyntax explainSyntax{"explain", explainOptions, true};

}  // namespace

void ExplainReport::text(Writer& out, Hand& hand) { writeExplanation(out, explainHand(hand)); }

void ExplainReport::json(Writer& out, std::string_view code, Hand& hand)
{
    writeExplanationJson(out, code, explainHand(hand));
}

int runExplain(const std::vector<std::string_view>& args, Input& in, Output& out, Output& err)
{
    ExplainReport report;
    return runHandLines(explainSyntax, Usage, report, args, in, out, err);
}

int runExplain(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
               std::ostream& err)
{
    StreamInput input(in);
    StreamOutput output(out), errors(err);
    return runExplain(args, input, output, errors);
}

}  // namespace fanwright::cli
