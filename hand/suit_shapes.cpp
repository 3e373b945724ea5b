#include "hand/suit_shapes.h"

#include <algorithm>
#include <array>
#include <vector>

namespace fanwright {

const SuitSplit* detail::tableSplits = nullptr;

namespace {

struct Table {
    std::vector<SuitShape> shapes;
    std::vector<SuitSplit> splits;  // entry 0 unused: a shape's split number 0 means none
};

// Sets by kind, then rank, the order in which a reading keeps its sets.
std::uint32_t sortedSets(const SuitSplit& split)
{
    std::uint32_t codes[4] = {};
    const int n = split.setCount();
    for (int i = 0; i < n; ++i)
        codes[i] = (split.isPung(i) ? SuitSplit::PungBit : 0) |
                   static_cast<std::uint32_t>(split.rankIndex(i));
    for (int i = 1; i < n; ++i) {  // at most four: an insertion sort
        for (int j = i; j > 0 && codes[j - 1] > codes[j]; --j)
            std::swap(codes[j - 1], codes[j]);
    }
    std::uint32_t key = static_cast<std::uint32_t>(split.pairRankIndex() + 1);
    for (int i = 0; i < n; ++i)
        key = key << 5 | codes[i];
    return key << 3 | static_cast<std::uint32_t>(n);
}

// The full search confined to one suit, each shape's splits found from those of the shapes
// left after its lowest tile starts a chow, makes the pair or makes a pung, in this order. The
// splits of what is left come in the order the search reaches them, so prefixing each keeps
// the order; each split is kept the first time it is reached. Shapes are derived fewest tiles
// first, so a shape left without splits does not split.
class SplitDeriver {
public:
    explicit SplitDeriver(Table& t) : t_(t) {}

    void derive(int* c)
    {
        int i = 0;
        while (i < 9 && c[i] == 0)
            ++i;
        const auto first = static_cast<std::uint32_t>(t_.splits.size());
        keyCount_ = 0;
        if (i == 9)
            t_.splits.emplace_back();
        else
            addFrom(c, i);
        t_.splits.back().markLast();
        SuitShape& shape = t_.shapes[static_cast<std::size_t>(heldSuitShapeIndex(c))];
        shape = SuitShape{shape.completions() | first << 9};
    }

private:
    void addFrom(int* c, int i)
    {
        if (i <= 6 && c[i + 1] > 0 && c[i + 2] > 0) {
            --c[i], --c[i + 1], --c[i + 2];
            for (std::uint32_t k = firstSplitOf(c); k != 0; k = nextOf(k))
                keep(withSetFirst(t_.splits[k], false, i + 1));
            ++c[i], ++c[i + 1], ++c[i + 2];
        }
        if (c[i] >= 2) {
            c[i] -= 2;
            for (std::uint32_t k = firstSplitOf(c); k != 0; k = nextOf(k)) {
                SuitSplit split = t_.splits[k];
                if (split.hasPair())
                    continue;
                split.setPair(i);
                keep(split);
            }
            c[i] += 2;
        }
        if (c[i] >= 3) {
            c[i] -= 3;
            for (std::uint32_t k = firstSplitOf(c); k != 0; k = nextOf(k))
                keep(withSetFirst(t_.splits[k], true, i));
            c[i] += 3;
        }
    }

    std::uint32_t firstSplitOf(const int* c) const
    {
        return t_.shapes[static_cast<std::size_t>(heldSuitShapeIndex(c))].bits() >> 9;
    }

    std::uint32_t nextOf(std::uint32_t k) const { return t_.splits[k].isLast() ? 0 : k + 1; }

    // A split with one more set formed before its own.
    static SuitSplit withSetFirst(const SuitSplit& split, bool pung, int rankIndex)
    {
        const std::uint32_t sets = split.bits() & 0xFFFFF, pair = split.bits() & (15u << 23);
        const std::uint32_t code =
            (pung ? SuitSplit::PungBit : 0) | static_cast<std::uint32_t>(rankIndex);
        return SuitSplit{sets << 5 | code | static_cast<std::uint32_t>(split.setCount() + 1) << 20 |
                         pair};
    }

    void keep(const SuitSplit& split)
    {
        const std::uint32_t key = sortedSets(split);
        for (int k = 0; k < keyCount_; ++k) {
            if (keys_[k] == key)
                return;
        }
        if (keyCount_ < MaxSplits)
            keys_[keyCount_++] = key;
        t_.splits.push_back(split);
    }

    static constexpr int MaxSplits = 64;  // far more than any suit has
    Table& t_;
    std::uint32_t keys_[MaxSplits];
    int keyCount_ = 0;
};

// The three tiles of each set a suit can hold: chows by their lowest rank index 0..6, then pungs
// of rank index 0..8.
constexpr int SetShapes = 16;

void addSetShape(int* counts, int shape, int delta)
{
    if (shape < 7) {
        for (int i = shape; i < shape + 3; ++i)
            counts[i] += delta;
    } else {
        counts[shape - 7] += 3 * delta;
    }
}

class TableBuilder {
public:
    explicit TableBuilder(Table& t) : t_(t), met_(SuitShapeCount, 0) {}

    // Every multiset of up to four sets, with and without each pair, is a shape that splits.
    // Their splits follow, fewest tiles first.
    void run()
    {
        addSets(0, 0);
        SplitDeriver splits(t_);
        for (const auto& shapes : byTiles_) {
            for (const auto& shape : shapes) {
                std::copy(shape.begin(), shape.end(), c_);
                splits.derive(c_);
            }
        }
    }

private:
    void addSets(int from, int depth)
    {
        withEachPair();
        if (depth == 4)
            return;
        for (int shape = from; shape < SetShapes; ++shape) {
            addSetShape(c_, shape, 1);
            addSets(shape, depth + 1);
            addSetShape(c_, shape, -1);
        }
    }

    void withEachPair()
    {
        visit();
        for (int i = 0; i < 9; ++i) {
            c_[i] += 2;
            visit();
            c_[i] -= 2;
        }
    }

    // A shape that splits: its splits, once, and its completions from every shape one tile short.
    // A fifth copy may complete a shape, so shapes holding five of a rank count here too.
    void visit()
    {
        int sum = 0, fives = 0;
        for (int n : c_) {
            sum += n;
            fives += n == 5 ? 1 : 0;
            if (n > 5)
                return;
        }
        if (sum > SuitTileLimit || fives > 1)
            return;
        if (fives == 0) {
            std::uint8_t& met = met_[static_cast<std::size_t>(heldSuitShapeIndex(c_))];
            if (met != 0)
                return;  // met before, through another multiset of sets
            met = 1;
            std::array<std::int8_t, 9> shape;
            std::copy(c_, c_ + 9, shape.begin());
            byTiles_[static_cast<std::size_t>(sum)].push_back(shape);
        }
        markCompletions(fives);
    }

    // Numbers every shape one tile short from the halves heldSuitShapeIndex reads: a tile less
    // at rank i takes 5^i off its half's key, and one below rank 6 leaves the ranks above one
    // tile more. A count of 5 is only ever the one taken from.
    void markCompletions(int fives)
    {
        const auto& terms = detail::halfShapeTerms;
        int low = 0, high = 0, lowTiles = 0;
        for (int i = 4; i >= 0; --i) {
            low = 5 * low + c_[i];
            lowTiles += c_[i];
        }
        for (int i = 8; i >= 5; --i)
            high = 5 * high + c_[i];
        const int left = SuitTileLimit - lowTiles;
        for (int i = 0, power = 1; i < 9; ++i, power = i == 5 ? 1 : 5 * power) {
            if (c_[i] == 0 || (fives > 0 && c_[i] != 5))
                continue;
            const int shorter =
                i < 5 ? terms.low[at(low - power)] + terms.high[at(left + 1)][at(high)]
                      : terms.low[at(low)] + terms.high[at(left)][at(high - power)];
            SuitShape& shape = t_.shapes[at(shorter)];
            shape = SuitShape{shape.bits() | std::uint32_t{1} << i};
        }
    }

    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    Table& t_;
    std::vector<std::uint8_t> met_;
    std::vector<std::array<std::int8_t, 9>> byTiles_[SuitTileLimit + 1];  // shapes that split
    int c_[9] = {};
};

Table buildTable()
{
    Table t;
    t.shapes.resize(SuitShapeCount);
    t.splits.reserve(40000);
    t.splits.emplace_back();
    TableBuilder(t).run();
    t.splits.shrink_to_fit();
    return t;
}

const Table& table()
{
    static const Table t = [] {
        Table built = buildTable();
        detail::tableSplits = built.splits.data();
        return built;
    }();
    return t;
}

}  // namespace

void SuitSplit::addSet(bool pung, int rankIndex)
{
    const int n = setCount();
    const std::uint32_t code = (pung ? PungBit : 0) | static_cast<std::uint32_t>(rankIndex);
    bits_ = (bits_ & ~(std::uint32_t{7} << 20)) | code << (5 * n) |
            static_cast<std::uint32_t>(n + 1) << 20;
}

void SuitSplit::setPair(int rankIndex)
{
    bits_ = (bits_ & ~(std::uint32_t{15} << 23)) | static_cast<std::uint32_t>(rankIndex + 1) << 23;
}

const SuitShape* suitShapes() { return table().shapes.data(); }

const SuitSplit* suitSplits() { return table().splits.data(); }

std::size_t suitSplitCount() { return table().splits.size(); }

std::size_t suitShapeTableBytes()
{
    return table().shapes.size() * sizeof(SuitShape) + table().splits.size() * sizeof(SuitSplit);
}

}  // namespace fanwright
