#include "tools/cli/generate_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace fanwright::cli {
namespace {

struct CommandRun {
    int status;
    std::string out, err;
};

// Runs the command on the words of `line`, writing its hands to `out` when given.
CommandRun generate(std::string_view line, std::ostream* out = nullptr)
{
    std::vector<std::string_view> args;
    for (std::size_t at = 0, end = 0; at < line.size(); at = end + 1) {
        end = std::min(line.find(' ', at), line.size());
        args.push_back(line.substr(at, end - at));
    }
    std::ostringstream hands, err;
    const int status = runGenerate(args, out ? *out : hands, err);
    return {status, hands.str(), err.str()};
}

// The first hands of fixed seeds and settings, so that any change in what a seed gives shows,
// whether made by the generator or by the command passing its options on.
TEST(GenerateCommand, PrintsTheHandsOfTheSeedWithTheSettingsGiven)
{
    const struct {
        std::string_view line, out;
    } rows[] = {
        // Traced by hand: seed 1 draws 41 (below 0.025: special), 18467 (seven pairs), then the
        // pairs 6334 % 68 = 10 (6b), 26500 % 67 = 35 (1d), 19169 % 66 = 29 (7c) and so on, one
        // of them four of a kind. Then melded chows and kong, a concealed kong.
        {"--seed 1 --count 3",
         "1b1b6b6b3c3c7c7c1d1dwwwwdrdrffffememd\nch6dmk2dch2c8b8b2c4c3cffffememw\n"
         "ch2bck7c1c1c9c9c4d5d6d9cffffememd\n"},
        // A concealed wind kong, nine gates won on the added tile, thirteen orphans; flags raised.
        {"--seed 24831 --count=3 --melding 0 --special 3 --flags 3",
         "ckww7b7b9b9b9b2d3d4d9d9d7bfftfwswew\n1b1b1b2b3b4b5b6b7b8b9b9b9b7bffffememw\n"
         "1b9b1c9c1d9dwewswwwwdrdgdwwntfffememw\n"},
        // Both honors-and-knitted hands, whose second left-out position was drawn equal to the
        // first and so moved up.
        {"--seed 71392 --count 3 --special 3",
         "ch2bck6c3c3c3c4c4c4d4d4dffffememd\n7b3c6c9c2d5d8dwewswwwndrdwdgffffememw\n"
         "2b5b8b1c4c7c3d6d9dwewwdgdwwsffffememd\n"},
        // The lesser one with six honors, then hands of at least 8 points, the last exactly 8.
        {"--seed 237 --count 3 --chow 20 --pung 50 --min 8",
         "3b6b1c4c7c2d5d8dwewswndrdwdgffffememw\nch5bmk9bpudrmk5d9d9dffffememd\n"
         "ckwspu2d6b7b8b9b9b9b9c9cffffwswnd\n"},
        // Every setting away from its default; the second hand drawn, under 8 points, is passed
        // over.
        {"--seed 7 --count 2 --melding 3 --chow 20 --pung=30 --special 2 --flags 3 --min 8",
         "3b5b5b7b7b9b9b9b9b1c1c8d8d3bffffememd\n1b1b9b1c9c1d9dwewswwwndgdwdrffffememd\n"},
        // The other ends of the ranges, and one hand when no count is given.
        {"--seed=4294967295 --melding 10 --chow 100 --pung 0 --special 0 --flags 0 --min=0",
         "ch6cch5bch4bch6c5c5cffffememd\n"},
    };
    for (const auto& row : rows) {
        const CommandRun run = generate(row.line);
        EXPECT_EQ(run.status, 0) << row.line;
        EXPECT_EQ(run.out, row.out) << row.line;
        EXPECT_EQ(run.err, "");
    }
    for (std::string_view line : {"--help", "-h", "--count 5 -h"}) {
        const CommandRun help = generate(line);
        EXPECT_TRUE(help.status == 0 && help.out.starts_with("usage: fanwright-cli generate") &&
                    help.out.find("Exit status: 0") != std::string::npos)
            << line;
    }
}

TEST(GenerateCommand, SaysWhichSeedItUsedSoThatARunCanBeRepeated)
{
    EXPECT_EQ(generate("--seed 7 --verbose").err, "fanwright-cli generate: seed 7\n");
    const CommandRun first = generate("--verbose --count 3");
    const CommandRun second = generate("--verbose --count 3");
    EXPECT_NE(first.err, second.err);  // runs at once still draw different seeds
    const std::string seed = first.err.substr(first.err.rfind(' ') + 1);
    const CommandRun again = generate("--count 3 --seed " + seed.substr(0, seed.size() - 1));
    EXPECT_EQ(again.out, first.out);
}

TEST(GenerateCommand, RefusesBadUsageWithoutGenerating)
{
    for (std::string_view line :
         {"--seed", "--seed -1", "--seed 4294967296", "--seed=0x10", "--seed=", "--count 0",
          "--count 1e3", "--melding 11", "--chow 101", "--chow 70 --pung 40", "--special 4",
          "--flags -1", "--min 1", "--min 9", "--bogus", "stray", "--help=1", "--verbose=1"}) {
        const CommandRun run = generate(line);
        EXPECT_TRUE(run.status == 2 && run.out.empty() &&
                    run.err.starts_with("fanwright-cli generate: "))
            << line;
    }
}

TEST(GenerateCommand, OutputThatCannotBeWrittenIsAnError)
{
    std::ostringstream full;
    full.setstate(std::ios::badbit);
    const CommandRun run = generate("--count 1000", &full);
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(run.err.starts_with("fanwright-cli generate: cannot write standard output: "));
}

}  // namespace
}  // namespace fanwright::cli
