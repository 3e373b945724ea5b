// Every reading of a complete hand: four sets and a pair (knitted straights included), seven
// pairs, thirteen orphans and the two honors-and-knitted hands.
#pragma once

#include "hand/hand_structure.h"

#include <cstdint>
#include <vector>

namespace fanwright {

// The distinct readings of one hand, in the order the search found them; that order decides
// ties between readings of equal value.
class StructureList {
public:
    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    const HandStructure& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
    void add(const HandStructure& s) { items_.push_back(s); }
    void release() { items_.clear(); }  // keeps the storage for the next hand
    void reserve(int n) { items_.reserve(static_cast<std::size_t>(n)); }

private:
    std::vector<HandStructure> items_;
};

// Appends to the list every distinct reading of a structure prepared by buildStructure. Leaves
// the structure as it found it, except after a special form (the caller then discards it).
void decompose(StructureList& list, HandStructure& s);

// Appends a copy of s unless the list already holds the same reading.
void addUnique(StructureList& list, const HandStructure& s);

// Walks the pattern, counting list entries met in order; with both ascending, a result of
// listLength means the first listLength list entries are distinct and all in the pattern.
int countInOrder(const TileId* pattern, int patternLength, const TileId* list, int listLength);

bool isThirteenOrphans(HandStructure& s);
bool isGreaterHonorsKnitted(HandStructure& s);
bool isLesserHonorsKnitted(HandStructure& s);
bool isSevenPairs(HandStructure& s);

}  // namespace fanwright
