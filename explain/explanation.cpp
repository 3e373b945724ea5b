#include "explain/explanation.h"

#include "fans/compatibility.h"
#include "fans/evaluation.h"
#include "fans/fan_table.h"
#include "hand/decomposition.h"
#include "hand/held_tiles.h"

namespace fanwright {

namespace {

constexpr bool isWaitFan(int f) { return f >= EdgeWait && f <= SingleWaiting; }

// The earliest fan counted before f that excludes it, as the driver met them; NoFan when none.
// Chicken Hand is set only once every other fan is known, so it excludes nothing in fact.
FanId excluderOf(int f, const std::int32_t* counts)
{
    for (int e = 1; e < f; ++e) {
        if (e != ChickenHand && counts[e - 1] > 0 && !isCompatible(e, f))
            return static_cast<FanId>(e);
    }
    return NoFan;
}

bool ruleHolds(int f, const HandStructure& s) { return fanRule(f)(s) > 0; }

// Whether the driver ran a fan's rule on this form at all.
bool isTestedOn(int f, const HandStructure& s)
{
    return f != ChickenHand && f != FlowerTiles && !isPairChowFan(f) &&
           (s.form == Regular || !isRegularOnly(f));
}

void add(ReadingExplanation& r, const NotCountedFan& fan)
{
    r.notCounted[r.notCountedCount++] = fan;
}

// A wait fan that is not counted: it held but cancelled with another, or was excluded, or its
// shape is there and only the number of waits stops it.
void explainWaitFan(int f, const HandStructure& s, ReadingExplanation& r)
{
    const FanId fan = static_cast<FanId>(f);
    const FanId by = excluderOf(f, r.fanCounts);
    if (ruleHolds(f, s)) {
        if (by != NoFan) {
            add(r, {fan, NotCountedReason::Excluded, by});
            return;
        }
        // Cancelled: the other wait fans the driver counted with it.
        NotCountedFan entry{fan, NotCountedReason::WaitConflict};
        for (int g = EdgeWait; g <= SingleWaiting; ++g) {
            if (g != f && ruleHolds(g, s) && excluderOf(g, r.fanCounts) == NoFan)
                entry.otherWaitFans[entry.otherWaitFanCount++] = static_cast<FanId>(g);
        }
        add(r, entry);
        return;
    }
    if (s.waitCount > 1) {
        HandStructure oneWait = s;
        oneWait.waitCount = 1;
        if (ruleHolds(f, oneWait))
            add(r, {fan, NotCountedReason::SeveralWaits});
    }
}

// The chows' pairs that make a fan, each marked counted when the pairing counted it; and the
// pair fans that have a pair but no count.
void explainChowPairs(const HandStructure& s, ReadingExplanation& r)
{
    const int chows = s.kindCounts[Chow];
    ChowPair counted[MaxCountedChowPairs];
    int countedCount = 0;
    // The driver pairs the chows once, unless every pair fan was excluded before.
    bool paired = false;
    for (int f = PureDoubleChow; f <= TwoTerminalChows; ++f)
        paired = paired || excluderOf(f, r.fanCounts) == NoFan;
    if (paired)
        countedCount = countedChowPairs(s, r.threeChowCode, counted);

    bool hasPair[FanCount + 1] = {};
    for (int i = 0; i < chows; ++i) {
        for (int j = i + 1; j < chows; ++j) {
            const FanId fan = chowPairFan(s.setTiles[i], s.setTiles[j]);
            if (fan == NoFan)
                continue;
            ChowPairing& p = r.chowPairings[r.chowPairingCount++];
            p.pair = {i, j, fan};
            for (int k = 0; k < countedCount; ++k)
                p.counted = p.counted || (counted[k].first == i && counted[k].second == j);
            hasPair[fan] = true;
        }
    }
    for (int f = PureDoubleChow; f <= TwoTerminalChows; ++f) {
        if (!hasPair[f] || r.fanCounts[f - 1] > 0)
            continue;
        const FanId by = excluderOf(f, r.fanCounts);
        add(r, {static_cast<FanId>(f),
                by != NoFan ? NotCountedReason::Excluded : NotCountedReason::Pairing, by});
    }
}

void copySets(const HandStructure& s, ReadingExplanation& r)
{
    r.form = s.form;
    r.setCount = s.setCount;
    for (int i = 0; i < s.setCount && i < MaxSets; ++i) {
        r.setKinds[i] = s.setKinds[i];
        r.setTiles[i] = s.setTiles[i];
        r.setConcealed[i] = s.setConcealed[i];
    }
    r.pairTile = s.pairTile;
    r.winningSet = s.winningSet;
}

}  // namespace

void explainReading(const HandStructure& s, ReadingExplanation& r)
{
    r = ReadingExplanation{};
    copySets(s, r);
    r.total = evaluateFans(s, r.fanCounts);
    if (r.total == 0)
        return;

    // The counted three-chow fan's code is what the pairing was given.
    for (int f = 1; f <= FanCount; ++f) {
        if (isThreeChowFan(f) && r.fanCounts[f - 1] > 0) {
            r.threeChowFan = static_cast<FanId>(f);
            r.threeChowCode = fanRule(f)(s);
        }
    }

    // Fans in FanId order; the pair fans have their place among them.
    for (int f = 1; f <= FanCount; ++f) {
        if (f == PureDoubleChow && s.form == Regular)
            explainChowPairs(s, r);
        if (!isTestedOn(f, s) || r.fanCounts[f - 1] > 0)
            continue;
        if (isWaitFan(f)) {
            explainWaitFan(f, s, r);
        } else if (ruleHolds(f, s)) {
            const FanId by = excluderOf(f, r.fanCounts);
            if (by != NoFan)
                add(r, {static_cast<FanId>(f), NotCountedReason::Excluded, by});
        }
    }
}

Explanation explainHand(const Hand& hand)
{
    Explanation e;
    e.hand = hand;
    if (!hand.isComplete())
        return e;

    HeldTiles held;
    held.countConcealed(hand);
    const WaitList waits = findWaits(hand, held);

    HandStructure structure;
    structure.buildStructure(hand, waits.count);
    StructureList readings;
    decompose(readings, structure);

    // The best reading by the scoring entry's rule: the highest total, the first on a tie.
    e.readingCount = readings.count() < MaxReadings ? readings.count() : MaxReadings;
    for (int i = 0; i < e.readingCount; ++i) {
        ReadingExplanation& r = e.readings[i];
        explainReading(readings[i], r);
        if (r.total > e.total) {
            e.total = r.total;
            e.kept = i;
        }
    }
    if (e.kept < 0)
        return e;
    e.waits = waits;
    for (int i = 0; i < e.readingCount; ++i)
        e.tiedWith += i != e.kept && e.readings[i].total == e.total ? 1 : 0;
    return e;
}

}  // namespace fanwright
