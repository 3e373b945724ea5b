// fanwright-cli: the command-line companion of Fanwright. Scores hand codes and deals random
// hands, for people and for our own checks.
#include "tools/cli/generate_command.h"
#include "tools/cli/score_command.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

constexpr const char* usage =
    "usage: fanwright-cli <command> [options]\n"
    "\n"
    "commands:\n"
    "  score [--json] [CODE ...]   score hand codes (or lines of standard input)\n"
    "  generate [options]          deal random winning hands as hand codes\n"
    "  help                        this text\n"
    "\n"
    "Run \"fanwright-cli <command> --help\" for the options of a command.\n";

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "score")
        return fanwright::cli::runScore(args, std::cin, std::cout, std::cerr);
    if (command == "generate")
        return fanwright::runGenerate(args, std::cout, std::cerr);
    if (command == "help" || command == "--help" || command == "-h") {
        std::cout << usage;
        return 0;
    }
    if (command.empty())
        std::cerr << usage;
    else
        std::cerr << "fanwright-cli: unknown command \"" << command << "\"\n" << usage;
    return 2;
}
