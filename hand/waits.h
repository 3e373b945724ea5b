// The tiles a hand waits on: every tile code whose addition admits at least one reading.
#pragma once

#include "hand/hand.h"
#include "hand/held_tiles.h"

#include <bit>
#include <cstdint>

namespace fanwright {

inline constexpr int MaxWaits = 13;  // thirteen orphans waiting on all thirteen

struct WaitList {
    std::int32_t count = 0;
    TileId tiles[MaxWaits] = {};  // ascending

    void add(TileId t)
    {
        if (count < MaxWaits)
            tiles[count++] = t;
    }
};

// Waits of a hand holding its 13 tiles without a winning tile. Decides for each trial tile
// only whether some reading exists, from tile counts; gives exactly what the full search gives.
WaitList findWaits(const Hand& hand);

// The same by the full search: each tile tried as the winning tile and decomposed. Slow; kept
// as the reference the fast path is checked against.
WaitList findWaitsBySearch(Hand& hand);

namespace detail {

// Bit 0 of each honor's byte, East lowest.
inline constexpr std::uint64_t honorByteBits = 0x0001010101010101u;

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
inline std::uint64_t regularWaits(const HeldTiles& h)
{
    // 1. The honors held 1 or 4 times (a single), or 2 times (a pair), from the bits of their
    //    copy bytes (0..4 copies each); both counted at once, the singles from bit 4 up.
    const std::uint64_t copies = h.honorCopies();
    const std::uint64_t b0 = copies & honorByteBits, b1 = (copies >> 1) & honorByteBits,
                        b2 = (copies >> 2) & honorByteBits;
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

// The tiles in ascending order. Most hands wait on one or two tiles: those are written
// without a branch, and the loop for more is seldom entered.
inline WaitList listOf(std::uint64_t found)
{
    WaitList waits;
    for (int i = 0; i < 2; ++i) {
        const int tile = std::countr_zero(found | std::uint64_t{1} << 63);  // no test for 0
        const int any = found != 0 ? 1 : 0;
        waits.tiles[i] = tile & -any;
        waits.count += any;
        found &= found - 1;
    }
    for (; found != 0; found &= found - 1)
        waits.add(std::countr_zero(found));
    return waits;
}

// Hands with a fifth copy, or with at most one declared set, which the whole-hand shapes and
// the knitted straight may complete too.
WaitList waitsOfRareHands(const Hand& hand, const HeldTiles& held);

}  // namespace detail

// The same from the hand's concealed tiles counted already, its winning tile not among them.
// Inline, the rare hands out of line: the scorer calls it for every hand and reads only the
// number of waits, so the list's tiles need not be written.
inline WaitList findWaits(const Hand& hand, const HeldTiles& held)
{
    if (held.fifthCopy || hand.setCount <= 1)
        return detail::waitsOfRareHands(hand, held);
    return detail::listOf(detail::regularWaits(held));
}

}  // namespace fanwright
