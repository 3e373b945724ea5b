#include "tools/cli/fans_command.h"

#include "explain/fan_descriptions.h"
#include "fans/fan_table.h"
#include "tools/cli/command_line.h"
#include "tools/cli/text.h"

namespace fanwright::cli {

namespace {

constexpr std::string_view Usage =
    "usage: fanwright-cli fans [--json]\n"
    "\n"
    "Lists the 81 fans, highest points first: number, name, points, the rule in a sentence, a\n"
    "hand code that scores the fan, and the fans never counted beside it.\n"
    "\n"
    "  --json       one JSON object per fan, on one line: \"fan\", \"name\", \"points\",\n"
    "               \"description\", \"example\" (null for a fan no hand here scores) and\n"
    "               \"never_with\", a list of fan numbers.\n"
    "  -h, --help   this text.\n"
    "\n"
    "Exit status: 0 success; 2 bad usage; 3 output could not be written.\n";

constexpr OptionRule fansOptions[] = {{"--json"}};
constexpr CommandSyntax fansSyntax{"fans", fansOptions, false};

void writeFanText(Writer& out, int fan)
{
    const FanDescription& d = fanDescription(fan);
    out.putNumber(fan);
    out.put(". ");
    out.put(fanName(fan));
    out.put(" (");
    out.putNumber(fanPoints(fan));
    out.put(fanPoints(fan) == 1 ? " point)\n  " : " points)\n  ");
    out.put(d.rule);
    out.put("\n  Example: ");
    out.put(d.example.empty() ? "none" : d.example);
    out.put("\n  Never counted beside:");
    FanSet never = neverCountedBeside(fan);
    if (never == FanSet{})
        out.put(" none");
    for (int other = never.popFirst(); other != 0; other = never.popFirst()) {
        out.put(' ');
        out.putNumber(other);
    }
    out.put('\n');
}

}  // namespace

void writeFanJson(Writer& out, int fan)
{
    const FanDescription& d = fanDescription(fan);
    out.put("{\"fan\": ");
    out.putNumber(fan);
    out.put(", \"name\": ");
    putJsonString(out, fanName(fan));
    out.put(", \"points\": ");
    out.putNumber(fanPoints(fan));
    out.put(", \"description\": ");
    putJsonString(out, d.rule);
    out.put(", \"example\": ");
    if (d.example.empty())
        out.put("null");
    else
        putJsonString(out, d.example);
    out.put(", \"never_with\": [");
    FanSet never = neverCountedBeside(fan);
    for (int other = never.popFirst(), n = 0; other != 0; other = never.popFirst(), ++n) {
        if (n > 0)
            out.put(", ");
        out.putNumber(other);
    }
    out.put("]}\n");
}

int runFans(const std::vector<std::string_view>& args, Output& out, Output& err)
{
    Writer output(out), errors(err);
    Arguments arguments;
    if (!readArguments(fansSyntax, args, arguments, errors))
        return ExitUsage;
    if (arguments.wantsHelp()) {
        output.put(Usage);
        return finishOutput(output, errors, "fans", ExitSuccess);
    }
    const bool json = arguments.has("--json");
    for (int fan = 1; fan <= FanCount; ++fan) {
        if (json)
            writeFanJson(output, fan);
        else
            writeFanText(output, fan);
    }
    return finishOutput(output, errors, "fans", ExitSuccess);
}

int runFans(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err)
{
    StreamOutput output(out), errors(err);
    return runFans(args, output, errors);
}

}  // namespace fanwright::cli
