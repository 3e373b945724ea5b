#include "hand/readings.h"

#include "hand/decomposition.h"
#include "hand/shape_tables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

namespace fanwright {

namespace {

// A tile's suit, 3 for the honors: an index, where asking which would be a branch.
constexpr std::array<std::uint8_t, TileCodes> suitSlots = [] {
    std::array<std::uint8_t, TileCodes> slots{};
    for (TileId t = 0; t < TileCodes; ++t)
        slots[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(isSuited(t) ? suitOf(t) : 3);
    return slots;
}();

// A set while a reading is built, as one code: kind and tile in the high bits, so that codes
// sort as sets do, and below them whether the set is concealed and took the winning tile.
constexpr std::uint32_t ConcealedSet = 1, WinningSet = 2;

constexpr std::uint32_t setCode(SetKind kind, TileId tile, std::uint32_t flags)
{
    return static_cast<std::uint32_t>(kind) << 16 | static_cast<std::uint32_t>(tile) << 8 | flags;
}

// Each split of the table of suit shapes as a reading takes it in, built at the first use.
const SplitCodes* splitCodeTable()
{
    static const std::vector<SplitCodes> table = [] {
        std::vector<SplitCodes> codes(suitSplitCount());
        const SuitSplit* splits = suitSplits();
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const SuitSplit split = splits[i];
            SplitCodes& c = codes[i];
            c.count = static_cast<std::uint8_t>(split.setCount());
            // Last set first, so that the first set holding a rank is the one left.
            for (int k = split.setCount() - 1; k >= 0; --k) {
                const bool pung = split.isPung(k);
                const int rank = split.rankIndex(k) + 1;
                c.codes[k] = setCode(pung ? Pung : Chow, rank, ConcealedSet);
                for (int r = pung ? rank : rank - 1; r <= (pung ? rank : rank + 1); ++r) {
                    const auto at = static_cast<unsigned>(r - 1);
                    c.holders = (c.holders & ~(3u << 2 * at)) | static_cast<std::uint32_t>(k)
                                                                    << 2 * at;
                    c.holders |= 1u << (HeldRanksShift + at);
                }
            }
            c.pairRank = static_cast<std::uint8_t>(split.hasPair() ? split.pairRankIndex() + 1 : 0);
            c.last = split.isLast() ? 1 : 0;
        }
        return codes;
    }();
    return table.data();
}

// A suited tile's rank index 0..8; the honors read a group that holds no rank.
constexpr std::array<std::uint8_t, TileCodes> rankIndexes = [] {
    std::array<std::uint8_t, TileCodes> indexes{};
    for (TileId t = 0; t < TileCodes; ++t)
        indexes[static_cast<std::size_t>(t)] =
            static_cast<std::uint8_t>(isSuited(t) ? rankOf(t) - 1 : 0);
    return indexes;
}();

// A declared set's kind within a reading, and its flags: both kinds of kong are kongs there.
constexpr std::array<SetKind, LesserHonorsKnitted + 1> declaredKinds = [] {
    std::array<SetKind, LesserHonorsKnitted + 1> kinds{};
    for (int k = 0; k <= LesserHonorsKnitted; ++k)
        kinds[static_cast<std::size_t>(k)] = static_cast<SetKind>(k);
    kinds[MeldedKong] = kinds[ConcealedKong] = Kong;
    return kinds;
}();

constexpr std::array<std::uint32_t, LesserHonorsKnitted + 1> declaredFlags = [] {
    std::array<std::uint32_t, LesserHonorsKnitted + 1> flags{};
    flags[ConcealedKong] = ConcealedSet;
    return flags;
}();

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

// Two adjacent sets put in order, swapped only when the first sorts after the second; by a
// mask rather than a branch, as the order is a coin toss to the processor.
void orderAdjacent(std::uint32_t& a, std::uint32_t& b)
{
    const std::uint32_t swap = 0u - static_cast<std::uint32_t>((a >> 8) > (b >> 8));
    const std::uint32_t change = (a ^ b) & swap;
    a ^= change;
    b ^= change;
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

ReadingStream::ReadingStream() : splitCodes_(splitCodeTable()) {}

std::size_t ReadingStream::splitCodeBytes() { return suitSplitCount() * sizeof(SplitCodes); }

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
        first_[suit] = current_[suit] =
            shape.splits() ? splitCodes_ + shape.firstSplitIndex() : nullptr;
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
    countTiles(hand, held);
}

// The 14 tiles counted, by suit, and sorted, and the declared sets' codes: the concealed tiles
// are counted already, the declared sets add three each (a kong too). Sorting writes each kind
// four times, the next kind written over the copies it does not have.
void ReadingStream::countTiles(const Hand& hand, const HeldTiles& held)
{
    // Copies of fixed size, done in place rather than by a library call.
    static_assert(sizeof s_.tileCounts == sizeof held.counts);
    std::memcpy(s_.tileCounts, held.counts.data(), sizeof s_.tileCounts);
    int suits[4] = {held.suitSums[0], held.suitSums[1], held.suitSums[2], 0};  // 3: honors
    std::uint64_t declared = 0;
    // The declared sets' codes too, sorted by (kind, tile), equal sets in their declared order;
    // the slots past them sort last.
    std::fill(std::begin(declaredSets_), std::end(declaredSets_), ~std::uint32_t{0});
    declaredCount_ = hand.setCount;
    for (int i = 0; i < hand.setCount; ++i) {
        // A chow adds one copy of its tile and its neighbours, any other set three of its tile:
        // added without asking which, as the kinds come in no order the processor can learn.
        const TileId t = hand.setTiles[i];
        const auto kind = static_cast<std::size_t>(hand.setKinds[i]);
        declaredSets_[i] = setCode(declaredKinds[kind], t, declaredFlags[kind]);
        const int chow = hand.setKinds[i] == Chow ? 1 : 0;
        s_.tileCounts[t - chow] += chow;
        s_.tileCounts[t] += 3 - 2 * chow;
        s_.tileCounts[t + chow] += chow;
        declared |= (chow != 0 ? std::uint64_t{7} : std::uint64_t{2}) << (t - 1);
        suits[suitSlots[static_cast<std::size_t>(t)]] += 3;
    }
    if (declaredCount_ <= 4)
        sortFourSets(declaredSets_);
    else
        sortSets(declaredSets_, declaredCount_);
    s_.suitCounts[0] = suits[0];
    s_.suitCounts[1] = suits[1];
    s_.suitCounts[2] = suits[2];
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
    if (s_.form == Regular) {
        for (int i = 0; i < s_.setCount; ++i)
            --setCountsOf(s_.setKinds[i])[s_.setTiles[i]];
    }
    std::fill(std::begin(s_.kindCounts), std::end(s_.kindCounts), 0);
    s_.form = NoForm;
}

// The chow counts for a chow, the pung counts for the others: picked from a table by the kind,
// not branched on.
std::int32_t* ReadingStream::setCountsOf(SetKind kind)
{
    using Counts = std::int32_t(HandStructure::*)[TileCodes];
    static constexpr Counts counts[2] = {&HandStructure::pungCounts, &HandStructure::chowCounts};
    return s_.*counts[kind == Chow ? 1 : 0];
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
    std::uint32_t codes[GatheredSlots];
    const int n = gatherSets(codes);
    if (n == 4)
        sortFourSets(codes);
    else
        sortSets(codes, n);
    writeSets(codes, n);
    TileId pair = honorPair_;
    for (int suit = 0; suit < 3; ++suit) {
        const int rank = current_[suit]->pairRank;
        pair = rank != 0 ? suitedTile(suit, rank) : pair;
    }
    s_.pairTile = pair;
    s_.form = Regular;
    s_.remainingCount = 0;  // every tile goes into a set or the pair
}

// Each suit's split writes its four slots whole and keeps as many as it has sets, so that the
// number of sets, which no processor can guess, steers no branch. The first set holding the
// winning tile takes it: only a set of the tile's own suit can, or its honor pung.
int ReadingStream::gatherSets(std::uint32_t* codes) const
{
    std::memcpy(codes, declaredSets_, sizeof declaredSets_);
    int n = declaredCount_;
    int starts[4] = {};             // where each suit's sets begin
    std::uint32_t holders[4] = {};  // the honors hold no rank
    for (int suit = 0; suit < 3; ++suit) {
        const SplitCodes& split = *current_[suit];
        const auto firstTile = static_cast<std::uint32_t>(suitedTile(suit, 0)) << 8;
        for (int i = 0; i < 4; ++i)
            codes[n + i] = split.codes[i] + firstTile;
        starts[suit] = n;
        holders[suit] = split.holders;
        n += split.count;
    }
    const TileId w = s_.winningTile;
    const std::size_t group = suitSlots[static_cast<std::size_t>(w)];
    const unsigned at = rankIndexes[static_cast<std::size_t>(w)];
    const std::uint32_t held = holders[group] >> (HeldRanksShift + at) & 1;
    const int holder = starts[group] + static_cast<int>(holders[group] >> 2 * at & 3);
    // With the winning tile in the pair, the flag goes to a slot past every set: chosen by a
    // mask, as which one it is differs from hand to hand.
    const int mask = -static_cast<int>(held);
    int winning = (holder & mask) | ((GatheredSlots - 1) & ~mask);
    for (int h = 0; h < honorPungCount_; ++h) {
        winning = honorPungs_[h] == w ? n : winning;
        codes[n++] = setCode(Pung, honorPungs_[h], ConcealedSet);
    }
    codes[GatheredSlots - 1] = 0;
    const std::uint32_t winningFlags = WinningSet | (s_.winSource == SelfDrawn ? ConcealedSet : 0);
    codes[winning] = (codes[winning] & ~ConcealedSet) | winningFlags;
    return n;
}

// The sets and their counts, the previous reading's counts taken back first.
void ReadingStream::writeSets(const std::uint32_t* codes, int n)
{
    clearSetCounts();
    s_.setCount = n;
    unsigned winning = 1u << n;  // bit i: set i took the winning tile; bit n: none did
    for (int i = 0; i < n; ++i) {
        const auto kind = static_cast<SetKind>(codes[i] >> 16);
        const auto tile = static_cast<TileId>((codes[i] >> 8) & 0xFF);
        s_.setKinds[i] = kind;
        s_.setTiles[i] = tile;
        s_.setConcealed[i] = static_cast<std::uint8_t>(codes[i] & ConcealedSet);
        winning |= (codes[i] & WinningSet) != 0 ? 1u << i : 0u;
        ++s_.kindCounts[kind];
        ++setCountsOf(kind)[tile];
    }
    const int first = std::countr_zero(winning);
    const int none = -static_cast<int>(first >= n);  // all bits when no set took it
    s_.winningSet = (first & ~none) | none;
}

// The dots' splits turn fastest and the bamboo's slowest, as the search nests them.
void ReadingStream::advance()
{
    for (int suit = 2; suit >= 0; --suit) {
        if (current_[suit]->last == 0) {
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
