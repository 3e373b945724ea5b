// The words every part of Fanwright speaks: tile codes, set kinds, win sources, hand forms and
// the classes of tiles that the fan rules ask about.
//
// Tile code layout (TileId, a signed 32-bit integer wherever it is stored):
//   0        no tile
//   1..9     bamboo 1-9
//   10..18   characters 1-9
//   19..27   dots 1-9
//   28..31   winds east, south, west, north
//   32..34   dragons red, green, white
// Each of the 34 real tiles exists four times in the game.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace fanwright {

using TileId = std::int32_t;

inline constexpr TileId NoTile = 0;
inline constexpr TileId FirstTile = 1;
inline constexpr TileId LastTile = 34;
inline constexpr int TileKinds = 34;  // real tile codes 1..34
inline constexpr int TileCodes = 35;  // including NoTile, for arrays indexed by TileId

inline constexpr TileId Bamboo1 = 1;
inline constexpr TileId Characters1 = 10;
inline constexpr TileId Dots1 = 19;
inline constexpr TileId East = 28;
inline constexpr TileId South = 29;
inline constexpr TileId West = 30;
inline constexpr TileId North = 31;
inline constexpr TileId RedDragon = 32;
inline constexpr TileId GreenDragon = 33;
inline constexpr TileId WhiteDragon = 34;

// Tile of a given suit (0 bamboo, 1 characters, 2 dots) and rank (1..9).
constexpr TileId suitedTile(int suit, int rank) { return suit * 9 + rank; }

// One numbering serves the hand, its readings and the result; a Hand uses Chow, Pung,
// MeldedKong and ConcealedKong only.
enum SetKind : std::int32_t {
    NoSet = 0,
    Chow = 1,     // kept by its middle tile
    Knitted = 2,  // one knitted triple such as 1-4-7, kept by its middle tile
    Pung = 3,
    Kong = 4,  // both kinds of declared kong inside a reading
    Pair = 5,  // one pair of a seven-pairs reading
    MeldedKong = 8,
    ConcealedKong = 9,
    ThirteenOrphans = 10,
    GreaterHonorsKnitted = 11,
    LesserHonorsKnitted = 12,
};

enum WinSource : std::int32_t {
    NotChosen = 0,
    SelfDrawn = 1,  // drawn from the wall
    Discard = 2,
};

enum HandForm : std::int32_t {
    NoForm = 0,
    Regular = 1,  // four sets and a pair
    SevenPairs = 2,
    Special = 3,  // thirteen orphans or one of the two honors-and-knitted hands
};

// Two-letter short names, indexed by TileId; the log code is written in them.
inline constexpr std::array<std::string_view, TileCodes> tileNames = {
    "em", "1b", "2b", "3b", "4b", "5b", "6b", "7b", "8b", "9b", "1c", "2c",
    "3c", "4c", "5c", "6c", "7c", "8c", "9c", "1d", "2d", "3d", "4d", "5d",
    "6d", "7d", "8d", "9d", "we", "ws", "ww", "wn", "dr", "dg", "dw"};

constexpr std::string_view tileName(TileId t) { return tileNames[static_cast<std::size_t>(t)]; }

// ---- Tile classes. Tile 0 belongs to none of them. ----

constexpr bool isSuited(TileId t) { return t >= 1 && t <= 27; }
constexpr int suitOf(TileId t) { return isSuited(t) ? (t - 1) / 9 : -1; }
constexpr int rankOf(TileId t) { return isSuited(t) ? (t - 1) % 9 + 1 : 0; }
constexpr bool isHonor(TileId t) { return t >= East && t <= WhiteDragon; }
constexpr bool isWind(TileId t) { return t >= East && t <= North; }
constexpr bool isDragon(TileId t) { return t >= RedDragon && t <= WhiteDragon; }
constexpr bool isTerminal(TileId t) { return rankOf(t) == 1 || rankOf(t) == 9; }
constexpr bool isSimple(TileId t) { return rankOf(t) >= 2 && rankOf(t) <= 8; }
constexpr bool isTerminalOrHonor(TileId t) { return isTerminal(t) || isHonor(t); }

// A set of tile codes as a bit mask, for the classes that are no range of ranks.
constexpr std::uint64_t tileMask(std::initializer_list<TileId> tiles)
{
    std::uint64_t mask = 0;
    for (TileId t : tiles)
        mask |= std::uint64_t{1} << t;
    return mask;
}

// Bits set in a mask. std::popcount is a library call on the baseline x86-64 the program is
// built for (no CPU-specific flags), so the hot paths count with this branchless sum instead.
constexpr int bitCount(std::uint64_t x)
{
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

static_assert(bitCount(0) == 0 && bitCount(~std::uint64_t{0}) == 64 && bitCount(0x8001) == 2);

constexpr bool inMask(std::uint64_t mask, TileId t)
{
    return t >= 0 && t < TileCodes && ((mask >> t) & 1) != 0;
}

// Bamboo 2, 3, 4, 6, 8 and the green dragon.
constexpr bool isGreen(TileId t) { return inMask(tileMask({2, 3, 4, 6, 8, GreenDragon}), t); }

// Tiles that look the same upside down: bamboo 2 4 5 6 8 9, dots 1 2 3 4 5 8 9, white dragon.
constexpr bool isReversible(TileId t)
{
    return inMask(tileMask({2, 4, 5, 6, 8, 9, 19, 20, 21, 22, 23, 26, 27, WhiteDragon}), t);
}

constexpr bool isEven(TileId t) { return isSuited(t) && rankOf(t) % 2 == 0; }
constexpr bool isUpper(TileId t) { return rankOf(t) >= 7; }
constexpr bool isMiddle(TileId t) { return rankOf(t) >= 4 && rankOf(t) <= 6; }
constexpr bool isLower(TileId t) { return isSuited(t) && rankOf(t) <= 3; }
constexpr bool isUpperFour(TileId t) { return rankOf(t) >= 6; }
constexpr bool isLowerFour(TileId t) { return isSuited(t) && rankOf(t) <= 4; }

// A chow may be kept by a suited tile of rank 2..8 only.
constexpr bool isChowMiddle(TileId t) { return isSimple(t); }

static_assert(rankOf(9) == 9 && rankOf(10) == 1 && suitOf(27) == 2 && suitOf(28) == -1);
static_assert(isTerminal(18) && isTerminal(19) && !isTerminal(28) && !isTerminal(0));

}  // namespace fanwright
