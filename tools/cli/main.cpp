// fanwright-cli: the command-line companion of Fanwright. Scores and explains hand codes, lists
// the fans and deals random hands, for people and for our own checks.
#include "tools/cli/command_line.h"
#include "tools/cli/explain_command.h"
#include "tools/cli/fans_command.h"
#include "tools/cli/generate_command.h"
#include "tools/cli/io.h"
#include "tools/cli/score_command.h"
#include "tools/cli/text.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::string_view Usage =
    "usage: fanwright-cli <command> [options]\n"
    "\n"
    "commands:\n"
    "  score [--json] [CODE ...]   score hand codes (or lines of standard input)\n"
    "  explain [--json] [CODE ...] why each hand scores what it does: every reading, the one\n"
    "                              kept, and the fans not counted with the reason\n"
    "  fans [--json]               the 81 fans: rule, example hand, fans never counted beside\n"
    "  generate [options]          deal random winning hands as hand codes\n"
    "  help                        this text\n"
    "\n"
    "Run \"fanwright-cli <command> --help\" for the options and exit statuses of a command.\n";

}  // namespace

int main(int argc, char** argv)
{
    using namespace fanwright::cli;
    const std::vector<std::string_view> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    const std::string_view command = argc > 1 ? argv[1] : "";
    DescriptorInput in(0);
    DescriptorOutput out(1), err(2);
    if (command == "score")
        return runScore(args, in, out, err);
    if (command == "explain")
        return runExplain(args, in, out, err);
    if (command == "fans")
        return runFans(args, out, err);
    if (command == "generate")
        return runGenerate(args, out, err);
    Writer output(out), errors(err);
    if (command == "help" || command == "--help" || command == "-h") {
        output.put(Usage);
        return finishOutput(output, errors, "help", ExitSuccess);
    }
    if (!command.empty()) {
        errors.put("fanwright-cli: unknown command \"");
        putPrintable(errors, echoedPart(command));
        errors.put("\"\n");
    }
    errors.put(Usage);
    errors.flush();
    return ExitUsage;
}
