// The readings of a complete hand one at a time, in the order the full search finds them,
// built from the splits of each suit instead of searched tile by tile.
#pragma once

#include "hand/hand_structure.h"
#include "hand/held_tiles.h"
#include "hand/suit_shapes.h"

#include <cstddef>
#include <cstdint>

namespace fanwright {

// A split of a suit as a reading takes it in: its sets' codes with the suit's tiles still to be
// added, which of them first holds each rank, and its pair. Read whole, it spares a reading the
// unpacking of the split, set by set.
inline constexpr unsigned HeldRanksShift = 18;

struct SplitCodes {
    std::uint32_t codes[4] = {};  // 0 past the count
    // 2 bits per rank index i at 2 * i: the first set holding the rank; bit HeldRanksShift + i:
    // some set holds it.
    std::uint32_t holders = 0;
    std::uint8_t count = 0;
    std::uint8_t pairRank = 0;  // 0: no pair
    std::uint8_t last = 0;      // the shape's last split
};

// One stream may serve hand after hand: each start resets what its readings are read for.
class ReadingStream {
public:
    ReadingStream();

    // Memory the splits' codes take, a table built with the first stream (for the benchmark).
    static std::size_t splitCodeBytes();

    // Prepares the readings of a complete hand. False when the hand needs the full search
    // (decompose): some tile held more than four times, or a knitted straight among its tiles.
    bool start(const Hand& hand, int waitCount);

    // The same from the hand's concealed tiles and its winning tile counted already.
    bool start(const Hand& hand, const HeldTiles& held, int waitCount);

    // Makes the next reading current; false when there are no more.
    bool next();

    // The current reading, as the full search would have added it to its list.
    const HandStructure& reading() const { return s_; }

    // Bit t for each distinct tile among the hand's 14, and whether one is held four times
    // (a kong counting three), once a reading was made current.
    std::uint64_t tileKinds() const { return tileKinds_; }
    bool holdsFourOfAKind() const { return fourOfAKind_; }

private:
    void prepareStructure(const Hand& hand, const HeldTiles& held, int waitCount);
    void countTiles(const Hand& hand, const HeldTiles& held);
    void clearSetCounts();
    std::int32_t* setCountsOf(SetKind kind);
    void buildRegularReading();
    int gatherSets(std::uint32_t* codes) const;
    void writeSets(const std::uint32_t* codes, int n);
    void advance();
    bool findSpecialReading();

    // Room for the sets while a reading is gathered: every split writes four slots, and one
    // slot past them all takes the winning flag when the pair holds the winning tile.
    static constexpr int GatheredSlots = MaxSets + 5;

    HandStructure s_;
    std::uint64_t tileKinds_ = 0;
    bool fourOfAKind_ = false;
    std::int32_t declaredCount_ = 0;
    std::uint32_t declaredSets_[MaxSets] = {};  // set codes, sorted
    std::int32_t honorPungCount_ = 0;
    TileId honorPungs_[4] = {};
    TileId honorPair_ = NoTile;
    const SplitCodes* splitCodes_;  // by split number, as the table of suit shapes counts them
    const SplitCodes* first_[3] = {};
    const SplitCodes* current_[3] = {};
    bool regularLeft_ = false;  // current_ points at a combination not yet read
    bool specialLeft_ = false;  // the whole-hand forms are still to be tried
};

}  // namespace fanwright
