#include "ui/explanation_layout.h"

#include "fans/fan_table.h"
#include "test_support.h"
#include "ui/layout_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace fanwright::ui {
namespace {

using test::scriptOf;

// Nothing is drawn over anything else, everything starts inside the content's width, the
// scroll extent ends a line below the last item, and each fan link names its fan.
void expectWellLaidOut(const ExplanationLayout& layout, const std::string& code)
{
    int bottom = 0;
    for (const ResultItem& a : layout.items) {
        EXPECT_TRUE(a.x >= 20 && a.x < layout.width) << code << ": x " << a.x;
        bottom = std::max(bottom, a.y + a.height);
        for (const ResultItem& b : layout.items) {
            if (a.y < b.y) {
                ASSERT_LE(a.y + a.height, b.y)
                    << code << ": " << test::narrow(a.text) << " over " << test::narrow(b.text);
            }
        }
        if (a.kind == ResultItemKind::FanLink) {
            EXPECT_EQ(test::narrow(a.text), fanName(a.picture)) << code;
        }
    }
    EXPECT_EQ(layout.height, bottom + 16) << code;
    EXPECT_EQ(layout.width, 440);
}

// `expected` appear in the script in this order, others between them.
void expectInOrder(const std::vector<std::string>& script, const std::vector<std::string>& expected)
{
    auto at = script.begin();
    for (const std::string& line : expected) {
        at = std::find(at, script.end(), line);
        ASSERT_NE(at, script.end()) << "missing, or out of order: " << line;
    }
}

const std::string dash = " \xE2\x80\x94 ";

struct ExplainedHand {
    const char* code;
    const char* covers;
    std::vector<std::string> lines;
};

TEST(ExplanationLayout, HandsReadingsFansAndWhatWasNotCounted)
{
    const ExplainedHand rows[] = {
        {"ch3bch3b2b3b4b5b6b9d9d7bffffememd",
         "a matrix exclusion; declared chows labelled under the hand",
         {"This hand has 28 point(s).",
          "Click a fan's name to read its rule; Ctrl+C copies this explanation as text.",
          "----",
          "Hand:",
          "2b3b4b 2b3b4b 2b3b4b5b6b9d9d 7b",
          "[Chow] | [Chow]",
          "Won on 7b, a discard.",
          "----",
          "Waitings:",
          "1b4b7b",
          "----",
          "Reading 1 of 1 (kept)",
          "2b3b4b 2b3b4b 2b3b4b 5b6b7b 9d9d",
          "[Chow] | [Chow] | [Chow] | [Chow] | [Pair]",
          "No | Name | Quantity | Points",
          "23 | <Pure Triple Chow> | 1 | 24",
          "63 | <All Chows> | 1 | 2",
          "71 | <Short Straight> | 1 | 1",
          "75 | <One Voided Suit> | 1 | 1",
          "Total | 4 | 28",
          "Not counted:",
          "Pure Double Chow" + dash + "excluded by Pure Triple Chow",
          "No Honors" + dash + "excluded by All Chows"}},
        {"pu1c7b7b7b8b8b8b9b9b9b5d5dffffememd",
         "two readings, the second kept",
         {"Reading 1 of 2", "7b8b9b 7b8b9b 7b8b9b 1c1c1c 5d5d", "Total | 4 | 27",
          "Pure Double Chow" + dash + "excluded by Pure Triple Chow", "Reading 2 of 2 (kept)",
          "7b7b7b 8b8b8b 9b9b9b 1c1c1c 5d5d", "[Pung] | [Pung] | [Pung] | [Pung] | [Pair]",
          "73 | <Pung of Terminals or Honors> | 2 | 2", "Total | 7 | 50"}},
        {"2b3b4b9b9b2c2c2c3c3c4c4c4c3cffffememd",
         "a tie: the first kept, the tie said last",
         {"Waitings:", "9b3c", "Reading 1 of 2 (kept)", "Total | 5 | 30",
          "Closed Wait" + dash + "the hand also waits on 9b", "Reading 2 of 2", "Total | 5 | 30",
          "----", "Readings 1 and 2 tie at 30 points; the first found is kept."}},
        {"1b1b4b4b5b6b6b2d2d3d3d4d4d5bffffememd",
         "Seven Pairs kept over four chows; no label row under a hand with no declared set",
         {"Hand:", "1b1b4b4b5b6b6b2d2d3d3d4d4d 5b", "Won on 5b, a discard.",
          "Reading 2 of 2 (kept)", "1b1b 4b4b 5b5b 6b6b 2d2d 3d3d 4d4d",
          "[Pair] | [Pair] | [Pair] | [Pair] | [Pair] | [Pair] | [Pair]",
          "19 | <Seven Pairs> | 1 | 24", "Concealed Hand" + dash + "excluded by Seven Pairs"}},
        {"1b9b1c9c1d9dwewswwwndrdgdwdwtfffememd",
         "Thirteen Orphans: a label for the reading, thirteen waits",
         {"Won on dw, a discard; last tile in game.", "1b9b1c9c1d9dwewswwwndrdgdw",
          "Reading 1 of 1 (kept)", "[Thirteen Orphans]", "7 | <Thirteen Orphans> | 1 | 88"}},
        {"mk2bck5cmk9dckdrwswsffffememd",
         "kongs of both kinds in the hand, as kongs in the reading",
         {"2b2b2b2b 5c5c5c5c 9d9d9d9d drdrdrdr ws ws",
          "[Melded Kong] | [Concealed Kong] | [Melded Kong] | [Concealed Kong]",
          "2b2b2b2b 5c5c5c5c 9d9d9d9d drdrdrdr wsws", "[Kong] | [Kong] | [Kong] | [Kong] | [Pair]",
          "Single Waiting" + dash + "excluded by Four Kongs"}},
        {"ch2bch5bch5cch8d1b9dffffememd",
         "no reading at all",
         {"Invalid hand!", "Waitings:",
          "No reading: the tiles make neither four sets and a pair nor a special hand."}},
    };
    for (const ExplainedHand& row : rows) {
        SCOPED_TRACE(row.covers);
        const ExplanationLayout layout = layoutExplanation(explainHand(test::handOf(row.code)));
        const std::vector<std::string> script = scriptOf(layout.items);
        if (row.lines.size() > 20) {
            EXPECT_EQ(script, row.lines);
        }
        expectInOrder(script, row.lines);
        expectWellLaidOut(layout, row.code);
    }
}

// A line of the normal font holds some 72 characters at the indent: a longer one gets two.
TEST(ExplanationLayout, LongLinesTakeTwoRows)
{
    const Explanation e = explainHand(test::handOf("6b7b8b6c7c8c6d7d7d8d8dwewe6dffffememw"));
    const ExplanationLayout layout = layoutExplanation(e);
    int tall = 0;
    for (const ResultItem& item : layout.items) {
        if (item.kind == ResultItemKind::Text && item.x == 40) {
            EXPECT_EQ(item.height, item.text.size() > 72 ? 32 : 16) << test::narrow(item.text);
            tall += item.height == 32 ? 1 : 0;
        }
    }
    EXPECT_EQ(tall, 1) << "the pairing's line";
}

TEST(ExplanationLayout, EveryHandOfThePoolIsLaidOutCleanly)
{
    std::ifstream pool(FANWRIGHT_BENCH_POOL);
    ASSERT_TRUE(pool);
    int hands = 0;
    for (std::string line; std::getline(pool, line) && hands < 2000 && !HasFatalFailure(); ++hands)
        expectWellLaidOut(layoutExplanation(explainHand(test::handOf(line))), line);
}

TEST(ExplanationLayout, HowTheHandWasWonAndItsWinds)
{
    const struct {
        const char* code;
        const char* won;
        const char* winds;
    } rows[] = {
        {"ch6dch3b4c5c6c8c8cwwww8ctfffememw", "Won on 8c, drawn from the wall; last tile in game.",
         ""},
        {"ch2d2b3b4b5b5b5b6c7cwsws8cffftememd", "Won on 8c, a discard; robbing the kong.", ""},
        {"ch6dmk5bch2b7c8cdwdw9cfftfememw", "Won on 9c, drawn from the wall; replacement tile.",
         ""},
        {"puwnpuwe5b7c8c9cwswsws5bffffwwwwd", "Won on 5b, a discard.",
         "Prevalent wind West, seat wind West."},
    };
    for (const auto& row : rows) {
        const Hand hand = test::handOf(row.code);
        EXPECT_EQ(test::narrow(wonLine(hand)), row.won) << row.code;
        EXPECT_EQ(test::narrow(windsLine(hand)), row.winds) << row.code;
    }
}

TEST(ExplanationLayout, ScrollingStaysWithinTheContent)
{
    const struct {
        ScrollMove move;
        int position, page, extent, target;
        int expected;
    } rows[] = {
        {ScrollMove::LineDown, 0, 300, 700, 0, 16},
        {ScrollMove::LineUp, 10, 300, 700, 0, 0},
        {ScrollMove::PageDown, 0, 300, 700, 0, 284},    // a line of the last page stays
        {ScrollMove::PageDown, 300, 300, 700, 0, 400},  // no further than the end
        {ScrollMove::PageUp, 350, 300, 700, 0, 66},
        {ScrollMove::Bottom, 0, 300, 700, 0, 400},
        {ScrollMove::Top, 250, 300, 700, 0, 0},
        {ScrollMove::To, 0, 300, 700, 999, 400},
        {ScrollMove::To, 100, 300, 700, -5, 0},
        {ScrollMove::LineDown, 0, 800, 700, 0, 0},  // all in view: nothing to scroll
        {ScrollMove::PageDown, 0, 10, 700, 0, 16},  // a tiny window still moves a line
    };
    for (const auto& r : rows) {
        EXPECT_EQ(scrolledTo(r.move, r.position, r.page, r.extent, r.target), r.expected)
            << static_cast<int>(r.move) << " from " << r.position;
    }
    EXPECT_EQ(wheelScrolled(200, -120, 300, 700), 248) << "a notch towards the user: 3 lines";
    EXPECT_EQ(wheelScrolled(200, 240, 300, 700), 104);
    EXPECT_EQ(wheelScrolled(20, 120, 300, 700), 0);
}

TEST(ExplanationLayout, TheWindowOpensBesideItsOwner)
{
    const Rect work{0, 0, 1280, 1000};
    const struct {
        Rect owner;
        int width, height;
        Rect expected;
    } rows[] = {
        {{100, 200, 540, 500}, 470, 700, {540, 200, 1010, 900}},   // right of it
        {{700, 200, 1140, 500}, 470, 700, {230, 200, 700, 900}},   // left of it
        {{420, 200, 860, 500}, 470, 700, {810, 200, 1280, 900}},   // room on neither side
        {{100, 500, 540, 800}, 470, 700, {540, 300, 1010, 1000}},  // raised to fit
        {{100, 200, 540, 500}, 470, 1400, {540, 0, 1010, 1000}},   // no taller than the area
    };
    for (const auto& r : rows)
        EXPECT_EQ(besideOwner(r.owner, r.width, r.height, work), r.expected) << r.owner.left;
}

}  // namespace
}  // namespace fanwright::ui
