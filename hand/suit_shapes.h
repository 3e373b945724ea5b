// One suit of a hand as nine counts, rank 1 first: whether it splits into sets (and the pair),
// every way it splits, and which added tile of the suit would make it split. Looked up in a
// table built once, at first use, instead of searched tile by tile.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace fanwright {

// Shapes with every count 0..4 and at most 14 tiles, numbered densely in lexicographic order.
inline constexpr int SuitShapeCount = 405350;
inline constexpr int SuitTileLimit = 14;

namespace detail {

using std::size_t;

// Shapes of k counts 0..4 holding at most m tiles, for k = 0..9 and m = 0..14: counted by
// adding one rank at a time, so that the table costs a few hundred steps to build.
struct ShapesWithin {
    std::array<std::array<std::int32_t, SuitTileLimit + 1>, 10> of{};

    constexpr int operator()(int k, int m) const
    {
        return m < 0 ? 0 : of[static_cast<size_t>(k)][static_cast<size_t>(m)];
    }
};

constexpr ShapesWithin makeShapesWithin()
{
    ShapesWithin t;
    t.of[0].fill(1);
    for (size_t k = 1; k <= 9; ++k) {
        for (size_t m = 0; m <= SuitTileLimit; ++m) {
            for (size_t v = 0; v <= 4 && v <= m; ++v)
                t.of[k][m] += t.of[k - 1][m - v];
        }
    }
    return t;
}

inline constexpr ShapesWithin shapesWithin = makeShapesWithin();

// Shapes sorting before those whose count at rank index i is v, given the same counts below i
// and m tiles left for ranks i..8.
struct ShapeOffsets {
    std::array<std::array<std::array<std::int32_t, 5>, SuitTileLimit + 1>, 9> at{};

    constexpr int operator()(int i, int m, int v) const
    {
        return at[static_cast<size_t>(i)][static_cast<size_t>(m)][static_cast<size_t>(v)];
    }
};

constexpr ShapeOffsets makeShapeOffsets()
{
    ShapeOffsets o;
    for (size_t i = 0; i < 9; ++i) {
        for (size_t m = 0; m <= SuitTileLimit; ++m) {
            int sum = 0;
            for (size_t v = 0; v < 5; ++v) {
                o.at[i][m][v] = sum;
                sum += shapesWithin(static_cast<int>(8 - i),
                                    static_cast<int>(m) - static_cast<int>(v));
            }
        }
    }
    return o;
}

inline constexpr ShapeOffsets shapeOffsets = makeShapeOffsets();
static_assert(shapesWithin(9, SuitTileLimit) == SuitShapeCount);

// The number split in two lookups: ranks 1-5 by their counts in base 5, ranks 6-9 by theirs
// and by the tiles ranks 1-5 leave.
// The high terms are kept in one run, so that a row of them and a key make one index.
struct HighShapeTerms {
    std::array<std::int32_t, (SuitTileLimit + 1) * 625> flat{};

    constexpr std::int32_t* operator[](size_t left) { return flat.data() + 625 * left; }
    constexpr const std::int32_t* operator[](size_t left) const { return flat.data() + 625 * left; }
};

struct HalfShapeTerms {
    std::array<std::int32_t, 3125> low{};
    HighShapeTerms high;  // by tiles left for ranks 6-9, then key
};

// The offsets of ranks first..first+count-1 whose counts are the base-5 digits of key, with
// `left` tiles allowed.
constexpr int offsetsOfDigits(int first, int count, int key, int left)
{
    int sum = 0;
    for (int i = first; i < first + count; ++i, key /= 5) {
        const int n = key % 5;
        sum += n <= left ? shapeOffsets(i, left, n) : 0;
        left = left > n ? left - n : 0;
    }
    return sum;
}

constexpr HalfShapeTerms makeHalfShapeTerms()
{
    HalfShapeTerms t;
    for (size_t key = 0; key < 3125; ++key)
        t.low[key] = offsetsOfDigits(0, 5, static_cast<int>(key), SuitTileLimit);
    for (size_t start = 0; start <= SuitTileLimit; ++start) {
        for (size_t key = 0; key < 625; ++key)
            t.high[start][key] =
                offsetsOfDigits(5, 4, static_cast<int>(key), static_cast<int>(start));
    }
    return t;
}

// Built when the program starts rather than by the compiler: its tens of thousands of steps
// pass some compilers' limits for constant evaluation. A plain constant keeps lookups unguarded.
inline const HalfShapeTerms halfShapeTerms = makeHalfShapeTerms();

}  // namespace detail

// Number of the shape, or -1 when a count exceeds 4 or the suit holds more than 14 tiles.
inline int suitShapeIndex(const int* ranks)
{
    int index = 0, left = SuitTileLimit;
    for (int i = 0; i < 9; ++i) {
        const int n = ranks[i];
        if (n > 4 || n > left)
            return -1;
        index += detail::shapeOffsets(i, left, n);
        left -= n;
    }
    return index;
}

// The same for a shape known to be numbered, from its halves: ranks 1-5 and 6-9 each read as
// a number in base 5, rank 1 lowest, and the tiles of ranks 1-5.
inline int heldSuitShapeIndex(unsigned lowKey, unsigned highKey, unsigned lowTiles)
{
    return detail::halfShapeTerms.low[lowKey] +
           detail::halfShapeTerms.high[SuitTileLimit - lowTiles][highKey];
}

// The same from ranks 1-5's key and the index of ranks 6-9's terms: the tiles left for them
// times 625, plus their key.
inline int heldSuitShapeIndexByRow(unsigned lowKey, unsigned highRow)
{
    return detail::halfShapeTerms.low[lowKey] + detail::halfShapeTerms.high.flat[highRow];
}

// The same from its nine counts: no count above 4, at most 14 tiles.
inline int heldSuitShapeIndex(const int* r)
{
    const int low = r[0] + 5 * (r[1] + 5 * (r[2] + 5 * (r[3] + 5 * r[4])));
    const int high = r[5] + 5 * (r[6] + 5 * (r[7] + 5 * r[8]));
    const int lowTiles = r[0] + r[1] + r[2] + r[3] + r[4];
    return heldSuitShapeIndex(static_cast<unsigned>(low), static_cast<unsigned>(high),
                              static_cast<unsigned>(lowTiles));
}

// One way a suit splits, its sets in the order the full search forms them. Five bits per set:
// the rank index 0..8 (a chow's middle rank) and 16 for a pung.
class SuitSplit {
public:
    static constexpr std::uint32_t PungBit = 16;

    constexpr SuitSplit() = default;
    constexpr explicit SuitSplit(std::uint32_t bits) : bits_(bits) {}

    int setCount() const { return static_cast<int>((bits_ >> 20) & 7); }
    bool isPung(int i) const { return (set(i) & PungBit) != 0; }
    int rankIndex(int i) const { return static_cast<int>(set(i) & 15); }
    bool hasPair() const { return ((bits_ >> 23) & 15) != 0; }
    int pairRankIndex() const { return static_cast<int>((bits_ >> 23) & 15) - 1; }
    bool isLast() const { return (bits_ >> 31) != 0; }
    std::uint32_t bits() const { return bits_; }
    // The sets' five-bit fields, set 0 lowest; the fields past setCount() are 0.
    std::uint32_t setFields() const { return bits_ & 0xFFFFF; }

    void addSet(bool pung, int rankIndex);
    void setPair(int rankIndex);
    void markLast() { bits_ |= std::uint32_t{1} << 31; }

private:
    std::uint32_t set(int i) const { return (bits_ >> (5 * i)) & 31; }
    std::uint32_t bits_ = 0;
};

// What the table knows of one shape.
class SuitShape {
public:
    constexpr SuitShape() = default;
    constexpr explicit SuitShape(std::uint32_t bits) : bits_(bits) {}

    // The shape splits into sets, with the pair when it holds 2 tiles modulo 3.
    bool splits() const { return (bits_ >> 9) != 0; }
    // Bit i: adding a tile of rank index i makes the shape split (sets, or sets and the pair,
    // by its new count modulo 3). A fifth copy counts too.
    std::uint32_t completions() const { return bits_ & 0x1FF; }
    // The splits in the order the full search finds them, the last one marked.
    const SuitSplit* firstSplit() const;
    // Where they start among all the table's splits (suitSplits()).
    std::size_t firstSplitIndex() const { return bits_ >> 9; }

    std::uint32_t bits() const { return bits_; }

private:
    std::uint32_t bits_ = 0;
};

// The table, built at the first call: 4 bytes per shape and 4 per split.
const SuitShape* suitShapes();

namespace detail {
// The splits of the table, set as it is built: a shape that splits comes from the table, so
// reading its splits needs no call that checks the table is there.
extern const SuitSplit* tableSplits;
}  // namespace detail

inline const SuitSplit* SuitShape::firstSplit() const { return detail::tableSplits + (bits_ >> 9); }

inline SuitShape suitShapeOf(const int* ranks)
{
    const int index = suitShapeIndex(ranks);
    return index < 0 ? SuitShape{} : suitShapes()[index];
}

// Every split of the table, numbered as firstSplitIndex() counts them; built at the first call.
const SuitSplit* suitSplits();
std::size_t suitSplitCount();

// Memory the table takes, in bytes (for the benchmark's report).
std::size_t suitShapeTableBytes();

}  // namespace fanwright
