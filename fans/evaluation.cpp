#include "fans/evaluation.h"

#include "fans/chow_pairs.h"
#include "fans/fan_needs.h"
#include "fans/fan_set.h"

#include <bit>
#include <cstring>
#include <utility>

namespace fanwright {

namespace {

// The table's rules and the pairwise chow routine, the detectors every caller but a test uses.
constexpr FanDetectors tableDetectors = [] {
    FanDetectors d{};
    for (int id = 1; id <= FanCount; ++id)
        d.rules[static_cast<std::size_t>(id - 1)] = fanRule(id);
    d.countChowPairs = countChowPairs;
    return d;
}();

template <typename Holds>
constexpr FanSet fansWhere(Holds holds)
{
    FanSet set;
    for (int f = 1; f <= FanCount; ++f) {
        if (holds(f))
            set.add(f);
    }
    return set;
}

// Flower Tiles is never tested: hands here hold no flowers.
constexpr FanSet everyFanButFlowers = fansWhere([](int f) { return f != FlowerTiles; });
constexpr FanSet anyFormFansButFlowers =
    fansWhere([](int f) { return f != FlowerTiles && !isRegularOnly(f); });
constexpr FanSet pairChowFans = fansWhere(isPairChowFan);
constexpr FanSet regularOnlyFans = fansWhere(isRegularOnly);

// How the driver treats each fan, and its points, in arrays indexed by FanId for the loop. A
// decided fan counts 1 without its rule once its needs are met, as the table's rules do.
enum class Role : std::uint8_t { Plain, ThreeChow, PairChow, Decided };

struct DriverTable {
    Role roles[FanCount + 1];
    std::int32_t points[FanCount + 1];
};

constexpr DriverTable driverTable = [] {
    DriverTable t{};
    for (int f = 1; f <= FanCount; ++f) {
        t.roles[f] = isPairChowFan(f)                   ? Role::PairChow
                     : isThreeChowFan(f)                ? Role::ThreeChow
                     : ruledOutFans.decided.contains(f) ? Role::Decided
                                                        : Role::Plain;
        t.points[f] = fanPoints(f);
    }
    return t;
}();

// The driver counts the pairwise chow fans as one run, PureDoubleChow..TwoTerminalChows.
constexpr bool pairChowFansAreOneRun()
{
    FanSet run;
    for (int f = PureDoubleChow; f <= TwoTerminalChows; ++f)
        run.add(f);
    return pairChowFans == run;
}

constexpr int countRole(Role role)
{
    int n = 0;
    for (int f = 1; f <= FanCount; ++f)
        n += driverTable.roles[f] == role ? 1 : 0;
    return n;
}

static_assert(everyFanButFlowers.count() == FanCount - 1 &&
              !everyFanButFlowers.contains(FlowerTiles));
static_assert(anyFormFansButFlowers.count() == 32 && anyFormFansButFlowers.contains(ChickenHand));
static_assert(pairChowFansAreOneRun());
static_assert(countRole(Role::PairChow) == 4 && countRole(Role::ThreeChow) == 6 &&
              countRole(Role::Decided) == 13);
static_assert(driverTable.points[BigFourWinds] == 88 && driverTable.points[FlowerTiles] == 1);
static_assert(tableDetectors.rules[NineGates - 1] == nineGates &&
              tableDetectors.countChowPairs == countChowPairs);

std::int32_t& countOf(std::int32_t* fanCounts, int id) { return fanCounts[id - 1]; }

// Zeroes the counts in 16-byte pieces written one by one: a loop or a memset of this size
// becomes a string instruction, dozens of steps and a mispredicted exit on every reading.
template <std::size_t... Piece>
void clearCountPieces(std::int32_t* fanCounts, std::index_sequence<Piece...>)
{
    struct Zeros {
        std::uint64_t low = 0, high = 0;
    };
    constexpr Zeros zeros;
    (std::memcpy(fanCounts + 4 * Piece, &zeros, sizeof zeros), ...);
}

void clearCounts(std::int32_t* fanCounts)
{
    clearCountPieces(fanCounts, std::make_index_sequence<FanCount / 4>{});
    fanCounts[FanCount - 1] = 0;
}
static_assert(FanCount / 4 * 4 == FanCount - 1);

// Two or three wait fans in one reading contradict each other: none of them is scored.
void settleWaitFans(std::int32_t* fanCounts, std::int32_t& total)
{
    const int waits = countOf(fanCounts, EdgeWait) + countOf(fanCounts, ClosedWait) +
                      countOf(fanCounts, SingleWaiting);
    if (waits <= 1)
        return;
    total -= waits;
    countOf(fanCounts, EdgeWait) = countOf(fanCounts, ClosedWait) =
        countOf(fanCounts, SingleWaiting) = 0;
}

// Scores the reading testing the pending fans only, smallest first. Decided fans are trusted
// only where their needs were checked, which the pending set then says.
template <bool NeedsChecked>
std::int32_t scoreFans(const HandStructure& s, std::int32_t* fanCounts,
                       const FanDetectors& detectors, FanSet pending)
{
    clearCounts(fanCounts);
    std::int32_t total = 0;
    std::int32_t threeChowCode = 0;

    // 1. Fans 1..80 in order; a counted fan takes the later fans it excludes out of the test.
    //    Scores one fan, returning the fans it excludes (none when it is not counted).
    const auto score = [&](int f) -> FanSet {
        const Role role = driverTable.roles[f];
        if (role == Role::PairChow) {
            // The four two-chow fans are counted together, once, at the first of them still
            // to be tested, without exclusions of their own.
            detectors.countChowPairs(s, threeChowCode, fanCounts);
            for (int p = PureDoubleChow; p <= TwoTerminalChows; ++p)
                total += countOf(fanCounts, p) * driverTable.points[p];
            return pairChowFans;
        }
        std::int32_t count = NeedsChecked && role == Role::Decided
                                 ? 1
                                 : detectors.rules[static_cast<std::size_t>(f - 1)](s);
        if (role == Role::ThreeChow) {
            threeChowCode = count;
            count = count > 0 ? 1 : 0;
        }
        if (count <= 0)
            return {};
        countOf(fanCounts, f) = count;
        total += count * driverTable.points[f];
        return exclusionSets[static_cast<std::size_t>(f)];
    };
    // A word of the pending set at a time: a fan excludes only later fans.
    std::uint64_t low = pending.word(0), high = pending.word(1);
    while (low != 0) {
        const FanSet out = score(std::countr_zero(low) + 1);
        low &= low - 1;
        low &= ~out.word(0);
        high &= ~out.word(1);
    }
    while (high != 0) {
        const FanSet out = score(std::countr_zero(high) + 65);
        high &= high - 1;
        high &= ~out.word(1);
    }

    // 2. Conflicting wait fans cancel; a reading without fans is a Chicken Hand.
    settleWaitFans(fanCounts, total);
    if (total == 0) {
        total = fanPoints(ChickenHand);
        countOf(fanCounts, ChickenHand) = 1;
    }

    // 3. Hands here hold no flowers, so Flower Tiles stays at 0.
    countOf(fanCounts, FlowerTiles) = 0;
    return total;
}

}  // namespace

// The table's rules are run only where the reading's facts leave them possible: a rule ruled
// out would return 0, so skipping it changes no count and no exclusion.
std::int32_t evaluateFans(const HandStructure& s, std::int32_t* fanCounts)
{
    return evaluateFans(s, fanCounts, ruledOutByHand(s, tileFactsOf(s)));
}

FanSet fansRuledOutByHand(const HandStructure& s, const TileFacts& tiles)
{
    return ruledOutByHand(s, tiles);
}

std::int32_t evaluateFans(const HandStructure& s, std::int32_t* fanCounts,
                          const FanSet& handRuledOut)
{
    if (s.form == NoForm)
        return 0;
    FanSet pending = FanSet::all();
    pending.remove(handRuledOut);
    pending.remove(ruledOutByReading(s));
    if (s.form != Regular)
        pending.remove(regularOnlyFans);
    return scoreFans<true>(s, fanCounts, tableDetectors, pending);
}

std::int32_t evaluateFans(const HandStructure& s, std::int32_t* fanCounts,
                          const FanDetectors& detectors)
{
    if (s.form == NoForm)
        return 0;
    return scoreFans<false>(s, fanCounts, detectors,
                            s.form == Regular ? everyFanButFlowers : anyFormFansButFlowers);
}

}  // namespace fanwright
