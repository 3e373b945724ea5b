#include "hand/waits.h"

#include "hand/decomposition.h"
#include "hand/shape.h"
#include "hand/shape_tables.h"

#include <bit>
#include <cstdint>

namespace fanwright {

namespace {

std::size_t at(TileId t) { return static_cast<std::size_t>(t); }

// Which trial tiles complete the concealed tiles into sets and a pair. The three suits and the
// honors are independent groups: each must form sets, and exactly one of them also the pair.
// A trial tile changes one group only, so the others are judged once, and most trial tiles
// are refused by counting alone.
class RegularCompletion {
public:
    explicit RegularCompletion(const TileCounts& counts) : c_(counts)
    {
        int honorSingles = 0, honorPairs = 0;
        for (TileId h = East; h <= WhiteDragon; ++h) {
            honorSingles += c_[at(h)] % 3 == 1 ? 1 : 0;
            honorPairs += c_[at(h)] % 3 == 2 ? 1 : 0;
        }
        Group suits[3];
        for (int s = 0; s < 3; ++s) {
            const int* ranks = &c_[at(suitedTile(s, 1))];
            sums_[s] = 0;
            for (int i = 0; i < 9; ++i)
                sums_[s] += ranks[i];
            suits[s] = judge(ranks, sums_[s] % 3);
        }
        // What the other groups ask of a trial tile in each suit, and in the honors.
        for (int s = 0; s < 3; ++s) {
            othersFine_[s] = honorSingles == 0;
            othersPairs_[s] = honorPairs;
            for (int o = 0; o < 3; ++o) {
                if (o == s)
                    continue;
                othersFine_[s] = othersFine_[s] && suits[o].fine;
                othersPairs_[s] += suits[o].pairs;
            }
        }
        suitsFine_ = suits[0].fine && suits[1].fine && suits[2].fine;
        suitPairs_ = suits[0].pairs + suits[1].pairs + suits[2].pairs;
        honorSingles_ = honorSingles;
        honorPairs_ = honorPairs;
    }

    // The tiles among the candidates (bit t for tile t) that complete the hand.
    std::uint64_t completions(std::uint64_t candidates) const
    {
        std::uint64_t found = 0;
        for (int suit = 0; suit < 3; ++suit) {
            const int residue = (sums_[suit] + 1) % 3;
            if (!othersFine_[suit] || residue == 1 || othersPairs_[suit] + residue / 2 != 1)
                continue;  // no tile of this suit completes the hand
            for (std::uint64_t trials = candidates & suitBits(suit); trials != 0;
                 trials &= trials - 1) {
                const TileId t = std::countr_zero(trials);
                found |= completedBySuited(t, residue) ? std::uint64_t{1} << t : 0;
            }
        }
        for (std::uint64_t trials = suitsFine_ ? candidates & honorBits : 0; trials != 0;
             trials &= trials - 1) {
            const TileId t = std::countr_zero(trials);
            found |= completedByHonor(t) ? std::uint64_t{1} << t : 0;
        }
        return found;
    }

private:
    struct Group {
        bool fine;  // forms sets, and the pair if it has one
        int pairs;  // 1 when its count is 2 modulo 3
    };

    static Group judge(const int* ranks, int residue)
    {
        if (residue == 1)
            return {false, 0};
        return residue == 0 ? Group{suitFormsSets(ranks), 0}
                            : Group{suitFormsSetsAndPair(ranks), 1};
    }

    bool completedByHonor(TileId t) const
    {
        const int before = c_[at(t)] % 3, after = (before + 1) % 3;
        const int singles = honorSingles_ - (before == 1) + (after == 1);
        const int pairs = honorPairs_ - (before == 2) + (after == 2) + suitPairs_;
        return suitsFine_ && singles == 0 && pairs == 1;
    }

    // The other groups are fine and the residue fits: only this suit is left to judge.
    bool completedBySuited(TileId t, int residue) const
    {
        int ranks[9];
        const int* held = &c_[at(suitedTile(suitOf(t), 1))];
        for (int i = 0; i < 9; ++i)
            ranks[i] = held[i];
        ++ranks[rankOf(t) - 1];
        return judge(ranks, residue).fine;
    }

    static constexpr std::uint64_t suitBits(int suit)
    {
        return std::uint64_t{0x1FF} << suitedTile(suit, 1);
    }
    static constexpr std::uint64_t honorBits = std::uint64_t{0x7F} << East;

    const TileCounts& c_;
    int sums_[3];
    bool othersFine_[3];
    int othersPairs_[3];
    bool suitsFine_;
    int suitPairs_;
    int honorSingles_;  // honor codes held 1 or 4 times: no reading
    int honorPairs_;
};

// Tiles that can join a chow, pung or pair of the held tiles: a copy or a neighbour within two
// ranks in the same suit is held. Bit t stands for tile t.
std::uint64_t reachableTiles(const TileCounts& c)
{
    std::uint64_t held = 0;
    for (TileId t = FirstTile; t <= LastTile; ++t)
        held |= c[at(t)] > 0 ? std::uint64_t{1} << t : 0;
    std::uint64_t near = held;
    for (int s = 0; s < 3; ++s) {
        const std::uint64_t suit = std::uint64_t{0x1FF} << suitedTile(s, 1);
        const std::uint64_t inSuit = held & suit;
        near |= ((inSuit << 1) | (inSuit << 2) | (inSuit >> 1) | (inSuit >> 2)) & suit;
    }
    return near;
}

// Trial tiles that may complete a knitted straight: a row held whole lets any tile try (for
// the set or pair beside it), a row missing one tile lets that tile try. Bit t for tile t.
std::uint64_t knittedTrials(const TileCounts& c, int declaredSets)
{
    std::uint64_t trials = 0;
    if (declaredSets > 1)
        return trials;
    for (const auto& row : knittedRows) {
        int held = 0;
        TileId missing = NoTile;
        for (TileId t : row) {
            held += c[at(t)] > 0 ? 1 : 0;
            missing = c[at(t)] > 0 ? missing : t;
        }
        if (held == 9)
            return ~std::uint64_t{0};
        if (held == 8)
            trials |= std::uint64_t{1} << missing;
    }
    return trials;
}

// Waits of the whole-hand shapes, which need all 14 tiles concealed: seven pairs wait on the
// one tile held an odd number of times; thirteen orphans on every orphan once all are held, or
// on the one missing beside a doubled one; the honors-and-knitted hands, all tiles different,
// on a new honor while fewer than five are held, else on a new tile of their knitted row.
// Bit t for tile t.
std::uint64_t specialWaits(const TileCounts& c, int declaredSets)
{
    if (declaredSets > 0)
        return 0;
    std::uint64_t held = 0, odd = 0, orphans = 0, honors = 0;
    bool orphansOnly = true, distinct = true;
    for (TileId t = FirstTile; t <= LastTile; ++t) {
        const int n = c[at(t)];
        const std::uint64_t bit = std::uint64_t{1} << t;
        held |= n > 0 ? bit : 0;
        odd |= n % 2 == 1 ? bit : 0;
        orphans |= isTerminalOrHonor(t) ? bit : 0;
        honors |= isHonor(t) ? bit : 0;
        orphansOnly = orphansOnly && (n == 0 || isTerminalOrHonor(t));
        distinct = distinct && n <= 1;
    }
    std::uint64_t waits = std::popcount(odd) == 1 ? odd : 0;
    if (orphansOnly && (held & orphans) == orphans)
        waits |= orphans;
    else if (orphansOnly && std::popcount(held & orphans) == 12)
        waits |= orphans & ~held;
    const int heldHonors = std::popcount(held & honors);
    if (!distinct || heldHonors < 4)
        return waits;
    for (const auto& row : knittedRows) {
        std::uint64_t rowTiles = 0;
        for (TileId t : row)
            rowTiles |= std::uint64_t{1} << t;
        if ((held & ~honors & ~rowTiles) != 0)
            continue;  // a suited tile outside this row
        waits |= honors & ~held;
        if (heldHonors >= 5)
            waits |= rowTiles & ~held;
        return waits;
    }
    return waits;
}

// Bits 1..34, one per real tile.
constexpr std::uint64_t allTileBits = ((std::uint64_t{1} << TileCodes) - 1) & ~std::uint64_t{1};

}  // namespace

WaitList findWaits(const Hand& hand)
{
    TileCounts c{};
    for (int i = 0; i < hand.concealedCount; ++i)
        ++c[at(hand.concealedTiles[i])];
    const RegularCompletion regular(c);
    const std::uint64_t reachable = reachableTiles(c);
    const std::uint64_t knitted = knittedTrials(c, hand.setCount);
    const std::uint64_t special = specialWaits(c, hand.setCount);

    std::uint64_t found = regular.completions(reachable) | special;
    for (std::uint64_t trials = knitted & ~found & allTileBits; trials != 0; trials &= trials - 1) {
        const TileId t = std::countr_zero(trials);
        ++c[at(t)];
        found |= formsKnittedShape(c) ? std::uint64_t{1} << t : 0;
        --c[at(t)];
    }
    WaitList waits;
    for (; found != 0; found &= found - 1)
        waits.add(std::countr_zero(found));
    return waits;
}

WaitList findWaitsBySearch(Hand& hand)
{
    WaitList waits;
    HandStructure s;
    StructureList list;
    for (TileId t = FirstTile; t <= LastTile; ++t) {
        hand.setWinningTile(t);
        s.buildStructure(hand, 0);
        decompose(list, s);
        if (!list.empty())
            waits.add(t);
        hand.clearWinningTile();
        list.release();
    }
    return waits;
}

}  // namespace fanwright
