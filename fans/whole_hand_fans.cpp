// Fans that judge the hand as a whole: the tiles it holds, its form, its suits.
#include "fans/fan_rules.h"
#include "fans/rule_support.h"
#include "hand/shape_tables.h"

#include <algorithm>

namespace fanwright {

using namespace rules;

namespace {

bool hasFormWithSets(const HandStructure& s) { return s.form == Regular || s.form == SevenPairs; }

// Every set tile, and for four sets and a pair also the pair, passes the test.
template <typename Predicate>
bool everySetAndPair(const HandStructure& s, Predicate passes)
{
    for (int i = 0; i < s.setCount; ++i) {
        if (!passes(s.setKinds[i], s.setTiles[i]))
            return false;
    }
    return s.form != Regular || passes(Pair, s.pairTile);
}

}  // namespace

std::int32_t nineGates(const HandStructure& s)
{
    if (s.concealedCount != 13)
        return 0;
    const int suit = suitOf(s.concealedTiles[0]);
    for (int i = 0; i < 13; ++i) {
        if (s.concealedTiles[i] != suitedTile(suit, nineGatesRanks[static_cast<std::size_t>(i)]))
            return 0;
    }
    return suit >= 0 && suitOf(s.winningTile) == suit;
}

std::int32_t sevenShiftedPairs(const HandStructure& s)
{
    if (s.form != SevenPairs || rankOf(s.setTiles[0]) < 1 || rankOf(s.setTiles[0]) > 3)
        return 0;
    for (int i = 1; i < 7; ++i) {
        if (s.setTiles[i] != s.setTiles[i - 1] + 1)
            return 0;
    }
    return 1;
}

std::int32_t thirteenOrphans(const HandStructure& s) { return isSpecialKind(s, ThirteenOrphans); }

std::int32_t allHonors(const HandStructure& s)
{
    return hasFormWithSets(s) && everySetAndPair(s, [](SetKind, TileId t) { return isHonor(t); });
}

// A chow is judged by its middle tile, so a hand with a chow never qualifies.
std::int32_t allTerminalsAndHonors(const HandStructure& s)
{
    return hasFormWithSets(s) &&
           everySetAndPair(s, [](SetKind, TileId t) { return isTerminalOrHonor(t); });
}

std::int32_t sevenPairs(const HandStructure& s) { return s.form == SevenPairs; }

std::int32_t greaterHonorsKnitted(const HandStructure& s)
{
    return isSpecialKind(s, GreaterHonorsKnitted);
}

std::int32_t allEvenPungs(const HandStructure& s)
{
    return pungCount(s) == 4 && everyTileIs<isEven>(s);
}

std::int32_t fullFlush(const HandStructure& s)
{
    return s.suitCounts[0] == 14 || s.suitCounts[1] == 14 || s.suitCounts[2] == 14;
}

// A chow holds a 5 when its middle rank is 4, 5 or 6; any other set needs a suited 5.
std::int32_t allFives(const HandStructure& s)
{
    return hasFormWithSets(s) && everySetAndPair(s, [](SetKind kind, TileId t) {
               return kind == Chow ? rankOf(t) >= 4 && rankOf(t) <= 6 : rankOf(t) == 5;
           });
}

std::int32_t lesserHonorsKnitted(const HandStructure& s)
{
    return isSpecialKind(s, LesserHonorsKnitted);
}

// A regular hand on a knitted straight, or a lesser honors-and-knitted hand holding all nine
// knitted tiles (and five honors).
std::int32_t knittedStraight(const HandStructure& s)
{
    if (s.kindCounts[Knitted] > 0)
        return 1;
    if (!isSpecialKind(s, LesserHonorsKnitted))
        return 0;
    for (const auto& row : knittedRows) {
        if (std::equal(row.begin(), row.end(), s.tiles))
            return 1;
    }
    return 0;
}

// Judged from the lowest tile: no other suit may occur. Honors are allowed, not required.
std::int32_t halfFlush(const HandStructure& s)
{
    const int suit = suitOf(s.tiles[0]);
    if (suit < 0)
        return 0;
    return s.suitCounts[(suit + 1) % 3] == 0 && s.suitCounts[(suit + 2) % 3] == 0;
}

// Bamboo, characters, dots, winds and, for every other value, dragons: a special reading's
// tile 0 counts as a dragon.
std::int32_t allTypes(const HandStructure& s)
{
    unsigned groups = 0;
    const auto mark = [&groups](SetKind, TileId t) {
        const int group = isSuited(t) ? suitOf(t) : isWind(t) ? 3 : 4;
        groups |= 1u << group;
        return true;
    };
    everySetAndPair(s, mark);
    return groups == 0x1F;
}

std::int32_t tileHog(const HandStructure& s)
{
    int hogs = 0;
    for (TileId t = FirstTile; t <= LastTile; ++t)
        hogs += s.tileCounts[t] == 4 ? 1 : 0;
    return hogs;
}

std::int32_t oneVoidedSuit(const HandStructure& s)
{
    return s.suitCounts[0] == 0 || s.suitCounts[1] == 0 || s.suitCounts[2] == 0;
}

std::int32_t noHonors(const HandStructure& s)
{
    return s.suitCounts[0] + s.suitCounts[1] + s.suitCounts[2] == 14;
}

}  // namespace fanwright
