// Fans of how the hand was won and how it stands towards the table: flags, win source,
// concealment, winds and the kind of wait.
#include "fans/fan_rules.h"
#include "fans/rule_support.h"

namespace fanwright {

using namespace rules;

namespace {

bool isWholeHandForm(const HandStructure& s) { return s.form == SevenPairs || s.form == Special; }

std::int32_t pungOfWind(const HandStructure& s, TileId wind)
{
    return isWind(wind) ? s.pungCounts[wind] : 0;
}

// A concealed chow, or the chow the winning tile completed, with this middle tile. The wait
// rules only ask whether the winning tile can be read as that wait in this reading.
bool waitChowWithMiddle(const HandStructure& s, TileId middle)
{
    for (int i = 0; i < RegularSets; ++i) {
        if (s.setKinds[i] == Chow && s.setTiles[i] == middle &&
            (s.isConcealedSet(i) || s.winningSet == i))
            return true;
    }
    return false;
}

}  // namespace

std::int32_t lastTileDraw(const HandStructure& s)
{
    return s.lastTileInGame && s.winSource == SelfDrawn;
}

std::int32_t lastTileClaim(const HandStructure& s)
{
    return s.lastTileInGame && s.winSource == Discard;
}

std::int32_t outWithReplacementTile(const HandStructure& s) { return s.replacementTile != 0; }

std::int32_t robbingTheKong(const HandStructure& s) { return s.robbingTheKong != 0; }

// Every set melded and the discard completing the pair.
std::int32_t meldedHand(const HandStructure& s)
{
    const bool noneConcealed = countSets(s, isConcealed) == 0;
    return noneConcealed && s.winSource == Discard && s.winningSet == -1;
}

std::int32_t fullyConcealedHand(const HandStructure& s)
{
    if (s.winSource == Discard)
        return 0;
    return isWholeHandForm(s) || countSets(s, isConcealed) == 4;
}

std::int32_t lastTile(const HandStructure& s) { return s.lastTileOfKind != 0; }

std::int32_t prevalentWindFan(const HandStructure& s) { return pungOfWind(s, s.prevalentWind); }
std::int32_t seatWindFan(const HandStructure& s) { return pungOfWind(s, s.seatWind); }

// Concealed but for the set that the claimed discard completed.
std::int32_t concealedHand(const HandStructure& s)
{
    if (s.winSource == SelfDrawn)
        return 0;
    return isWholeHandForm(s) || countSets(s, [](const HandStructure& h, int i) {
                                     return h.isConcealedSet(i) || h.winningSet == i;
                                 }) == 4;
}

std::int32_t edgeWait(const HandStructure& s)
{
    if (s.waitCount != 1)
        return 0;
    const int rank = rankOf(s.winningTile);
    if (rank == 3)
        return waitChowWithMiddle(s, s.winningTile - 1);  // ends a 1-2-3
    if (rank == 7)
        return waitChowWithMiddle(s, s.winningTile + 1);  // begins a 7-8-9
    return 0;
}

std::int32_t closedWait(const HandStructure& s)
{
    return s.waitCount == 1 && isSimple(s.winningTile) && waitChowWithMiddle(s, s.winningTile);
}

std::int32_t singleWaiting(const HandStructure& s)
{
    return s.waitCount == 1 && s.winningTile == s.pairTile;
}

std::int32_t selfDrawn(const HandStructure& s) { return s.winSource == SelfDrawn; }

}  // namespace fanwright
