#include "scoring/scoring.h"

#include "fans/evaluation.h"
#include "fans/fan_needs.h"
#include "hand/decomposition.h"
#include "hand/held_tiles.h"
#include "hand/readings.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace fanwright {

namespace {

// The readings of the hand being scored. Kept per thread and emptied on every way out, so
// that scoring a hand allocates nothing once the storage has grown.
class ReadingsInUse {
public:
    ReadingsInUse() : list_(storage()) {}
    ~ReadingsInUse() { list_.release(); }
    ReadingsInUse(const ReadingsInUse&) = delete;
    ReadingsInUse& operator=(const ReadingsInUse&) = delete;
    StructureList& list() { return list_; }

private:
    static StructureList& storage()
    {
        thread_local StructureList readings;
        return readings;
    }
    StructureList& list_;
};

// A short array copied whole, past its count too: a copy of fixed size is a few moves, where
// one of a counted size is a library call.
template <typename T, std::size_t N>
void copyWhole(const T (&from)[N], T (&to)[N])
{
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(to, from, sizeof to);
}

// The best reading so far and its fan counts; on equal totals the one found first stays. The
// counts are written into the half not kept and kept by swapping halves. One half is the
// result's own, so the counts of a hand's only reading are never copied. A reading scores at
// least 8 when it writes them, so a reading kept is one the result is filled from: its sets
// go straight into the result, and a result with nothing to fill is left alone.
class BestReading {
public:
    explicit BestReading(ScoreResult& result) : result_(result), halves_{result.fanCounts, spare_}
    {
    }

    void consider(const HandStructure& reading)
    {
        keepIfBetter(reading, evaluateFans(reading, spare()));
    }

    // A reading of a hand whose facts were weighed once for all its readings.
    void consider(const HandStructure& reading, const FanSet& handRuledOut)
    {
        keepIfBetter(reading, evaluateFans(reading, spare(), handRuledOut));
    }

    std::int32_t total() const { return total_; }

    void fill(const WaitList& waits) const
    {
        result_.waitCount = waits.count;
        copyWhole(waits.tiles, result_.waits);
        if (halves_[kept_] != result_.fanCounts)
            std::copy(halves_[kept_], halves_[kept_] + FanCount, result_.fanCounts);
    }

private:
    std::int32_t* spare() { return halves_[1 - kept_]; }

    void keepIfBetter(const HandStructure& reading, std::int32_t total)
    {
        if (total <= total_)
            return;
        total_ = total;
        kept_ = 1 - kept_;
        result_.form = reading.form;
        result_.setCount = reading.setCount;
        copyWhole(reading.setKinds, result_.setKinds);
        copyWhole(reading.setTiles, result_.setTiles);
        result_.pairTile = reading.pairTile;
    }

    ScoreResult& result_;
    std::int32_t total_ = 0;
    int kept_ = 1;  // the first reading is written into the result's half
    std::int32_t spare_[FanCount];
    std::int32_t* halves_[2];
};

// The readings by the full search, for the hands the stream declines.
void considerSearchedReadings(BestReading& best, const Hand& hand, int waitCount)
{
    HandStructure structure;
    structure.buildStructure(hand, waitCount);
    ReadingsInUse readings;
    decompose(readings.list(), structure);
    for (int i = 0; i < readings.list().count(); ++i)
        best.consider(readings.list()[i]);
}

// As taking the winning tile out and putting it back leaves the tile list of a complete hand:
// its first copy moved to the end. Every tile after that copy steps back one place, chosen per
// place rather than searched for, as where the copy stands differs from hand to hand.
void moveWinningTileLast(Hand& hand)
{
    const TileId w = hand.winningTile;
    bool passed = false;
    for (int i = 0; i + 1 < MaxTiles; ++i) {
        passed |= hand.tiles[i] == w;
        hand.tiles[i] = passed ? hand.tiles[i + 1] : hand.tiles[i];
    }
    hand.tiles[MaxTiles - 1] = passed ? w : hand.tiles[MaxTiles - 1];
}

}  // namespace

void clearResult(ScoreResult& result)
{
    result.form = NoForm;
    result.setCount = 0;
    result.pairTile = NoTile;
    result.waitCount = 0;
    std::fill(std::begin(result.fanCounts), std::end(result.fanCounts), 0);
}

int scoreHand(Hand& hand, ScoreResult& result)
{
    if (!hand.isComplete())
        return 0;

    // 1. Waits: the concealed tiles without the winning tile, counted once for the readings too.
    HeldTiles held;
    held.countConcealed(hand);
    const WaitList waits = findWaits(hand, held);
    held.add(hand.winningTile);
    moveWinningTileLast(hand);

    // 2. Every reading of the real hand, each carrying the number of waits, in the order of
    //    the full search; the best is kept.
    BestReading best(result);
    thread_local ReadingStream stream;  // reused: a fresh one would clear a whole structure
    if (stream.start(hand, held, waits.count)) {
        // The hand's facts are weighed at its first reading, outside the loop over the others.
        if (stream.next()) {
            const FanSet handRuledOut = fansRuledOutByHand(
                stream.reading(), {stream.tileKinds(), stream.holdsFourOfAKind()});
            do
                best.consider(stream.reading(), handRuledOut);
            while (stream.next());
        }
    } else {
        considerSearchedReadings(best, hand, waits.count);
    }
    if (best.total() > 0)
        best.fill(waits);
    return best.total();
}

}  // namespace fanwright
