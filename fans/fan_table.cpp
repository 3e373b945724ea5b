#include "fans/fan_table.h"

#include "fans/fan_rules.h"

namespace fanwright {

namespace {

struct Attributes {
    bool regularOnly = false;
    bool threeChowFan = false;
    bool pairChowFan = false;
};

constexpr Attributes Any{};
constexpr Attributes RegularOnly{true, false, false};
constexpr Attributes ThreeChow{true, true, false};
constexpr Attributes PairChow{true, false, true};

constexpr FanInfo fan(std::string_view name, std::int32_t points, Attributes a, FanRule rule)
{
    return {name, points, a.regularOnly, a.threeChowFan, a.pairChowFan, rule};
}

}  // namespace

// One row per fan, in FanId order. Chicken Hand, the pairwise chow fans and Flower Tiles are
// set by the driver; their rules never fire.
constexpr std::array<FanInfo, FanCount> fanRows = {
    fan("Big Four Winds", 88, RegularOnly, noRule),
    fan("Big Three Dragons", 88, RegularOnly, noRule),
    fan("All Green", 88, Any, noRule),
    fan("Nine Gates", 88, RegularOnly, noRule),
    fan("Four Kongs", 88, RegularOnly, noRule),
    fan("Seven Shifted Pairs", 88, Any, noRule),
    fan("Thirteen Orphans", 88, Any, noRule),
    fan("All Terminals", 64, Any, noRule),
    fan("Little Four Winds", 64, RegularOnly, noRule),
    fan("Little Three Dragons", 64, RegularOnly, noRule),
    fan("All Honors", 64, Any, noRule),
    fan("Four Concealed Pungs", 64, RegularOnly, noRule),
    fan("Pure Terminal Chows", 64, RegularOnly, noRule),
    fan("Quadruple Chow", 48, RegularOnly, noRule),
    fan("Four Pure Shifted Pungs", 48, RegularOnly, noRule),
    fan("Four Pure Shifted Chows", 32, RegularOnly, noRule),
    fan("Three Kongs", 32, RegularOnly, noRule),
    fan("All Terminals and Honors", 32, Any, noRule),
    fan("Seven Pairs", 24, Any, noRule),
    fan("Greater Honors and Knitted Tiles", 24, Any, noRule),
    fan("All Even Pungs", 24, RegularOnly, noRule),
    fan("Full Flush", 24, Any, noRule),
    fan("Pure Triple Chow", 24, ThreeChow, noRule),
    fan("Pure Shifted Pungs", 24, RegularOnly, noRule),
    fan("Upper Tiles", 24, Any, noRule),
    fan("Middle Tiles", 24, Any, noRule),
    fan("Lower Tiles", 24, Any, noRule),
    fan("Pure Straight", 16, ThreeChow, noRule),
    fan("Three-Suited Terminal Chows", 16, RegularOnly, noRule),
    fan("Pure Shifted Chows", 16, ThreeChow, noRule),
    fan("All Fives", 16, Any, noRule),
    fan("Triple Pung", 16, RegularOnly, noRule),
    fan("Three Concealed Pungs", 16, RegularOnly, noRule),
    fan("Lesser Honors and Knitted Tiles", 12, Any, noRule),
    fan("Knitted Straight", 12, Any, noRule),
    fan("Upper Four", 12, Any, noRule),
    fan("Lower Four", 12, Any, noRule),
    fan("Big Three Winds", 12, RegularOnly, noRule),
    fan("Mixed Straight", 8, ThreeChow, noRule),
    fan("Reversible Tiles", 8, Any, noRule),
    fan("Mixed Triple Chow", 8, ThreeChow, noRule),
    fan("Mixed Shifted Pungs", 8, RegularOnly, noRule),
    fan("Chicken Hand", 8, Any, noRule),
    fan("Last Tile Draw", 8, Any, noRule),
    fan("Last Tile Claim", 8, Any, noRule),
    fan("Out with Replacement Tile", 8, RegularOnly, noRule),
    fan("Robbing The Kong", 8, Any, noRule),
    fan("Two Concealed Kongs", 8, RegularOnly, noRule),
    fan("All Pungs", 6, RegularOnly, noRule),
    fan("Half Flush", 6, Any, noRule),
    fan("Mixed Shifted Chows", 6, ThreeChow, noRule),
    fan("All Types", 6, Any, noRule),
    fan("Melded Hand", 6, RegularOnly, noRule),
    fan("Two Dragon Pungs", 6, RegularOnly, noRule),
    fan("Outside Hand", 4, RegularOnly, noRule),
    fan("Fully Concealed Hand", 4, Any, noRule),
    fan("Two Melded Kongs", 4, RegularOnly, noRule),
    fan("Last Tile", 4, Any, noRule),
    fan("Dragon Pung", 2, RegularOnly, noRule),
    fan("Prevalent Wind", 2, RegularOnly, noRule),
    fan("Seat Wind", 2, RegularOnly, noRule),
    fan("Concealed Hand", 2, Any, noRule),
    fan("All Chows", 2, RegularOnly, noRule),
    fan("Tile Hog", 2, Any, noRule),
    fan("Double Pung", 2, RegularOnly, noRule),
    fan("Two Concealed Pungs", 2, RegularOnly, noRule),
    fan("Concealed Kong", 2, RegularOnly, noRule),
    fan("All Simples", 2, Any, noRule),
    fan("Pure Double Chow", 1, PairChow, noRule),
    fan("Mixed Double Chow", 1, PairChow, noRule),
    fan("Short Straight", 1, PairChow, noRule),
    fan("Two Terminal Chows", 1, PairChow, noRule),
    fan("Pung of Terminals or Honors", 1, RegularOnly, noRule),
    fan("Melded Kong", 1, RegularOnly, noRule),
    fan("One Voided Suit", 1, Any, noRule),
    fan("No Honors", 1, Any, noRule),
    fan("Edge Wait", 1, RegularOnly, noRule),
    fan("Closed Wait", 1, RegularOnly, noRule),
    fan("Single Waiting", 1, RegularOnly, noRule),
    fan("Self-Drawn", 1, Any, noRule),
    fan("Flower Tiles", 1, Any, noRule),
};

constexpr bool pointsFallByBlock()
{
    // Highest points first; the blocks end at these fans.
    constexpr int lastOfBlock[] = {7, 13, 15, 18, 27, 33, 38, 48, 54, 58, 68, 81};
    constexpr int points[] = {88, 64, 48, 32, 24, 16, 12, 8, 6, 4, 2, 1};
    int block = 0;
    for (int id = 1; id <= FanCount; ++id) {
        if (fanRows[static_cast<std::size_t>(id - 1)].points != points[block])
            return false;
        if (id == lastOfBlock[block])
            ++block;
    }
    return true;
}

static_assert(pointsFallByBlock());
static_assert(fanRows[TwoTerminalChows - 1].pairChowFan &&
              fanRows[MixedShiftedChows - 1].threeChowFan);

const std::array<FanInfo, FanCount> fanTable = fanRows;

}  // namespace fanwright
