#include "ui/result_tips.h"

#include "test_support.h"
#include "ui/layout_script.h"
#include "ui/wide_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright::ui {
namespace {

const std::string dash = " \xE2\x80\x94 ";
const std::string why = "\r\nF1 or double-click: why this score";

// Each tip over its row: fan rows from y 214, 16 apart, the total row last.
TEST(ResultTips, EveryRowTellsItsRuleAndTheTotalWhatWasNotCounted)
{
    const struct {
        const char* code;
        const char* covers;
        std::vector<std::string> tips;
    } rows[] = {
        {"ch3bch3b2b3b4b5b6b9d9d7bffffememd",
         "matrix exclusions, each under the fan that excludes",
         {"Three identical chows.\r\nNot counted beside it: Pure Double Chow",
          "Four chows, and a pair that is not an honor.\r\nNot counted beside it: No Honors",
          "Two chows of one suit that follow each other, such as 1-2-3 and 4-5-6.",
          "One of the three suits is missing.",
          "Not counted:\r\nPure Double Chow" + dash + "excluded by Pure Triple Chow\r\nNo Honors" +
              dash + "excluded by All Chows" + why}},
        {"pu1c7b7b7b8b8b8b9b9b9b5d5dffffememd",
         "two readings: only the kept one is told, and it lost nothing",
         {"Three pungs or kongs of one suit in three ranks in a row.",
          "Exactly three concealed pungs or kongs.", "Four pungs or kongs and a pair.",
          "A pung or kong of 1s or 9s, or of a wind no wind fan scores, counted for each.",
          "No wind and no dragon.", "The hand waits on one tile only: the tile of the pair.",
          "Every fan whose rule holds is counted." + why}},
        {"1b2b3b4c5c6c7c8c9c4d5d5d6d5dffffememd",
         "wait fans that cancel and a pairing: not under any row, but on the total",
         {"The chows 1-2-3, 4-5-6 and 7-8-9, each in a different suit.",
          "Nothing melded, and won on a discard.",
          "Four chows, and a pair that is not an honor.\r\n"
          "Not counted beside it: No Honors",
          "Two chows of one suit that follow each other, such as 1-2-3 and 4-5-6.",
          "Not counted:\r\nMixed Double Chow" + dash +
              "the chow Mixed Straight leaves over pairs once only\r\nNo Honors" + dash +
              "excluded by All Chows\r\nClosed Wait" + dash +
              "Single Waiting fits too, and wait fans count only alone\r\nSingle Waiting" + dash +
              "Closed Wait fits too, and wait fans count only alone" + why}},
        {"ch2bch5bch5cch8d1b9dffffememd",
         "no reading: only the total row",
         {"This hand cannot be read into sets." + why}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.covers);
        Hand hand = test::handOf(row.code);
        const Explanation e = explainHand(hand);
        ScoreResult result;
        scoreHand(hand, result);
        const std::vector<RowTip> tips = resultRowTips(result, e);
        ASSERT_EQ(tips.size(), row.tips.size());
        for (std::size_t i = 0; i < tips.size(); ++i) {
            const int y = 214 + 16 * static_cast<int>(i);
            EXPECT_EQ(tips[i].box, (Rect{20, y, 420, y + 16})) << i;
            EXPECT_EQ(test::narrow(tips[i].text), row.tips[i]) << i;
        }
    }
}

TEST(WideText, Utf8AndWindowsLineEnds)
{
    const struct {
        std::string utf8;
        std::wstring wide;
    } rows[] = {
        {"Edge Wait", L"Edge Wait"},
        {"A \xE2\x80\x94 B", L"A \u2014 B"},
        {"\xC3\xA9t\xC3\xA9", L"\u00E9t\u00E9"},
        {"\xF0\x9F\x80\x84", L"\U0001F004"},  // a tile of the game's own block
        {"a\xE2\x80", L"a\uFFFD\uFFFD"},      // cut short
        {"\x80x\xC3(", L"\uFFFDx\uFFFD("},    // no lead byte; a lead byte without its follower
    };
    for (const auto& row : rows)
        EXPECT_EQ(widened(row.utf8), row.wide) << row.utf8;
    EXPECT_EQ(withCrLf(L"one\ntwo\n\nthree"), L"one\r\ntwo\r\n\r\nthree");
}

}  // namespace
}  // namespace fanwright::ui
