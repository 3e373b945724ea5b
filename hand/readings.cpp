#include "hand/readings.h"

#include "hand/decomposition.h"
#include "hand/shape_tables.h"

#include <array>
#include <bit>
#include <cstring>
#include <utility>

namespace fanwright {

namespace {

constexpr std::uint64_t bitOf(TileId t) { return std::uint64_t{1} << t; }

constexpr std::array<std::uint64_t, KnittedRowCount> rowMasks = [] {
    std::array<std::uint64_t, KnittedRowCount> masks{};
    for (std::size_t r = 0; r < masks.size(); ++r) {
        for (TileId t : knittedRows[r])
            masks[r] |= bitOf(t);
    }
    return masks;
}();

// All nine tiles of a knitted row among the tiles: only the full search reads those.
bool holdsKnittedRow(std::uint64_t held)
{
    for (std::uint64_t row : rowMasks) {
        if ((held & row) == row)
            return true;
    }
    return false;
}

bool setSortsBefore(SetKind kindA, TileId tileA, SetKind kindB, TileId tileB)
{
    return kindA < kindB || (kindA == kindB && tileA < tileB);
}

}  // namespace

bool ReadingStream::start(const Hand& hand, int waitCount)
{
    // 1. The tiles left to split: the concealed ones and the winning tile.
    int counts[TileCodes] = {};
    std::uint64_t held = 0;
    bool fifthCopy = false;
    for (int i = 0; i <= hand.concealedCount; ++i) {
        const TileId t = i < hand.concealedCount ? hand.concealedTiles[i] : hand.winningTile;
        fifthCopy = ++counts[t] > 4 || fifthCopy;
        held |= bitOf(t);
    }
    if (fifthCopy || (hand.setCount <= 1 && holdsKnittedRow(held)))
        return false;

    // 2. Each suit must split, and exactly one group (a suit or the honors) hold the pair.
    int pairs = 0;
    bool splits = true;
    for (int suit = 0; suit < 3; ++suit) {
        const int* ranks = &counts[suitedTile(suit, 1)];
        const SuitShape shape = suitShapes()[heldSuitShapeIndex(ranks)];
        const int sum = ranks[0] + ranks[1] + ranks[2] + ranks[3] + ranks[4] + ranks[5] + ranks[6] +
                        ranks[7] + ranks[8];
        splits = splits && shape.splits();
        pairs += sum % 3 == 2 ? 1 : 0;
        first_[suit] = current_[suit] = shape.splits() ? shape.firstSplit() : nullptr;
    }
    for (TileId t = East; t <= WhiteDragon; ++t) {
        const int n = counts[t];
        splits = splits && (n == 0 || n == 2 || n == 3);
        pairs += n == 2 ? 1 : 0;
        honorCounts_[t - East] = static_cast<std::uint8_t>(n);
    }
    regularLeft_ = splits && pairs == 1;
    specialLeft_ = hand.setCount == 0;
    if (!regularLeft_ && !specialLeft_)
        return true;
    prepareStructure(hand, waitCount);
    return true;
}

// What every reading shares, as buildStructure and computeCounts would leave it.
void ReadingStream::prepareStructure(const Hand& hand, int waitCount)
{
    static_cast<Hand&>(s_) = hand;
    s_.form = NoForm;
    s_.pairTile = NoTile;
    s_.winningSet = -1;
    s_.waitCount = waitCount;
    s_.remainingCount = hand.concealedCount + 1;

    // Declared sets by (kind, tile), equal sets in their declared order.
    declaredCount_ = hand.setCount;
    for (int i = 0; i < hand.setCount; ++i) {
        const SetKind kind = hand.setKinds[i];
        declaredKinds_[i] = kind == MeldedKong || kind == ConcealedKong ? Kong : kind;
        declaredTiles_[i] = hand.setTiles[i];
        declaredConcealed_[i] = kind == ConcealedKong ? 1 : 0;
        for (int j = i; j > 0 && setSortsBefore(declaredKinds_[j], declaredTiles_[j],
                                                declaredKinds_[j - 1], declaredTiles_[j - 1]);
             --j) {
            std::swap(declaredKinds_[j], declaredKinds_[j - 1]);
            std::swap(declaredTiles_[j], declaredTiles_[j - 1]);
            std::swap(declaredConcealed_[j], declaredConcealed_[j - 1]);
        }
    }

    // The 14 tiles counted, by suit, and sorted.
    std::memset(s_.suitCounts, 0, sizeof s_.suitCounts);
    std::memset(s_.tileCounts, 0, sizeof s_.tileCounts);
    std::uint64_t all = 0;
    for (int i = 0; i < hand.tileCount; ++i) {
        ++s_.tileCounts[hand.tiles[i]];
        all |= bitOf(hand.tiles[i]);
    }
    int n = 0;
    for (; all != 0; all &= all - 1) {
        const TileId t = std::countr_zero(all);
        for (int k = 0; k < s_.tileCounts[t]; ++k)
            s_.tiles[n++] = t;
        if (isSuited(t))
            s_.suitCounts[suitOf(t)] += s_.tileCounts[t];
    }
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
    std::memcpy(s_.remainingTiles, s_.tiles, sizeof s_.tiles);  // nothing is declared here
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
