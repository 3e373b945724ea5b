#include "hand/readings.h"

#include "hand/decomposition.h"
#include "hand/shape_tables.h"

#include <algorithm>
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

// A set while a reading is built, as one code: kind and tile in the high bits, so that codes
// sort as sets do, and below them whether the set is concealed and took the winning tile.
constexpr std::uint32_t ConcealedSet = 1, WinningSet = 2;

constexpr std::uint32_t setCode(SetKind kind, TileId tile, std::uint32_t flags)
{
    return static_cast<std::uint32_t>(kind) << 16 | static_cast<std::uint32_t>(tile) << 8 | flags;
}

// Stable, as the search inserts a set after those equal to it.
void sortSets(std::uint32_t* codes, int n)
{
    for (int i = 1; i < n; ++i) {
        const std::uint32_t code = codes[i];
        int j = i;
        for (; j > 0 && (codes[j - 1] >> 8) > (code >> 8); --j)
            codes[j] = codes[j - 1];
        codes[j] = code;
    }
}

// Two adjacent sets put in order, swapped only when the first sorts after the second; chosen
// rather than branched on, as the order is a coin toss to the processor.
void orderAdjacent(std::uint32_t& a, std::uint32_t& b)
{
    const bool swap = (a >> 8) > (b >> 8);
    const std::uint32_t first = swap ? b : a, second = swap ? a : b;
    a = first;
    b = second;
}

// A regular reading's four sets, by the adjacent swaps of a bubble sort: stable, and without
// the data-dependent loop of an insertion sort.
void sortFourSets(std::uint32_t* codes)
{
    orderAdjacent(codes[0], codes[1]);
    orderAdjacent(codes[1], codes[2]);
    orderAdjacent(codes[2], codes[3]);
    orderAdjacent(codes[0], codes[1]);
    orderAdjacent(codes[1], codes[2]);
    orderAdjacent(codes[0], codes[1]);
}

}  // namespace

bool ReadingStream::start(const Hand& hand, int waitCount)
{
    HeldTiles held;
    held.countConcealed(hand);
    held.add(hand.winningTile);
    return start(hand, held, waitCount);
}

bool ReadingStream::start(const Hand& hand, const HeldTiles& held, int waitCount)
{
    // 1. Only the full search reads more than four copies, or a knitted row held whole.
    if (held.fifthCopy || (hand.setCount <= 1 && holdsKnittedRow(held.kinds)))
        return false;

    // 2. Each suit must split, and exactly one group (a suit or the honors) hold the pair.
    int pairs = 0;
    bool splits = true;
    for (int suit = 0; suit < 3; ++suit) {
        const SuitShape shape = held.shapes[suit];
        splits = splits && shape.splits();
        pairs += residueOf(held.suitSums[suit]) == 2 ? 1 : 0;
        first_[suit] = current_[suit] = shape.splits() ? shape.firstSplit() : nullptr;
    }
    honorPungCount_ = 0;
    honorPair_ = NoTile;
    for (std::uint64_t honors = held.kinds >> East; honors != 0; honors &= honors - 1) {
        const TileId t = East + std::countr_zero(honors);
        const int n = held.counts[static_cast<std::size_t>(t)];
        splits = splits && (n == 2 || n == 3);
        pairs += n == 2 ? 1 : 0;
        if (n == 2)
            honorPair_ = t;
        else if (n == 3 && honorPungCount_ < 4)
            honorPungs_[honorPungCount_++] = t;
    }
    regularLeft_ = splits && pairs == 1;
    specialLeft_ = hand.setCount == 0;
    if (!regularLeft_ && !specialLeft_)
        return true;
    prepareStructure(hand, held, waitCount);
    return true;
}

// What every reading shares, as buildStructure and computeCounts would leave it. The structure
// may hold an earlier hand: its counts are taken back and every field a reading reads written.
void ReadingStream::prepareStructure(const Hand& hand, const HeldTiles& held, int waitCount)
{
    clearSetCounts();
    static_cast<Hand&>(s_) = hand;
    s_.form = NoForm;
    s_.waitCount = waitCount;
    s_.remainingCount = hand.concealedCount + 1;
    sortDeclaredSets(hand);
    countTiles(hand, held);
}

// Declared sets by (kind, tile), equal sets in their declared order.
void ReadingStream::sortDeclaredSets(const Hand& hand)
{
    declaredCount_ = hand.setCount;
    for (int i = 0; i < hand.setCount; ++i) {
        const SetKind kind = hand.setKinds[i];
        const bool kong = kind == MeldedKong || kind == ConcealedKong;
        declaredSets_[i] =
            setCode(kong ? Kong : kind, hand.setTiles[i], kind == ConcealedKong ? ConcealedSet : 0);
    }
    sortSets(declaredSets_, declaredCount_);
}

// The 14 tiles counted, by suit, and sorted: the concealed ones are counted already, the
// declared sets add three each (a kong too). Sorting writes each kind four times, the next
// kind written over the copies it does not have.
void ReadingStream::countTiles(const Hand& hand, const HeldTiles& held)
{
    // Copies of fixed size, done in place rather than by a library call.
    static_assert(sizeof s_.tileCounts == sizeof held.counts);
    std::memcpy(s_.tileCounts, held.counts.data(), sizeof s_.tileCounts);
    s_.suitCounts[0] = held.suitSums[0];
    s_.suitCounts[1] = held.suitSums[1];
    s_.suitCounts[2] = held.suitSums[2];
    std::uint64_t declared = 0;
    for (int i = 0; i < hand.setCount; ++i) {
        const TileId t = hand.setTiles[i];
        if (hand.setKinds[i] == Chow) {
            ++s_.tileCounts[t - 1];
            ++s_.tileCounts[t];
            ++s_.tileCounts[t + 1];
            declared |= bitOf(t - 1) | bitOf(t) | bitOf(t + 1);
        } else {
            s_.tileCounts[t] += 3;
            declared |= bitOf(t);
        }
        if (isSuited(t))
            s_.suitCounts[suitOf(t)] += 3;
    }
    TileId sorted[MaxTiles + 3];
    int n = 0;
    bool four = false;
    for (std::uint64_t all = held.kinds | declared; all != 0; all &= all - 1) {
        const TileId t = std::countr_zero(all);
        sorted[n] = sorted[n + 1] = sorted[n + 2] = sorted[n + 3] = t;
        n += std::min(s_.tileCounts[t], 4);
        four |= s_.tileCounts[t] == 4;
    }
    fourOfAKind_ = four;
    std::memcpy(s_.tiles, sorted, sizeof s_.tiles);
    tileKinds_ = held.kinds | declared;
}

// The last regular reading's chow and pung counts taken back, the kind counts cleared. After
// a whole-hand reading they are all 0 already but the kind counts.
void ReadingStream::clearSetCounts()
{
    for (int i = 0; i < s_.setCount && s_.form == Regular; ++i)
        --(s_.setKinds[i] == Chow ? s_.chowCounts : s_.pungCounts)[s_.setTiles[i]];
    std::fill(std::begin(s_.kindCounts), std::end(s_.kindCounts), 0);
    s_.form = NoForm;
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

// Sets enter in the order the search forms them: the declared ones, then bamboo, characters,
// dots and the honors' pungs, each after the sets equal to it. The first set holding the
// winning tile's code takes it.
void ReadingStream::buildRegularReading()
{
    std::uint32_t codes[MaxSets];
    const int n = gatherSets(codes);
    if (n == 4)
        sortFourSets(codes);
    else
        sortSets(codes, n);
    writeSets(codes, n);
    s_.pairTile = honorPair_;
    for (int suit = 0; suit < 3; ++suit) {
        if (current_[suit]->hasPair())
            s_.pairTile = suitedTile(suit, current_[suit]->pairRankIndex() + 1);
    }
    s_.form = Regular;
    s_.remainingCount = 0;  // every tile goes into a set or the pair
}

int ReadingStream::gatherSets(std::uint32_t* codes) const
{
    std::memcpy(codes, declaredSets_, sizeof declaredSets_);
    int n = declaredCount_;
    bool winningPlaced = false;
    const auto place = [&](SetKind kind, TileId tile) {
        const TileId low = kind == Chow ? tile - 1 : tile, high = kind == Chow ? tile + 1 : tile;
        std::uint32_t flags = ConcealedSet;
        if (!winningPlaced && s_.winningTile >= low && s_.winningTile <= high) {
            winningPlaced = true;
            flags = WinningSet | (s_.winSource == SelfDrawn ? ConcealedSet : 0);
        }
        codes[n++] = setCode(kind, tile, flags);
    };
    for (int suit = 0; suit < 3; ++suit) {
        const SuitSplit split = *current_[suit];
        for (int i = 0; i < split.setCount(); ++i)
            place(split.isPung(i) ? Pung : Chow, suitedTile(suit, split.rankIndex(i) + 1));
    }
    for (int h = 0; h < honorPungCount_; ++h)
        place(Pung, honorPungs_[h]);
    return n;
}

// The sets and their counts, the previous reading's counts taken back first.
void ReadingStream::writeSets(const std::uint32_t* codes, int n)
{
    clearSetCounts();
    s_.setCount = n;
    s_.winningSet = -1;
    for (int i = 0; i < n; ++i) {
        const auto kind = static_cast<SetKind>(codes[i] >> 16);
        const auto tile = static_cast<TileId>((codes[i] >> 8) & 0xFF);
        s_.setKinds[i] = kind;
        s_.setTiles[i] = tile;
        s_.setConcealed[i] = static_cast<std::uint8_t>(codes[i] & ConcealedSet);
        if ((codes[i] & WinningSet) != 0)
            s_.winningSet = i;
        ++s_.kindCounts[kind];
        ++(kind == Chow ? s_.chowCounts : s_.pungCounts)[tile];
    }
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
    clearSetCounts();  // computeCounts counts afresh, but only when a form is found
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
