#include "tools/cli/score_command.h"

#include "hand/log_code.h"
#include "scoring/scoring.h"
#include "tools/cli/score_report.h"

#include <string>

namespace fanwright::cli {

namespace {

constexpr const char* scoreUsage =
    "usage: fanwright-cli score [--json] [CODE ...]\n"
    "\n"
    "Scores each hand code given, or each line of standard input when none is given,\n"
    "so that a Fanwright.log file can be piped through it. A line may carry a comment\n"
    "after \" - \", as the log file writes it.\n"
    "\n"
    "  --json   one JSON object per hand, on one line\n"
    "  --help   this text\n";

struct ScoreOptions {
    bool json = false;
    std::vector<std::string_view> codes;
};

class Scorer {
public:
    Scorer(bool json, std::ostream& out, std::ostream& err) : json_(json), out_(out), err_(err) {}

    void scoreLine(std::string_view line);
    bool anyFailed() const { return failed_; }

private:
    bool json_;
    std::ostream& out_;
    std::ostream& err_;
    int lineNumber_ = 0;
    bool failed_ = false;
};

void Scorer::scoreLine(std::string_view line)
{
    ++lineNumber_;
    ParsedLogLine parsed;
    std::string error;
    if (!parseLogLine(line, parsed, error)) {
        failed_ = true;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        if (json_)
            writeJsonError(out_, line, error);
        else
            err_ << "fanwright-cli: hand " << lineNumber_ << " \"" << line << "\": " << error
                 << '\n';
        return;
    }
    ScoreResult result;
    const int total = scoreHand(parsed.hand, result);
    if (json_) {
        writeJson(out_, parsed.code, total, result);
        return;
    }
    if (lineNumber_ > 1)
        out_ << '\n';
    out_ << parsed.code;
    if (!parsed.comment.empty())
        out_ << " - " << parsed.comment;
    out_ << '\n';
    writeReport(out_, total, result);
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

int runScore(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
             std::ostream& err)
{
    ScoreOptions options;
    for (std::string_view arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << scoreUsage;
            return 0;
        }
        if (arg == "--json") {
            options.json = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "fanwright-cli score: unknown option \"" << arg << "\"\n" << scoreUsage;
            return 2;
        } else {
            options.codes.push_back(arg);
        }
    }

    Scorer scorer(options.json, out, err);
    if (!options.codes.empty()) {
        for (std::string_view code : options.codes)
            scorer.scoreLine(code);
    } else {
        for (std::string line; std::getline(in, line);) {
            if (!isBlank(line))
                scorer.scoreLine(line);
        }
    }
    return scorer.anyFailed() ? 1 : 0;
}

}  // namespace fanwright::cli
