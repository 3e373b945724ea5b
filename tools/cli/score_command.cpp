#include "tools/cli/score_command.h"

#include "hand/log_code.h"
#include "scoring/scoring.h"
#include "tools/cli/command_line.h"
#include "tools/cli/score_report.h"
#include "tools/cli/text.h"

#include <string>

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

// Where a line came from, for messages: "line 7" of the input or "argument 2".
struct LinePlace {
    std::string_view kind;
    std::size_t number;
};

class Scorer {
public:
    Scorer(bool json, Writer& out, Writer& err) : json_(json), out_(out), err_(err) {}

    // `length` is the whole line's, when `line` holds only its start.
    void score(std::string_view line, std::size_t length, LinePlace place);
    bool anyRefused() const { return refused_; }

private:
    void refuse(std::string_view line, std::size_t length, LinePlace place);
    void report(int total);

    bool json_;
    Writer& out_;
    Writer& err_;
    // Kept from line to line, so that scoring allocates nothing.
    ParsedLogLine parsed_;
    ScoreResult result_;
    std::string error_;
    bool first_ = true;
    bool refused_ = false;
};

void Scorer::score(std::string_view line, std::size_t length, LinePlace place)
{
    if (length > LineReader::MaxLineLength) {
        error_ = "longer than " + std::to_string(LineReader::MaxLineLength) + " bytes";
        refuse(line, length, place);
        return;
    }
    if (!parseLogLine(line, parsed_, error_)) {
        refuse(line, length, place);
        return;
    }
    const int total = scoreHand(parsed_.hand, result_);
    if (json_)
        writeJson(out_, parsed_.code, total, result_);
    else
        report(total);
}

void Scorer::report(int total)
{
    if (!first_)
        out_.put('\n');
    first_ = false;
    out_.put(parsed_.code);
    if (!parsed_.comment.empty()) {
        out_.put(" - ");
        putPrintable(out_, parsed_.comment);
    }
    out_.put('\n');
    writeReport(out_, total, result_);
}

void Scorer::refuse(std::string_view line, std::size_t length, LinePlace place)
{
    refused_ = true;
    if (line.size() == length) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        length = line.size();
    }
    const std::string_view shown = echoedPart(line);
    if (json_) {
        writeJsonError(out_, shown, length, error_);
        return;
    }
    out_.flush();  // so that the message follows the reports of the lines before it
    err_.put("fanwright-cli score: ");
    err_.put(place.kind);
    err_.put(' ');
    err_.putNumber(static_cast<long long>(place.number));
    err_.put(" \"");
    putPrintable(err_, shown);
    if (shown.size() < length) {
        err_.put("...\" (");
        err_.putNumber(static_cast<long long>(length));
        err_.put(" bytes): ");
    } else {
        err_.put("\": ");
    }
    putPrintable(err_, error_);
    err_.put('\n');
    err_.flush();
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

int runScore(const std::vector<std::string_view>& args, Input& in, Output& out, Output& err)
{
    Writer output(out), errors(err);
    Arguments arguments;
    if (!readArguments(scoreSyntax, args, arguments, errors))
        return ExitUsage;
    if (arguments.wantsHelp()) {
        output.put(Usage);
        return finishOutput(output, errors, "score", ExitSuccess);
    }
    Scorer scorer(arguments.has("--json"), output, errors);
    const std::vector<std::string_view>& codes = arguments.operands();
    for (std::size_t i = 0; i < codes.size() && !output.failed(); ++i)
        scorer.score(codes[i], codes[i].size(), {"argument", i + 1});
    if (codes.empty()) {
        LineReader reader(in, output);
        InputLine line;
        while (!output.failed() && reader.next(line)) {
            if (!isBlank(line.text))
                scorer.score(line.text, line.length, {"line", line.number});
        }
        if (reader.failed()) {
            output.flush();
            return inputOutputError(errors, "score", "read standard input", reader.failure());
        }
    }
    return finishOutput(output, errors, "score",
                        scorer.anyRefused() ? ExitRefusedLine : ExitSuccess);
}

int runScore(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
             std::ostream& err)
{
    StreamInput input(in);
    StreamOutput output(out), errors(err);
    return runScore(args, input, output, errors);
}

}  // namespace fanwright::cli
