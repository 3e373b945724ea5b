#include "hand/decomposition.h"

#include "hand/shape_tables.h"

namespace fanwright {

namespace {

void searchFrom(StructureList& list, HandStructure& s);

// Rank 1..7 of a suit: a chow can start here.
bool startsChow(TileId t) { return isSuited(t) && rankOf(t) <= 7; }

bool winningTileIn(const HandStructure& s, TileId low, TileId high)
{
    return s.winningSet == -1 && s.winningTile >= low && s.winningTile <= high;
}

// Inserts a set found by the search and recurses. The first set that can hold the winning tile
// takes it; that set is concealed only when the tile came from the wall.
void placeSetAndSearch(StructureList& list, HandStructure& s, SetKind kind, TileId tile,
                       bool takesWinningTile)
{
    int index;
    if (takesWinningTile) {
        index = s.insertSet(kind, tile, s.winSource == SelfDrawn);
        s.setWinningSet(index);
        searchFrom(list, s);
        s.clearWinningSet();
    } else {
        index = s.insertSet(kind, tile, true);
        searchFrom(list, s);
    }
    s.removeSetAt(index);
}

void tryChow(StructureList& list, HandStructure& s, TileId t)
{
    if (!startsChow(t) || !s.hasRemaining(t + 1) || !s.hasRemaining(t + 2))
        return;
    s.removeRemaining(t + 1);
    s.removeRemaining(t + 2);
    placeSetAndSearch(list, s, Chow, t + 1, winningTileIn(s, t, t + 2));
    s.insertRemaining(t + 1);
    s.insertRemaining(t + 2);
}

void tryPairAndPung(StructureList& list, HandStructure& s, TileId t)
{
    if (!s.removeRemaining(t))
        return;
    if (s.hasNoPair()) {
        s.setPairIfNone(t);
        searchFrom(list, s);
        s.clearPair();
    }
    if (s.removeRemaining(t)) {
        placeSetAndSearch(list, s, Pung, t, winningTileIn(s, t, t));
        s.insertRemaining(t);
    }
    s.insertRemaining(t);
}

// Every knitted row starts with bamboo 1, 2 or 3, so it is only looked for when that tile is
// the lowest one left. Two rows together need 15 different tiles, so at most one can match.
void tryKnittedStraight(StructureList& list, HandStructure& s, TileId t)
{
    if (s.remainingCount < 9 || t > 3)
        return;
    for (const auto& row : knittedRows) {
        if (countInOrder(s.remainingTiles, s.remainingCount, row.data(), 9) != 9)
            continue;
        for (TileId tile : row)
            s.removeRemaining(tile);
        s.insertSet(Knitted, row[1], true);
        s.insertSet(Knitted, row[4], true);
        s.insertSet(Knitted, row[7], true);
        searchFrom(list, s);
        s.removeSetOf(Knitted, row[7]);
        s.removeSetOf(Knitted, row[4]);
        s.removeSetOf(Knitted, row[1]);
        for (TileId tile : row)
            s.insertRemaining(tile);
        return;
    }
}

void trySpecialForms(StructureList& list, HandStructure& s)
{
    if (isThirteenOrphans(s) || isGreaterHonorsKnitted(s) || isLesserHonorsKnitted(s) ||
        isSevenPairs(s)) {
        s.computeCounts();
        addUnique(list, s);
    }
}

// Depth-first over the lowest remaining tile: it starts a chow, makes the pair or a pung, or
// starts a knitted row. The order of these branches fixes the order of the readings.
void searchFrom(StructureList& list, HandStructure& s)
{
    if (s.remainingCount == 0) {
        s.setForm(Regular);
        s.computeCounts();
        addUnique(list, s);
        return;
    }
    const TileId t = s.remainingTiles[0];
    s.removeRemaining(t);
    tryChow(list, s, t);
    tryPairAndPung(list, s, t);
    s.insertRemaining(t);
    tryKnittedStraight(list, s, t);
    // Only the top of the search of a hand without declared sets holds all 14 tiles.
    if (s.remainingCount == MaxTiles)
        trySpecialForms(list, s);
}

void writeSpecialReading(HandStructure& s, SetKind kind)
{
    s.setCount = 1;
    s.setKinds[0] = kind;
    s.setTiles[0] = NoTile;
    s.setForm(Special);
}

// The knitted row whose tiles are the first `count` of the sorted tiles, all different.
bool leadsWithKnittedTiles(const HandStructure& s, const std::array<TileId, 9>& row, int count)
{
    return countInOrder(row.data(), 9, s.tiles, count) == count;
}

// The last `count` tiles are `count` different honors.
bool endsWithDistinctHonors(const HandStructure& s, int count)
{
    return countInOrder(honorList.data(), 7, s.tiles + MaxTiles - count, count) == count;
}

}  // namespace

void decompose(StructureList& list, HandStructure& s) { searchFrom(list, s); }

void addUnique(StructureList& list, const HandStructure& s)
{
    for (int i = 0; i < list.count(); ++i) {
        if (sameStructure(list[i], s))
            return;
    }
    list.add(s);
}

int countInOrder(const TileId* pattern, int patternLength, const TileId* list, int listLength)
{
    int counted = 0;
    for (int i = 0; i < patternLength && counted < listLength; ++i) {
        if (pattern[i] == list[counted])
            ++counted;
    }
    return counted;
}

bool isThirteenOrphans(HandStructure& s)
{
    if (s.tileCount != MaxTiles || s.tiles[0] != orphanList[0])
        return false;
    int next = 1;  // the orphan the walk expects next
    int counted = 1;
    for (int i = 1; i < MaxTiles; ++i) {
        if (s.tiles[i] == orphanList[static_cast<std::size_t>(next)]) {
            ++next;
            ++counted;
        } else if (s.tiles[i] != orphanList[static_cast<std::size_t>(next - 1)]) {
            return false;
        }
    }
    if (counted != 13)
        return false;
    writeSpecialReading(s, ThirteenOrphans);
    return true;
}

bool isGreaterHonorsKnitted(HandStructure& s)
{
    if (s.tileCount != MaxTiles || !isHonor(s.tiles[7]) || !endsWithDistinctHonors(s, 7))
        return false;
    for (const auto& row : knittedRows) {
        if (leadsWithKnittedTiles(s, row, 7)) {
            writeSpecialReading(s, GreaterHonorsKnitted);
            return true;
        }
    }
    return false;
}

bool isLesserHonorsKnitted(HandStructure& s)
{
    // At least the last five tiles are honors.
    if (s.tileCount != MaxTiles || !isHonor(s.tiles[MaxTiles - 5]))
        return false;
    for (const auto& row : knittedRows) {
        if ((leadsWithKnittedTiles(s, row, 9) && endsWithDistinctHonors(s, 5)) ||
            (leadsWithKnittedTiles(s, row, 8) && endsWithDistinctHonors(s, 6))) {
            writeSpecialReading(s, LesserHonorsKnitted);
            return true;
        }
    }
    return false;
}

bool isSevenPairs(HandStructure& s)
{
    if (s.tileCount != MaxTiles)
        return false;
    for (int i = 0; i < MaxTiles; i += 2) {
        if (s.tiles[i] != s.tiles[i + 1])
            return false;
    }
    s.setCount = 7;
    for (int i = 0; i < 7; ++i) {
        s.setKinds[i] = Pair;
        s.setTiles[i] = s.tiles[2 * i];
    }
    s.setForm(SevenPairs);
    return true;
}

}  // namespace fanwright
