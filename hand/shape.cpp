#include "hand/shape.h"

#include "hand/shape_tables.h"

namespace fanwright {

// Nine counts of one suit form sets only. The lowest tile's count modulo 3 must start chows
// there; the rest of it makes pungs, since three equal chows hold the tiles of three pungs.
bool suitFormsSets(const int* ranks)
{
    int r[11];
    for (int i = 0; i < 9; ++i)
        r[i] = ranks[i];
    r[9] = r[10] = 0;
    for (int i = 0; i < 9; ++i) {
        const int chows = r[i] % 3;
        if (chows == 0)
            continue;
        r[i + 1] -= chows;
        r[i + 2] -= chows;
        if (r[i + 1] < 0 || r[i + 2] < 0)
            return false;
    }
    return true;
}

// Nine counts of one suit form sets and one pair. Chows and pungs add up to 0 modulo 3 when
// each tile is weighted by its rank index, so the pair's index p satisfies 2p = weight mod 3.
bool suitFormsSetsAndPair(const int* ranks)
{
    int weight = 0;
    for (int i = 0; i < 9; ++i)
        weight += i * ranks[i];
    int r[9];
    for (int i = 0; i < 9; ++i)
        r[i] = ranks[i];
    for (int p = (2 * weight) % 3; p < 9; p += 3) {
        if (r[p] < 2)
            continue;
        r[p] -= 2;
        const bool formed = suitFormsSets(r);
        r[p] += 2;
        if (formed)
            return true;
    }
    return false;
}

bool formsRegularShape(const TileCounts& counts)
{
    int pairs = 0;
    for (TileId h = East; h <= WhiteDragon; ++h) {
        const int rest = counts[static_cast<std::size_t>(h)] % 3;
        if (rest == 1)
            return false;
        pairs += rest == 2 ? 1 : 0;
    }
    if (pairs > 1)
        return false;
    for (int suit = 0; suit < 3; ++suit) {
        const int* ranks = &counts[static_cast<std::size_t>(suitedTile(suit, 1))];
        int sum = 0;
        for (int i = 0; i < 9; ++i)
            sum += ranks[i];
        const int rest = sum % 3;
        if (rest == 1)
            return false;
        if (rest == 2) {
            if (++pairs > 1 || !suitFormsSetsAndPair(ranks))
                return false;
        } else if (!suitFormsSets(ranks)) {
            return false;
        }
    }
    return pairs == 1;
}

bool formsKnittedShape(const TileCounts& counts)
{
    for (const auto& row : knittedRows) {
        bool complete = true;
        for (TileId t : row)
            complete = complete && counts[static_cast<std::size_t>(t)] > 0;
        if (!complete)
            continue;
        TileCounts rest = counts;
        for (TileId t : row)
            --rest[static_cast<std::size_t>(t)];
        return formsRegularShape(rest);  // two rows never fit into one hand
    }
    return false;
}

}  // namespace fanwright
