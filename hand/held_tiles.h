// The concealed tiles of a hand counted once, with what the table of suit shapes knows of each
// suit: the waits and the readings of a hand both start from it.
#pragma once

#include "hand/hand.h"
#include "hand/shape.h"
#include "hand/suit_shapes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace fanwright {

// A suit's tile count modulo 3 (0..15 tiles, one added to 14), by table: the waits and the
// readings ask it of every suit of every hand.
inline constexpr std::array<std::uint8_t, 16> suitResidues = [] {
    std::array<std::uint8_t, 16> r{};
    for (std::size_t n = 0; n < r.size(); ++n)
        r[n] = static_cast<std::uint8_t>(n % 3);
    return r;
}();

inline int residueOf(int suitTiles) { return suitResidues[static_cast<std::size_t>(suitTiles)]; }

// Each group of tiles (the three suits, then the honors) kept as one 64-bit key that a copy
// changes by a single addition. A suit's key holds, from bit 0, 16 bits each: ranks 1-5 in base
// 5; the row heldSuitShapeIndex reads for ranks 6-9, which starts at 14 * 625 and loses 625 per
// tile of ranks 1-5; the suit's tiles. The honors' key holds a byte of copies per honor, East
// lowest. No field can spill into the next, even with fifth copies: at most 15 tiles are added.
inline constexpr unsigned KeyRowShift = 16;
inline constexpr unsigned KeyTilesShift = 32;
inline constexpr std::uint64_t KeyField = 0xFFFF;
inline constexpr std::uint64_t EmptySuitKey = std::uint64_t{SuitTileLimit * 625} << KeyRowShift;
inline constexpr int HonorGroup = 3;

struct TileKeySteps {
    std::array<std::uint64_t, TileCodes> bit{};  // loaded: cheaper than shifting by the tile
    std::array<std::uint64_t, TileCodes> step{};
    std::array<std::uint8_t, TileCodes> group{};
};

inline constexpr TileKeySteps tileKeySteps = [] {
    TileKeySteps k;
    for (TileId t = 0; t < TileCodes; ++t) {
        const auto i = static_cast<std::size_t>(t);
        k.bit[i] = std::uint64_t{1} << t;
        k.group[i] = HonorGroup;
        if (isHonor(t))
            k.step[i] = std::uint64_t{1} << (8 * (t - East));
        if (!isSuited(t))
            continue;
        const int rank = rankOf(t);
        std::uint64_t power = 1;
        for (int r = rank > 5 ? 6 : 1; r < rank; ++r)
            power *= 5;
        const std::uint64_t tile = std::uint64_t{1} << KeyTilesShift;
        // Below rank 6 the row drops by 625: added modulo 2^64, the borrow cancels the carry.
        k.step[i] = rank <= 5 ? power + tile - (std::uint64_t{625} << KeyRowShift)
                              : (power << KeyRowShift) + tile;
        k.group[i] = static_cast<std::uint8_t>(suitOf(t));
    }
    return k;
}();

// New copy counts plus this, OR-ed together, have the bit set once any count passes four
// (counts stay below 21: at most 15 tiles).
inline constexpr unsigned FifthCopyBias = 11;
inline constexpr unsigned FifthCopyBit = 16;

struct HeldTiles {
    // All set by countConcealed, nothing before: zeroing them first would cost stores.
    TileCounts counts;
    std::uint64_t kinds;  // bit t: tile t is held
    std::uint64_t odd;    // bit t: tile t is held an odd number of times
    int count;
    bool fifthCopy;   // some tile more than four times: the table does not number it
    int suitSums[3];  // tiles of each suit; both left empty while fifthCopy
    SuitShape shapes[3];

    // The hand's concealed tiles, without its winning tile.
    void countConcealed(const Hand& hand)
    {
        // Zeroed in two halves: one fill of all 140 bytes compiles to a counted string store,
        // whose end the branch predictor misses.
        std::fill_n(counts.begin(), TileCodes / 2, 0);
        std::fill_n(counts.begin() + TileCodes / 2, TileCodes - TileCodes / 2, 0);
        keys_[0] = keys_[1] = keys_[2] = EmptySuitKey;
        keys_[HonorGroup] = 0;
        // Gathered in locals: kept in memory, each copy would cost loads and stores.
        std::uint64_t held = 0, oddHeld = 0;
        unsigned copies = 0;
        for (int i = 0; i < hand.concealedCount; ++i)
            copies |= addCopy(hand.concealedTiles[i], held, oddHeld);
        kinds = held;
        odd = oddHeld;
        count = hand.concealedCount;
        fifthCopy = (copies & FifthCopyBit) != 0;
        table_ = suitShapes();
        for (int s = 0; s < 3; ++s) {
            if (fifthCopy) {
                suitSums[s] = 0;
                shapes[s] = SuitShape{};
            } else {
                lookUpShape(s);
            }
        }
    }

    // One tile more; only the shape of its suit changes.
    void add(TileId t)
    {
        fifthCopy |= (addCopy(t, kinds, odd) & FifthCopyBit) != 0;
        ++count;
        if (fifthCopy)
            return;
        // An honor looks up suit 0 again, unchanged: cheaper than a branch that guesses.
        const int group = tileKeySteps.group[static_cast<std::size_t>(t)];
        lookUpShape(group == HonorGroup ? 0 : group);
    }

    // A byte per honor, East lowest, holding its copies.
    std::uint64_t honorCopies() const { return keys_[HonorGroup]; }

private:
    std::uint64_t keys_[4];
    const SuitShape* table_;

    unsigned addCopy(TileId t, std::uint64_t& held, std::uint64_t& oddHeld)
    {
        const auto i = static_cast<std::size_t>(t);
        held |= tileKeySteps.bit[i];
        oddHeld ^= tileKeySteps.bit[i];
        keys_[tileKeySteps.group[i]] += tileKeySteps.step[i];
        return static_cast<unsigned>(++counts[i]) + FifthCopyBias;
    }

    void lookUpShape(int s)
    {
        const std::uint64_t key = keys_[s];
        shapes[s] =
            table_[heldSuitShapeIndexByRow(static_cast<unsigned>(key & KeyField),
                                           static_cast<unsigned>((key >> KeyRowShift) & KeyField))];
        suitSums[s] = static_cast<int>(key >> KeyTilesShift);
    }
};

}  // namespace fanwright
