#include "hand/waits.h"

#include "hand/decomposition.h"
#include "hand/shape.h"

namespace fanwright {

namespace {

// A tile the hand holds no copy of and has no neighbour for cannot join a chow, pung or pair.
bool isolated(const TileCounts& c, TileId t)
{
    if (c[static_cast<std::size_t>(t)] > 0)
        return false;
    if (!isSuited(t))
        return true;
    const int rank = rankOf(t);
    for (int d = -2; d <= 2; ++d) {
        if (d != 0 && rank + d >= 1 && rank + d <= 9 && c[static_cast<std::size_t>(t + d)] > 0)
            return false;
    }
    return true;
}

// Cheap tests on the 13 tiles that rule the knitted and special shapes out for every trial.
bool mayBeKnitted(const TileCounts& c, int declaredSets)
{
    if (declaredSets > 1)
        return false;
    for (const auto& row : knittedRows) {
        int held = 0;
        for (TileId t : row)
            held += c[static_cast<std::size_t>(t)] > 0 ? 1 : 0;
        if (held >= 8)
            return true;
    }
    return false;
}

}  // namespace

WaitList findWaits(const Hand& hand)
{
    TileCounts c{};
    for (int i = 0; i < hand.concealedCount; ++i)
        ++c[static_cast<std::size_t>(hand.concealedTiles[i])];
    const bool knitted = mayBeKnitted(c, hand.setCount);
    const bool special = hand.setCount == 0;

    WaitList waits;
    for (TileId t = FirstTile; t <= LastTile; ++t) {
        const bool regular = !isolated(c, t);
        if (!regular && !knitted && !special)
            continue;
        ++c[static_cast<std::size_t>(t)];
        if ((regular && formsRegularShape(c)) || (knitted && formsKnittedShape(c)) ||
            (special && formsSpecialShape(c)))
            waits.add(t);
        --c[static_cast<std::size_t>(t)];
    }
    return waits;
}

WaitList findWaitsBySearch(Hand& hand)
{
    WaitList waits;
    HandStructure s;
    StructureList list;
    for (TileId t = FirstTile; t <= LastTile; ++t) {
        hand.setWinningTile(t);
        s.buildStructure(hand, 0);
        decompose(list, s);
        if (!list.empty())
            waits.add(t);
        hand.clearWinningTile();
        list.release();
    }
    return waits;
}

}  // namespace fanwright
