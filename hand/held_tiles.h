// The concealed tiles of a hand counted once, with what the table of suit shapes knows of each
// suit: the waits and the readings of a hand both start from it.
#pragma once

#include "hand/hand.h"
#include "hand/shape.h"
#include "hand/suit_shapes.h"

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

// Where one copy of each tile counts in its suit's half keys (as heldSuitShapeIndex reads
// them: ranks 1-5 and 6-9 in base 5): the half's slot, 2 * suit for ranks 1-5 and one more for
// 6-9, 6 for the honors (read by nothing), and the digit it adds, with the copy counted again
// from bit HalfTilesShift up.
struct HalfDigit {
    std::uint8_t slot = 6;
    std::uint32_t step = 0;
};

inline constexpr unsigned HalfTilesShift = 16;

inline constexpr std::array<HalfDigit, TileCodes> halfDigits = [] {
    std::array<HalfDigit, TileCodes> digits{};
    for (TileId t = 0; t < TileCodes; ++t) {
        if (!isSuited(t))
            continue;
        const int rank = rankOf(t), high = rank > 5 ? 1 : 0;
        unsigned power = 1;
        for (int r = high ? 6 : 1; r < rank; ++r)
            power *= 5;
        auto& d = digits[static_cast<std::size_t>(t)];
        d.slot = static_cast<std::uint8_t>(2 * suitOf(t) + high);
        d.step = power + (1u << HalfTilesShift);
    }
    return digits;
}();

struct HeldTiles {
    TileCounts counts{};
    std::uint64_t kinds = 0;  // bit t: tile t is held
    std::uint64_t odd = 0;    // bit t: tile t is held an odd number of times
    int count = 0;
    bool fifthCopy = false;  // some tile more than four times: the table does not number it
    int suitSums[3] = {};    // tiles of each suit; both left empty while fifthCopy
    SuitShape shapes[3];

    // The hand's concealed tiles, without its winning tile.
    void countConcealed(const Hand& hand)
    {
        for (int i = 0; i < hand.concealedCount; ++i)
            addCopy(hand.concealedTiles[i]);
        count += hand.concealedCount;
        const SuitShape* table = suitShapes();
        for (int s = 0; s < 3 && !fifthCopy; ++s)
            lookUpShape(s, table);
    }

    // One tile more; only the shape of its suit changes.
    void add(TileId t)
    {
        addCopy(t);
        ++count;
        if (!isSuited(t) || fifthCopy)
            return;
        lookUpShape(suitOf(t), suitShapes());
    }

private:
    // Each suit's half keys, kept up as tiles are added rather than read from the nine counts.
    unsigned halfKeys[7] = {};

    void addCopy(TileId t)
    {
        const std::uint64_t bit = std::uint64_t{1} << t;
        fifthCopy |= ++counts[static_cast<std::size_t>(t)] > 4;
        kinds |= bit;
        odd ^= bit;
        const HalfDigit d = halfDigits[static_cast<std::size_t>(t)];
        halfKeys[d.slot] += d.step;
    }

    void lookUpShape(int s, const SuitShape* table)
    {
        constexpr unsigned digits = (1u << HalfTilesShift) - 1;
        const unsigned low = halfKeys[2 * s], high = halfKeys[2 * s + 1];
        shapes[s] = table[heldSuitShapeIndex(low & digits, high & digits, low >> HalfTilesShift)];
        suitSums[s] = static_cast<int>((low >> HalfTilesShift) + (high >> HalfTilesShift));
    }
};

}  // namespace fanwright
