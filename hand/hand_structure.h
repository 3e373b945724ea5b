// One reading of a complete hand into sets: the only thing a fan rule ever looks at.
#pragma once

#include "hand/hand.h"

#include <cstdint>

namespace fanwright {

inline constexpr int SetKindSlots = 6;  // kindCounts covers kinds 0..5

// Starts with every field of Hand and adds the analysis fields. The decomposition mutates one
// structure in place while it searches and copies it out for each complete reading.
//
// Sets are kept sorted by (kind, tile); equal sets keep their insertion order. In a regular
// reading the chows therefore come first, ascending by middle tile, and pungs and kongs last.
struct HandStructure : Hand {
    HandForm form = NoForm;
    std::uint8_t setConcealed[MaxSets] = {};  // 1 = the set counts as concealed
    TileId pairTile = NoTile;
    std::int32_t remainingCount = 0;
    TileId remainingTiles[MaxTiles] = {};  // not yet placed in a set or the pair, ascending
    std::int32_t suitCounts[3] = {};
    std::int32_t kindCounts[SetKindSlots] = {};
    std::int32_t tileCounts[TileCodes] = {};  // among the 14 tiles, so a kong counts 3
    std::int32_t chowCounts[TileCodes] = {};  // by middle tile
    std::int32_t pungCounts[TileCodes] = {};  // pungs and kongs
    std::int32_t winningSet = -1;             // set completed by the winning tile, -1 = none
    std::int32_t waitCount = 0;

    void buildStructure(const Hand& hand, int waits);

    int insertSet(SetKind kind, TileId tile, bool concealed);
    bool removeSetAt(int index);
    bool removeSetOf(SetKind kind, TileId tile);

    void insertRemaining(TileId tile);
    bool removeRemaining(TileId tile);
    bool hasRemaining(TileId tile) const;
    int getRemainingCount() const { return remainingCount; }
    TileId getRemainingTile(int i) const { return remainingTiles[i]; }
    const TileId* getRemainingTiles() const { return remainingTiles; }

    void setPairIfNone(TileId tile)
    {
        if (pairTile == NoTile)
            pairTile = tile;
    }
    void clearPair() { pairTile = NoTile; }
    bool hasNoPair() const { return pairTile == NoTile; }
    TileId getPairTile() const { return pairTile; }

    void setForm(HandForm f) { form = f; }
    HandForm getForm() const { return form; }
    void setWinningSet(int index) { winningSet = index; }
    void clearWinningSet() { winningSet = -1; }
    int getWinningSet() const { return winningSet; }

    void clearCounts();
    void computeCounts();

    void copyFrom(const HandStructure& other);

    bool isConcealedSet(int i) const { return setConcealed[i] != 0; }
    bool isPungOrKong(int i) const { return setKinds[i] == Pung || setKinds[i] == Kong; }
};

// Equality used to drop duplicate readings: sets, pair and remaining tiles only.
bool sameStructure(const HandStructure& a, const HandStructure& b);

}  // namespace fanwright
