#include "generator/hand_log_line.h"

#include <gtest/gtest.h>

#include <string>

namespace fanwright {
namespace {

TEST(LogLine, CodeSeparatorCommentLineFeed)
{
    const std::string code = "ch3bpu5c1b7d8d9dwewewe1bffffwewsw";
    const std::string longest(511, 'a');
    const struct {
        std::string comment, line;
    } rows[] = {
        {"pair wait", code + " - pair wait\n"},
        {"", code + " - \n"},                            // an empty comment
        {"two\r\nlines", code + " - two\r\nlines\n"},    // Ctrl+Enter stays in the line
        {longest, code + " - " + longest + "\n"},        // 511 kept
        {longest + "b", code + " - " + longest + "\n"},  // the 512th cut
        {std::string(600, 'c'), code + " - " + std::string(511, 'c') + "\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatLogLine(code, row.comment), row.line) << row.comment.size();
}

}  // namespace
}  // namespace fanwright
