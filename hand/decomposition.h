// Every reading of a complete hand: four sets and a pair (knitted straights included), seven
// pairs, thirteen orphans and the two honors-and-knitted hands.
#pragma once

#include "hand/hand_structure.h"

#include <array>
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

// Thirteen orphans in the order the recogniser walks them, ending in 0.
inline constexpr std::array<TileId, 14> orphanList = {1,  9,  10, 18, 19, 27, 28,
                                                      29, 30, 31, 32, 33, 34, 0};

inline constexpr std::array<TileId, 7> honorList = {28, 29, 30, 31, 32, 33, 34};

// The six ways of giving the triples 1-4-7, 2-5-8 and 3-6-9 to the three suits, each row in
// ascending code order; positions 1, 4 and 7 hold the middle tiles of the knitted sets.
inline constexpr int KnittedRowCount = 6;
inline constexpr std::array<std::array<TileId, 9>, KnittedRowCount> knittedRows = {{
    {1, 4, 7, 11, 14, 17, 21, 24, 27},
    {1, 4, 7, 12, 15, 18, 20, 23, 26},
    {2, 5, 8, 10, 13, 16, 21, 24, 27},
    {2, 5, 8, 12, 15, 18, 19, 22, 25},
    {3, 6, 9, 10, 13, 16, 20, 23, 26},
    {3, 6, 9, 11, 14, 17, 19, 22, 25},
}};

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
