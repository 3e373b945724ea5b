#include "generator/generator.h"

#include "generator/random.h"
#include "generator/settings.h"
#include "hand/shape_tables.h"
#include "scoring/scoring.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace fanwright {

namespace {

// Indices are drawn into the shape tables, so their order is part of what a seed produces.
constexpr std::span<const TileId, 13> orphanTiles(orphanList.data(), 13);
constexpr const std::array<TileId, 7>& honorTiles = honorList;

// The nine gates' tiles, one row per suit: bamboo, characters, dots.
constexpr int NineGatesLength = static_cast<int>(nineGatesRanks.size());
using NineGatesRow = std::array<TileId, nineGatesRanks.size()>;
constexpr std::array<NineGatesRow, 3> nineGatesRows = [] {
    std::array<NineGatesRow, 3> rows{};
    for (int suit = 0; suit < 3; ++suit) {
        for (std::size_t i = 0; i < nineGatesRanks.size(); ++i)
            rows[static_cast<std::size_t>(suit)][i] = suitedTile(suit, nineGatesRanks[i]);
    }
    return rows;
}();
static_assert(nineGatesRows[1][0] == Characters1 && nineGatesRows[2][12] == 27);

constexpr int NoPosition = -1;

// All bits when the condition holds, none otherwise: a select compilers do not turn into a branch.
constexpr std::uint64_t allIf(bool condition) { return std::uint64_t{0} - condition; }

// The concealed part in the order drawn, each tile's copies in it, and which of its tiles is
// the winning tile. A set drawn as a whole is written here whether it stays concealed or not:
// `count` moves past it only when it does, so a declared set is overwritten by the next.
struct DrawnTiles {
    TileId tiles[MaxTiles] = {};
    std::uint16_t copies[TileCodes] = {};  // not bytes: stores to those may alias anything
    std::uint64_t kinds = 0;               // a bit for each tile with a copy here
    int count = 0;
    int winningIndex = 0;

    void add(TileId t, int n = 1)
    {
        for (int i = 0; i < n; ++i)
            tiles[count++] = t;
        copies[t] = static_cast<std::uint16_t>(copies[t] + n);
        kinds |= std::uint64_t{1} << t;
    }

    // A table's tiles in order, leaving out up to two positions.
    void addExcept(std::span<const TileId> table, int skip1, int skip2)
    {
        int position = 0;
        for (TileId t : table) {
            if (position != skip1 && position != skip2)
                add(t);
            ++position;
        }
    }

    // A set's three entries, `step` apart, kept only when `kept` is 1; `span` holds their tiles.
    void addSetEntries(TileId first, TileId step, std::uint64_t span, int kept)
    {
        for (int i = 0; i < 3; ++i) {
            const TileId t = first + i * step;
            tiles[count + i] = t;
            copies[t] = static_cast<std::uint16_t>(copies[t] + kept);
        }
        kinds |= span & allIf(kept != 0);
        count += 3 * kept;
    }
};

// Everything a hand's tiles decide before the hand is filled in.
struct Deal {
    DrawnTiles drawn;
    // The tile list: three entries per declared set, the set being drawn written after them
    // until it is declared, and room for the concealed part copied whole behind them.
    TileId listed[3 * 4 + MaxTiles];
    int setCount = 0;
    int kongs = 0;
    std::uint64_t windSets = 0;  // winds held as pungs or kongs: three copies in the tile list
    int winningUses = 0;  // copies of the winning tile in the whole hand, a kong counting four
};

// Copies of each tile code still free for a regular hand, as one mask per level: bit t of
// atLeastN_ is set while at least N copies of tile t are free. Four words, not an array, so
// that they stay in registers.
class TileStock {
public:
    std::uint64_t withAtLeast1() const { return atLeast1_; }
    std::uint64_t withAtLeast2() const { return atLeast2_; }
    std::uint64_t withAtLeast3() const { return atLeast3_; }
    std::uint64_t withAtLeast4() const { return atLeast4_; }

    // Takes a set's copies: one of each tile in `ones` (a chow), three of the tile in `threes`
    // (a pung), and every copy of any other tile in `tiles` (a kong). For those tiles each level
    // becomes the one as many copies higher.
    void take(std::uint64_t tiles, std::uint64_t ones, std::uint64_t threes)
    {
        atLeast1_ = (atLeast1_ & ~tiles) | (atLeast2_ & ones) | (atLeast4_ & threes);
        atLeast2_ = (atLeast2_ & ~tiles) | (atLeast3_ & ones);
        atLeast3_ = (atLeast3_ & ~tiles) | (atLeast4_ & ones);
        atLeast4_ &= ~tiles;
    }

    int copiesOf(TileId t) const
    {
        return static_cast<int>(((atLeast1_ >> t) & 1) + ((atLeast2_ >> t) & 1) +
                                ((atLeast3_ >> t) & 1) + ((atLeast4_ >> t) & 1));
    }

private:
    static constexpr std::uint64_t realTiles =
        ((std::uint64_t{1} << TileCodes) - 1) & ~std::uint64_t{1};
    std::uint64_t atLeast1_ = realTiles;
    std::uint64_t atLeast2_ = realTiles;
    std::uint64_t atLeast3_ = realTiles;
    std::uint64_t atLeast4_ = realTiles;
};

// Tiles that keep a chow by its middle: ranks 2..8.
constexpr std::uint64_t chowMiddles = [] {
    std::uint64_t mask = 0;
    for (TileId t = FirstTile; t <= LastTile; ++t)
        mask |= isChowMiddle(t) ? std::uint64_t{1} << t : 0;
    return mask;
}();
static_assert(bitCount(chowMiddles) == 21);

constexpr std::uint64_t windTiles = tileMask({East, South, West, North});

// A drawn position in a table.
std::size_t drawIndex(RandomRun& run, int n) { return static_cast<std::size_t>(run.below(n)); }

// A second position out of n, distinct from the first and uniform over the rest.
int drawOtherPosition(RandomRun& run, int n, int first)
{
    const int p = run.below(n - 1);
    return p >= first ? p + 1 : p;
}

// ---- Special hands: always fully concealed, so every tile goes through DrawnTiles. ----

void drawThirteenOrphans(RandomRun& run, DrawnTiles& drawn)
{
    for (TileId t : orphanTiles)
        drawn.add(t);
    drawn.add(orphanTiles[drawIndex(run, 13)]);
    drawn.winningIndex = run.below(MaxTiles);
}

void drawNineGates(RandomRun& run, DrawnTiles& drawn)
{
    const auto& row = nineGatesRows[drawIndex(run, 3)];
    drawn.addExcept(row, NoPosition, NoPosition);
    drawn.add(row[drawIndex(run, NineGatesLength)]);
    drawn.winningIndex = NineGatesLength;  // the added tile completes the gates
}

void drawSevenPairs(RandomRun& run, DrawnTiles& drawn)
{
    // Each code twice, so a code picked twice gives four of a kind as two pairs.
    TileId pool[2 * TileKinds];
    for (int i = 0; i < 2 * TileKinds; ++i)
        pool[i] = FirstTile + i / 2;
    int size = 2 * TileKinds;
    for (int pair = 0; pair < 7; ++pair) {
        const int j = run.below(size);
        const TileId t = pool[j];
        std::copy(pool + j + 1, pool + size, pool + j);
        --size;
        drawn.add(t, 2);
    }
    drawn.winningIndex = run.below(MaxTiles);
}

void drawGreaterHonorsKnitted(RandomRun& run, DrawnTiles& drawn)
{
    drawn.addExcept(honorTiles, NoPosition, NoPosition);
    const auto& row = knittedRows[drawIndex(run, KnittedRowCount)];
    const int a = run.below(9);
    const int b = drawOtherPosition(run, 9, a);
    drawn.addExcept(row, a, b);
    drawn.winningIndex = run.below(MaxTiles);
}

void drawLesserHonorsKnitted(RandomRun& run, DrawnTiles& drawn)
{
    if (run.below(2) == 0) {  // six honors and eight knitted tiles
        const int h = run.below(7);
        const int a = run.below(9);
        const auto& row = knittedRows[drawIndex(run, KnittedRowCount)];
        drawn.addExcept(honorTiles, h, NoPosition);
        drawn.addExcept(row, a, NoPosition);
    } else {  // five honors and the whole row
        const int h1 = run.below(7);
        const int h2 = drawOtherPosition(run, 7, h1);
        const auto& row = knittedRows[drawIndex(run, KnittedRowCount)];
        drawn.addExcept(honorTiles, h1, h2);
        drawn.addExcept(row, NoPosition, NoPosition);
    }
    drawn.winningIndex = run.below(MaxTiles);
}

// Shares: thirteen orphans 10 %, nine gates 10 %, seven pairs 40 %, each honors-and-knitted
// hand 20 %.
void drawSpecialHand(RandomRun& run, Deal& deal)
{
    DrawnTiles& drawn = deal.drawn;
    const double r = run.unit();
    if (r < 0.1)
        drawThirteenOrphans(run, drawn);
    else if (r < 0.2)
        drawNineGates(run, drawn);
    else if (r < 0.6)
        drawSevenPairs(run, drawn);
    else if (r < 0.8)
        drawGreaterHonorsKnitted(run, drawn);
    else
        drawLesserHonorsKnitted(run, drawn);
    deal.winningUses = drawn.copies[drawn.tiles[drawn.winningIndex]];  // no declared sets
}

// ---- Regular hands: four sets and a pair, each tile taken from the stock. ----
// Random draws make every choice here unpredictable to the processor, so the kind of set
// picks rows of tables and the stock is kept as masks, instead of branching.

// Position of the k-th set bit, from 0, within each byte value.
constexpr std::array<std::array<std::uint8_t, 8>, 256> bitPositions = [] {
    std::array<std::array<std::uint8_t, 8>, 256> positions{};
    for (std::size_t b = 0; b < positions.size(); ++b) {
        std::size_t k = 0;
        for (std::uint8_t bit = 0; bit < 8; ++bit) {
            if ((b >> bit) & 1)
                positions[b][k++] = bit;
        }
    }
    return positions;
}();
static_assert(bitPositions[0b1011'0100][2] == 5 && bitPositions[0xFF][7] == 7);

constexpr std::uint64_t eachByte = 0x0101010101010101u;

// One of the tiles of the mask, drawn uniformly in ascending order. The bytes' running bit
// counts tell, all at once, how many whole bytes lie below the drawn bit; a table finds it in
// its byte. Never empty: at most 16 tiles are used before any draw.
inline TileId drawCandidate(RandomRun& run, std::uint64_t eligible)
{
    std::uint64_t inByte = eligible - ((eligible >> 1) & 0x5555555555555555u);
    inByte = (inByte & 0x3333333333333333u) + ((inByte >> 2) & 0x3333333333333333u);
    inByte = (inByte + (inByte >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    const std::uint64_t upTo = inByte * eachByte;  // byte i: the bits of bytes 0..i
    const int k = run.below(static_cast<int>(upTo >> 56));
    // Per byte, 0x80 + k - upTo keeps its top bit exactly when upTo <= k; never borrows, as
    // both are at most 64.
    const std::uint64_t atMost =
        ((static_cast<std::uint64_t>(k) * eachByte | 0x8080808080808080u) - upTo) &
        0x8080808080808080u;
    const int byte = static_cast<int>(((atMost >> 7) * eachByte) >> 56);
    const int before = static_cast<int>(((upTo << 8) >> (8 * byte)) & 0xFF);
    const std::size_t bits = (eligible >> (8 * byte)) & 0xFF;
    return 8 * byte + bitPositions[bits][static_cast<std::size_t>(k - before)];
}

// The shares, read once per hand: the settings cannot change while a hand is drawn.
struct Shares {
    explicit Shares(const GeneratorSettings& settings)
        : melded(settings.meldedProbability()),
          chow(settings.chowProbability()),
          chowOrPung(settings.chowProbability() + settings.pungProbability())
    {
    }
    double melded;
    double chow;
    double chowOrPung;
};

// A set as drawn, one row per kind (chow, pung, kong, in the order the kind draw picks them)
// and per whether it stays concealed: the rows, not tests, make every choice.
struct SetDraw {
    SetKind kind;          // as the hand records it
    int declared;          // 1 when it joins the declared sets, 0 when the concealed part
    std::uint64_t span;    // its tiles as a mask, shifted up by its tile less one
    std::uint64_t ones;    // all bits when one copy of each tile is taken (TileStock::take)
    std::uint64_t threes;  // all bits when three copies are
    TileId step;           // between its three tile list entries: 1 for a chow
    int kongs;
};
constexpr std::uint64_t allBits = ~std::uint64_t{0};
constexpr SetDraw setDraws[3][2] = {
    {{Chow, 1, 0b111, allBits, 0, 1, 0}, {Chow, 0, 0b111, allBits, 0, 1, 0}},
    {{Pung, 1, 0b010, 0, allBits, 0, 0}, {Pung, 0, 0b010, 0, allBits, 0, 0}},
    // A kong is declared even when concealed.
    {{MeldedKong, 1, 0b010, 0, 0, 0, 1}, {ConcealedKong, 1, 0b010, 0, 0, 0, 1}},
};

void drawRegularSet(Hand& hand, RandomRun& run, Deal& deal, TileStock& stock, const Shares& shares)
{
    // 1. Melded when the draw is at most the melded share, so a share of 1.0 melds every set.
    const bool concealed = run.unit() > shares.melded;
    // 2. One draw chooses the kind; past chow and pung it is a kong, so a draw of exactly 1.0
    //    makes a kong even when chows have the whole share. The sum is never below the chow
    //    share, so the two tests count the kind.
    const double r = run.unit();
    const int kind = (r >= shares.chow) + (r >= shares.chowOrPung);
    const SetDraw& set = setDraws[kind][concealed];
    // 3. A chow needs its three tiles free, a pung three copies, a kong all four.
    const std::uint64_t free = stock.withAtLeast1();
    const std::uint64_t eligible[] = {chowMiddles & (free >> 1) & free & (free << 1),
                                      stock.withAtLeast3(), stock.withAtLeast4()};
    const TileId t = drawCandidate(run, eligible[kind]);
    const std::uint64_t span = set.span << (t - 1);
    stock.take(span, span & set.ones, span & set.threes);
    // 4. Its entries are written both where a declared set's go and into the concealed part;
    //    the count of the side it belongs to moves past them, the other side's next overwrite.
    const TileId first = t - set.step;
    for (int i = 0; i < 3; ++i)
        deal.listed[3 * deal.setCount + i] = first + i * set.step;
    deal.drawn.addSetEntries(first, set.step, span, 1 - set.declared);
    hand.setKinds[deal.setCount] = set.kind;
    hand.setTiles[deal.setCount] = t;
    deal.setCount += set.declared;
    deal.kongs += set.kongs;
    deal.windSets |= span & windTiles;  // a chow's span holds no honors
}

void drawRegularHand(Hand& hand, RandomRun& run, Deal& deal, const GeneratorSettings& settings)
{
    const Shares shares(settings);
    TileStock stock;
    for (int set = 0; set < 4; ++set)
        drawRegularSet(hand, run, deal, stock, shares);
    // The pair is always concealed, so even a fully melded hand has a winning tile to offer.
    const TileId pair = drawCandidate(run, stock.withAtLeast2());
    DrawnTiles& drawn = deal.drawn;
    drawn.add(pair, 2);
    drawn.winningIndex = run.below(drawn.count);
    const TileId winning = drawn.tiles[drawn.winningIndex];
    deal.winningUses = 4 - stock.copiesOf(winning) + (winning == pair ? 2 : 0);
}

// ---- The hand's fields, filled directly: its sets were written as they were drawn. ----

void fillHand(Hand& hand, Deal& deal)
{
    DrawnTiles& drawn = deal.drawn;
    const TileId winning = drawn.tiles[drawn.winningIndex];
    // 1. The tile list: the declared sets' entries, then the concealed part in the order drawn,
    //    the winning tile among it.
    std::memcpy(deal.listed + 3 * deal.setCount, drawn.tiles, sizeof drawn.tiles);
    std::memcpy(hand.tiles, deal.listed, sizeof hand.tiles);
    // 2. The concealed tiles ascending, the winning tile left out: each tile written four
    //    times, the next one starting after its copies.
    drawn.copies[winning] = static_cast<std::uint16_t>(drawn.copies[winning] - 1);
    std::uint64_t kinds = drawn.kinds & ~(std::uint64_t{drawn.copies[winning] == 0} << winning);
    TileId ascending[MaxTiles + 3] = {};
    int n = 0;
    for (; kinds != 0; kinds &= kinds - 1) {
        const TileId t = std::countr_zero(kinds);
        std::fill_n(ascending + n, 4, t);
        n += drawn.copies[t];
    }
    std::memcpy(hand.concealedTiles, ascending, sizeof hand.concealedTiles);
    hand.setCount = deal.setCount;
    hand.concealedCount = drawn.count - 1;
    hand.tileCount = MaxTiles;
    hand.winningTile = winning;
}

// ---- The situation around the tiles. ----

// A flag the hand allows is raised with chance f; a draw is made only when it is allowed.
std::uint8_t drawFlag(RandomRun& run, bool allowed, double f)
{
    const bool below = run.nextIf(allowed) * RandomUnitStep < f;
    return static_cast<std::uint8_t>(allowed & below);
}

void drawSituation(Hand& hand, RandomRun& run, const Deal& deal, const GeneratorSettings& settings)
{
    // 1. The melded share also sets the share of discard wins.
    const bool selfDrawn = run.unit() > settings.meldedProbability();
    hand.winSource = selfDrawn ? SelfDrawn : Discard;
    // 2. All four copies in sight and none of them concealed beside the winning tile: it must
    //    have been the last of its kind.
    const double f = settings.specialFanProbability();
    const bool concealedCopy = deal.drawn.copies[hand.winningTile] > 0;
    const bool forcesLastOfKind = !concealedCopy & (deal.winningUses == 4);
    hand.lastTileInGame = run.unit() < f ? 1 : 0;
    const std::uint8_t lastOfKind = drawFlag(run, !concealedCopy & (deal.winningUses != 4), f);
    hand.lastTileOfKind = static_cast<std::uint8_t>(forcesLastOfKind | lastOfKind);
    hand.replacementTile = drawFlag(run, selfDrawn & (deal.kongs > 0), f);
    hand.robbingTheKong = drawFlag(run, !selfDrawn & (deal.winningUses == 1), f);
    // 3. Winds matter only to a hand with one to three wind pungs; the seat is drawn first.
    const bool needsWinds = (deal.windSets != 0) & (deal.windSets != windTiles);
    const TileId seat = East + run.nextIf(needsWinds) % 4;
    const TileId prevalent = East + run.nextIf(needsWinds) % 4;
    hand.seatWind = seat * needsWinds;  // NoTile is 0
    hand.prevalentWind = prevalent * needsWinds;
}

}  // namespace

void generateHand(Hand& hand, const GeneratorSettings& settings)
{
    // Every count and what it counts is written anew, so that an earlier hand leaves no trace.
    RandomRun run;
    Deal deal;
    // Special hands are fully concealed, so their share shrinks with the melded share.
    if (run.unit() < settings.specialHandProbability() * (1.0 - settings.meldedProbability()))
        drawSpecialHand(run, deal);
    else
        drawRegularHand(hand, run, deal, settings);
    // The winning tile always comes from the concealed part, never from a declared set. Flags
    // and winds come last: what they allow depends on the tiles and the win source.
    fillHand(hand, deal);
    drawSituation(hand, run, deal, settings);
}

int generateWithMinimum(Hand& hand, const GeneratorSettings& settings, int minimum)
{
    ScoreResult result;
    for (;;) {
        generateHand(hand, settings);
        // No clearing between attempts: a total above 0 comes with every field filled in.
        const int total = scoreHand(hand, result);
        if (total >= minimum)
            return total;
    }
}

void dealHand(Hand& hand, const GeneratorSettings& settings)
{
    const int minimum = settings.minimumPoints();
    if (minimum != 0)
        generateWithMinimum(hand, settings, minimum);
    else
        generateHand(hand, settings);
}

}  // namespace fanwright
