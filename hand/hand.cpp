#include "hand/hand.h"


namespace fanwright {

namespace {

// The three tile entries a declared set puts into the tile list.
void setTilesOf(SetKind kind, TileId tile, TileId out[3])
{
    if (kind == Chow) {
        out[0] = tile - 1;
        out[1] = tile;
        out[2] = tile + 1;
    } else {
        out[0] = out[1] = out[2] = tile;
    }
}

bool isKong(SetKind kind) { return kind == MeldedKong || kind == ConcealedKong; }

}  // namespace

void Hand::clear()
{
    setCount = 0;
    concealedCount = 0;
    tileCount = 0;
    winningTile = NoTile;
    lastTileInGame = lastTileOfKind = replacementTile = robbingTheKong = 0;
    prevalentWind = seatWind = NoTile;
    winSource = NotChosen;
}

bool Hand::canAddSetOf(SetKind kind, TileId tile) const
{
    if (!canAddSet())
        return false;
    if (kind == Chow) {
        return isChowMiddle(tile) && countTileUses(tile - 1) < 4 && countTileUses(tile) < 4 &&
               countTileUses(tile + 1) < 4;
    }
    if (kind == Pung)
        return countTileUses(tile) < 2;
    return countTileUses(tile) == 0;
}

void Hand::addSet(SetKind kind, TileId tile)
{
    if (!canAddSet())
        return;
    setKinds[setCount] = kind;
    setTiles[setCount] = tile;
    ++setCount;
    TileId three[3];
    setTilesOf(kind, tile, three);
    for (TileId t : three)
        appendTile(t);
}

void Hand::addConcealedTile(TileId tile)
{
    if (!canAddConcealedTile())
        return;
    int i = concealedCount;
    while (i > 0 && concealedTiles[i - 1] > tile) {  // after any equal tiles
        concealedTiles[i] = concealedTiles[i - 1];
        --i;
    }
    concealedTiles[i] = tile;
    ++concealedCount;
    appendTile(tile);
}

void Hand::setWinningTile(TileId tile)
{
    if (!canSetWinningTile())
        return;
    winningTile = tile;
    appendTile(tile);
}

bool Hand::removeTileEntry(TileId tile)
{
    for (int i = 0; i < tileCount; ++i) {
        if (tiles[i] != tile)
            continue;
        for (int j = i + 1; j < tileCount; ++j)
            tiles[j - 1] = tiles[j];
        tiles[--tileCount] = NoTile;
        return true;
    }
    return false;
}

bool Hand::removeSet(SetKind kind, TileId tile)
{
    for (int i = 0; i < setCount; ++i) {
        if (setKinds[i] != kind || setTiles[i] != tile)
            continue;
        for (int j = i + 1; j < setCount; ++j) {
            setKinds[j - 1] = setKinds[j];
            setTiles[j - 1] = setTiles[j];
        }
        --setCount;
        setKinds[setCount] = NoSet;
        setTiles[setCount] = NoTile;
        TileId three[3];
        setTilesOf(kind, tile, three);
        for (TileId t : three)
            removeTileEntry(t);
        return true;
    }
    return false;
}

bool Hand::removeConcealedTile(TileId tile)
{
    for (int i = 0; i < concealedCount; ++i) {
        if (concealedTiles[i] != tile)
            continue;
        for (int j = i + 1; j < concealedCount; ++j)
            concealedTiles[j - 1] = concealedTiles[j];
        concealedTiles[--concealedCount] = NoTile;
        removeTileEntry(tile);
        return true;
    }
    return false;
}

bool Hand::clearWinningTile()
{
    if (winningTile == NoTile)
        return false;
    removeTileEntry(winningTile);
    winningTile = NoTile;
    return true;
}

int Hand::countTileUses(TileId tile) const
{
    return countSetUses(tile) + countConcealed(tile) + (winningTile == tile ? 1 : 0);
}

int Hand::countSetUses(TileId tile) const
{
    int uses = 0;
    for (int i = 0; i < setCount; ++i) {
        TileId t = setTiles[i];
        if (setKinds[i] == Chow)
            uses += (tile >= t - 1 && tile <= t + 1) ? 1 : 0;
        else if (t == tile)
            uses += isKong(setKinds[i]) ? 4 : 3;
    }
    return uses;
}

int Hand::countSetsOfKind(SetKind kind) const
{
    int n = 0;
    for (int i = 0; i < setCount; ++i)
        n += setKinds[i] == kind ? 1 : 0;
    return n;
}

int Hand::countConcealed(TileId tile) const
{
    int n = 0;
    for (int i = 0; i < concealedCount; ++i)
        n += concealedTiles[i] == tile ? 1 : 0;
    return n;
}

void Hand::setFlags(bool lastInGame, bool lastOfKind, bool replacement, bool robbing)
{
    lastTileInGame = lastInGame ? 1 : 0;
    lastTileOfKind = lastOfKind ? 1 : 0;
    replacementTile = replacement ? 1 : 0;
    robbingTheKong = robbing ? 1 : 0;
}

void Hand::setWinds(TileId prevalent, TileId seat)
{
    prevalentWind = prevalent;
    seatWind = seat;
}

Hand::SituationChoices Hand::situationChoices() const
{
    SituationChoices choices;
    if (!isComplete())
        return choices;
    const int concealedCopies = countConcealed(winningTile);
    const int uses = countSetUses(winningTile) + concealedCopies + 1;
    const bool concealedCopy = concealedCopies > 0;
    choices.allowsLastTileOfKind = !concealedCopy && uses != 4;
    choices.forcesLastTileOfKind = !concealedCopy && uses == 4;
    for (int i = 0; i < setCount && winSource == SelfDrawn; ++i)
        choices.allowsReplacementTile = choices.allowsReplacementTile || isKong(setKinds[i]);
    choices.allowsRobbingTheKong = uses == 1 && winSource == Discard;
    return choices;
}

bool Hand::allowsLastTileOfKind() const { return situationChoices().allowsLastTileOfKind; }

bool Hand::forcesLastTileOfKind() const { return situationChoices().forcesLastTileOfKind; }

bool Hand::allowsReplacementTile() const { return situationChoices().allowsReplacementTile; }

bool Hand::allowsRobbingTheKong() const { return situationChoices().allowsRobbingTheKong; }

bool Hand::needsWinds() const
{
    // Each wind's copies from the sets, the concealed tiles (honors sort last) and the winning
    // tile, as the tile list holds them: three for a kong too.
    int copies[4] = {};
    const auto count = [&copies](TileId t, int n) {
        if (isWind(t))
            copies[t - East] += n;
    };
    for (int i = 0; i < setCount; ++i)
        count(setTiles[i], setKinds[i] == Chow ? 0 : 3);
    for (int i = concealedCount - 1; i >= 0 && concealedTiles[i] >= East; --i)
        count(concealedTiles[i], 1);
    count(winningTile, 1);
    int windsOfThree = 0;
    for (int n : copies)
        windsOfThree += n == 3 ? 1 : 0;
    return windsOfThree > 0 && windsOfThree < 4;
}

}  // namespace fanwright
