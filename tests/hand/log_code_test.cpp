#include "hand/log_code.h"
#include "generator/generator.h"
#include "generator/random.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace fanwright {
namespace {

std::string refusal(std::string_view line)
{
    ParsedLogLine parsed;
    std::string error;
    EXPECT_FALSE(parseLogLine(line, parsed, error)) << line;
    return error;
}

TEST(LogCode, ReadsBackEveryHandItWrites)
{
    seedRandom(7);
    for (int i = 0; i < 3000; ++i) {
        Hand h;
        generateHand(h, GeneratorSettings{});
        const std::string code = h.toLogText();
        ASSERT_LE(code.size(), static_cast<std::size_t>(MaxLogCodeLength));
        ParsedLogLine parsed;
        std::string error;
        const std::string line = code + " - comment " + std::to_string(i);
        ASSERT_TRUE(parseLogLine(line, parsed, error)) << code << ": " << error;
        EXPECT_EQ(parsed.code, code);
        EXPECT_EQ(parsed.comment, "comment " + std::to_string(i));
        EXPECT_STREQ(parsed.hand.toLogText(), code.c_str());
        EXPECT_EQ(parsed.hand.countTileUses(h.winningTile), h.countTileUses(h.winningTile));
    }
}

// Blanks and line ends around code and comment are dropped; every win source reads back.
TEST(LogCode, ReadsCodeAndCommentWhateverBlanksAndLineEndsSurroundThem)
{
    const struct {
        const char* line;
        const char* code;
        const char* comment;
    } rows[] = {
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsw - pair wait\n", "", "pair wait"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsw - \r\n", "", ""},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsw -", "", ""},
        {" \t ch3bpu5c1b7d8d9dwewewe1bffffwewsw - x", "", "x"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsw - a - b", "", "a - b"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsd", "ch3bpu5c1b7d8d9dwewewe1bffffwewsd", ""},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsn", "ch3bpu5c1b7d8d9dwewewe1bffffwewsn", ""},
    };
    for (const auto& row : rows) {
        const std::string code = *row.code ? row.code : "ch3bpu5c1b7d8d9dwewewe1bffffwewsw";
        ParsedLogLine parsed;
        std::string error;
        ASSERT_TRUE(parseLogLine(row.line, parsed, error)) << row.line << ": " << error;
        EXPECT_EQ(parsed.code, code) << row.line;
        EXPECT_EQ(parsed.comment, row.comment) << row.line;
        EXPECT_STREQ(parsed.hand.toLogText(), code.c_str()) << row.line;
    }
}

TEST(LogCode, RefusesWhatIsNotALegalHand)
{
    const struct {
        const char* line;
        const char* says;
    } rows[] = {
        {"", "no hand code"},
        {"ch3bpu5c1b7d8d9dwewexx1bffffwewsw", "unknown tile \"xx\""},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsw junk", "expected \" - \""},
        {"ch1bpu5c1b7d8d9dwewewe1bffffwewsw", "middle tile"},
        {"ch3bpu5c5c7d8d9dwewewe5cffffwewsw", "fifth copy of \"5c\""},
        {"mk5cpu5c1b7d8d9dwewewe1bffffwewsw", "at character 7: a seventh copy of \"5c\""},
        {"pu5cpu5c1b7d8d9dwewewe1bffffwewsw", "a sixth copy of \"5c\""},
        {"mk5cmk5c1b7d8d9dwewe1bffffwewsw", "an eighth copy of \"5c\""},
        {"mk2bch3b1b7d8d9dwewewe1bffffwewsw", "a fifth copy of \"2b\""},
        {"ch3bpu5c1b7d8d9dwewe1bffffwewsw", "wrong number of tiles: 13"},
        {"ch3bpu5c1b1b7d8d9dwewewe1bffffwewsw", "too many tiles"},
        {"ch3bpu5c1b7d8d9dwewewe1bfxffwewsw", "flag"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffdrwsw", "prevalent wind"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwe1bw", "seat wind"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsx", "win source"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewswd", "at character 34: more after the win-source"},
        {"ch3bpu5c1b7dx8d9dwewewe1bffffwewsw", "at character 13: unknown tile \"x8\""},
        {"ch3bpu5c1b7d8d9dwewewe1bfffwewsw", "at character 28: a flag is"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwe", "at character 31: the code ends before its seat"},
        {"1b7d8d9dch3bpu5cwewewe1bffffwewsw", "come before"},
        {"ch3bpu5c1b7d8d9dwewewe1bffffwewsw\t- x", "expected"},
        {"ch3bpu5c1b7d8d9dwewewe", "at character 23: the code ends before its winning tile"},
    };
    for (const auto& row : rows)
        EXPECT_NE(refusal(row.line).find(row.says), std::string::npos) << row.line;
}

TEST(LogCode, NeverReadsPastTheEndOfShortOrOddInput)
{
    ParsedLogLine parsed;
    std::string error;
    const std::string code = "ch3bpu5c1b7d8d9dwewewe1bffffwewsw";
    for (std::size_t n = 0; n < code.size(); ++n)
        EXPECT_FALSE(parseLogLine(code.substr(0, n), parsed, error)) << n;
    EXPECT_FALSE(parseLogLine(std::string_view("ch3b\0u5c1b", 10), parsed, error));
}

}  // namespace
}  // namespace fanwright
