// The tiles of the hands with a fixed shape: thirteen orphans, the honors, the knitted rows and
// the nine gates. The recogniser walks these tables and the generator draws indices into them,
// so their order is part of what a seed produces.
#pragma once

#include "hand/tiles.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace fanwright {

// Thirteen orphans in the order the recogniser walks them, ending in 0.
inline constexpr std::array<TileId, 14> orphanList = {1,  9,  10, 18, 19, 27, 28,
                                                      29, 30, 31, 32, 33, 34, 0};

inline constexpr std::array<TileId, 7> honorList = {28, 29, 30, 31, 32, 33, 34};

// The six ways of giving the triples 1-4-7, 2-5-8 and 3-6-9 to the three suits, each row in
// ascending code order; positions 1, 4 and 7 hold the middle tiles of the knitted sets.
inline constexpr int KnittedRowCount = 6;
inline constexpr std::array<std::array<TileId, 9>, KnittedRowCount> knittedRows = {{
    {1, 4, 7, 11, 14, 17, 21, 24, 27},
    {1, 4, 7, 12, 15, 18, 20, 23, 26},
    {2, 5, 8, 10, 13, 16, 21, 24, 27},
    {2, 5, 8, 12, 15, 18, 19, 22, 25},
    {3, 6, 9, 10, 13, 16, 20, 23, 26},
    {3, 6, 9, 11, 14, 17, 19, 22, 25},
}};

// The knitted rows as tile masks, bit t for tile t.
inline constexpr std::array<std::uint64_t, KnittedRowCount> knittedRowMasks = [] {
    std::array<std::uint64_t, KnittedRowCount> masks{};
    for (std::size_t r = 0; r < masks.size(); ++r) {
        for (TileId t : knittedRows[r])
            masks[r] |= std::uint64_t{1} << t;
    }
    return masks;
}();

namespace detail {

// The bamboo of the rows: 1-4-7, 2-5-8 or 3-6-9, two rows each.
inline constexpr std::array<std::uint64_t, 3> knittedBamboo = [] {
    std::array<std::uint64_t, 3> triples{};
    for (std::size_t i = 0; i < triples.size(); ++i) {
        for (std::size_t k = 0; k < 3; ++k)
            triples[i] |= std::uint64_t{1} << (static_cast<std::size_t>(Bamboo1) + i + 3 * k);
    }
    return triples;
}();

constexpr bool rowsStartFromKnittedBamboo()
{
    for (std::uint64_t row : knittedRowMasks) {
        const std::uint64_t bamboo = row & std::uint64_t{0x1FF} << Bamboo1;
        if (bamboo != knittedBamboo[0] && bamboo != knittedBamboo[1] && bamboo != knittedBamboo[2])
            return false;
    }
    return true;
}
static_assert(rowsStartFromKnittedBamboo());

}  // namespace detail

// All nine tiles of some knitted row among the held tiles (bit t for tile t). Most hands hold
// none of the rows' bamboo whole: three tests answer them instead of six.
constexpr bool holdsKnittedRow(std::uint64_t held)
{
    const auto whole = [held](std::uint64_t tiles) { return (held & tiles) == tiles; };
    const auto& bamboo = detail::knittedBamboo;
    if (!whole(bamboo[0]) && !whole(bamboo[1]) && !whole(bamboo[2]))
        return false;
    for (std::uint64_t row : knittedRowMasks) {
        if (whole(row))
            return true;
    }
    return false;
}

// The thirteen concealed tiles of the nine gates, by rank, before the tile that completes them.
inline constexpr std::array<int, 13> nineGatesRanks = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9};

namespace shape_checks {

constexpr bool orphansAreTheTerminalsAndHonorsAscending()
{
    int count = 0;
    for (TileId t = FirstTile; t <= LastTile; ++t) {
        if (isTerminalOrHonor(t) && orphanList[static_cast<std::size_t>(count++)] != t)
            return false;
    }
    return count == 13 && orphanList[13] == NoTile;
}

constexpr bool honorsAreEveryHonorAscending()
{
    for (std::size_t i = 0; i < honorList.size(); ++i) {
        if (honorList[i] != East + static_cast<TileId>(i))
            return false;
    }
    return honorList.back() == WhiteDragon;
}

// Suit s holds ranks r, r+3, r+6 at positions 3s..3s+2, each start rank 1..3 once per row.
constexpr bool isKnittedRow(const std::array<TileId, 9>& row)
{
    bool startUsed[4] = {};
    for (int suit = 0; suit < 3; ++suit) {
        const auto at = [&row, suit](int k) { return row[static_cast<std::size_t>(3 * suit + k)]; };
        const int start = rankOf(at(0));
        if (start < 1 || start > 3 || startUsed[start])
            return false;
        startUsed[start] = true;
        for (int k = 0; k < 3; ++k) {
            if (at(k) != suitedTile(suit, start + 3 * k))
                return false;
        }
    }
    return true;
}

// Every row knitted, and the rows strictly ascending: all six, none twice, in drawing order.
constexpr bool knittedRowsAreTheSixInOrder()
{
    for (std::size_t i = 0; i < knittedRows.size(); ++i) {
        if (!isKnittedRow(knittedRows[i]))
            return false;
        if (i > 0 && !(knittedRows[i - 1] < knittedRows[i]))
            return false;
    }
    return true;
}

constexpr bool nineGatesRanksAscendWithThreeEnds()
{
    int ones = 0, nines = 0;
    for (std::size_t i = 0; i < nineGatesRanks.size(); ++i) {
        ones += nineGatesRanks[i] == 1 ? 1 : 0;
        nines += nineGatesRanks[i] == 9 ? 1 : 0;
        if (i > 0 && nineGatesRanks[i] - nineGatesRanks[i - 1] > 1)
            return false;
        if (i > 0 && nineGatesRanks[i] < nineGatesRanks[i - 1])
            return false;
    }
    return ones == 3 && nines == 3 && nineGatesRanks.front() == 1 && nineGatesRanks.back() == 9;
}

}  // namespace shape_checks

static_assert(shape_checks::orphansAreTheTerminalsAndHonorsAscending());
static_assert(shape_checks::honorsAreEveryHonorAscending());
static_assert(shape_checks::knittedRowsAreTheSixInOrder());
static_assert(shape_checks::nineGatesRanksAscendWithThreeEnds());

}  // namespace fanwright
