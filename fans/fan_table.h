// The 81 fans: name, points, how the driver treats each, and the rule that detects it.
#pragma once

#include "fans/fan_id.h"
#include "fans/fan_rules.h"
#include "hand/hand_structure.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace fanwright {

// Detects one fan in one reading: 0 = absent, otherwise the number of occurrences, or for a
// three-chow fan the position of the chow its three chows leave out.
using FanRule = std::int32_t (*)(const HandStructure&);

struct FanInfo {
    std::string_view name;
    std::int32_t points;
    bool regularOnly;   // tested only on readings of four sets and a pair
    bool threeChowFan;  // rule returns the code of the chow left out
    bool pairChowFan;   // counted together by the pairwise chow routine
    FanRule rule;
};

namespace fan_rows {

struct Attributes {
    bool regularOnly = false;
    bool threeChowFan = false;
    bool pairChowFan = false;
};

inline constexpr Attributes Any{};
inline constexpr Attributes RegularOnly{true, false, false};
inline constexpr Attributes ThreeChow{true, true, false};
inline constexpr Attributes PairChow{true, false, true};

constexpr FanInfo fan(std::string_view name, std::int32_t points, Attributes a, FanRule rule)
{
    return {name, points, a.regularOnly, a.threeChowFan, a.pairChowFan, rule};
}

}  // namespace fan_rows

// One row per fan, in FanId order. Chicken Hand, the pairwise chow fans and Flower Tiles are
// set by the driver; their rules never fire.
inline constexpr std::array<FanInfo, FanCount> fanTable = [] {
    using namespace fan_rows;
    return std::array<FanInfo, FanCount>{
        // ---- 88 points ----
        fan("Big Four Winds", 88, RegularOnly, bigFourWinds),
        fan("Big Three Dragons", 88, RegularOnly, bigThreeDragons),
        fan("All Green", 88, Any, everyTileIs<isGreen>),
        fan("Nine Gates", 88, RegularOnly, nineGates),
        fan("Four Kongs", 88, RegularOnly, fourKongs),
        fan("Seven Shifted Pairs", 88, Any, sevenShiftedPairs),
        fan("Thirteen Orphans", 88, Any, thirteenOrphans),

        // ---- 64 points ----
        fan("All Terminals", 64, Any, everyTileIs<isTerminal>),
        fan("Little Four Winds", 64, RegularOnly, littleFourWinds),
        fan("Little Three Dragons", 64, RegularOnly, littleThreeDragons),
        fan("All Honors", 64, Any, allHonors),
        fan("Four Concealed Pungs", 64, RegularOnly, fourConcealedPungs),
        fan("Pure Terminal Chows", 64, RegularOnly, pureTerminalChows),

        // ---- 48 points ----
        fan("Quadruple Chow", 48, RegularOnly, quadrupleChow),
        fan("Four Pure Shifted Pungs", 48, RegularOnly, fourPureShiftedPungs),

        // ---- 32 points ----
        fan("Four Pure Shifted Chows", 32, RegularOnly, fourPureShiftedChows),
        fan("Three Kongs", 32, RegularOnly, threeKongs),
        fan("All Terminals and Honors", 32, Any, allTerminalsAndHonors),

        // ---- 24 points ----
        fan("Seven Pairs", 24, Any, sevenPairs),
        fan("Greater Honors and Knitted Tiles", 24, Any, greaterHonorsKnitted),
        fan("All Even Pungs", 24, RegularOnly, allEvenPungs),
        fan("Full Flush", 24, Any, fullFlush),
        fan("Pure Triple Chow", 24, ThreeChow, pureTripleChow),
        fan("Pure Shifted Pungs", 24, RegularOnly, pureShiftedPungs),
        fan("Upper Tiles", 24, Any, everyTileIs<isUpper>),
        fan("Middle Tiles", 24, Any, everyTileIs<isMiddle>),
        fan("Lower Tiles", 24, Any, everyTileIs<isLower>),

        // ---- 16 points ----
        fan("Pure Straight", 16, ThreeChow, pureStraight),
        fan("Three-Suited Terminal Chows", 16, RegularOnly, threeSuitedTerminalChows),
        fan("Pure Shifted Chows", 16, ThreeChow, pureShiftedChows),
        fan("All Fives", 16, Any, allFives),
        fan("Triple Pung", 16, RegularOnly, triplePung),
        fan("Three Concealed Pungs", 16, RegularOnly, threeConcealedPungs),

        // ---- 12 points ----
        fan("Lesser Honors and Knitted Tiles", 12, Any, lesserHonorsKnitted),
        fan("Knitted Straight", 12, Any, knittedStraight),
        fan("Upper Four", 12, Any, everyTileIs<isUpperFour>),
        fan("Lower Four", 12, Any, everyTileIs<isLowerFour>),
        fan("Big Three Winds", 12, RegularOnly, bigThreeWinds),

        // ---- 8 points ----
        fan("Mixed Straight", 8, ThreeChow, mixedStraight),
        fan("Reversible Tiles", 8, Any, everyTileIs<isReversible>),
        fan("Mixed Triple Chow", 8, ThreeChow, mixedTripleChow),
        fan("Mixed Shifted Pungs", 8, RegularOnly, mixedShiftedPungs),
        fan("Chicken Hand", 8, Any, noRule),
        fan("Last Tile Draw", 8, Any, lastTileDraw),
        fan("Last Tile Claim", 8, Any, lastTileClaim),
        fan("Out with Replacement Tile", 8, RegularOnly, outWithReplacementTile),
        fan("Robbing The Kong", 8, Any, robbingTheKong),
        fan("Two Concealed Kongs", 8, RegularOnly, twoConcealedKongs),

        // ---- 6 points ----
        fan("All Pungs", 6, RegularOnly, allPungs),
        fan("Half Flush", 6, Any, halfFlush),
        fan("Mixed Shifted Chows", 6, ThreeChow, mixedShiftedChowsFan),
        fan("All Types", 6, Any, allTypes),
        fan("Melded Hand", 6, RegularOnly, meldedHand),
        fan("Two Dragon Pungs", 6, RegularOnly, twoDragonPungs),

        // ---- 4 points ----
        fan("Outside Hand", 4, RegularOnly, outsideHand),
        fan("Fully Concealed Hand", 4, Any, fullyConcealedHand),
        fan("Two Melded Kongs", 4, RegularOnly, twoMeldedKongs),
        fan("Last Tile", 4, Any, lastTile),

        // ---- 2 points ----
        fan("Dragon Pung", 2, RegularOnly, dragonPung),
        fan("Prevalent Wind", 2, RegularOnly, prevalentWindFan),
        fan("Seat Wind", 2, RegularOnly, seatWindFan),
        fan("Concealed Hand", 2, Any, concealedHand),
        fan("All Chows", 2, RegularOnly, allChows),
        fan("Tile Hog", 2, Any, tileHog),
        fan("Double Pung", 2, RegularOnly, doublePung),
        fan("Two Concealed Pungs", 2, RegularOnly, twoConcealedPungs),
        fan("Concealed Kong", 2, RegularOnly, concealedKong),
        fan("All Simples", 2, Any, everyTileIs<isSimple>),

        // ---- 1 point ----
        fan("Pure Double Chow", 1, PairChow, noRule),
        fan("Mixed Double Chow", 1, PairChow, noRule),
        fan("Short Straight", 1, PairChow, noRule),
        fan("Two Terminal Chows", 1, PairChow, noRule),
        fan("Pung of Terminals or Honors", 1, RegularOnly, pungOfTerminalsOrHonors),
        fan("Melded Kong", 1, RegularOnly, meldedKong),
        fan("One Voided Suit", 1, Any, oneVoidedSuit),
        fan("No Honors", 1, Any, noHonors),
        fan("Edge Wait", 1, RegularOnly, edgeWait),
        fan("Closed Wait", 1, RegularOnly, closedWait),
        fan("Single Waiting", 1, RegularOnly, singleWaiting),
        fan("Self-Drawn", 1, Any, selfDrawn),
        fan("Flower Tiles", 1, Any, noRule),
    };
}();

constexpr const FanInfo& fanInfo(int id) { return fanTable[static_cast<std::size_t>(id - 1)]; }
constexpr std::string_view fanName(int id) { return fanInfo(id).name; }
constexpr std::int32_t fanPoints(int id) { return fanInfo(id).points; }
constexpr bool isRegularOnly(int id) { return fanInfo(id).regularOnly; }
constexpr bool isThreeChowFan(int id) { return fanInfo(id).threeChowFan; }
constexpr bool isPairChowFan(int id) { return fanInfo(id).pairChowFan; }
constexpr FanRule fanRule(int id) { return fanInfo(id).rule; }

namespace fan_rows {

// Highest points first, in the tiers the banners above mark.
constexpr bool pointsFallByTier()
{
    constexpr int lastOfTier[] = {7, 13, 15, 18, 27, 33, 38, 48, 54, 58, 68, 81};
    constexpr int points[] = {88, 64, 48, 32, 24, 16, 12, 8, 6, 4, 2, 1};
    int tier = 0;
    for (int id = 1; id <= FanCount; ++id) {
        if (fanPoints(id) != points[tier])
            return false;
        if (id == lastOfTier[tier])
            ++tier;
    }
    return true;
}

// A fan is counted one way only, and both chow ways need four sets and a pair.
constexpr bool chowRolesExclusiveAndRegular()
{
    for (int id = 1; id <= FanCount; ++id) {
        if (isThreeChowFan(id) && isPairChowFan(id))
            return false;
        if ((isThreeChowFan(id) || isPairChowFan(id)) && !isRegularOnly(id))
            return false;
    }
    return true;
}

}  // namespace fan_rows

static_assert(fan_rows::pointsFallByTier());
static_assert(fan_rows::chowRolesExclusiveAndRegular());
static_assert(isPairChowFan(TwoTerminalChows) && isThreeChowFan(MixedShiftedChows));
static_assert(fanName(ChickenHand) == "Chicken Hand" && fanRule(FlowerTiles) == noRule);

}  // namespace fanwright
