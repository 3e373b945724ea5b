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
        count += hand.concealedCount;
        const SuitShape* table = suitShapes();
        for (int s = 0; s < 3 && !fifthCopy; ++s)
            lookUpShape(s, table);
    }

    // One tile more; only the shape of its suit changes, by one digit of its key.
    void add(TileId t)
    {
        addCopy(t);
        ++count;
        if (!isSuited(t) || fifthCopy)
            return;
        const int s = suitOf(t), rank = rankOf(t);
        if (rank <= 5) {
            lowKeys[s] += powersOf5[rank - 1];
            ++lowTiles[s];
        } else {
            highKeys[s] += powersOf5[rank - 6];
        }
        ++suitSums[s];
        shapes[s] = suitShapes()[heldSuitShapeIndex(lowKeys[s], highKeys[s], lowTiles[s])];
    }

private:
    static constexpr unsigned powersOf5[5] = {1, 5, 25, 125, 625};

    // Each suit's shape in halves, as heldSuitShapeIndex reads it, so that one tile more
    // changes one digit instead of nine counts read again.
    unsigned lowKeys[3] = {};
    unsigned highKeys[3] = {};
    unsigned lowTiles[3] = {};

    void addCopy(TileId t)
    {
        const std::uint64_t bit = std::uint64_t{1} << t;
        fifthCopy |= ++counts[static_cast<std::size_t>(t)] > 4;
        kinds |= bit;
        odd ^= bit;
    }

    void lookUpShape(int s, const SuitShape* table)
    {
        const int* r = &counts[static_cast<std::size_t>(suitedTile(s, 1))];
        const int low = r[0] + 5 * (r[1] + 5 * (r[2] + 5 * (r[3] + 5 * r[4])));
        const int high = r[5] + 5 * (r[6] + 5 * (r[7] + 5 * r[8]));
        const int lowSum = r[0] + r[1] + r[2] + r[3] + r[4];
        lowKeys[s] = static_cast<unsigned>(low);
        highKeys[s] = static_cast<unsigned>(high);
        lowTiles[s] = static_cast<unsigned>(lowSum);
        shapes[s] = table[heldSuitShapeIndex(lowKeys[s], highKeys[s], lowTiles[s])];
        suitSums[s] = lowSum + r[5] + r[6] + r[7] + r[8];
    }
};

}  // namespace fanwright
