#include "ui/result_layout.h"

#include "hand/tiles.h"
#include "test_support.h"
#include "ui/resource_ids.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace fanwright::ui {
namespace {

using Kind = ResultItemKind;

struct Scored {
    int total;
    ScoreResult result;
};

Scored scored(std::string_view code)
{
    Hand hand = test::handOf(code);
    Scored s{0, {}};
    s.total = scoreHand(hand, s.result);
    return s;
}

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// One line of small pictures at `y` by tile name, side by side from x = 20; for the reading
// (y 131) each group starts with its label as "label@x/width:". Items of the wrong size or
// height are left out, and so show up as a difference.
std::string picturesAt(const ResultLayout& layout, int y)
{
    std::string out;
    int x = 20;
    for (const ResultItem& item : layout.items) {
        if (y == 131 && item.kind == Kind::CentredText && item.y == 156 && item.height == 16 &&
            item.font == FontRole::Normal) {
            out += out.empty() ? "" : " ";
            out += narrow(item.text) + "@" + std::to_string(item.x) + "/" +
                   std::to_string(item.width) + ":";
            x = item.x;
        } else if (item.kind == Kind::Tile && item.y == y && item.width == 20 &&
                   item.height == 25) {
            EXPECT_EQ(item.x, x) << out;
            out += tileName(item.picture);
            x = item.x + 20;
        }
    }
    return out;
}

// The fan rows and the total row from y 214, each "number|name|quantity|points".
std::vector<std::string> fanTableOf(const ResultLayout& layout)
{
    std::map<int, std::string> rows;
    for (const ResultItem& item : layout.items) {
        const bool inColumn = item.x == 20 || item.x == 70 || item.x == 320 || item.x == 370;
        if (item.kind != Kind::Text || item.y < 214 || !inColumn || item.width != 400 ||
            item.height != 16)
            continue;
        std::string& row = rows[item.y];
        row += row.empty() ? "" : "|";
        row += narrow(item.text);
    }
    std::vector<std::string> table;
    for (const auto& [y, row] : rows)
        table.push_back(row);
    return table;
}

TEST(ResultLayout, TitleIconAndVerdictFollowTheAnswer)
{
    const std::string_view sixteen = "3b4b5b9b9b3c4c5c6c7c8c3d5d4dffffememw";
    const std::string_view invalid = "1b1b1b2b3b4b5b6b7b8b9b9b9b1cffffememw";
    struct Row {
        std::string_view code;
        int answer;
        std::wstring_view title;
        int icon;
        std::wstring_view verdict;
    } rows[] = {
        {sixteen, 0, L"Result", IDI_PLAIN, L"This hand has 16 point(s)."},
        {sixteen, 12, L"ERROR!", IDI_WRONG, L"This hand has 16 (not 12) point(s)."},
        {sixteen, 17, L"ERROR!", IDI_WRONG, L"This hand has 16 (not 17) point(s)."},
        {sixteen, 16, L"OK", IDI_RIGHT, L"Right answer!"},
        {invalid, 0, L"ERROR!", IDI_WRONG, L"Invalid hand!"},
        {invalid, 8, L"ERROR!", IDI_WRONG, L"Invalid hand!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.code << " answered " << row.answer);
        const Scored s = scored(row.code);
        const ResultLayout layout = layoutResult(row.answer, s.total, s.result);
        EXPECT_EQ(layout.title, row.title);
        ASSERT_GE(layout.items.size(), 2u);
        EXPECT_EQ(layout.items[0], (ResultItem{Kind::Icon, 20, 20, 24, 24, {}, {}, row.icon}));
        EXPECT_EQ(layout.items[1], (ResultItem{Kind::Text, 64, 20, 356, 24,
                                               std::wstring(row.verdict), FontRole::Points}));
    }
}

TEST(ResultLayout, TheFrameThenOneRowPerFanThenTheTotalAndTheWindowGrowsWithThem)
{
    const FontRole bold = FontRole::Bold, link = FontRole::Link;
    const std::vector<ResultItem> frame = {
        // the separators and headings above the fan rows
        {Kind::Separator, 20, 60, 400, 2},
        {Kind::Text, 20, 64, 400, 16, L"Waitings:", bold},
        {Kind::Separator, 20, 111, 400, 2},
        {Kind::Text, 20, 115, 400, 16, L"Structure:", bold},
        {Kind::Separator, 20, 178, 400, 2},
        {Kind::Text, 20, 182, 400, 16, L"Fans:", bold},
        {Kind::Text, 20, 198, 400, 16, L"No", link},
        {Kind::Text, 70, 198, 400, 16, L"Name", link},
        {Kind::Text, 320, 198, 400, 16, L"Quantity", link},
        {Kind::Text, 370, 198, 400, 16, L"Points", link},
    };
    struct Row {
        std::string_view code;
        std::vector<std::string> table;
    } rows[] = {
        {"1b1b1b2b3b4b5b6b7b8b9b9b9b1cffffememw", {"Total|0|0"}},  // invalid
        {"ch3bpu5c2c3c6d7d8dwewe1cffffememd", {"43|Chicken Hand|1|8", "Total|1|8"}},
        {"3b4b5b9b9b3c4c5c6c7c8c3d5d4dffffememw",
         {"41|Mixed Triple Chow|1|8", "56|Fully Concealed Hand|1|4", "63|All Chows|1|2",
          "71|Short Straight|1|1", "78|Closed Wait|1|1", "Total|5|16"}},
        // Short Straight counted twice: quantity 2, points doubled, and one row only.
        {"1b2b3b4b5b6b4c5c6c7c8c9c9d9dffffememd",
         {"62|Concealed Hand|1|2", "63|All Chows|1|2", "70|Mixed Double Chow|1|1",
          "71|Short Straight|2|2", "79|Single Waiting|1|1", "Total|6|8"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        const Scored s = scored(row.code);
        const ResultLayout layout = layoutResult(0, s.total, s.result);
        EXPECT_EQ(fanTableOf(layout), row.table);
        const int fanRows = static_cast<int>(row.table.size()) - 1;
        EXPECT_EQ(layout.clientHeight, 282 + 16 * fanRows);
        const int totalY = 214 + 16 * fanRows;
        EXPECT_EQ(layout.items.back(),
                  (ResultItem{Kind::OkButton, 350, totalY + 32, 70, 20, L"OK"}));
        EXPECT_EQ(layout.items.end()[-2], (ResultItem{Kind::Separator, 20, totalY + 16, 400, 2}));
        std::vector<ResultItem> above;
        for (const ResultItem& item : layout.items) {
            if (item.y < 214 &&
                (item.kind == Kind::Separator || item.font == bold || item.font == link))
                above.push_back(item);
            if (item.y == totalY) {
                EXPECT_EQ(item.font, bold) << narrow(item.text);
            }
        }
        EXPECT_EQ(above, frame);
    }
}

TEST(ResultLayout, WaitsAndReadingAsSmallPictures)
{
    struct Row {
        std::string_view code;
        std::string waits;
        std::string reading;
    } rows[] = {
        {"ch3bpu5c2c3c6d7d8dwewe1cffffememd", "1c4c",
         "Chow@20/60:2b3b4b Chow@90/60:1c2c3c Chow@160/60:6d7d8d Pung@230/60:5c5c5c "
         "Pair@300/40:wewe"},
        // The kong's label is wider, over its four pictures.
        {"ck4c1b2b3b6b7b8b3d4d5d9d9dfftfememw", "9d",
         "Chow@20/60:1b2b3b Chow@90/60:6b7b8b Chow@160/60:3d4d5d Kong@230/80:4c4c4c4c "
         "Pair@320/40:9d9d"},
        // Knitted triples show their tiles three apart.
        {"1b4b5b7b2c5c8c1d2d3d3d6d9d5bffffememw", "5b",
         "Chow@20/60:1d2d3d Knitted@90/60:1b4b7b Knitted@160/60:2c5c8c "
         "Knitted@230/60:3d6d9d Pair@300/40:5b5b"},
        {"1b1b3b3b5c5c7c7c9d9dwewedrdrffffememw", "dr",
         "Pair@20/40:1b1b Pair@70/40:3b3b Pair@120/40:5c5c Pair@170/40:7c7c Pair@220/40:9d9d "
         "Pair@270/40:wewe Pair@320/40:drdr"},
        {"1b9b1c9c1d9dwewswwwndrdgdw1bffffememw", "1b9b1c9c1d9dwewswwwndrdgdw",
         "Thirteen Orphans@20/280:"},
        {"2b5b8b1c4c7c3d6d9dwewsdrdgdwffftememd", "wwwndw",
         "Lesser Honors and Knitted Tiles@20/280:"},
        {"1b4b7b2c5c8cwewswwwndrdgdw3dffffememw", "3d6d9d",
         "Greater Honors and Knitted Tiles@20/280:"},
        {"1b1b1b2b3b4b5b6b7b8b9b9b9b1cffffememw", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        const Scored s = scored(row.code);
        const ResultLayout layout = layoutResult(0, s.total, s.result);
        EXPECT_EQ(picturesAt(layout, 80), row.waits);
        EXPECT_EQ(picturesAt(layout, 131), row.reading);
    }
}

}  // namespace
}  // namespace fanwright::ui
