#include "tools/cli/score_command.h"
#include "command_run.h"
#include "tools/cli/text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace fanwright::cli {
namespace {

using test::has;
using test::Outcome;

Outcome score(std::vector<std::string_view> args, const std::string& input = "")
{
    return test::run(runScore, std::move(args), input);
}

constexpr std::string_view example = "ch3bpu5c1b7d8d9dwewewe1bffffwewsw";

TEST(ScoreCommand, ReportsAHandAsTheResultWindowDoes)
{
    const struct {
        std::string_view code, lines;
    } rows[] = {
        {example,
         "This hand has 4 point(s).\nWaitings: 1b\nStructure: Chow 2b 3b 4b | Chow 7d 8d 9d | "
         "Pung 5c 5c 5c | Pung we we we | Pair 1b 1b\nFans:\n"
         "  No  Name                              Quantity  Points\n"},
        // Knitted sets are shown by their three tiles, three apart.
        {"1b4b7b2c5c8c3d6d9dwewewedrdrffffememw",
         "Structure: Knitted 1b 4b 7b | Knitted 2c 5c 8c | Knitted 3d 6d 9d | Pung we we we | "
         "Pair dr dr\n"
         "Fans:\n  No  Name                              Quantity  Points\n"
         "  35  Knitted Straight                         1      12\n"},
        {"1b1b6b6b3c3c7c7c1d1dwwwwdrdrffffememd", "Structure: Pair 1b 1b | Pair 6b 6b | "},
        {"1b9b1c9c1d9dwewswwwndrdgdw1bffffememw", "Structure: Thirteen Orphans\n"},
        {"1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw", "Invalid hand!\nWaitings:\nStructure:\n"},
    };
    for (const auto& row : rows) {
        const Outcome run = score({row.code});
        EXPECT_TRUE(run.status == 0 && run.err.empty() && has(run.out, row.lines)) << run.out;
    }
    EXPECT_TRUE(
        has(score({example}).out, "      Total                                    3       4\n"));
    // An invalid hand after a valid one shows nothing of the one before.
    EXPECT_TRUE(has(score({example, "1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw"}).out,
                    "Invalid hand!\nWaitings:\nStructure:\nFans:\n"
                    "  No  Name                              Quantity  Points\n"
                    "      Total                                    0       0\n"));
}

TEST(ScoreCommand, JsonGivesOneObjectPerLine)
{
    const Outcome run =
        score({"--json", example, "1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw"}, "ignored\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"code\": \"ch3bpu5c1b7d8d9dwewewe1bffffwewsw\", \"total\": 4, \"form\": 1, "
              "\"sets\": [[1, 3], [1, 26], [3, 14], [3, 28]], \"pair\": 1, \"waits\": [1], "
              "\"fans\": {\"60\": 1, \"79\": 1, \"80\": 1}}\n"
              "{\"code\": \"1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw\", \"total\": 0, "
              "\"form\": 0, \"sets\": [], \"pair\": 0, \"waits\": [], \"fans\": {}}\n");
}

// Lines are numbered as they stand in the input, blank ones counted; comments and refused
// lines never reach the terminal raw; a long refused line is shown by its start and length.
TEST(ScoreCommand, RefusedLinesAreNamedAndShownSafely)
{
    const std::string code(example);
    const std::string longLine = code + " junk" + std::string(100'000, 'x');
    const struct {
        std::string input, says;
    } rows[] = {
        {"\n \t\r\nhello\n" + code + "\n", "score: line 3 \"hello\": at character 1"},
        {"x\x1b[2J\xc2\x9b\xe9 - \x07\n", "line 1 \"x\\x1b[2J\\xc2\\x9b\\xe9 - \\x07\": "},
        {code + " junk" + std::string(1000, 'x') + "\n",
         "line 1 \"" + code +
             " junkxx...\" (1038 bytes): after the code, expected \" - \" and a "
             "comment, found \" junkxxxxxxxxxxxxxxxxxxx...\"\n"},
        {code + " - " + std::string(70'000, 'y') + "\n" + code + "\n",
         "line 1 \"" + code + " - yyyy...\" (70036 bytes): longer than 65536 bytes"},
    };
    for (const auto& row : rows) {
        const Outcome run = score({}, row.input);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(has(run.err, row.says)) << run.err;
        EXPECT_LT(run.err.size(), 300u);
        EXPECT_EQ(run.err.find_first_of("\x1b\x07"), std::string::npos);
    }
    // The line after a long one is read whole, and a report echoes its comment safely too.
    const Outcome after = score({}, longLine + "\n" + code + " - \x1b[31mred\n");
    EXPECT_TRUE(has(after.out, code + " - \\x1b[31mred\nThis hand has 4 point(s).")) << after.out;
    EXPECT_TRUE(has(score({"x"}).err, "score: argument 1 \"x\": "));
}

TEST(ScoreCommand, JsonStaysValidUtf8WhateverTheInput)
{
    const struct {
        std::string_view line, code;
    } rows[] = {
        {"caf\xc3\xa9 \xe2\x82\xac\xf0\x9f\x80\x84", "caf\xc3\xa9 \xe2\x82\xac\xf0\x9f\x80\x84"},
        {"x\xc0\x80", "x\\u00c0\\u0080"},                        // overlong
        {"x\xe0\x80\xaf", "x\\u00e0\\u0080\\u00af"},             // overlong, three bytes
        {"x\xed\xa0\x80", "x\\u00ed\\u00a0\\u0080"},             // a surrogate
        {"x\xf4\x90\x80\x80", "x\\u00f4\\u0090\\u0080\\u0080"},  // above U+10FFFF
        {"x\xf5\x80\x80\x80", "x\\u00f5\\u0080\\u0080\\u0080"},  // lead byte F5
        {"\xc3\xa9\xe2\x82", "\\u00c3\\u00a9\\u00e2\\u0082"},    // cut short
        {"\"\\\x01\x7f", "\\\"\\\\\\u0001\x7f"},
    };
    for (const auto& row : rows) {
        const Outcome run = score({"--json"}, std::string(row.line) + "\n");
        EXPECT_TRUE(
            run.out.starts_with("{\"code\": \"" + std::string(row.code) + "\", \"error\": "))
            << run.out;
        EXPECT_TRUE(isUtf8(run.out)) << run.out;
    }
    const Outcome longLine = score({"--json"}, std::string(200, '\xff') + "\n");
    EXPECT_TRUE(has(longLine.out, "\\u00ff\", \"length\": 200, \"error\": ")) << longLine.out;
    EXPECT_LT(longLine.out.size(), 400u);
}

TEST(ScoreCommand, OptionsHelpAndUsageErrors)
{
    const struct {
        std::vector<std::string_view> args;
        int status;
        std::string_view says;
    } rows[] = {
        {{"--help"}, 0, "Exit status: 0"},
        {{"-h", "--bogus"}, 0, "Blank lines are skipped"},
        {{"--", "--json"}, 1, "argument 1 \"--json\""},
        {{"--jsn", example}, 2, "score: unknown option '--jsn'\nTry 'fanwright-cli score --help'."},
        {{"--json=1"}, 2, "--json takes no value"},
    };
    for (const auto& row : rows) {
        const Outcome run = score(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_TRUE(has(run.out + run.err, row.says)) << run.out << run.err;
    }
}

TEST(ScoreCommand, OutputThatCannotBeWrittenIsAnError)
{
    std::ostringstream full, err;
    full.setstate(std::ios::badbit);
    std::istringstream in(std::string(example) + "\n");
    EXPECT_EQ(runScore({}, in, full, err), 3);
    EXPECT_EQ(runScore({example}, in, full, err), 3);
    EXPECT_TRUE(err.str().starts_with("fanwright-cli score: cannot write standard output: "));
}

}  // namespace
}  // namespace fanwright::cli
