// Explanations against the scoring entry on many hands, and hands worked out by hand.
#include "explain/explanation.h"
#include "explain/explanation_text.h"
#include "fans/compatibility.h"
#include "fans/fan_table.h"
#include "scoring/scoring.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace fanwright {
namespace {

bool isWaitFan(int f) { return f >= EdgeWait && f <= SingleWaiting; }

const NotCountedFan* findNotCounted(const ReadingExplanation& r, int fan)
{
    for (int k = 0; k < r.notCountedCount; ++k) {
        if (r.notCounted[k].fan == fan)
            return &r.notCounted[k];
    }
    return nullptr;
}

// The kept reading is scoreHand's, and every claim of every reading holds: a fan excluded is
// excluded in the matrix by an earlier counted fan; a fan whose rule holds and that is not
// counted is listed; a fan listed is not counted.
void expectConsistent(const Hand& hand, const std::string& code)
{
    Hand scored = hand;
    ScoreResult result;
    const int total = scoreHand(scored, result);
    const Explanation e = explainHand(hand);
    ASSERT_EQ(e.total, total) << code;
    ASSERT_EQ(e.kept >= 0, total > 0) << code;
    const std::vector<HandStructure> readings = test::readingsOf(hand);
    ASSERT_EQ(e.readingCount, static_cast<int>(readings.size())) << code;
    if (total == 0)
        return;
    const ReadingExplanation& kept = e.readings[e.kept];
    EXPECT_EQ(test::describe(kept), test::describe(result)) << code;
    EXPECT_EQ(e.waits.count, result.waitCount) << code;
    int tied = 0;
    for (int i = 0; i < e.readingCount; ++i) {
        EXPECT_TRUE(i < e.kept ? e.readings[i].total < total : e.readings[i].total <= total);
        tied += i != e.kept && e.readings[i].total == total ? 1 : 0;
    }
    EXPECT_EQ(e.tiedWith, tied) << code;
    for (int f = 1; f <= FanCount; ++f)
        ASSERT_EQ(kept.fanCounts[f - 1], result.fanCounts[f - 1]) << code << " fan " << f;

    for (int i = 0; i < e.readingCount; ++i) {
        const ReadingExplanation& r = e.readings[i];
        const HandStructure& s = readings[static_cast<std::size_t>(i)];
        int previous = 0;
        for (int k = 0; k < r.notCountedCount; ++k) {
            const NotCountedFan& n = r.notCounted[k];
            EXPECT_GT(n.fan, previous) << code << ": not in FanId order";
            previous = n.fan;
            EXPECT_EQ(r.fanCounts[n.fan - 1], 0) << code << " fan " << n.fan;
            if (n.reason == NotCountedReason::Excluded) {
                EXPECT_LT(n.excludedBy, n.fan) << code;
                EXPECT_GT(r.fanCounts[n.excludedBy - 1], 0) << code;
                EXPECT_FALSE(isCompatible(n.excludedBy, n.fan)) << code;
            }
            if (n.reason == NotCountedReason::SeveralWaits) {
                EXPECT_GT(s.waitCount, 1) << code;
            }
            if (n.reason == NotCountedReason::WaitConflict) {
                EXPECT_GE(n.otherWaitFanCount, 1) << code;
            }
        }
        // The pairs marked counted are the pair fans' counts.
        int pairCounts[FanCount + 1] = {};
        for (int k = 0; k < r.chowPairingCount; ++k)
            pairCounts[r.chowPairings[k].pair.fan] += r.chowPairings[k].counted ? 1 : 0;
        for (int f = PureDoubleChow; f <= TwoTerminalChows; ++f)
            EXPECT_EQ(pairCounts[f], r.fanCounts[f - 1]) << code << " fan " << f;
        for (int f = 1; f <= FanCount; ++f) {
            const bool tested = !isPairChowFan(f) && (s.form == Regular || !isRegularOnly(f));
            if (!tested || r.fanCounts[f - 1] > 0 || fanRule(f)(s) == 0)
                continue;
            const NotCountedFan* n = findNotCounted(r, f);
            ASSERT_NE(n, nullptr) << code << " reading " << i << ": fan " << f << " held";
            EXPECT_TRUE(n->reason == NotCountedReason::Excluded ||
                        (isWaitFan(f) && n->reason == NotCountedReason::WaitConflict))
                << code << " fan " << f;
        }
    }
}

TEST(Explanation, AgreesWithTheScoringEntryOnTheBenchmarkPool)
{
    std::ifstream pool(FANWRIGHT_BENCH_POOL);
    ASSERT_TRUE(pool) << FANWRIGHT_BENCH_POOL;
    int hands = 0;
    for (std::string line; std::getline(pool, line) && !HasFatalFailure(); ++hands)
        expectConsistent(test::handOf(line), line);
    EXPECT_GE(hands, 10000);
}

// Every corner of the settings, and near misses, which often have no reading.
TEST(Explanation, AgreesWithTheScoringEntryOnGeneratedHands)
{
    test::forEachDealtHand(test::settingsCorners, 1616, 3400, [](Hand& h, int i) {
        if (i % 8 == 7 && h.concealedCount > 0) {
            h.removeConcealedTile(h.concealedTiles[randomBelow(h.concealedCount)]);
            h.addConcealedTile(FirstTile + randomBelow(TileKinds));
        }
        expectConsistent(h, h.toLogText());
    });
}

// What a learner reads: each reading's total, "kept" and its "Not counted:" lines.
struct WorkedHand {
    const char* code;
    const char* why;
    std::vector<int> totals;  // of every reading, in the order found
    int kept;
    std::vector<std::vector<std::string>> notCounted;  // of every reading
};

std::vector<std::string> linesOf(const Explanation& e, int i)
{
    std::vector<std::string> lines;
    const ReadingExplanation& r = e.readings[i];
    for (int k = 0; k < r.notCountedCount; ++k)
        lines.push_back(notCountedLine(r.notCounted[k], r, e));
    return lines;
}

const std::string dash = std::string(" ") + std::string(EmDash) + " ";

TEST(Explanation, HandsWorkedOutByHand)
{
    const WorkedHand rows[] = {
        {"ch3bch3b2b3b4b5b6b9d9d7bffffememd",
         "Pure Triple Chow (row 23) excludes Pure Double Chow; All Chows excludes No Honors",
         {28},
         0,
         {{"Pure Double Chow" + dash + "excluded by Pure Triple Chow",
           "No Honors" + dash + "excluded by All Chows"}}},
        {"pu1c7b7b7b8b8b8b9b9b9b5d5dffffememd",
         "three chows of 789b (27) or three pungs: All Pungs beside Three Concealed Pungs, the "
         "later reading kept",
         {27, 50},
         1,
         {{"Pure Double Chow" + dash + "excluded by Pure Triple Chow"}, {}}},
        {"2b3b4b9b9b2c2c2c3c3c4c4c4c3cffffememd",
         "a tie at 30: the first reading is kept; its Closed Wait has two waits",
         {30, 30},
         0,
         {{"Pure Double Chow" + dash + "excluded by Pure Triple Chow",
           "No Honors" + dash + "excluded by All Chows",
           "Closed Wait" + dash + "the hand also waits on 9b"},
          {}}},
        {"1b2b3b4c5c6c7c8c9c4d5d5d6d5dffffememd",
         "one wait, 5d, read as closed and as single: both cancel; the chow Mixed Straight "
         "leaves over pairs once, with 7c8c9c",
         {13},
         0,
         {{"Mixed Double Chow" + dash + "the chow Mixed Straight leaves over pairs once only",
           "No Honors" + dash + "excluded by All Chows",
           "Closed Wait" + dash + "Single Waiting fits too, and wait fans count only alone",
           "Single Waiting" + dash + "Closed Wait fits too, and wait fans count only alone"}}},
        {"ch3bpu5c2c3c6d7d8dwewe1cffffememd",
         "no fan at all: Chicken Hand; waits 1c and 4c",
         {8},
         0,
         {{}}},
        {"1b1b4b4b5b6b6b2d2d3d3d4d4d5bffffememd",
         "four chows (8) or Seven Pairs (26), which excludes Concealed Hand",
         {8, 26},
         1,
         {{"No Honors" + dash + "excluded by All Chows"},
          {"Concealed Hand" + dash + "excluded by Seven Pairs"}}},
        {"ch2cch2bch2dpudg5d5dtfffememw",
         "Mixed Triple Chow uses all three chows, so no pair of them counts",
         {19},
         0,
         {{"Mixed Double Chow" + dash + "its chows make up Mixed Triple Chow",
           "Self-Drawn" + dash + "excluded by Last Tile Draw"}}},
        {"1b9b1c9c1d9dwewswwwndrdgdwdwtfffememd",
         "Thirteen Orphans won on a discard: Concealed Hand holds but is excluded",
         {96},
         0,
         {{"Concealed Hand" + dash + "excluded by Thirteen Orphans"}}},
        {"mk2bck5cmk9dckdrwswsffffememd",
         "Four Kongs: two of them concealed make Two Concealed Pungs; the rules of Three "
         "Kongs and Two Melded Kongs do not hold, so they are not listed",
         {105},
         0,
         {{"All Pungs" + dash + "excluded by Four Kongs",
           "Two Concealed Pungs" + dash + "excluded by Four Kongs",
           "Single Waiting" + dash + "excluded by Four Kongs"}}},
    };
    for (const WorkedHand& row : rows) {
        const Explanation e = explainHand(test::handOf(row.code));
        ASSERT_EQ(e.readingCount, static_cast<int>(row.totals.size())) << row.code;
        EXPECT_EQ(e.kept, row.kept) << row.code << ": " << row.why;
        for (int i = 0; i < e.readingCount; ++i) {
            EXPECT_EQ(e.readings[i].total, row.totals[static_cast<std::size_t>(i)]) << row.code;
            EXPECT_EQ(linesOf(e, i), row.notCounted[static_cast<std::size_t>(i)])
                << row.code << " reading " << i + 1 << ": " << row.why;
        }
    }
}

}  // namespace
}  // namespace fanwright
