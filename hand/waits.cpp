#include "hand/waits.h"

#include "hand/decomposition.h"
#include "hand/held_tiles.h"
#include "hand/shape.h"
#include "hand/shape_tables.h"
#include "hand/suit_shapes.h"

#include <array>
#include <bit>
#include <cstdint>

namespace fanwright {

namespace {

std::size_t at(TileId t) { return static_cast<std::size_t>(t); }

constexpr std::uint64_t bitOf(TileId t) { return std::uint64_t{1} << t; }

constexpr std::uint64_t maskOf(const TileId* tiles, int n)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < n; ++i)
        mask |= bitOf(tiles[i]);
    return mask;
}

constexpr std::uint64_t honorBits = std::uint64_t{0x7F} << East;
constexpr std::uint64_t orphanBits = maskOf(orphanList.data(), 13);

// Trial tiles that may complete a knitted straight: a row held whole lets any tile try (for
// the set or pair beside it), a row missing one tile lets that tile try.
std::uint64_t knittedTrials(const HeldTiles& h, int declaredSets)
{
    std::uint64_t trials = 0;
    if (declaredSets > 1)
        return trials;
    for (std::uint64_t row : knittedRowMasks) {
        const std::uint64_t missing = row & ~h.kinds;
        if (missing == 0)
            return ~std::uint64_t{0};
        if ((missing & (missing - 1)) == 0)  // one tile missing
            trials |= missing;
    }
    return trials;
}

// Waits of the whole-hand shapes, which need all 14 tiles concealed: seven pairs wait on the
// one tile held an odd number of times; thirteen orphans on every orphan once all are held, or
// on the one missing beside a doubled one; the honors-and-knitted hands, all tiles different,
// on a new honor while fewer than five are held, else on a new tile of their knitted row.
std::uint64_t specialWaits(const HeldTiles& h, int declaredSets)
{
    if (declaredSets > 0)
        return 0;
    std::uint64_t waits = bitCount(h.odd) == 1 ? h.odd : 0;
    const bool orphansOnly = (h.kinds & ~orphanBits) == 0;
    if (orphansOnly && h.kinds == orphanBits)
        waits |= orphanBits;
    else if (orphansOnly && bitCount(h.kinds) == 12)
        waits |= orphanBits & ~h.kinds;
    const int heldHonors = bitCount(h.kinds & honorBits);
    if (bitCount(h.kinds) != h.count || heldHonors < 4)
        return waits;
    for (std::uint64_t row : knittedRowMasks) {
        if ((h.kinds & ~honorBits & ~row) != 0)
            continue;  // a suited tile outside this row
        waits |= honorBits & ~h.kinds;
        if (heldHonors >= 5)
            waits |= row & ~h.kinds;
        return waits;
    }
    return waits;
}

// Bits 1..34, one per real tile.
constexpr std::uint64_t allTileBits = ((std::uint64_t{1} << TileCodes) - 1) & ~std::uint64_t{1};

}  // namespace

WaitList findWaits(const Hand& hand)
{
    HeldTiles held;
    held.countConcealed(hand);
    return findWaits(hand, held);
}

namespace detail {

WaitList waitsOfRareHands(const Hand& hand, const HeldTiles& held)
{
    if (held.fifthCopy) {
        Hand copy = hand;  // only the full search knows what more than four copies make
        copy.clearWinningTile();
        return findWaitsBySearch(copy);
    }
    std::uint64_t found = regularWaits(held) | specialWaits(held, hand.setCount);
    const std::uint64_t knitted = knittedTrials(held, hand.setCount);
    if ((knitted & ~found & allTileBits) != 0) {
        TileCounts counts = held.counts;
        for (std::uint64_t trials = knitted & ~found & allTileBits; trials != 0;
             trials &= trials - 1) {
            const TileId t = std::countr_zero(trials);
            ++counts[at(t)];
            found |= formsKnittedShape(counts) ? bitOf(t) : 0;
            --counts[at(t)];
        }
    }
    return listOf(found);
}

}  // namespace detail

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
