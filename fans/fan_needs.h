// What a fan's rule needs of a reading before it can fire: a few facts of the reading, found
// once, rule out most fans at once, and the driver runs only the rules of the others. Each need
// is implied by the rule itself; a test holds every ruled-out rule to 0.
#pragma once

#include "fans/fan_id.h"
#include "fans/fan_set.h"
#include "hand/hand_structure.h"

#include <array>
#include <cstdint>

namespace fanwright {

// Classes of tiles a fan may need all of the hand's tiles in, or at least one tile of.
enum class TileClass : std::uint8_t {
    Any,
    Green,
    Terminals,
    Honors,
    TerminalsOrHonors,
    Evens,
    Upper,
    Middle,
    Lower,
    UpperFour,
    LowerFour,
    Reversible,
    Simples,
    Fives,
    Winds,
    Dragons,
};
inline constexpr int TileClassCount = 16;

constexpr bool inClass(TileClass c, TileId t)
{
    switch (c) {
    case TileClass::Any: return true;
    case TileClass::Green: return isGreen(t);
    case TileClass::Terminals: return isTerminal(t);
    case TileClass::Honors: return isHonor(t);
    case TileClass::TerminalsOrHonors: return isTerminalOrHonor(t);
    case TileClass::Evens: return isEven(t);
    case TileClass::Upper: return isUpper(t);
    case TileClass::Middle: return isMiddle(t);
    case TileClass::Lower: return isLower(t);
    case TileClass::UpperFour: return isUpperFour(t);
    case TileClass::LowerFour: return isLowerFour(t);
    case TileClass::Reversible: return isReversible(t);
    case TileClass::Simples: return isSimple(t);
    case TileClass::Fives: return rankOf(t) == 5;
    case TileClass::Winds: return isWind(t);
    case TileClass::Dragons: return isDragon(t);
    }
    return false;
}

// Bit t for each real tile t of the class.
constexpr std::uint64_t classMask(TileClass c)
{
    std::uint64_t mask = 0;
    for (TileId t = FirstTile; t <= LastTile; ++t)
        mask |= inClass(c, t) ? std::uint64_t{1} << t : 0;
    return mask;
}

enum class Flag : std::uint8_t { None, LastTileInGame, LastTileOfKind, Replacement, Robbing };

struct FanNeeds {
    int chows = 0;  // at least this many chows
    int pungs = 0;  // pungs and kongs
    int kongs = 0;
    TileClass allTilesIn = TileClass::Any;
    TileClass someTileIn = TileClass::Any;
    HandForm form = NoForm;  // NoForm: any
    Flag flag = Flag::None;
    bool singleWait = false;  // the hand waits on one tile only
    bool never = false;       // set by the driver, never by its rule
};

constexpr FanNeeds fanNeeds(int f)
{
    using C = TileClass;
    switch (f) {
    case BigFourWinds: return {.pungs = 4};
    case BigThreeDragons: return {.pungs = 3};
    case AllGreen: return {.allTilesIn = C::Green};
    case FourKongs: return {.kongs = 4};
    case SevenShiftedPairs: return {.form = SevenPairs};
    case ThirteenOrphansFan: return {.form = Special};
    case AllTerminals: return {.allTilesIn = C::Terminals};
    case LittleFourWinds: return {.pungs = 3};
    case LittleThreeDragons: return {.pungs = 2};
    case AllHonors: return {.allTilesIn = C::Honors};
    case FourConcealedPungs: return {.pungs = 4};
    case PureTerminalChows: return {.chows = 4};
    case QuadrupleChow: return {.chows = 4};
    case FourPureShiftedPungs: return {.pungs = 4};
    case FourPureShiftedChows: return {.chows = 4};
    case ThreeKongs: return {.kongs = 3};
    case AllTerminalsAndHonors: return {.allTilesIn = C::TerminalsOrHonors};
    case SevenPairsFan: return {.form = SevenPairs};
    case GreaterHonorsKnittedFan: return {.form = Special};
    case AllEvenPungs: return {.pungs = 4, .allTilesIn = C::Evens};
    case PureTripleChow: return {.chows = 3};
    case PureShiftedPungs: return {.pungs = 3};
    case UpperTiles: return {.allTilesIn = C::Upper};
    case MiddleTiles: return {.allTilesIn = C::Middle};
    case LowerTiles: return {.allTilesIn = C::Lower};
    case PureStraight: return {.chows = 3};
    case ThreeSuitedTerminalChows: return {.chows = 4};
    case PureShiftedChows: return {.chows = 3};
    case AllFives: return {.someTileIn = C::Fives};
    case TriplePung: return {.pungs = 3};
    case ThreeConcealedPungs: return {.pungs = 3};
    case LesserHonorsKnittedFan: return {.form = Special};
    case UpperFour: return {.allTilesIn = C::UpperFour};
    case LowerFour: return {.allTilesIn = C::LowerFour};
    case BigThreeWinds: return {.pungs = 3};
    case MixedStraight: return {.chows = 3};
    case ReversibleTiles: return {.allTilesIn = C::Reversible};
    case MixedTripleChow: return {.chows = 3};
    case MixedShiftedPungs: return {.pungs = 3};
    case ChickenHand: return {.never = true};
    case LastTileDraw: return {.flag = Flag::LastTileInGame};
    case LastTileClaim: return {.flag = Flag::LastTileInGame};
    case OutWithReplacementTile: return {.flag = Flag::Replacement};
    case RobbingTheKong: return {.flag = Flag::Robbing};
    case TwoConcealedKongs: return {.kongs = 2};
    case AllPungs: return {.pungs = 4};
    case MixedShiftedChows: return {.chows = 3};
    case AllTypes: return {.someTileIn = C::Winds};
    case TwoDragonPungs: return {.pungs = 2};
    case TwoMeldedKongs: return {.kongs = 2};
    case LastTileFan: return {.flag = Flag::LastTileOfKind};
    case DragonPung: return {.pungs = 1, .someTileIn = C::Dragons};
    case PrevalentWind: return {.pungs = 1, .someTileIn = C::Winds};
    case SeatWind: return {.pungs = 1, .someTileIn = C::Winds};
    case AllChows: return {.chows = 4};
    case DoublePung: return {.pungs = 2};
    case TwoConcealedPungs: return {.pungs = 2};
    case ConcealedKongFan: return {.kongs = 1};
    case AllSimples: return {.allTilesIn = C::Simples};
    case PureDoubleChow: return {.chows = 2};
    case MixedDoubleChow: return {.chows = 2};
    case ShortStraight: return {.chows = 2};
    case TwoTerminalChows: return {.chows = 2};
    case PungOfTerminalsOrHonors: return {.pungs = 1};
    case MeldedKongFan: return {.kongs = 1};
    case EdgeWait: return {.singleWait = true};
    case ClosedWait: return {.singleWait = true};
    case SingleWaiting: return {.singleWait = true};
    case FlowerTiles: return {.never = true};
    default: return {};
    }
}

// The fans whose needs one fact of a reading leaves unmet, per value of the fact.
struct RuledOutFans {
    std::array<FanSet, 5> byChows;  // by the reading's chows, 0..4
    std::array<FanSet, 5> byPungs;
    std::array<FanSet, 5> byKongs;
    std::array<FanSet, 4> byForm;                 // by HandForm
    std::array<FanSet, TileClassCount> notAllIn;  // when some tile lies outside the class
    std::array<FanSet, TileClassCount> noneIn;    // when no tile lies in the class
    std::array<FanSet, 5> withoutFlag;            // by Flag, when the flag is off
    FanSet withSeveralWaits;
    FanSet always;
};

inline constexpr RuledOutFans ruledOutFans = [] {
    RuledOutFans r{};
    for (int f = 1; f <= FanCount; ++f) {
        const FanNeeds n = fanNeeds(f);
        for (int v = 0; v <= 4; ++v) {
            if (n.chows > v)
                r.byChows[static_cast<std::size_t>(v)].add(f);
            if (n.pungs > v)
                r.byPungs[static_cast<std::size_t>(v)].add(f);
            if (n.kongs > v)
                r.byKongs[static_cast<std::size_t>(v)].add(f);
        }
        for (int form = NoForm; form <= Special; ++form) {
            if (n.form != NoForm && n.form != form)
                r.byForm[static_cast<std::size_t>(form)].add(f);
        }
        if (n.allTilesIn != TileClass::Any)
            r.notAllIn[static_cast<std::size_t>(n.allTilesIn)].add(f);
        if (n.someTileIn != TileClass::Any)
            r.noneIn[static_cast<std::size_t>(n.someTileIn)].add(f);
        if (n.flag != Flag::None)
            r.withoutFlag[static_cast<std::size_t>(n.flag)].add(f);
        if (n.singleWait)
            r.withSeveralWaits.add(f);
        if (n.never)
            r.always.add(f);
    }
    return r;
}();

inline constexpr std::array<std::uint64_t, TileClassCount> tileClassMasks = [] {
    std::array<std::uint64_t, TileClassCount> masks{};
    for (int c = 0; c < TileClassCount; ++c)
        masks[static_cast<std::size_t>(c)] = classMask(static_cast<TileClass>(c));
    return masks;
}();

static_assert(ruledOutFans.always.count() == 2 && ruledOutFans.byChows[2].count() == 11);
static_assert(classMask(TileClass::Fives) ==
              ((std::uint64_t{1} << 5) | (std::uint64_t{1} << 14) | (std::uint64_t{1} << 23)));

// The fans a reading's facts leave possible: its tiles, its sets, its form, flags and waits.
inline FanSet possibleFans(const HandStructure& s)
{
    std::uint64_t held = 0;
    for (int i = 0; i < s.tileCount; ++i)
        held |= std::uint64_t{1} << s.tiles[i];
    const auto level = [](int n) { return static_cast<std::size_t>(n < 4 ? n : 4); };
    const int pungs = s.kindCounts[Pung] + s.kindCounts[Kong];
    FanSet possible = FanSet::all();
    possible.remove(ruledOutFans.always);
    possible.remove(ruledOutFans.byChows[level(s.kindCounts[Chow])]);
    possible.remove(ruledOutFans.byPungs[level(pungs)]);
    possible.remove(ruledOutFans.byKongs[level(s.kindCounts[Kong])]);
    possible.remove(ruledOutFans.byForm[static_cast<std::size_t>(s.form)]);
    for (std::size_t c = 1; c < tileClassMasks.size(); ++c) {
        if ((held & ~tileClassMasks[c]) != 0)
            possible.remove(ruledOutFans.notAllIn[c]);
        if ((held & tileClassMasks[c]) == 0)
            possible.remove(ruledOutFans.noneIn[c]);
    }
    if (!s.lastTileInGame)
        possible.remove(ruledOutFans.withoutFlag[static_cast<std::size_t>(Flag::LastTileInGame)]);
    if (!s.lastTileOfKind)
        possible.remove(ruledOutFans.withoutFlag[static_cast<std::size_t>(Flag::LastTileOfKind)]);
    if (!s.replacementTile)
        possible.remove(ruledOutFans.withoutFlag[static_cast<std::size_t>(Flag::Replacement)]);
    if (!s.robbingTheKong)
        possible.remove(ruledOutFans.withoutFlag[static_cast<std::size_t>(Flag::Robbing)]);
    if (s.waitCount != 1)
        possible.remove(ruledOutFans.withSeveralWaits);
    return possible;
}

}  // namespace fanwright
