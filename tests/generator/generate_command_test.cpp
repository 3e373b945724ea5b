#include "tools/cli/generate_command.h"

#include "generator/settings.h"
#include "hand/scoring.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace fanwright {
namespace {

struct CommandRun {
    int status;
    std::string out, err;
};

class GenerateCommandTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = generatorSettings(); }
    void TearDown() override { generatorSettings() = saved_; }

    static CommandRun generate(const std::vector<std::string_view>& args)
    {
        std::ostringstream out, err;
        const int status = runGenerate(args, out, err);
        return {status, out.str(), err.str()};
    }

private:
    GeneratorSettings saved_;
};

TEST_F(GenerateCommandTest, PrintsTheHandsOfTheSeedWithTheSettingsGiven)
{
    const CommandRun run = generate({"--seed", "71392", "--count=3", "--special", "3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "ch2bck6c3c3c3c4c4c4d4d4dffffememd\n7b3c6c9c2d5d8dwewswwwndrdwdgffffememw\n"
              "2b5b8b1c4c7c3d6d9dwewwdgdwwsffffememd\n");
    EXPECT_EQ(run.err, "");
    // Settings not given keep their defaults, whichever way the options are written.
    EXPECT_EQ(generate({"--seed=1", "--count", "40"}).out,
              generate({"--seed", "1", "--count=40", "--melding", "5", "--chow", "40", "--pung",
                        "40", "--special", "1", "--flags", "1", "--min=0"})
                  .out);
    EXPECT_EQ(generate({"--seed", "4294967295", "--chow", "100", "--pung", "0"}).status, 0);
}

TEST_F(GenerateCommandTest, MinimumEightPrintsOnlyHandsOfEightPointsOrMore)
{
    std::istringstream lines(generate({"--seed", "4", "--count", "50", "--min", "8"}).out);
    for (std::string code; std::getline(lines, code);) {
        Hand h = test::handOf(code);
        ScoreResult result;
        EXPECT_GE(scoreHand(h, result), 8) << code;
    }
}

TEST_F(GenerateCommandTest, RefusesBadUsageWithoutGenerating)
{
    for (std::string_view line :
         {"--seed", "--seed -1", "--seed 4294967296", "--seed=0x10", "--seed=", "--count 0",
          "--count 1e3", "--melding 11", "--chow 101", "--chow 70 --pung 40", "--special 4",
          "--flags -1", "--min 1", "--min 9", "--bogus 1", "stray", "--help=1"}) {
        std::vector<std::string_view> args;
        for (std::size_t at = 0, end = 0; at < line.size(); at = end + 1) {
            end = std::min(line.find(' ', at), line.size());
            args.push_back(line.substr(at, end - at));
        }
        const CommandRun run = generate(args);
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_EQ(run.err.rfind("fanwright-cli generate: ", 0), 0u) << line;
    }
}

TEST_F(GenerateCommandTest, HelpPrintsUsage)
{
    const CommandRun run = generate({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: fanwright-cli generate [--seed N]", 0), 0u);
}

}  // namespace
}  // namespace fanwright
