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

constexpr std::array<std::uint64_t, KnittedRowCount> makeRowMasks()
{
    std::array<std::uint64_t, KnittedRowCount> masks{};
    for (std::size_t r = 0; r < masks.size(); ++r)
        masks[r] = maskOf(knittedRows[r].data(), 9);
    return masks;
}

constexpr std::array<std::uint64_t, KnittedRowCount> rowMasks = makeRowMasks();

// Which tiles complete the held tiles into sets and a pair. The three suits and the honors are
// independent groups: each must form sets, and exactly one of them also the pair. A tile
// changes one group only; the table of suit shapes knows which tiles complete a suit.
std::uint64_t regularWaits(const HeldTiles& h, const SuitShape* shapes, const int* sums)
{
    // Honors not held add neither a single nor a pair, nor can one of them complete the hand.
    // The conditions below are combined without short cuts: which hold differs from hand to
    // hand, so branches on them would be guesses.
    const std::uint64_t heldHonors = h.kinds & honorBits;
    int honorSingles = 0, honorPairs = 0;
    for (std::uint64_t bits = heldHonors; bits != 0; bits &= bits - 1) {
        const int n = h.counts[at(std::countr_zero(bits))];
        honorSingles += n == 1 || n == 4 ? 1 : 0;
        honorPairs += n == 2 ? 1 : 0;
    }
    int fine[3], pairs[3];  // 0 or 1 each, combined by bitwise operations
    for (int s = 0; s < 3; ++s) {
        const int splits = shapes[s].splits() ? 1 : 0;
        fine[s] = (residueOf(sums[s]) != 1 ? 1 : 0) & splits;
        pairs[s] = residueOf(sums[s]) == 2 ? 1 : 0;
    }
    std::uint64_t found = 0;
    for (int s = 0; s < 3; ++s) {
        const int o1 = (s + 1) % 3, o2 = (s + 2) % 3;
        const int needed = 1 - honorPairs - pairs[o1] - pairs[o2];  // pairs this suit must hold
        const int completes = (honorSingles == 0 ? 1 : 0) & fine[o1] & fine[o2] &
                              (residueOf(sums[s] + 1) == 2 * needed ? 1 : 0);
        found |= (std::uint64_t{shapes[s].completions()} << suitedTile(s, 1)) &
                 (0 - static_cast<std::uint64_t>(completes));
    }
    if ((fine[0] & fine[1] & fine[2]) == 0)
        return found;
    // An honor completes the hand when it leaves no single and exactly one pair in all.
    const int suitPairs = pairs[0] + pairs[1] + pairs[2];
    for (std::uint64_t bits = heldHonors; bits != 0; bits &= bits - 1) {
        const TileId t = std::countr_zero(bits);
        const int before = h.counts[at(t)] % 3, after = (before + 1) % 3;
        const int singles = honorSingles - (before == 1) + (after == 1);
        const int allPairs = honorPairs - (before == 2) + (after == 2) + suitPairs;
        found |= singles == 0 && allPairs == 1 ? bitOf(t) : 0;
    }
    return found;
}

// Trial tiles that may complete a knitted straight: a row held whole lets any tile try (for
// the set or pair beside it), a row missing one tile lets that tile try.
std::uint64_t knittedTrials(const HeldTiles& h, int declaredSets)
{
    std::uint64_t trials = 0;
    if (declaredSets > 1)
        return trials;
    for (std::uint64_t row : rowMasks) {
        const std::uint64_t missing = row & ~h.kinds;
        if (missing == 0)
            return ~std::uint64_t{0};
        if (bitCount(missing) == 1)
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
    for (std::uint64_t row : rowMasks) {
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

WaitList findWaits(const Hand& hand, const HeldTiles& held)
{
    if (held.fifthCopy) {
        Hand copy = hand;  // only the full search knows what more than four copies make
        copy.clearWinningTile();
        return findWaitsBySearch(copy);
    }
    std::uint64_t found =
        regularWaits(held, held.shapes, held.suitSums) | specialWaits(held, hand.setCount);
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
    WaitList waits;
    for (; found != 0; found &= found - 1)
        waits.add(std::countr_zero(found));
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
