#include "hand/hand_structure.h"

#include <algorithm>
#include <cstring>

namespace fanwright {

namespace {

// Counting sort: tile codes are small, and this runs once per decomposition.
void sortTiles(const TileId* from, int count, TileId* to)
{
    std::uint8_t copies[TileCodes] = {};
    for (int i = 0; i < count; ++i) {
        if (from[i] >= 0 && from[i] < TileCodes)
            ++copies[from[i]];
    }
    int n = 0;
    for (TileId t = 0; t < TileCodes; ++t) {
        for (int k = 0; k < copies[t]; ++k)
            to[n++] = t;
    }
}

bool setSortsBefore(SetKind kindA, TileId tileA, SetKind kindB, TileId tileB)
{
    return kindA < kindB || (kindA == kindB && tileA < tileB);
}

}  // namespace

void HandStructure::buildStructure(const Hand& hand, int waits)
{
    clear();
    form = NoForm;
    for (int i = 0; i < hand.setCount; ++i) {
        SetKind kind = hand.setKinds[i];
        setKinds[i] = (kind == MeldedKong || kind == ConcealedKong) ? Kong : kind;
        setTiles[i] = hand.setTiles[i];
        setConcealed[i] = kind == ConcealedKong ? 1 : 0;
    }
    setCount = hand.setCount;

    concealedCount = remainingCount = hand.concealedCount;
    for (int i = 0; i < hand.concealedCount; ++i)
        concealedTiles[i] = remainingTiles[i] = hand.concealedTiles[i];

    tileCount = hand.tileCount;
    sortTiles(hand.tiles, hand.tileCount, tiles);

    winningTile = hand.winningTile;
    lastTileInGame = hand.lastTileInGame;
    lastTileOfKind = hand.lastTileOfKind;
    replacementTile = hand.replacementTile;
    robbingTheKong = hand.robbingTheKong;
    prevalentWind = hand.prevalentWind;
    seatWind = hand.seatWind;
    winSource = hand.winSource;

    // Insertion sort keeps equal sets in their declared order.
    for (int i = 1; i < setCount; ++i) {
        for (int j = i;
             j > 0 && setSortsBefore(setKinds[j], setTiles[j], setKinds[j - 1], setTiles[j - 1]);
             --j) {
            std::swap(setKinds[j], setKinds[j - 1]);
            std::swap(setTiles[j], setTiles[j - 1]);
            std::swap(setConcealed[j], setConcealed[j - 1]);
        }
    }

    insertRemaining(winningTile);
    pairTile = NoTile;
    winningSet = -1;
    clearCounts();
    waitCount = waits;
}

int HandStructure::insertSet(SetKind kind, TileId tile, bool concealed)
{
    if (3 * setCount + remainingCount > 11 || setCount >= MaxSets)
        return -1;
    int at = 0;
    while (at < setCount && !setSortsBefore(kind, tile, setKinds[at], setTiles[at]))
        ++at;
    for (int i = setCount; i > at; --i) {
        setKinds[i] = setKinds[i - 1];
        setTiles[i] = setTiles[i - 1];
        setConcealed[i] = setConcealed[i - 1];
    }
    setKinds[at] = kind;
    setTiles[at] = tile;
    setConcealed[at] = concealed ? 1 : 0;
    ++setCount;
    if (winningSet >= at)
        ++winningSet;
    return at;
}

bool HandStructure::removeSetAt(int index)
{
    if (index < 0 || index >= setCount)
        return false;
    for (int i = index + 1; i < setCount; ++i) {
        setKinds[i - 1] = setKinds[i];
        setTiles[i - 1] = setTiles[i];
        setConcealed[i - 1] = setConcealed[i];
    }
    --setCount;
    if (winningSet > index)
        --winningSet;
    return true;
}

bool HandStructure::removeSetOf(SetKind kind, TileId tile)
{
    for (int i = 0; i < setCount; ++i) {
        if (setKinds[i] == kind && setTiles[i] == tile)
            return removeSetAt(i);
    }
    return false;
}

void HandStructure::insertRemaining(TileId tile)
{
    if (remainingCount + 3 * setCount > MaxTiles || remainingCount >= MaxTiles)
        return;
    int i = remainingCount;
    while (i > 0 && remainingTiles[i - 1] > tile) {
        remainingTiles[i] = remainingTiles[i - 1];
        --i;
    }
    remainingTiles[i] = tile;
    ++remainingCount;
}

bool HandStructure::removeRemaining(TileId tile)
{
    for (int i = 0; i < remainingCount; ++i) {
        if (remainingTiles[i] != tile)
            continue;
        for (int j = i + 1; j < remainingCount; ++j)
            remainingTiles[j - 1] = remainingTiles[j];
        --remainingCount;
        return true;
    }
    return false;
}

bool HandStructure::hasRemaining(TileId tile) const
{
    for (int i = 0; i < remainingCount; ++i) {
        if (remainingTiles[i] == tile)
            return true;
    }
    return false;
}

void HandStructure::clearCounts()
{
    std::memset(suitCounts, 0, sizeof suitCounts);
    std::memset(kindCounts, 0, sizeof kindCounts);
    std::memset(tileCounts, 0, sizeof tileCounts);
    std::memset(chowCounts, 0, sizeof chowCounts);
    std::memset(pungCounts, 0, sizeof pungCounts);
}

void HandStructure::computeCounts()
{
    clearCounts();
    if (form == Regular || form == SevenPairs) {
        for (int i = 0; i < setCount; ++i) {
            ++kindCounts[setKinds[i]];
            if (setKinds[i] == Chow)
                ++chowCounts[setTiles[i]];
            else if (setKinds[i] == Pung || setKinds[i] == Kong)
                ++pungCounts[setTiles[i]];
        }
    }
    for (int i = 0; i < tileCount; ++i) {
        ++tileCounts[tiles[i]];
        if (isSuited(tiles[i]))
            ++suitCounts[suitOf(tiles[i])];
    }
}

void HandStructure::copyFrom(const HandStructure& other)
{
    // The arrays past their counts are never read; copying the whole record is both simplest
    // and fastest, and logText is left as it was.
    char keptLogText[LogTextSize];
    std::memcpy(keptLogText, logText, sizeof keptLogText);
    *this = other;
    std::memcpy(logText, keptLogText, sizeof keptLogText);
}

bool sameStructure(const HandStructure& a, const HandStructure& b)
{
    if (a.setCount != b.setCount || a.remainingCount != b.remainingCount ||
        a.pairTile != b.pairTile)
        return false;
    for (int i = 0; i < a.setCount; ++i) {
        if (a.setKinds[i] != b.setKinds[i] || a.setTiles[i] != b.setTiles[i])
            return false;
    }
    for (int i = 0; i < a.remainingCount; ++i) {
        if (a.remainingTiles[i] != b.remainingTiles[i])
            return false;
    }
    return true;
}

}  // namespace fanwright
