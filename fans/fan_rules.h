// The rule of every fan, one function each, entered in the fan table. Each reads one reading
// and returns 0 when the fan is absent, else its number of occurrences, or for a three-chow
// fan the position (1-4) of the chow its three chows leave out.
#pragma once

#include "hand/hand_structure.h"

#include <cstdint>

namespace fanwright {

// Chicken Hand, the pairwise chow fans and Flower Tiles are set by the driver.
std::int32_t noRule(const HandStructure& s);

// The hand as a whole: its tiles, its form, its suits. Most of these fans ask only that all
// 14 tiles belong to one class (All Green, All Terminals, Upper Tiles, All Simples, ...).
template <bool (*Is)(TileId)>
std::int32_t everyTileIs(const HandStructure& s)
{
    // The class as bit t for each tile code t: one test per tile.
    constexpr std::uint64_t members = [] {
        std::uint64_t bits = 0;
        for (TileId t = 0; t < TileCodes; ++t)
            bits |= Is(t) ? std::uint64_t{1} << t : 0;
        return bits;
    }();
    for (int i = 0; i < s.tileCount; ++i) {
        if ((members >> s.tiles[i] & 1) == 0)
            return 0;
    }
    return 1;
}

std::int32_t nineGates(const HandStructure& s);
std::int32_t sevenShiftedPairs(const HandStructure& s);
std::int32_t thirteenOrphans(const HandStructure& s);
std::int32_t allHonors(const HandStructure& s);
std::int32_t allTerminalsAndHonors(const HandStructure& s);
std::int32_t sevenPairs(const HandStructure& s);
std::int32_t greaterHonorsKnitted(const HandStructure& s);
std::int32_t allEvenPungs(const HandStructure& s);
std::int32_t fullFlush(const HandStructure& s);
std::int32_t allFives(const HandStructure& s);
std::int32_t lesserHonorsKnitted(const HandStructure& s);
std::int32_t knittedStraight(const HandStructure& s);
std::int32_t halfFlush(const HandStructure& s);
std::int32_t allTypes(const HandStructure& s);
std::int32_t tileHog(const HandStructure& s);
std::int32_t oneVoidedSuit(const HandStructure& s);
std::int32_t noHonors(const HandStructure& s);

// The four sets and the pair of a regular reading.
std::int32_t bigFourWinds(const HandStructure& s);
std::int32_t bigThreeDragons(const HandStructure& s);
std::int32_t fourKongs(const HandStructure& s);
std::int32_t littleFourWinds(const HandStructure& s);
std::int32_t littleThreeDragons(const HandStructure& s);
std::int32_t fourConcealedPungs(const HandStructure& s);
std::int32_t pureTerminalChows(const HandStructure& s);
std::int32_t quadrupleChow(const HandStructure& s);
std::int32_t fourPureShiftedPungs(const HandStructure& s);
std::int32_t fourPureShiftedChows(const HandStructure& s);
std::int32_t threeKongs(const HandStructure& s);
std::int32_t pureTripleChow(const HandStructure& s);
std::int32_t pureShiftedPungs(const HandStructure& s);
std::int32_t pureStraight(const HandStructure& s);
std::int32_t threeSuitedTerminalChows(const HandStructure& s);
std::int32_t pureShiftedChows(const HandStructure& s);
std::int32_t triplePung(const HandStructure& s);
std::int32_t threeConcealedPungs(const HandStructure& s);
std::int32_t bigThreeWinds(const HandStructure& s);
std::int32_t mixedStraight(const HandStructure& s);
std::int32_t mixedTripleChow(const HandStructure& s);
std::int32_t mixedShiftedPungs(const HandStructure& s);
std::int32_t twoConcealedKongs(const HandStructure& s);
std::int32_t allPungs(const HandStructure& s);
std::int32_t mixedShiftedChowsFan(const HandStructure& s);
std::int32_t twoDragonPungs(const HandStructure& s);
std::int32_t outsideHand(const HandStructure& s);
std::int32_t twoMeldedKongs(const HandStructure& s);
std::int32_t dragonPung(const HandStructure& s);
std::int32_t allChows(const HandStructure& s);
std::int32_t doublePung(const HandStructure& s);
std::int32_t twoConcealedPungs(const HandStructure& s);
std::int32_t concealedKong(const HandStructure& s);
std::int32_t pungOfTerminalsOrHonors(const HandStructure& s);
std::int32_t meldedKong(const HandStructure& s);

// How the hand was won and how it stands towards the table.
std::int32_t lastTileDraw(const HandStructure& s);
std::int32_t lastTileClaim(const HandStructure& s);
std::int32_t outWithReplacementTile(const HandStructure& s);
std::int32_t robbingTheKong(const HandStructure& s);
std::int32_t meldedHand(const HandStructure& s);
std::int32_t fullyConcealedHand(const HandStructure& s);
std::int32_t lastTile(const HandStructure& s);
std::int32_t prevalentWindFan(const HandStructure& s);
std::int32_t seatWindFan(const HandStructure& s);
std::int32_t concealedHand(const HandStructure& s);
std::int32_t edgeWait(const HandStructure& s);
std::int32_t closedWait(const HandStructure& s);
std::int32_t singleWaiting(const HandStructure& s);
std::int32_t selfDrawn(const HandStructure& s);

}  // namespace fanwright
