#include "fans/chow_pairs.h"

namespace fanwright {

namespace {

constexpr int MaxChows = 4;

void countFan(std::int32_t* fanCounts, FanId f)
{
    if (f != NoFan)
        ++fanCounts[f - 1];
}

// Three chows no three-chow fan has used: at most two pairs.
void countThreeChows(const TileId* c, std::int32_t* fanCounts)
{
    const FanId f12 = chowPairFan(c[0], c[1]);
    const FanId f13 = chowPairFan(c[0], c[2]);
    const FanId f23 = chowPairFan(c[1], c[2]);
    if (f12 != NoFan) {
        countFan(fanCounts, f12);
        if (f13 != NoFan && f13 != f12)
            countFan(fanCounts, f13);
        else
            countFan(fanCounts, f23);
        return;
    }
    countFan(fanCounts, f13);
    if (f23 != f13)
        countFan(fanCounts, f23);
}

// A three-chow fan used all chows but the one at `code`: that one pairs once, with the first
// chow it makes a fan with.
void countLeftOverChow(const TileId* c, int code, std::int32_t* fanCounts)
{
    const int left = code - 1;
    for (int m = 0; m < MaxChows; ++m) {
        if (m == left)
            continue;
        const FanId f = m < left ? chowPairFan(c[m], c[left]) : chowPairFan(c[left], c[m]);
        if (f != NoFan) {
            countFan(fanCounts, f);
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

void countFourChows(const TileId* c, std::int32_t* fanCounts)
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
            countFan(fanCounts, p[i][j]);
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
    const TileId* chows = s.setTiles;  // chows sort before every other set
    switch (s.kindCounts[Chow]) {
    case 2: countFan(fanCounts, chowPairFan(chows[0], chows[1])); break;
    case 3:
        if (threeChowCode == 0)
            countThreeChows(chows, fanCounts);
        break;
    case 4:
        if (threeChowCode != 0)
            countLeftOverChow(chows, threeChowCode, fanCounts);
        else
            countFourChows(chows, fanCounts);
        break;
    default: break;
    }
}

}  // namespace fanwright
