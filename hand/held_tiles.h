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
        lookUpShapes();
    }

    // One tile more; only the shape of its suit changes.
    void add(TileId t)
    {
        addCopy(t);
        if (isSuited(t) && !fifthCopy) {
            lookUpShape(suitOf(t));
            ++suitSums[suitOf(t)];
        }
    }

private:
    void addCopy(TileId t)
    {
        const std::uint64_t bit = std::uint64_t{1} << t;
        fifthCopy |= ++counts[static_cast<std::size_t>(t)] > 4;
        kinds |= bit;
        odd ^= bit;
        ++count;
    }

    void lookUpShapes()
    {
        const SuitShape* table = suitShapes();
        for (int s = 0; s < 3 && !fifthCopy; ++s) {
            lookUpShape(s, table);
            const int* ranks = &counts[static_cast<std::size_t>(suitedTile(s, 1))];
            suitSums[s] = ranks[0] + ranks[1] + ranks[2] + ranks[3] + ranks[4] + ranks[5] +
                          ranks[6] + ranks[7] + ranks[8];
        }
    }

    void lookUpShape(int s, const SuitShape* table = suitShapes())
    {
        const int* ranks = &counts[static_cast<std::size_t>(suitedTile(s, 1))];
        shapes[s] = table[heldSuitShapeIndex(ranks)];
    }
};

}  // namespace fanwright
