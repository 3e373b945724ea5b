// Small questions the fan rules ask of a reading. Sets are numbered from 0 here; chows come
// first in a reading, ascending by middle tile, pungs and kongs last.
#pragma once

#include "hand/hand_structure.h"

namespace fanwright::rules {

constexpr int RegularSets = 4;

inline int chowCount(const HandStructure& s) { return s.kindCounts[Chow]; }
inline int pungCount(const HandStructure& s) { return s.kindCounts[Pung] + s.kindCounts[Kong]; }

inline bool isPung(const HandStructure& s, int i)
{
    return s.setKinds[i] == Pung || s.setKinds[i] == Kong;
}

// Sets of the four that pass the test, which is asked (s, i) for set i.
template <typename Predicate>
int countSets(const HandStructure& s, Predicate passes)
{
    int n = 0;
    for (int i = 0; i < RegularSets; ++i)
        n += passes(s, i) ? 1 : 0;
    return n;
}

inline bool isConcealed(const HandStructure& s, int i) { return s.isConcealedSet(i); }

inline int pungsOf(const HandStructure& s, TileId first, TileId last)
{
    int n = 0;
    for (TileId t = first; t <= last; ++t)
        n += s.pungCounts[t];
    return n;
}

inline int windPungs(const HandStructure& s) { return pungsOf(s, East, North); }
inline int dragonPungs(const HandStructure& s) { return pungsOf(s, RedDragon, WhiteDragon); }

inline bool isSpecialKind(const HandStructure& s, SetKind kind)
{
    return s.form == Special && s.setKinds[0] == kind;
}

}  // namespace fanwright::rules
