#include "hand/readings.h"

#include "hand/decomposition.h"
#include "hand/shape_tables.h"

#include <cstring>

namespace fanwright {

namespace {

// All nine tiles of a knitted row among the tiles: only the full search reads those.
bool holdsKnittedRow(const int* counts)
{
    for (const auto& row : knittedRows) {
        bool all = true;
        for (TileId t : row)
            all = all && counts[t] > 0;
        if (all)
            return true;
    }
    return false;
}

}  // namespace

bool ReadingStream::start(const Hand& hand, int waitCount)
{
    s_.buildStructure(hand, waitCount);
    int counts[TileCodes] = {};
    for (int i = 0; i < s_.remainingCount; ++i)
        ++counts[s_.remainingTiles[i]];
    if (s_.setCount <= 1 && holdsKnittedRow(counts))
        return false;

    // 1. Each suit must split, and exactly one group (a suit or the honors) hold the pair.
    int pairs = 0;
    bool splits = true;
    for (int suit = 0; suit < 3; ++suit) {
        const int* ranks = &counts[suitedTile(suit, 1)];
        const int index = suitShapeIndex(ranks);
        if (index < 0)
            return false;  // a fifth copy
        const SuitShape shape = suitShapes()[index];
        int sum = 0;
        for (int i = 0; i < 9; ++i)
            sum += ranks[i];
        splits = splits && shape.splits();
        pairs += sum % 3 == 2 ? 1 : 0;
        first_[suit] = current_[suit] = shape.splits() ? shape.firstSplit() : nullptr;
    }
    for (TileId t = East; t <= WhiteDragon; ++t) {
        const int n = counts[t];
        if (n > 4)
            return false;
        splits = splits && (n == 0 || n == 2 || n == 3);
        pairs += n == 2 ? 1 : 0;
        honorCounts_[t - East] = static_cast<std::uint8_t>(n);
    }
    regularLeft_ = splits && pairs == 1;
    specialLeft_ = s_.setCount == 0;

    // 2. What every reading shares: the declared sets, and the counters of the 14 tiles.
    declaredCount_ = s_.setCount;
    for (int i = 0; i < s_.setCount; ++i) {
        declaredKinds_[i] = s_.setKinds[i];
        declaredTiles_[i] = s_.setTiles[i];
        declaredConcealed_[i] = s_.setConcealed[i];
    }
    s_.computeCounts();
    return true;
}

bool ReadingStream::next()
{
    if (regularLeft_) {
        buildRegularReading();
        advance();
        return true;
    }
    if (specialLeft_) {
        specialLeft_ = false;
        return findSpecialReading();
    }
    return false;
}

// Sets enter in the order the search forms them: bamboo, characters, dots, then the honors'
// pungs. The first set holding the winning tile's code takes it.
void ReadingStream::buildRegularReading()
{
    s_.setCount = declaredCount_;
    std::memcpy(s_.setKinds, declaredKinds_, sizeof declaredKinds_);
    std::memcpy(s_.setTiles, declaredTiles_, sizeof declaredTiles_);
    std::memcpy(s_.setConcealed, declaredConcealed_, sizeof declaredConcealed_);
    s_.winningSet = -1;
    s_.pairTile = NoTile;
    s_.remainingCount = 0;  // every tile goes into a set or the pair
    for (int suit = 0; suit < 3; ++suit) {
        const SuitSplit split = *current_[suit];
        for (int i = 0; i < split.setCount(); ++i)
            placeSet(split.isPung(i) ? Pung : Chow, suitedTile(suit, split.rankIndex(i) + 1));
        if (split.hasPair())
            s_.pairTile = suitedTile(suit, split.pairRankIndex() + 1);
    }
    for (int h = 0; h < 7; ++h) {
        if (honorCounts_[h] == 3)
            placeSet(Pung, East + h);
        else if (honorCounts_[h] == 2)
            s_.pairTile = East + h;
    }
    s_.form = Regular;

    std::memset(s_.kindCounts, 0, sizeof s_.kindCounts);
    std::memset(s_.chowCounts, 0, sizeof s_.chowCounts);
    std::memset(s_.pungCounts, 0, sizeof s_.pungCounts);
    for (int i = 0; i < s_.setCount; ++i) {
        ++s_.kindCounts[s_.setKinds[i]];
        if (s_.setKinds[i] == Chow)
            ++s_.chowCounts[s_.setTiles[i]];
        else
            ++s_.pungCounts[s_.setTiles[i]];
    }
}

void ReadingStream::placeSet(SetKind kind, TileId tile)
{
    const TileId low = kind == Chow ? tile - 1 : tile, high = kind == Chow ? tile + 1 : tile;
    if (s_.winningSet == -1 && s_.winningTile >= low && s_.winningTile <= high)
        s_.setWinningSet(s_.insertSet(kind, tile, s_.winSource == SelfDrawn));
    else
        s_.insertSet(kind, tile, true);
}

// The dots' splits turn fastest and the bamboo's slowest, as the search nests them.
void ReadingStream::advance()
{
    for (int suit = 2; suit >= 0; --suit) {
        if (!current_[suit]->isLast()) {
            ++current_[suit];
            return;
        }
        current_[suit] = first_[suit];
    }
    regularLeft_ = false;
}

// Tried last, on all 14 tiles, in the search's order; at most one of them can hold.
bool ReadingStream::findSpecialReading()
{
    s_.setCount = 0;
    s_.pairTile = NoTile;
    s_.winningSet = -1;
    if (!isThirteenOrphans(s_) && !isGreaterHonorsKnitted(s_) && !isLesserHonorsKnitted(s_) &&
        !isSevenPairs(s_))
        return false;
    s_.remainingCount = MaxTiles;
    s_.computeCounts();
    return true;
}

}  // namespace fanwright
