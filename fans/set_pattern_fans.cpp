// Fans of the four sets and the pair of a regular reading.
#include "fans/fan_rules.h"
#include "fans/rule_support.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace fanwright {

using namespace rules;

namespace {

// ---- Three-chow fans -------------------------------------------------------------------
// Such a rule returns the position (1-4) of the chow its three chows leave out, so that the
// pairwise chow fans do not pair those three again; 0 when the fan is absent.

struct ChowTriple {
    int a, b, c;  // positions 0..3 of the chows tested, in set order
    int code;     // position 1..4 of the chow left out
};

constexpr std::array<ChowTriple, 4> chowTriples = {{
    {0, 1, 2, 4},  // tried with three chows or more
    {0, 1, 3, 3},  // the other three need four chows
    {0, 2, 3, 2},
    {1, 2, 3, 1},
}};

using TripleTest = bool (*)(TileId x, TileId y, TileId z);

std::int32_t firstTripleCode(const HandStructure& s, TripleTest passes, bool pureTriple = false)
{
    const int chows = chowCount(s);
    if (chows < 3)
        return 0;
    for (const ChowTriple& t : chowTriples) {
        if (t.code != 4 && chows < 4)
            break;
        // Equal chows sit next to each other, so the pure triple needs only the two runs.
        if (pureTriple && t.code != 4 && t.code != 1)
            continue;
        if (passes(s.setTiles[t.a], s.setTiles[t.b], s.setTiles[t.c]))
            return t.code;
    }
    return 0;
}

bool inThreeSuits(TileId x, TileId y, TileId z)
{
    return isSuited(x) && isSuited(y) && isSuited(z) && suitOf(x) != suitOf(y) &&
           suitOf(x) != suitOf(z) && suitOf(y) != suitOf(z);
}

// Three ranks that are consecutive in some order.
bool consecutiveRanks(int a, int b, int c)
{
    const int low = std::min({a, b, c}), high = std::max({a, b, c});
    return high - low == 2 && a != b && a != c && b != c;
}

bool sameChows(TileId x, TileId y, TileId z) { return x == y && y == z; }

bool pureStraightChows(TileId x, TileId y, TileId z)
{
    return suitOf(x) == suitOf(y) && suitOf(y) == suitOf(z) && rankOf(x) == 2 && rankOf(y) == 5 &&
           rankOf(z) == 8;
}

bool shiftedChows(TileId x, TileId y, TileId z)
{
    return (y == x + 1 && z == y + 1) || (y == x + 2 && z == y + 2);
}

bool mixedStraightChows(TileId x, TileId y, TileId z)
{
    const int ranks = (1 << rankOf(x)) | (1 << rankOf(y)) | (1 << rankOf(z));
    return inThreeSuits(x, y, z) && ranks == ((1 << 2) | (1 << 5) | (1 << 8));
}

bool mixedTripleChows(TileId x, TileId y, TileId z)
{
    return suitOf(x) == 0 && y == x + 9 && z == x + 18;
}

bool mixedShiftedChows(TileId x, TileId y, TileId z)
{
    return inThreeSuits(x, y, z) && consecutiveRanks(rankOf(x), rankOf(y), rankOf(z));
}

// ---- Pung triples ----------------------------------------------------------------------

using PungTripleTest = bool (*)(TileId x, TileId y, TileId z);

// Sets 2, 3 and 4 first; with four pungs then sets 1-2-3, 1-2-4 and 1-3-4.
bool anyPungTriple(const HandStructure& s, PungTripleTest passes)
{
    const int pungs = pungCount(s);
    if (pungs < 3)
        return false;
    const TileId* t = s.setTiles;
    if (passes(t[1], t[2], t[3]))
        return true;
    return pungs == 4 &&
           (passes(t[0], t[1], t[2]) || passes(t[0], t[1], t[3]) || passes(t[0], t[2], t[3]));
}

bool pureShiftedPungTiles(TileId x, TileId y, TileId z)
{
    return isSuited(x) && suitOf(y) == suitOf(x) && suitOf(z) == suitOf(x) &&
           consecutiveRanks(rankOf(x), rankOf(y), rankOf(z));
}

bool mixedShiftedPungTiles(TileId x, TileId y, TileId z)
{
    return inThreeSuits(x, y, z) && consecutiveRanks(rankOf(x), rankOf(y), rankOf(z));
}

bool isConcealedPung(const HandStructure& s, int i) { return isPung(s, i) && s.isConcealedSet(i); }

bool isMeldedKong(const HandStructure& s, int i)
{
    return s.setKinds[i] == Kong && !s.isConcealedSet(i);
}

bool isConcealedKong(const HandStructure& s, int i)
{
    return s.setKinds[i] == Kong && s.isConcealedSet(i);
}

// The pair is one of the honors first..last and each of the others is a pung or kong.
bool pairAndPungsOf(const HandStructure& s, TileId first, TileId last)
{
    if (s.pairTile < first || s.pairTile > last)
        return false;
    for (TileId t = first; t <= last; ++t) {
        if (t != s.pairTile && s.pungCounts[t] == 0)
            return false;
    }
    return true;
}

}  // namespace

std::int32_t pureTripleChow(const HandStructure& s) { return firstTripleCode(s, sameChows, true); }
std::int32_t pureStraight(const HandStructure& s) { return firstTripleCode(s, pureStraightChows); }
std::int32_t pureShiftedChows(const HandStructure& s) { return firstTripleCode(s, shiftedChows); }
std::int32_t mixedStraight(const HandStructure& s)
{
    return firstTripleCode(s, mixedStraightChows);
}
std::int32_t mixedTripleChow(const HandStructure& s)
{
    return firstTripleCode(s, mixedTripleChows);
}
std::int32_t mixedShiftedChowsFan(const HandStructure& s)
{
    return firstTripleCode(s, mixedShiftedChows);
}

std::int32_t bigFourWinds(const HandStructure& s)
{
    return s.pungCounts[East] && s.pungCounts[South] && s.pungCounts[West] && s.pungCounts[North];
}

std::int32_t bigThreeDragons(const HandStructure& s)
{
    return s.pungCounts[RedDragon] && s.pungCounts[GreenDragon] && s.pungCounts[WhiteDragon];
}

std::int32_t fourKongs(const HandStructure& s) { return s.kindCounts[Kong] == 4; }

std::int32_t littleFourWinds(const HandStructure& s) { return pairAndPungsOf(s, East, North); }

std::int32_t littleThreeDragons(const HandStructure& s)
{
    return pairAndPungsOf(s, RedDragon, WhiteDragon);
}

std::int32_t fourConcealedPungs(const HandStructure& s)
{
    return countSets(s, isConcealedPung) == 4;
}

std::int32_t pureTerminalChows(const HandStructure& s)
{
    if (chowCount(s) != 4)
        return 0;
    for (int suit = 0; suit < 3; ++suit) {
        if (s.chowCounts[suitedTile(suit, 2)] == 2 && s.chowCounts[suitedTile(suit, 8)] == 2 &&
            s.pairTile == suitedTile(suit, 5))
            return 1;
    }
    return 0;
}

std::int32_t quadrupleChow(const HandStructure& s)
{
    const TileId* t = s.setTiles;
    return chowCount(s) == 4 && t[0] == t[1] && t[1] == t[2] && t[2] == t[3];
}

// Sets 2-4 in the suit of set 1, and four consecutive tiles in whatever order they stand (a
// kong sorts after the pungs).
std::int32_t fourPureShiftedPungs(const HandStructure& s)
{
    if (pungCount(s) != 4 || !isSuited(s.setTiles[0]))
        return 0;
    std::array<TileId, 4> t = {s.setTiles[0], s.setTiles[1], s.setTiles[2], s.setTiles[3]};
    for (TileId tile : t) {
        if (suitOf(tile) != suitOf(t[0]))
            return 0;
    }
    std::sort(t.begin(), t.end());
    return t[1] == t[0] + 1 && t[2] == t[0] + 2 && t[3] == t[0] + 3;
}

std::int32_t fourPureShiftedChows(const HandStructure& s)
{
    if (chowCount(s) != 4)
        return 0;
    const TileId* t = s.setTiles;
    for (int step : {1, 2}) {
        if (t[1] == t[0] + step && t[2] == t[0] + 2 * step && t[3] == t[0] + 3 * step)
            return 1;
    }
    return 0;
}

std::int32_t threeKongs(const HandStructure& s) { return s.kindCounts[Kong] == 3; }

std::int32_t pureShiftedPungs(const HandStructure& s)
{
    return anyPungTriple(s, pureShiftedPungTiles);
}

// Bamboo and characters 1-2-3 and 7-8-9 chows of two suits, the pair the 5 of the third.
std::int32_t threeSuitedTerminalChows(const HandStructure& s)
{
    if (chowCount(s) != 4)
        return 0;
    for (int pairSuit = 0; pairSuit < 3; ++pairSuit) {
        const int a = pairSuit == 0 ? 1 : 0, b = pairSuit == 2 ? 1 : 2;
        const std::array<TileId, 4> chows = {suitedTile(a, 2), suitedTile(a, 8), suitedTile(b, 2),
                                             suitedTile(b, 8)};
        if (s.pairTile == suitedTile(pairSuit, 5) &&
            std::equal(chows.begin(), chows.end(), s.setTiles))
            return 1;
    }
    return 0;
}

// Ranks only: three pungs of one rank are necessarily of three suits. Honor pungs, of rank 0,
// never make it.
std::int32_t triplePung(const HandStructure& s)
{
    if (pungCount(s) < 3)
        return 0;
    const TileId* t = s.setTiles;
    const int r1 = rankOf(t[0]), r2 = rankOf(t[1]), r3 = rankOf(t[2]), r4 = rankOf(t[3]);
    if (isSuited(t[1]) && r2 == r3 && r3 == r4)
        return 1;
    return pungCount(s) == 4 && isSuited(t[0]) &&
           ((r1 == r2 && (r1 == r3 || r1 == r4)) || (r1 == r3 && r1 == r4));
}

std::int32_t threeConcealedPungs(const HandStructure& s)
{
    return countSets(s, isConcealedPung) == 3;
}

std::int32_t bigThreeWinds(const HandStructure& s) { return windPungs(s) == 3; }

std::int32_t mixedShiftedPungs(const HandStructure& s)
{
    return anyPungTriple(s, mixedShiftedPungTiles);
}

std::int32_t twoConcealedKongs(const HandStructure& s)
{
    return countSets(s, isConcealedKong) == 2;
}

std::int32_t allPungs(const HandStructure& s) { return isPung(s, 0); }

std::int32_t twoDragonPungs(const HandStructure& s) { return dragonPungs(s) == 2; }

std::int32_t outsideHand(const HandStructure& s)
{
    const int outside = countSets(s, [](const HandStructure& h, int i) {
        const TileId t = h.setTiles[i];
        return h.setKinds[i] == Chow ? rankOf(t) == 2 || rankOf(t) == 8 : isTerminalOrHonor(t);
    });
    return outside == 4 && isTerminalOrHonor(s.pairTile);
}

std::int32_t twoMeldedKongs(const HandStructure& s) { return s.kindCounts[Kong] == 2; }

std::int32_t dragonPung(const HandStructure& s) { return dragonPungs(s); }

std::int32_t allChows(const HandStructure& s) { return chowCount(s) == 4 && !isHonor(s.pairTile); }

// Pairs of a suited pung and a later set of the same rank; later sets after a pung are pungs.
std::int32_t doublePung(const HandStructure& s)
{
    int pairs = 0;
    for (int i = 0; i < RegularSets; ++i) {
        if (!isPung(s, i) || !isSuited(s.setTiles[i]))
            continue;
        for (int j = i + 1; j < RegularSets; ++j)
            pairs += rankOf(s.setTiles[j]) == rankOf(s.setTiles[i]) ? 1 : 0;
    }
    return pairs;
}

std::int32_t twoConcealedPungs(const HandStructure& s)
{
    return countSets(s, isConcealedPung) == 2;
}

std::int32_t concealedKong(const HandStructure& s) { return countSets(s, isConcealedKong) == 1; }

// Terminal pungs always; wind pungs unless they are the seat or prevalent wind (which score
// their own fans), and all of them when three or more winds are held. Never dragons.
std::int32_t pungOfTerminalsOrHonors(const HandStructure& s)
{
    // Bit t for each tile code t of the class: one test per pung.
    constexpr auto bitsOf = [](bool (*is)(TileId)) {
        std::uint64_t bits = 0;
        for (TileId t = 0; t < TileCodes; ++t)
            bits |= is(t) ? std::uint64_t{1} << t : 0;
        return bits;
    };
    constexpr std::uint64_t terminalBits = bitsOf(isTerminal), windBits = bitsOf(isWind);
    int terminals = 0, winds = 0, ownWinds = 0;
    for (int i = 0; i < RegularSets; ++i) {
        if (!isPung(s, i))
            continue;
        const TileId t = s.setTiles[i];
        terminals += static_cast<int>(terminalBits >> t & 1);
        if ((windBits >> t & 1) != 0) {
            ++winds;
            ownWinds += t == s.prevalentWind || t == s.seatWind ? 1 : 0;
        }
    }
    return winds >= 3 ? terminals : terminals + winds - ownWinds;
}

std::int32_t meldedKong(const HandStructure& s) { return countSets(s, isMeldedKong) == 1; }

}  // namespace fanwright
