#include "fans/chow_pairs.h"

namespace fanwright {

namespace {

constexpr int MaxChows = 4;

// Three chows no three-chow fan has used: at most two pairs. `take`(i, j, fan) is told each
// counted pair, by the chows' positions.
template <typename Take>
void pairThreeChows(const TileId* c, Take take)
{
    const FanId f12 = chowPairFan(c[0], c[1]);
    const FanId f13 = chowPairFan(c[0], c[2]);
    const FanId f23 = chowPairFan(c[1], c[2]);
    if (f12 != NoFan) {
        take(0, 1, f12);
        if (f13 != NoFan && f13 != f12)
            take(0, 2, f13);
        else
            take(1, 2, f23);
        return;
    }
    take(0, 2, f13);
    if (f23 != f13)
        take(1, 2, f23);
}

// A three-chow fan used all chows but the one at `code`: that one pairs once, with the first
// chow it makes a fan with.
template <typename Take>
void pairLeftOverChow(const TileId* c, int code, Take take)
{
    const int left = code - 1;
    for (int m = 0; m < MaxChows; ++m) {
        if (m == left)
            continue;
        const int first = m < left ? m : left, second = m < left ? left : m;
        const FanId f = chowPairFan(c[first], c[second]);
        if (f != NoFan) {
            take(first, second, f);
            return;
        }
    }
}

// The pair fans between four chows, pairFans[i][j] = pairFans[j][i], the diagonal unused.
using PairTable = FanId[MaxChows][MaxChows];

void clearPair(PairTable& p, int i, int j) { p[i][j] = p[j][i] = NoFan; }

// Each chow keeps a given fan only with its lowest-placed partner; rows in order, so an entry
// cleared in one row is already gone when its partner's row comes.
void onePerPartner(PairTable& p)
{
    for (int r = 0; r < MaxChows; ++r) {
        for (int a = 0; a < MaxChows; ++a) {
            for (int b = a + 1; b < MaxChows; ++b) {
                if (a != r && b != r && p[r][a] != NoFan && p[r][a] == p[r][b])
                    clearPair(p, r, b);
            }
        }
    }
}

// No cycle survives. After onePerPartner no three chows form a triangle (two of their fans
// always meet at one chow), and among sorted chows one four-cycle is left: the same short
// straight or terminal chows in two suits, joined by mixed double chows (2b 5b 2c 5c). It loses
// the pair of the third and fourth chows. (2 5 5 8 of one suit would make another, but holds a
// pure straight, which is counted first.)
void breakCycles(PairTable& p)
{
    if (p[0][1] != NoFan && p[0][2] != NoFan && p[1][3] != NoFan && p[2][3] != NoFan)
        clearPair(p, 2, 3);
}

template <typename Take>
void pairFourChows(const TileId* c, Take take)
{
    PairTable p = {};
    for (int i = 0; i < MaxChows; ++i) {
        for (int j = i + 1; j < MaxChows; ++j)
            p[i][j] = p[j][i] = chowPairFan(c[i], c[j]);
    }
    onePerPartner(p);
    breakCycles(p);
    for (int i = 0; i < MaxChows; ++i) {
        for (int j = i + 1; j < MaxChows; ++j)
            take(i, j, p[i][j]);
    }
}

// Tells `take` every pair the routine counts; a pair whose fan is NoFan may be told too.
template <typename Take>
void pairChows(const HandStructure& s, std::int32_t threeChowCode, Take take)
{
    const TileId* chows = s.setTiles;  // chows sort before every other set
    switch (s.kindCounts[Chow]) {
    case 2: take(0, 1, chowPairFan(chows[0], chows[1])); break;
    case 3:
        if (threeChowCode == 0)
            pairThreeChows(chows, take);
        break;
    case 4:
        if (threeChowCode != 0)
            pairLeftOverChow(chows, threeChowCode, take);
        else
            pairFourChows(chows, take);
        break;
    default: break;
    }
}

}  // namespace

FanId chowPairFan(TileId x, TileId y)
{
    if (x == y)
        return PureDoubleChow;
    const bool sameRank = rankOf(x) == rankOf(y), sameSuit = suitOf(x) == suitOf(y);
    if (!sameRank && !sameSuit)
        return NoFan;
    if (sameRank)
        return MixedDoubleChow;
    if (rankOf(y) == rankOf(x) + 3)
        return ShortStraight;
    if (rankOf(x) == 2 && rankOf(y) == 8)
        return TwoTerminalChows;
    return NoFan;
}

void countChowPairs(const HandStructure& s, std::int32_t threeChowCode, std::int32_t* fanCounts)
{
    pairChows(s, threeChowCode, [fanCounts](int, int, FanId f) {
        if (f != NoFan)
            ++fanCounts[f - 1];
    });
}

int countedChowPairs(const HandStructure& s, std::int32_t threeChowCode, ChowPair* pairs)
{
    int n = 0;
    pairChows(s, threeChowCode, [pairs, &n](int first, int second, FanId f) {
        if (f != NoFan)
            pairs[n++] = {first, second, f};
    });
    return n;
}

}  // namespace fanwright
