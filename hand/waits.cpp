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

// Bit 0 of each honor's byte, East lowest.
constexpr std::uint64_t honorByteBits = 0x0001010101010101u;

// Bits at the bottom of the honors' bytes gathered into bits 0-6: the multiplier shifts byte k's
// bit to bit 56 + k, and the products of all other pairs land on distinct bits, so nothing
// carries into the top byte.
constexpr std::uint64_t gatherHonorBits(std::uint64_t bytes)
{
    return (bytes * 0x0102040810204000u) >> 56;
}

// Sum of the honors' bytes, at most 36 each.
constexpr int honorByteSum(std::uint64_t bytes)
{
    return static_cast<int>((bytes * 0x0101010101010101u) >> 56);
}

static_assert(gatherHonorBits(honorByteBits) == 0x7F &&
              gatherHonorBits(0x0001000000000100) == 0x42);
static_assert(honorByteSum(honorByteBits) == 7);

// 0 when the condition (0 or 1) fails, every bit when it holds.
constexpr std::uint64_t maskIf(int condition) { return 0 - static_cast<std::uint64_t>(condition); }

// Which tiles complete the held tiles into sets and a pair. The three suits and the honors are
// independent groups: each must form sets, and exactly one of them also the pair. A tile
// changes one group only; the table of suit shapes knows which tiles complete a suit.
// Which conditions hold differs from hand to hand, so they are combined as 0/1 integers, not
// branched on.
std::uint64_t regularWaits(const HeldTiles& h)
{
    // 1. The honors held 1 or 4 times (a single), or 2 times (a pair), from the bits of their
    //    copy bytes (0..4 copies each); both counted at once, the singles from bit 4 up.
    const std::uint64_t copies = h.honorCopies();
    const std::uint64_t b0 = copies & honorByteBits, b1 = copies >> 1 & honorByteBits,
                        b2 = copies >> 2 & honorByteBits;
    const std::uint64_t singleBytes = (b0 & ~b1) | b2, pairBytes = b1 & ~b0;
    const int honorGroups = honorByteSum(singleBytes << 4 | pairBytes);
    const int honorSingles = honorGroups >> 4, honorPairs = honorGroups & 15;

    // 2. Which groups are not fine as they are (split with no tile left over): bit s for the
    //    suits, bit 3 for the honors; and the pairs they hold.
    int residues[3], notFine = honorSingles != 0 ? 8 : 0, pairs = honorPairs;
    for (int s = 0; s < 3; ++s) {
        residues[s] = residueOf(h.suitSums[s]);
        notFine |= ((residues[s] == 1 ? 1 : 0) | (h.shapes[s].splits() ? 0 : 1)) << s;
        pairs += residues[s] == 2 ? 1 : 0;
    }

    // 3. A suited tile completes the hand when the other groups are fine and its suit then
    //    splits: into sets when the others hold the pair (residue 2, one pair counted), with
    //    the pair when they hold none (residue 1, none counted).
    std::uint64_t found = 0;
    for (int s = 0; s < 3; ++s) {
        const int completes =
            ((notFine & ~(1 << s)) == 0 ? 1 : 0) & (pairs + 2 == 2 * residues[s] ? 1 : 0);
        found |= (std::uint64_t{h.shapes[s].completions()} << suitedTile(s, 1)) & maskIf(completes);
    }

    // 4. An honor completes it when the suits are fine and it leaves no single and exactly one
    //    pair: the one single made a pair when nothing else is paired, or either of two pairs
    //    made a pung. Both cases are those where twice the singles plus the pairs make 2, and
    //    then the honors of the other kind are none.
    const int honorsFit = ((notFine & 7) == 0 ? 1 : 0) & (2 * honorSingles + pairs == 2 ? 1 : 0);
    const std::uint64_t honorWaits = gatherHonorBits(singleBytes | pairBytes) & maskIf(honorsFit);
    return found | honorWaits << East;
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

// The tiles in ascending order. Most hands wait on one or two tiles: those are written
// without a branch, and the loop for more is seldom entered.
WaitList listOf(std::uint64_t found)
{
    WaitList waits;
    for (int i = 0; i < 2; ++i) {
        const int tile = std::countr_zero(found | std::uint64_t{1} << 63);
        const int any = found != 0 ? 1 : 0;
        waits.tiles[i] = tile & -any;
        waits.count += any;
        found &= found - 1;
    }
    for (; found != 0; found &= found - 1)
        waits.add(std::countr_zero(found));
    return waits;
}

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
    std::uint64_t found = regularWaits(held);
    if (hand.setCount > 1)
        return listOf(found);  // neither whole-hand shapes nor a knitted straight fit
    found |= specialWaits(held, hand.setCount);
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
