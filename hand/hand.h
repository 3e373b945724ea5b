// The hand record: what the user edits, the generator fills, the log writes and the scorer reads.
#pragma once

#include "hand/tiles.h"

#include <cstdint>

namespace fanwright {

inline constexpr int MaxSets = 7;
inline constexpr int MaxTiles = 14;
inline constexpr int LogTextSize = 56;

// A plain fixed-size record, copied by value. The can... operations say whether an edit keeps
// the hand legal; the edit operations themselves check capacity only and silently do nothing
// when it is exceeded.
struct Hand {
    std::int32_t setCount = 0;       // declared sets, 0..4
    SetKind setKinds[MaxSets] = {};  // Chow, Pung, MeldedKong or ConcealedKong, in order added
    TileId setTiles[MaxSets] = {};   // a chow by its middle tile
    std::int32_t concealedCount = 0;
    TileId concealedTiles[MaxTiles] = {};  // always ascending
    std::int32_t tileCount = 0;
    TileId tiles[MaxTiles] = {};  // three per declared set (a kong too), then concealed and
                                  // winning tiles, in order of adding
    TileId winningTile = NoTile;
    std::uint8_t lastTileInGame = 0;
    std::uint8_t lastTileOfKind = 0;
    std::uint8_t replacementTile = 0;
    std::uint8_t robbingTheKong = 0;
    TileId prevalentWind = NoTile;
    TileId seatWind = NoTile;
    WinSource winSource = NotChosen;
    char logText[LogTextSize] = {};  // filled by toLogText

    // Empties the hand. Only the counts matter: entries past them are never read.
    void clear();

    bool canAddSet() const { return 3 * setCount + concealedCount < 11; }
    bool canAddConcealedTile() const { return 3 * setCount + concealedCount < 13; }
    bool canSetWinningTile() const { return winningTile == NoTile; }
    bool canAddSetOf(SetKind kind, TileId tile) const;
    bool canAddTile(TileId tile) const { return !isComplete() && countTileUses(tile) < 4; }
    bool isComplete() const { return tileCount == MaxTiles; }

    void addSet(SetKind kind, TileId tile);
    void addConcealedTile(TileId tile);
    void setWinningTile(TileId tile);
    bool removeSet(SetKind kind, TileId tile);
    bool removeConcealedTile(TileId tile);
    bool clearWinningTile();

    // Copies of the tile the hand holds, a kong counting four.
    int countTileUses(TileId tile) const;

    void setFlags(bool lastInGame, bool lastOfKind, bool replacement, bool robbing);
    void setWinds(TileId prevalent, TileId seat);
    void setWinSource(WinSource source) { winSource = source; }

    // Builds the one-line log code of the hand in logText and returns it.
    const char* toLogText();

    int getSetCount() const { return setCount; }
    SetKind getSetKind(int i) const { return setKinds[i]; }
    TileId getSetTile(int i) const { return setTiles[i]; }
    int countSetsOfKind(SetKind kind) const;
    int getConcealedCount() const { return concealedCount; }
    TileId getConcealedTile(int i) const { return concealedTiles[i]; }
    int countConcealed(TileId tile) const;
    int getTileCount() const { return tileCount; }
    TileId getTile(int i) const { return tiles[i]; }
    TileId getWinningTile() const { return winningTile; }
    bool isLastTileInGame() const { return lastTileInGame != 0; }
    bool isLastTileOfKind() const { return lastTileOfKind != 0; }
    bool isReplacementTile() const { return replacementTile != 0; }
    bool isRobbingTheKong() const { return robbingTheKong != 0; }
    TileId getPrevalentWind() const { return prevalentWind; }
    TileId getSeatWind() const { return seatWind; }
    WinSource getWinSource() const { return winSource; }

    // Which situation controls make sense for this hand.
    struct SituationChoices {
        bool allowsLastTileOfKind = false;
        bool forcesLastTileOfKind = false;
        bool allowsReplacementTile = false;
        bool allowsRobbingTheKong = false;
    };
    // All four at once, the winning tile's copies counted once.
    SituationChoices situationChoices() const;
    bool allowsLastTileOfKind() const;
    bool forcesLastTileOfKind() const;
    bool allowsReplacementTile() const;
    bool allowsRobbingTheKong() const;
    bool needsWinds() const;

protected:
    void appendTile(TileId tile) { tiles[tileCount++] = tile; }
    bool removeTileEntry(TileId tile);
    int countSetUses(TileId tile) const;  // copies in the declared sets
    bool winningTileIsConcealedCopy() const { return countConcealed(winningTile) > 0; }
};

}  // namespace fanwright
