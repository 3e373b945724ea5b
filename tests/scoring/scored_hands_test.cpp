// Whole hands scored through scoreHand against totals and fan counts worked out by hand,
// one per line of data/scored_hands.txt, each with the reasoning above it.
#include "fans/fan_table.h"
#include "scoring/scoring.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fanwright {
namespace {

struct ScoredHand {
    int line;
    std::string code;
    int total;
    std::array<int, FanCount> fans{};
};

// "CODE => TOTAL : FAN FANxCOUNT ..."
std::vector<ScoredHand> readTable()
{
    std::ifstream file(FANWRIGHT_TEST_DATA "/scored_hands.txt");
    EXPECT_TRUE(file) << "missing data/scored_hands.txt";
    std::vector<ScoredHand> rows;
    int number = 0;
    for (std::string text; std::getline(file, text);) {
        ++number;
        if (text.empty() || text[0] == '#')
            continue;
        ScoredHand row{number, {}, 0, {}};
        std::istringstream in(text);
        std::string arrow, colon, fan;
        in >> row.code >> arrow >> row.total >> colon;
        EXPECT_EQ(arrow, "=>") << "line " << number;
        EXPECT_EQ(colon, ":") << "line " << number;
        while (in >> fan) {
            const std::size_t x = fan.find('x');
            const int id = std::stoi(fan.substr(0, x));
            row.fans.at(static_cast<std::size_t>(id - 1)) =
                x == std::string::npos ? 1 : std::stoi(fan.substr(x + 1));
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(ScoredHands, EveryHandOfTheTableScoresAsWorkedOutByHand)
{
    const std::vector<ScoredHand> rows = readTable();
    ASSERT_GE(rows.size(), 60u);
    std::array<bool, FanCount> seen{};
    for (const ScoredHand& row : rows) {
        Hand hand = test::handOf(row.code);
        ScoreResult result;
        EXPECT_EQ(scoreHand(hand, result), row.total) << "line " << row.line << ": " << row.code;
        for (int f = 1; f <= FanCount; ++f) {
            EXPECT_EQ(result.fanCounts[f - 1], row.fans[static_cast<std::size_t>(f - 1)])
                << "fan " << f << " " << fanName(f) << ", line " << row.line << ": " << row.code;
            seen[static_cast<std::size_t>(f - 1)] = seen[static_cast<std::size_t>(f - 1)] ||
                                                    row.fans[static_cast<std::size_t>(f - 1)] > 0;
        }
    }
    for (int f = 1; f < FanCount; ++f)
        EXPECT_TRUE(seen[static_cast<std::size_t>(f - 1)]) << "no hand counts fan " << f;
}

}  // namespace
}  // namespace fanwright
