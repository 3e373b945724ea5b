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
#include <iterator>
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

// The concealed part in the order drawn, and which of its tiles is the winning tile.
struct DrawnTiles {
    TileId tiles[MaxTiles] = {};
    int count = 0;
    int winningIndex = 0;

    void add(TileId t, int copies = 1)
    {
        for (int i = 0; i < copies; ++i)
            tiles[count++] = t;
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
};

// Copies of each tile code still free for a regular hand, as one mask per level: bit t of
// atLeast[n - 1] is set while at least n copies of tile t are free. A draw's eligible tiles are
// then a few mask operations, not a pass over every code.
class TileStock {
public:
    TileStock()
    {
        std::fill(std::begin(atLeast_), std::end(atLeast_), realTiles);
        std::fill(std::begin(copies_), std::end(copies_), 4);
    }

    std::uint64_t withAtLeast(int copies) const
    {
        return atLeast_[static_cast<std::size_t>(copies - 1)];
    }

    // Takes copies of the tile: the levels between what is left and what was there lose it.
    void take(TileId t, int copies)
    {
        const int left = copies_[t] -= copies;
        for (int n = left; n < left + copies; ++n)
            atLeast_[static_cast<std::size_t>(n)] &= ~(std::uint64_t{1} << t);
    }

private:
    static constexpr std::uint64_t realTiles =
        ((std::uint64_t{1} << TileCodes) - 1) & ~std::uint64_t{1};
    std::uint64_t atLeast_[4];
    int copies_[TileCodes];
};

// Tiles that keep a chow by its middle: ranks 2..8.
constexpr std::uint64_t chowMiddles = [] {
    std::uint64_t mask = 0;
    for (TileId t = FirstTile; t <= LastTile; ++t)
        mask |= isChowMiddle(t) ? std::uint64_t{1} << t : 0;
    return mask;
}();
static_assert(bitCount(chowMiddles) == 21);

// A drawn position in a table.
std::size_t drawIndex(int n) { return static_cast<std::size_t>(randomBelow(n)); }

// A second position out of n, distinct from the first and uniform over the rest.
int drawOtherPosition(int n, int first)
{
    const int p = randomBelow(n - 1);
    return p >= first ? p + 1 : p;
}

// ---- Special hands: always fully concealed, so every tile goes through DrawnTiles. ----

void drawThirteenOrphans(DrawnTiles& drawn)
{
    for (TileId t : orphanTiles)
        drawn.add(t);
    drawn.add(orphanTiles[drawIndex(13)]);
    drawn.winningIndex = randomBelow(MaxTiles);
}

void drawNineGates(DrawnTiles& drawn)
{
    const auto& row = nineGatesRows[drawIndex(3)];
    drawn.addExcept(row, NoPosition, NoPosition);
    drawn.add(row[drawIndex(NineGatesLength)]);
    drawn.winningIndex = NineGatesLength;  // the added tile completes the gates
}

void drawSevenPairs(DrawnTiles& drawn)
{
    // Each code twice, so a code picked twice gives four of a kind as two pairs.
    TileId pool[2 * TileKinds];
    for (int i = 0; i < 2 * TileKinds; ++i)
        pool[i] = FirstTile + i / 2;
    int size = 2 * TileKinds;
    for (int pair = 0; pair < 7; ++pair) {
        const int j = randomBelow(size);
        const TileId t = pool[j];
        std::copy(pool + j + 1, pool + size, pool + j);
        --size;
        drawn.add(t, 2);
    }
    drawn.winningIndex = randomBelow(MaxTiles);
}

void drawGreaterHonorsKnitted(DrawnTiles& drawn)
{
    drawn.addExcept(honorTiles, NoPosition, NoPosition);
    const auto& row = knittedRows[drawIndex(KnittedRowCount)];
    const int a = randomBelow(9);
    const int b = drawOtherPosition(9, a);
    drawn.addExcept(row, a, b);
    drawn.winningIndex = randomBelow(MaxTiles);
}

void drawLesserHonorsKnitted(DrawnTiles& drawn)
{
    if (randomBelow(2) == 0) {  // six honors and eight knitted tiles
        const int h = randomBelow(7);
        const int a = randomBelow(9);
        const auto& row = knittedRows[drawIndex(KnittedRowCount)];
        drawn.addExcept(honorTiles, h, NoPosition);
        drawn.addExcept(row, a, NoPosition);
    } else {  // five honors and the whole row
        const int h1 = randomBelow(7);
        const int h2 = drawOtherPosition(7, h1);
        const auto& row = knittedRows[drawIndex(KnittedRowCount)];
        drawn.addExcept(honorTiles, h1, h2);
        drawn.addExcept(row, NoPosition, NoPosition);
    }
    drawn.winningIndex = randomBelow(MaxTiles);
}

// Shares: thirteen orphans 10 %, nine gates 10 %, seven pairs 40 %, each honors-and-knitted
// hand 20 %.
void drawSpecialHand(DrawnTiles& drawn)
{
    const double r = randomUnit();
    if (r < 0.1)
        drawThirteenOrphans(drawn);
    else if (r < 0.2)
        drawNineGates(drawn);
    else if (r < 0.6)
        drawSevenPairs(drawn);
    else if (r < 0.8)
        drawGreaterHonorsKnitted(drawn);
    else
        drawLesserHonorsKnitted(drawn);
}

// ---- Regular hands: four sets and a pair, each tile taken from the stock. ----

// Bits set in each byte value.
constexpr std::array<std::uint8_t, 256> byteBits = [] {
    std::array<std::uint8_t, 256> bits{};
    for (std::size_t b = 0; b < bits.size(); ++b)
        bits[b] = static_cast<std::uint8_t>(bitCount(b));
    return bits;
}();

// One of the tiles of the mask, drawn uniformly in ascending order: whole bytes of the mask
// are skipped by their bit counts, then single bits. Never empty: at most 16 tiles are used
// before any draw.
TileId drawCandidate(std::uint64_t eligible)
{
    int skip = randomBelow(bitCount(eligible));
    TileId first = 0;
    for (int inByte = byteBits[eligible & 0xFF]; skip >= inByte;
         inByte = byteBits[eligible & 0xFF]) {
        skip -= inByte;
        eligible >>= 8;
        first += 8;
    }
    for (; skip > 0; --skip)
        eligible &= eligible - 1;
    return first + std::countr_zero(eligible);
}

void drawChow(Hand& hand, DrawnTiles& drawn, TileStock& stock, bool concealed)
{
    const std::uint64_t free = stock.withAtLeast(1);
    const TileId t = drawCandidate(chowMiddles & (free >> 1) & free & (free << 1));
    if (concealed) {
        drawn.add(t - 1);
        drawn.add(t);
        drawn.add(t + 1);
    } else {
        hand.addSet(Chow, t);
    }
    stock.take(t - 1, 1);
    stock.take(t, 1);
    stock.take(t + 1, 1);
}

void drawPung(Hand& hand, DrawnTiles& drawn, TileStock& stock, bool concealed)
{
    const TileId t = drawCandidate(stock.withAtLeast(3));
    if (concealed)
        drawn.add(t, 3);
    else
        hand.addSet(Pung, t);
    stock.take(t, 3);
}

// A kong is always declared, concealed or not, so it never enters the concealed part.
void drawKong(Hand& hand, TileStock& stock, bool concealed)
{
    const TileId t = drawCandidate(stock.withAtLeast(4));
    hand.addSet(concealed ? ConcealedKong : MeldedKong, t);
    stock.take(t, 4);
}

void drawRegularSet(Hand& hand, DrawnTiles& drawn, TileStock& stock,
                    const GeneratorSettings& settings)
{
    // 1. Melded when the draw is at most the melded share, so a share of 1.0 melds every set.
    const bool concealed = randomUnit() > settings.meldedProbability();
    // 2. One draw chooses the kind; past chow and pung it is a kong, so a draw of exactly 1.0
    //    makes a kong even when chows have the whole share.
    const double r = randomUnit();
    if (r < settings.chowProbability())
        drawChow(hand, drawn, stock, concealed);
    else if (r < settings.chowProbability() + settings.pungProbability())
        drawPung(hand, drawn, stock, concealed);
    else
        drawKong(hand, stock, concealed);
}

void drawRegularHand(Hand& hand, DrawnTiles& drawn, const GeneratorSettings& settings)
{
    TileStock stock;
    for (int set = 0; set < 4; ++set)
        drawRegularSet(hand, drawn, stock, settings);
    // The pair is always concealed, so even a fully melded hand has a winning tile to offer.
    drawn.add(drawCandidate(stock.withAtLeast(2)), 2);
    drawn.winningIndex = randomBelow(drawn.count);
}

// ---- The situation around the tiles. ----

// A flag the hand allows is raised with chance f; a draw is made only when it is allowed.
bool drawFlag(bool allowed, double f) { return allowed && randomUnit() < f; }

void drawSituationFlags(Hand& hand, double f)
{
    const Hand::SituationChoices choices = hand.situationChoices();
    const bool lastInGame = drawFlag(true, f);
    // All four copies in sight and the winning tile not from the concealed part: it must have
    // been the last of its kind.
    const bool lastOfKind =
        choices.forcesLastTileOfKind || drawFlag(choices.allowsLastTileOfKind, f);
    const bool replacement = drawFlag(choices.allowsReplacementTile, f);
    const bool robbing = drawFlag(choices.allowsRobbingTheKong, f);
    hand.setFlags(lastInGame, lastOfKind, replacement, robbing);
}

// Winds matter only to a hand with a wind pung; the seat is drawn before the prevalent wind.
void drawWinds(Hand& hand)
{
    if (!hand.needsWinds())
        return;
    const TileId seat = East + randomBelow(4);
    const TileId prevalent = East + randomBelow(4);
    hand.setWinds(prevalent, seat);
}

}  // namespace

void generateHand(Hand& hand, const GeneratorSettings& settings)
{
    // 1. Start from nothing, so that an earlier hand leaves no trace.
    hand.clear();
    DrawnTiles drawn;

    // 2. Special hands are fully concealed, so their share shrinks with the melded share.
    if (randomUnit() < settings.specialHandProbability() * (1.0 - settings.meldedProbability()))
        drawSpecialHand(drawn);
    else
        drawRegularHand(hand, drawn, settings);

    // 3. The winning tile always comes from the concealed part, never from a declared set.
    hand.addDrawnTiles(drawn.tiles, drawn.count, drawn.winningIndex);

    // 4. The melded share also sets the share of discard wins.
    hand.setWinSource(randomUnit() > settings.meldedProbability() ? SelfDrawn : Discard);

    // 5. Flags and winds come last: what they allow depends on the tiles and the win source.
    drawSituationFlags(hand, settings.specialFanProbability());
    drawWinds(hand);
}

int generateWithMinimum(Hand& hand, const GeneratorSettings& settings, int minimum)
{
    ScoreResult result;
    for (;;) {
        generateHand(hand, settings);
        clearResult(result);
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
