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

// How the driver's loop treats each fan, by FanId. A decided fan counts 1 without its rule
// once its needs are met, as the table's rules do; a three-chow rule returns a code for the
// pair routine and counts once. The pair fans are left to the routine, after the loop.
struct FanAction {
    std::int32_t points = 0;
    std::uint8_t decided = 0;
    std::uint8_t threeChow = 0;
};

constexpr std::array<FanAction, FanCount + 1> fanActions = [] {
    std::array<FanAction, FanCount + 1> actions{};
    for (int f = 1; f <= FanCount; ++f) {
        FanAction& a = actions[static_cast<std::size_t>(f)];
        a.decided = ruledOutFans.decided.contains(f) ? 1 : 0;
        a.threeChow = isThreeChowFan(f) ? 1 : 0;
        a.points = fanPoints(f);
    }
    return actions;
}();

// Decided fans after the last fan 64 that exclude nothing but fans like them: the loop never
// depends on them, so they are counted after it, each from its pending bit, without a branch.
constexpr FanSet trailingDecidedFans = [] {
    FanSet tail;
    for (int f = FanCount; f > 64; --f) {
        FanSet beyond;
        beyond.add(exclusionSets[static_cast<std::size_t>(f)]);
        beyond.remove(tail);
        if (ruledOutFans.decided.contains(f) && beyond == FanSet{})
            tail.add(f);
    }
    return tail;
}();

template <std::size_t N>
constexpr std::array<int, N> fansOf(FanSet set)
{
    std::array<int, N> ids{};
    for (std::size_t i = 0; i < N; ++i)
        ids[i] = set.popFirst();
    return ids;
}
constexpr auto trailingDecidedIds = fansOf<4>(trailingDecidedFans);

// The fans the driver's loop visits: not the pair fans, nor the trailing decided fans when
// their needs were checked.
constexpr FanSet fansOfLoop(bool needsChecked)
{
    FanSet set = FanSet::all();
    set.remove(pairChowFans);
    if (needsChecked)
        set.remove(trailingDecidedFans);
    return set;
}

// The driver's loop takes the pending fans as two words: fans 1..16, which the facts of most
// readings rule out, and fans 17..80. Most readings then leave one loop whose end is
// mispredicted rather than two. Bit f - 1 of the first, bit f - 17 of the second.
constexpr int RareFans = 16;
struct LoopSet {
    std::uint64_t rare = 0;
    std::uint64_t common = 0;
};

constexpr LoopSet loopSetOf(const FanSet& set)
{
    return {set.word(0) & ((std::uint64_t{1} << RareFans) - 1),
            set.word(0) >> RareFans | set.word(1) << (64 - RareFans)};
}

constexpr std::uint64_t commonBit(int f) { return std::uint64_t{1} << (f - 1 - RareFans); }

// The exclusions in the loop's words, from the same matrix; Flower Tiles, never tested, falls
// out of them.
constexpr std::array<LoopSet, FanCount + 1> loopExclusions = [] {
    std::array<LoopSet, FanCount + 1> sets{};
    for (int i = 1; i < FanCount; ++i) {
        FanSet excluded;
        for (int j = i + 1; j <= FanCount; ++j) {
            if (!isCompatible(i, j))
                excluded.add(j);
        }
        sets[static_cast<std::size_t>(i)] = loopSetOf(excluded);
    }
    return sets;
}();

static_assert(loopSetOf(FanSet::all()).rare == 0xFFFF && loopSetOf(FanSet::all()).common == ~0ull);
static_assert(commonBit(SelfDrawnFan) == std::uint64_t{1} << 63);

// The driver counts the pairwise chow fans as one run, PureDoubleChow..TwoTerminalChows.
constexpr bool pairChowFansAreOneRun()
{
    FanSet run;
    for (int f = PureDoubleChow; f <= TwoTerminalChows; ++f)
        run.add(f);
    return pairChowFans == run;
}

// Decided fans are never three-chow or pair fans, whose counts come from elsewhere.
constexpr bool actionsAreConsistent()
{
    int threeChows = 0, decided = 0;
    for (int f = 1; f <= FanCount; ++f) {
        const FanAction& a = fanActions[static_cast<std::size_t>(f)];
        threeChows += a.threeChow;
        decided += a.decided;
        if (a.decided != 0 && (a.threeChow != 0 || isPairChowFan(f)))
            return false;
    }
    return threeChows == 6 && decided == 13;
}

static_assert(everyFanButFlowers.count() == FanCount - 1 &&
              !everyFanButFlowers.contains(FlowerTiles));
static_assert(anyFormFansButFlowers.count() == 32 && anyFormFansButFlowers.contains(ChickenHand));
static_assert(pairChowFansAreOneRun());
static_assert(actionsAreConsistent());
static_assert(trailingDecidedFans.count() == 4 && trailingDecidedFans.contains(SelfDrawnFan) &&
              trailingDecidedIds[0] == OneVoidedSuit);
static_assert(fanActions[BigFourWinds].points == 88 && fanActions[FlowerTiles].points == 1);
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
    //    The fans counted after the loop, all past fan 64, only take its exclusions.
    //    Scores one fan, returning the fans it excludes (none when it is not counted).
    const auto score = [&](int f) -> LoopSet {
        const FanAction a = fanActions[static_cast<std::size_t>(f)];
        std::int32_t count = NeedsChecked && a.decided != 0
                                 ? 1
                                 : detectors.rules[static_cast<std::size_t>(f - 1)](s);
        threeChowCode = a.threeChow != 0 ? count : threeChowCode;
        count = a.threeChow != 0 && count > 0 ? 1 : count;
        if (count <= 0)
            return {};
        countOf(fanCounts, f) = count;
        total += count * a.points;
        return loopExclusions[static_cast<std::size_t>(f)];
    };
    // A fan excludes only later fans.
    LoopSet left = loopSetOf(pending);
    while (left.rare != 0) {
        const LoopSet out = score(std::countr_zero(left.rare) + 1);
        left.rare &= left.rare - 1;
        left.rare &= ~out.rare;
        left.common &= ~out.common;
    }
    constexpr std::uint64_t visited = loopSetOf(fansOfLoop(NeedsChecked)).common;
    while ((left.common & visited) != 0) {
        const std::uint64_t visit = left.common & visited;
        left.common ^= visit & (0 - visit);
        left.common &= ~score(std::countr_zero(visit) + 1 + RareFans).common;
    }

    // 2. The decided fans that exclude only such fans, in order.
    if constexpr (NeedsChecked) {
        for (const int f : trailingDecidedIds) {
            const std::uint64_t counted = (left.common & commonBit(f)) != 0 ? 1 : 0;
            countOf(fanCounts, f) = static_cast<std::int32_t>(counted);
            total +=
                static_cast<std::int32_t>(counted) * fanActions[static_cast<std::size_t>(f)].points;
            left.common &= ~(loopExclusions[static_cast<std::size_t>(f)].common & (0 - counted));
        }
    }

    // 3. The four two-chow fans are counted together, once, if any is left, without
    //    exclusions of their own; each is excluded only by fans before them all.
    if ((left.common & loopSetOf(pairChowFans).common) != 0) {
        detectors.countChowPairs(s, threeChowCode, fanCounts);
        for (int p = PureDoubleChow; p <= TwoTerminalChows; ++p)
            total += countOf(fanCounts, p) * fanActions[static_cast<std::size_t>(p)].points;
    }

    // 4. Conflicting wait fans cancel; a reading without fans is a Chicken Hand.
    settleWaitFans(fanCounts, total);
    if (total == 0) {
        total = fanPoints(ChickenHand);
        countOf(fanCounts, ChickenHand) = 1;
    }

    // 5. Hands here hold no flowers, so Flower Tiles stays at 0.
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
