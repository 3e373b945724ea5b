#include "scoring/scoring.h"

#include "fans/evaluation.h"
#include "hand/decomposition.h"

#include <algorithm>

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

void fillResult(ScoreResult& result, const HandStructure& best, const WaitList& waits,
                const std::int32_t* fanCounts)
{
    result.form = best.form;
    result.setCount = best.setCount;
    for (int i = 0; i < best.setCount; ++i) {
        result.setKinds[i] = best.setKinds[i];
        result.setTiles[i] = best.setTiles[i];
    }
    result.pairTile = best.pairTile;
    result.waitCount = waits.count;
    std::copy(waits.tiles, waits.tiles + waits.count, result.waits);
    std::copy(fanCounts, fanCounts + FanCount, result.fanCounts);
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

    // 1. Waits: the hand without its winning tile, every tile code tried in its place.
    const TileId winningTile = hand.winningTile;
    hand.clearWinningTile();
    const WaitList waits = findWaits(hand);
    hand.setWinningTile(winningTile);

    // 2. Every reading of the real hand, each carrying the number of waits.
    HandStructure structure;
    structure.buildStructure(hand, waits.count);
    ReadingsInUse readings;
    decompose(readings.list(), structure);

    // 3. The best reading; on equal totals the one found first stays.
    std::int32_t best = 0;
    int bestIndex = -1;
    std::int32_t counts[FanCount];
    std::int32_t bestCounts[FanCount];
    for (int i = 0; i < readings.list().count(); ++i) {
        const std::int32_t total = evaluateFans(readings.list()[i], counts);
        if (total > best) {
            best = total;
            bestIndex = i;
            std::copy(counts, counts + FanCount, bestCounts);
        }
    }
    if (bestIndex >= 0)
        fillResult(result, readings.list()[bestIndex], waits, bestCounts);
    return best;
}

}  // namespace fanwright
