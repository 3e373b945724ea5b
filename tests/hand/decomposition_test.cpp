#include "hand/decomposition.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

using test::describe;

// Each hand with every reading found, in the order found; codes end self-drawn, no flags.
TEST(Decomposition, ReadingsOfEachForm)
{
    const struct {
        const char* why;
        const char* code;
        std::vector<std::string> readings;
    } rows[] = {
        {"three equal chows also read as pungs, chows first",
         "1b1b1b2b2b2b3b3b3b5c6c7c9d9d",
         {"ch2b ch2b ch2b ch6c =9d", "ch6c pu1b pu2b pu3b =9d"}},
        {"seven pairs after the set readings",
         "1b1b2b2b3b3b4c4c5c5c6c6c9d9d",
         {"ch2b ch2b ch5c ch5c =9d", "pr1b pr2b pr3b pr4c pr5c pr6c pr9d"}},
        {"four of a kind as two pairs",
         "2c2c2c2c5c5c6c6c8d8dwewedrdr",
         {"pr2c pr2c pr5c pr6c pr8d prwe prdr"}},
        {"a knitted straight with a set and the pair",
         "1b4b7b2c5c8c3d6d9ddrdrdrwewe",
         {"kn4b kn5c kn6d pudr =we"}},
        {"... the set declared", "pudr1b4b7b2c5c8c3d6d9dwewe", {"kn4b kn5c kn6d pudr =we"}},
        {"the pair taken before or after the chow: one reading",
         "2b2b2b3b4b5c5c5c7d8d9ddgdgdg",
         {"ch3b ch8d pu5c pudg =2b"}},
        {"",
         "1b1b2b2b3b3b4b4b5c5c5c7d8d9d",
         {"ch2b ch2b ch8d pu5c =4b", "ch3b ch3b ch8d pu5c =1b"}},
        {"thirteen orphans", "1b9b1c9c1d9dwewswwwndrdgdwdw", {"thirteen-orphans"}},
        {"... any duplicate", "1b9b1c9c1d9dwewswwwndrdgdw1b", {"thirteen-orphans"}},
        {"... not with 2b for 9b", "1b2b1c9c1d9dwewswwwndrdgdwdw", {}},
        {"... nor a third copy", "1b1b9b1c9c1d9dwewswwwndrdg1b", {}},
        {"seven knitted, seven honors", "2b5b8b1c4c6d9dwewswwwndrdgdw", {"greater-knitted"}},
        {"eight knitted, six honors", "2b5b8b1c4c7c3d6dwewswwwndrdg", {"lesser-knitted"}},
        {"nine knitted, five honors", "2b5b8b1c4c7c3d6d9dwewswwwndr", {"lesser-knitted"}},
        {"a repeated honor", "2b5b8b1c4c7c3d6dwewswwwndrdr", {}},
        {"a tile outside the row", "2b5b8b1c4c7c3d5dwewswwwndrdg", {}},
        {"no special form beside a declared set", "pu1b1b2b2b3b3b4b4b5b5b6b6b", {}},
    };
    for (const auto& row : rows) {
        const std::string code = std::string(row.code) + "ffffememw";
        EXPECT_EQ(test::readingTexts(test::handOf(code)), row.readings) << row.why << ": " << code;
    }
}

// The first set formed with the winning tile holds it, concealed only when self-drawn, and
// keeps holding it while later sets sort in front of it.
TEST(WinningSet, IsTheFirstSetFormedWithTheWinningTileAndFollowsItAsSetsSortInFront)
{
    const struct {
        const char* concealed;
        const char* winning;
        WinSource source;
        const char* reading;
        int winningSet;
        const char* concealedSets;  // setConcealed of the four sets
    } rows[] = {
        {"1b2b 3b4b5b 6c7c8c 9d9d9d dr dr", "3b", SelfDrawn, "ch2b ch4b ch7c pu9d =dr", 0, "1111"},
        {"1b2b 3b4b5b 6c7c8c 9d9d9d dr dr", "3b", Discard, "ch2b ch4b ch7c pu9d =dr", 0, "0111"},
        {"1b2b3b 3b4b5b 6c7c8c 9d9d9d dr", "dr", Discard, "ch2b ch4b ch7c pu9d =dr", -1, "1111"},
        {"1b1b 5c6c7c 5d6d7d 7d8d9d we we", "1b", Discard, "ch6c ch6d ch8d pu1b =we", 3, "1110"},
    };
    for (const auto& row : rows) {
        const auto readings =
            test::readingsOf(test::concealedHand(row.concealed, row.winning, row.source));
        ASSERT_EQ(readings.size(), 1u) << row.concealed;
        const HandStructure& r = readings[0];
        std::string concealedSets;
        for (int i = 0; i < r.setCount; ++i)
            concealedSets += static_cast<char>('0' + r.setConcealed[i]);
        EXPECT_EQ(describe(r), row.reading) << row.concealed;
        EXPECT_EQ(r.winningSet, row.winningSet) << row.concealed;
        EXPECT_EQ(concealedSets, row.concealedSets) << row.concealed;
    }
}

}  // namespace
}  // namespace fanwright
