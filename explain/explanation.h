// Why a hand scores what it scores: every reading of it with its fans and total, which one is
// kept, and for each reading the fans whose rules hold but that were not counted, with the
// reason. Built beside the scoring entry from the same pieces, never on its path.
#pragma once

#include "fans/chow_pairs.h"
#include "fans/fan_id.h"
#include "hand/hand.h"
#include "hand/hand_structure.h"
#include "hand/waits.h"

#include <cstdint>

namespace fanwright {

// A hand has at most four set readings (one suit of 14 tiles splits at most four ways, and
// no two suits split more than one way each beside it), a few built on a knitted straight, and
// one whole-hand form.
inline constexpr int MaxReadings = 8;
inline constexpr int MaxChowPairs = 6;  // every two of four chows

// Why a fan whose rule holds is not counted.
enum class NotCountedReason : std::int32_t {
    Excluded = 1,      // a counted fan excludes it in the compatibility matrix
    WaitConflict = 2,  // another wait fan held too, and the wait fans cancel
    SeveralWaits = 3,  // the wait's shape is there, but the hand waits on more than one tile
    Pairing = 4,       // a pair of chows makes the fan, but the pairing of chows left it out
};

struct NotCountedFan {
    FanId fan = NoFan;
    NotCountedReason reason = NotCountedReason::Excluded;
    FanId excludedBy = NoFan;            // Excluded: the earliest counted fan that excludes it
    std::int32_t otherWaitFanCount = 0;  // WaitConflict: the other wait fans counted with it
    FanId otherWaitFans[2] = {};
};

// A pair of chows that makes a pairwise chow fan, and whether the pairing counted it.
struct ChowPairing {
    ChowPair pair;
    bool counted = false;
};

struct ReadingExplanation {
    HandForm form = NoForm;
    std::int32_t setCount = 0;
    SetKind setKinds[MaxSets] = {};
    TileId setTiles[MaxSets] = {};
    std::uint8_t setConcealed[MaxSets] = {};
    TileId pairTile = NoTile;
    std::int32_t winningSet = -1;  // the set the winning tile completed, -1 none
    std::int32_t fanCounts[FanCount] = {};
    std::int32_t total = 0;
    // In FanId order.
    std::int32_t notCountedCount = 0;
    NotCountedFan notCounted[FanCount] = {};
    // In the order of the chows' positions.
    std::int32_t chowPairingCount = 0;
    ChowPairing chowPairings[MaxChowPairs] = {};
    // The counted three-chow fan and its code (the position, 1-4, of the chow it left out),
    // NoFan and 0 when none counted.
    FanId threeChowFan = NoFan;
    std::int32_t threeChowCode = 0;
};

struct Explanation {
    Hand hand;                  // as given
    std::int32_t total = 0;     // what scoreHand gives: 0 when the hand has no reading
    WaitList waits;             // as scoreHand reports them: none when total is 0
    std::int32_t kept = -1;     // index of the best reading, the first on a tie; -1 none
    std::int32_t tiedWith = 0;  // how many other readings have the kept reading's total
    std::int32_t readingCount = 0;
    ReadingExplanation readings[MaxReadings];  // in the order the search finds them
};

// Every reading of the hand, explained.
Explanation explainHand(const Hand& hand);

// One reading of a hand scored as the driver scores it, with the fans whose rules hold in it
// but which it does not count, and why, and its chow pairs.
void explainReading(const HandStructure& reading, ReadingExplanation& into);

}  // namespace fanwright
