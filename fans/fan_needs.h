// What a fan's rule needs of a reading before it can fire: a few facts of the reading, found
// once, rule out most fans at once, and the driver runs only the rules of the others. Each need
// is implied by the rule itself; a test holds every ruled-out rule to 0.
#pragma once

#include "fans/fan_id.h"
#include "fans/fan_set.h"
#include "hand/hand_structure.h"
#include "hand/shape_tables.h"

#include <array>
#include <bit>
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
    Suited,
    NearFives,     // ranks 3..7: the only tiles a set holding a 5 can hold
    OutsideRanks,  // terminals, honors and ranks 2, 3, 7, 8: what sets holding an end tile hold
    TerminalsOrWinds,
    ThreesAndSevens,  // the tiles an edge wait is won on
};
inline constexpr int TileClassCount = 21;

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
    case TileClass::Suited: return isSuited(t);
    case TileClass::NearFives: return rankOf(t) >= 3 && rankOf(t) <= 7;
    case TileClass::OutsideRanks: return !isMiddle(t);
    case TileClass::TerminalsOrWinds: return isTerminal(t) || isWind(t);
    case TileClass::ThreesAndSevens: return rankOf(t) == 3 || rankOf(t) == 7;
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

// The distinct tiles among a hand's 14 (bit t for tile t), and whether one of them is held
// four times, not as a kong.
struct TileFacts {
    std::uint64_t kinds = 0;
    bool fourOfAKind = false;
};

// Ranks a fan needs among the middle ranks of the chows, or the ranks of the suited pungs, in
// whatever suits: the ranks of a straight, of terminal chows, or a run starting anywhere, its
// ranks one apart or, shifted, one or two apart.
enum class RankRun : std::uint8_t {
    Any,
    Straight,
    TerminalChows,
    ThreeApart,
    Run3,
    ShiftedRun3,
    Run4,
    ShiftedRun4,
};

// Bit r - 1 for each rank r held.
constexpr bool meetsRun(RankRun run, unsigned ranks)
{
    const auto held = [ranks](unsigned bits) { return (ranks & bits) == bits; };
    const auto anywhere = [held](unsigned bits) {
        for (; bits < 0x200; bits <<= 1) {
            if (held(bits))
                return true;
        }
        return false;
    };
    switch (run) {
    case RankRun::Any: return true;
    case RankRun::Straight: return held(0b010010010);
    case RankRun::TerminalChows: return held(0b010000010);
    case RankRun::ThreeApart: return anywhere(0b1001);
    case RankRun::Run3: return anywhere(0b111);
    case RankRun::ShiftedRun3: return anywhere(0b111) || anywhere(0b10101);
    case RankRun::Run4: return anywhere(0b1111);
    case RankRun::ShiftedRun4: return anywhere(0b1111) || anywhere(0b1010101);
    }
    return false;
}

static_assert(meetsRun(RankRun::ShiftedRun3, 0b101010000) &&
              !meetsRun(RankRun::Run3, 0b101010000) && meetsRun(RankRun::ThreeApart, 0b100100000) &&
              !meetsRun(RankRun::Run4, 0b111000111));

enum class OwnWind : std::uint8_t { None, Seat, Prevalent };

// A chow the winning tile can have completed: with the winning tile as its middle, or beside it.
enum class WaitChow : std::uint8_t { None, Middle, Beside };

enum class Flag : std::uint8_t { None, LastTileInGame, LastTileOfKind, Replacement, Robbing };

constexpr std::uint8_t sourceBit(WinSource w) { return static_cast<std::uint8_t>(1u << w); }
inline constexpr std::uint8_t AnySource =
    sourceBit(NotChosen) | sourceBit(SelfDrawn) | sourceBit(Discard);

struct FanNeeds {
    int chows = 0;  // at least this many chows
    int pungs = 0;  // pungs and kongs
    int kongs = 0;
    TileClass allTilesIn = TileClass::Any;
    TileClass someTileIn = TileClass::Any;
    HandForm form = NoForm;  // NoForm: any
    Flag flag = Flag::None;
    bool singleWait = false;                // the hand waits on one tile only
    bool never = false;                     // set by the driver, never by its rule
    int suits = 3;                          // at most this many suits among the tiles
    bool fourOfAKind = false;               // some tile held four times, not as a kong
    TileClass somePungIn = TileClass::Any;  // a pung or kong of a tile of the class
    int suitedPungs = 0;                    // pungs and kongs of suited tiles
    int concealedPungs = 0;
    int concealedKongs = 0;
    std::uint8_t sources = AnySource;  // the ways of winning it allows, by sourceBit
    bool knittedRow = false;           // the tiles hold a whole knitted row
    int minSuits = 0;                  // at least this many suits among the tiles
    // Read from the four sets of a regular reading, as the rules read them:
    int pungsOfOneRank = 0;  // suited pungs and kongs of one rank
    int meldedKongs = 0;
    bool noneOpen = false;           // every set concealed or the winning one
    bool noneConcealed = false;      // no set concealed
    RankRun chowRun = RankRun::Any;  // among the chows' middle ranks
    int chowsOfOneRank = 0;          // chows sharing a middle rank, in any suits
    RankRun pungRun = RankRun::Any;  // among the ranks of the suited pungs and kongs
    bool pairIsWinningTile = false;
    bool winningTileInPair = false;  // the winning tile completed no set
    WaitChow waitChow = WaitChow::None;
    TileClass pairTileIn = TileClass::Any;
    // Read from the hand's 14 tiles, the same in every reading:
    int windPungs = 0;  // winds held three times or more: a pung can only be of those
    int dragonPungs = 0;
    OwnWind ownWindPung = OwnWind::None;  // that wind held three times or more
    TileClass winningTileIn = TileClass::Any;
    bool someDragon = false;
    bool allConcealed = false;  // 13 concealed tiles: no declared set
    // The needs decide the rule: it counts exactly 1 whenever they are met.
    bool decided = false;
};

constexpr FanNeeds fanNeeds(int f)
{
    using C = TileClass;
    switch (f) {
    case BigFourWinds: return {.pungs = 4, .somePungIn = C::Winds, .windPungs = 4};
    case BigThreeDragons: return {.pungs = 3, .somePungIn = C::Dragons, .dragonPungs = 3};
    case AllGreen: return {.allTilesIn = C::Green};
    case FourKongs: return {.kongs = 4};
    case SevenShiftedPairs: return {.form = SevenPairs};
    case ThirteenOrphansFan: return {.form = Special};
    case AllTerminals: return {.allTilesIn = C::Terminals};
    case LittleFourWinds: return {.pungs = 3, .somePungIn = C::Winds, .windPungs = 3};
    case LittleThreeDragons: return {.pungs = 2, .somePungIn = C::Dragons, .dragonPungs = 2};
    case AllHonors: return {.allTilesIn = C::Honors};
    case FourConcealedPungs: return {.pungs = 4, .concealedPungs = 4};
    case PureTerminalChows:
        return {.chows = 4, .chowRun = RankRun::TerminalChows, .chowsOfOneRank = 2};
    case QuadrupleChow: return {.chows = 4, .chowsOfOneRank = 4};
    case FourPureShiftedPungs: return {.pungs = 4, .suitedPungs = 4, .pungRun = RankRun::Run4};
    case FourPureShiftedChows: return {.chows = 4, .chowRun = RankRun::ShiftedRun4};
    case ThreeKongs: return {.kongs = 3};
    case AllTerminalsAndHonors: return {.allTilesIn = C::TerminalsOrHonors};
    case SevenPairsFan: return {.form = SevenPairs};
    case GreaterHonorsKnittedFan: return {.form = Special};
    case AllEvenPungs: return {.pungs = 4, .allTilesIn = C::Evens, .suitedPungs = 4};
    case PureTripleChow: return {.chows = 3, .chowsOfOneRank = 3};
    case PureShiftedPungs: return {.pungs = 3, .suitedPungs = 3, .pungRun = RankRun::Run3};
    case UpperTiles: return {.allTilesIn = C::Upper};
    case MiddleTiles: return {.allTilesIn = C::Middle};
    case LowerTiles: return {.allTilesIn = C::Lower};
    case PureStraight: return {.chows = 3, .chowRun = RankRun::Straight};
    case ThreeSuitedTerminalChows:
        return {.chows = 4, .chowRun = RankRun::TerminalChows, .chowsOfOneRank = 2};
    case PureShiftedChows: return {.chows = 3, .chowRun = RankRun::ShiftedRun3};
    case AllFives: return {.allTilesIn = C::NearFives, .someTileIn = C::Fives};
    case TriplePung: return {.pungs = 3, .suitedPungs = 3, .pungsOfOneRank = 3};
    case ThreeConcealedPungs: return {.pungs = 3, .concealedPungs = 3};
    case LesserHonorsKnittedFan: return {.form = Special};
    case KnittedStraight: return {.knittedRow = true};
    case UpperFour: return {.allTilesIn = C::UpperFour};
    case LowerFour: return {.allTilesIn = C::LowerFour};
    case BigThreeWinds: return {.pungs = 3, .somePungIn = C::Winds, .windPungs = 3};
    case MixedStraight: return {.chows = 3, .chowRun = RankRun::Straight};
    case ReversibleTiles: return {.allTilesIn = C::Reversible};
    case MixedTripleChow: return {.chows = 3, .chowsOfOneRank = 3};
    case MixedShiftedPungs: return {.pungs = 3, .suitedPungs = 3, .pungRun = RankRun::Run3};
    case ChickenHand: return {.never = true};
    case LastTileDraw:
        return {.flag = Flag::LastTileInGame, .sources = sourceBit(SelfDrawn), .decided = true};
    case LastTileClaim:
        return {.flag = Flag::LastTileInGame, .sources = sourceBit(Discard), .decided = true};
    case OutWithReplacementTile: return {.flag = Flag::Replacement, .decided = true};
    case RobbingTheKong: return {.flag = Flag::Robbing, .decided = true};
    case TwoConcealedKongs: return {.kongs = 2, .concealedKongs = 2};
    case AllPungs: return {.pungs = 4, .decided = true};
    case MixedShiftedChows: return {.chows = 3, .chowRun = RankRun::Run3};
    case AllTypes: return {.someTileIn = C::Winds, .minSuits = 3, .someDragon = true};
    case TwoDragonPungs: return {.pungs = 2, .somePungIn = C::Dragons, .dragonPungs = 2};
    case TwoMeldedKongs: return {.kongs = 2};
    case LastTileFan: return {.flag = Flag::LastTileOfKind, .decided = true};
    case DragonPung: return {.pungs = 1, .somePungIn = C::Dragons, .dragonPungs = 1};
    case PrevalentWind:
        return {.pungs = 1, .somePungIn = C::Winds, .ownWindPung = OwnWind::Prevalent};
    case SeatWind: return {.pungs = 1, .somePungIn = C::Winds, .ownWindPung = OwnWind::Seat};
    case AllChows: return {.chows = 4};
    case DoublePung: return {.pungs = 2, .suitedPungs = 2, .pungsOfOneRank = 2};
    case TwoConcealedPungs: return {.pungs = 2, .concealedPungs = 2};
    case ConcealedKongFan: return {.kongs = 1, .concealedKongs = 1};
    case AllSimples: return {.allTilesIn = C::Simples, .decided = true};
    case PureDoubleChow: return {.chows = 2, .chowsOfOneRank = 2};
    case MixedDoubleChow: return {.chows = 2, .chowsOfOneRank = 2};
    case ShortStraight: return {.chows = 2, .chowRun = RankRun::ThreeApart};
    case TwoTerminalChows: return {.chows = 2, .chowRun = RankRun::TerminalChows};
    case PungOfTerminalsOrHonors: return {.pungs = 1, .somePungIn = C::TerminalsOrWinds};
    case MeldedKongFan: return {.kongs = 1, .meldedKongs = 1};
    case EdgeWait:
        return {.chows = 1,
                .singleWait = true,
                .waitChow = WaitChow::Beside,
                .winningTileIn = C::ThreesAndSevens};
    case ClosedWait:
        return {.chows = 1,
                .singleWait = true,
                .waitChow = WaitChow::Middle,
                .winningTileIn = C::Simples};
    case SingleWaiting: return {.singleWait = true, .pairIsWinningTile = true, .decided = true};
    case NineGates: return {.allTilesIn = C::Suited, .suits = 1, .allConcealed = true};
    case FullFlush: return {.allTilesIn = C::Suited, .suits = 1, .decided = true};
    case HalfFlush: return {.suits = 1, .minSuits = 1, .decided = true};
    case OneVoidedSuit: return {.suits = 2, .decided = true};
    case NoHonors: return {.allTilesIn = C::Suited, .decided = true};
    case OutsideHand: return {.allTilesIn = C::OutsideRanks, .pairTileIn = C::TerminalsOrHonors};
    case TileHog: return {.fourOfAKind = true};
    case MeldedHand:
        return {.sources = sourceBit(Discard), .noneConcealed = true, .winningTileInPair = true};
    case FullyConcealedHand: return {.sources = AnySource & ~sourceBit(Discard), .noneOpen = true};
    case ConcealedHand: return {.sources = AnySource & ~sourceBit(SelfDrawn), .noneOpen = true};
    case SelfDrawnFan: return {.sources = sourceBit(SelfDrawn), .decided = true};
    case FlowerTiles: return {.never = true};
    default: return {};
    }
}

// The fans whose needs one fact of a reading leaves unmet, per value of the fact. The tile
// classes are turned into facts of single tiles, so that a reading's tiles are visited once.
struct RuledOutFans {
    std::array<FanSet, 5> byChows;  // by the reading's chows, 0..4
    std::array<FanSet, 5> byPungs;
    std::array<FanSet, 5> byKongs;
    std::array<FanSet, 5> bySuitedPungs;
    std::array<FanSet, 5> byConcealedPungs;
    std::array<FanSet, 5> byConcealedKongs;
    std::array<FanSet, 4> bySuits;             // by the suits among the tiles, 0..3
    std::array<FanSet, 4> byForm;              // by HandForm
    std::array<FanSet, 3> bySource;            // by WinSource
    std::array<FanSet, 16> byFlags;            // by the flags that are on, bit f - 1 for Flag f
    std::array<FanSet, TileCodes> byHeldTile;  // holding the tile puts it outside their class
    std::array<FanSet, TileCodes> someTileAllowed;  // holding the tile meets their need
    std::array<FanSet, TileCodes> somePungAllowed;  // a pung of the tile meets their need
    std::array<FanSet, 4> byFewSuits;               // by the suits among the tiles, 0..3
    std::array<FanSet, 5> byPungsOfOneRank;         // by the most suited pungs of one rank, 0..4
    std::array<FanSet, 5> byMeldedKongs;
    std::array<FanSet, 512> byChowRanks;  // by the chows' middle ranks, bit r - 1 for rank r
    std::array<FanSet, 512> byPungRanks;  // by the suited pungs' ranks
    std::array<FanSet, 5> byChowsOfOneRank;
    std::array<FanSet, 5> byWindPungs;  // by the winds held three times or more
    std::array<FanSet, 4> byDragonPungs;
    std::array<FanSet, TileCodes> byWinningTile;
    FanSet withoutSeatWindPung;
    FanSet withoutPrevalentWindPung;
    FanSet withoutDragon;
    FanSet withDeclaredSets;
    FanSet withoutWinningPair;
    FanSet withWinningSet;
    FanSet withoutMiddleChow;  // no chow has the winning tile as its middle
    FanSet withoutBesideChow;  // nor beside it
    std::array<FanSet, TileCodes> byPairTile;
    FanSet decided;
    FanSet withoutKnittedRow;
    FanSet withOpenSets;
    FanSet withConcealedSets;
    FanSet needingSomeTile;
    FanSet needingSomePung;
    FanSet withoutFourOfAKind;
    FanSet withSeveralWaits;
    FanSet always;
};

constexpr std::size_t level(int n) { return static_cast<std::size_t>(n < 4 ? n : 4); }

// The fact "a need of at least `needed`" leaves unmet, for each value 0..4 of the fact.
constexpr void addByLevel(std::array<FanSet, 5>& byLevel, int needed, int f)
{
    for (int v = 0; v < needed && v <= 4; ++v)
        byLevel[static_cast<std::size_t>(v)].add(f);
}

constexpr void addByTile(RuledOutFans& r, const FanNeeds& n, int f)
{
    for (TileId t = FirstTile; t <= LastTile; ++t) {
        const std::size_t at = static_cast<std::size_t>(t);
        if (!inClass(n.allTilesIn, t))
            r.byHeldTile[at].add(f);
        if (n.someTileIn != TileClass::Any && inClass(n.someTileIn, t))
            r.someTileAllowed[at].add(f);
        if (n.somePungIn != TileClass::Any && inClass(n.somePungIn, t))
            r.somePungAllowed[at].add(f);
    }
    if (n.someTileIn != TileClass::Any)
        r.needingSomeTile.add(f);
    if (n.somePungIn != TileClass::Any)
        r.needingSomePung.add(f);
}

// The needs that a fan has or has not, each with the set a fan having it joins: the fans ruled
// out where a hand or reading fails the need, or, for `decided`, the fans its needs decide.
struct YesNoNeed {
    bool (*holds)(const FanNeeds&);
    FanSet RuledOutFans::*ruledOutBy;
};

inline constexpr YesNoNeed yesNoNeeds[] = {
    {[](const FanNeeds& n) { return n.ownWindPung == OwnWind::Seat; },
     &RuledOutFans::withoutSeatWindPung},
    {[](const FanNeeds& n) { return n.ownWindPung == OwnWind::Prevalent; },
     &RuledOutFans::withoutPrevalentWindPung},
    {[](const FanNeeds& n) { return n.someDragon; }, &RuledOutFans::withoutDragon},
    {[](const FanNeeds& n) { return n.allConcealed; }, &RuledOutFans::withDeclaredSets},
    {[](const FanNeeds& n) { return n.pairIsWinningTile; }, &RuledOutFans::withoutWinningPair},
    {[](const FanNeeds& n) { return n.winningTileInPair; }, &RuledOutFans::withWinningSet},
    {[](const FanNeeds& n) { return n.waitChow == WaitChow::Middle; },
     &RuledOutFans::withoutMiddleChow},
    {[](const FanNeeds& n) { return n.waitChow == WaitChow::Beside; },
     &RuledOutFans::withoutBesideChow},
    {[](const FanNeeds& n) { return n.decided; }, &RuledOutFans::decided},
    {[](const FanNeeds& n) { return n.knittedRow; }, &RuledOutFans::withoutKnittedRow},
    {[](const FanNeeds& n) { return n.noneOpen; }, &RuledOutFans::withOpenSets},
    {[](const FanNeeds& n) { return n.noneConcealed; }, &RuledOutFans::withConcealedSets},
    {[](const FanNeeds& n) { return n.fourOfAKind; }, &RuledOutFans::withoutFourOfAKind},
    {[](const FanNeeds& n) { return n.singleWait; }, &RuledOutFans::withSeveralWaits},
    {[](const FanNeeds& n) { return n.never; }, &RuledOutFans::always},
};

inline constexpr RuledOutFans ruledOutFans = [] {
    RuledOutFans r{};
    for (int f = 1; f <= FanCount; ++f) {
        const FanNeeds n = fanNeeds(f);
        addByLevel(r.byChows, n.chows, f);
        addByLevel(r.byPungs, n.pungs, f);
        addByLevel(r.byKongs, n.kongs, f);
        addByLevel(r.bySuitedPungs, n.suitedPungs, f);
        addByLevel(r.byConcealedPungs, n.concealedPungs, f);
        addByLevel(r.byConcealedKongs, n.concealedKongs, f);
        for (int suits = n.suits + 1; suits <= 3; ++suits)
            r.bySuits[static_cast<std::size_t>(suits)].add(f);
        for (int form = NoForm; form <= Special; ++form) {
            if (n.form != NoForm && n.form != form)
                r.byForm[static_cast<std::size_t>(form)].add(f);
        }
        for (int w = NotChosen; w <= Discard; ++w) {
            if ((n.sources & sourceBit(static_cast<WinSource>(w))) == 0)
                r.bySource[static_cast<std::size_t>(w)].add(f);
        }
        for (unsigned flags = 0; flags < 16; ++flags) {
            const unsigned needed = n.flag == Flag::None ? 0 : 1u << (static_cast<int>(n.flag) - 1);
            if ((flags & needed) != needed)
                r.byFlags[flags].add(f);
        }
        addByLevel(r.byPungsOfOneRank, n.pungsOfOneRank, f);
        addByLevel(r.byMeldedKongs, n.meldedKongs, f);
        for (unsigned ranks = 0; ranks < 512; ++ranks) {
            if (!meetsRun(n.chowRun, ranks))
                r.byChowRanks[ranks].add(f);
            if (!meetsRun(n.pungRun, ranks))
                r.byPungRanks[ranks].add(f);
        }
        addByLevel(r.byChowsOfOneRank, n.chowsOfOneRank, f);
        addByLevel(r.byWindPungs, n.windPungs, f);
        for (int v = 0; v < n.dragonPungs; ++v)
            r.byDragonPungs[static_cast<std::size_t>(v)].add(f);
        for (TileId t = FirstTile; t <= LastTile; ++t) {
            if (!inClass(n.winningTileIn, t))
                r.byWinningTile[static_cast<std::size_t>(t)].add(f);
        }
        for (const YesNoNeed& need : yesNoNeeds) {
            if (need.holds(n))
                (r.*need.ruledOutBy).add(f);
        }
        for (TileId t = NoTile; t <= LastTile; ++t) {
            if (t == NoTile ? n.pairTileIn != TileClass::Any : !inClass(n.pairTileIn, t))
                r.byPairTile[static_cast<std::size_t>(t)].add(f);
        }
        for (int suits = 0; suits < n.minSuits; ++suits)
            r.byFewSuits[static_cast<std::size_t>(suits)].add(f);
        addByTile(r, n, f);
    }
    return r;
}();

static_assert(ruledOutFans.always.count() == 2 && ruledOutFans.byChows[2].count() == 11);
static_assert(ruledOutFans.byHeldTile[WhiteDragon].contains(NoHonors) &&
              !ruledOutFans.byHeldTile[2].contains(OutsideHand) &&
              ruledOutFans.byHeldTile[5].contains(OutsideHand));
static_assert(classMask(TileClass::Fives) ==
              ((std::uint64_t{1} << 5) | (std::uint64_t{1} << 14) | (std::uint64_t{1} << 23)));

namespace detail {

// What the number of suits among the tiles rules out, both ways, in one lookup.
inline constexpr std::array<FanSet, 4> bySuitCount = [] {
    std::array<FanSet, 4> sets{};
    for (std::size_t n = 0; n < sets.size(); ++n) {
        sets[n].add(ruledOutFans.bySuits[n]);
        sets[n].add(ruledOutFans.byFewSuits[n]);
    }
    return sets;
}();

// What the way of winning and the flags rule out, by 16 * WinSource + flags.
inline constexpr std::array<FanSet, 3 * 16> bySourceAndFlags = [] {
    std::array<FanSet, 3 * 16> sets{};
    for (std::size_t i = 0; i < sets.size(); ++i) {
        sets[i].add(ruledOutFans.bySource[i / 16]);
        sets[i].add(ruledOutFans.byFlags[i % 16]);
    }
    return sets;
}();

inline constexpr std::uint64_t suitBits[3] = {std::uint64_t{0x1FF} << Bamboo1,
                                              std::uint64_t{0x1FF} << Characters1,
                                              std::uint64_t{0x1FF} << Dots1};

inline constexpr std::uint64_t dragonBits = std::uint64_t{7} << RedDragon;

// What holding a group's tiles rules out and allows, by the group's tiles held as bits: each
// suit's nine ranks, then the seven honors, whose group also knows whether a dragon is held.
// Four lookups instead of one per distinct tile.
struct GroupFans {
    FanSet out;
    FanSet someAllowed;
};
inline constexpr int TileGroups = 4;
constexpr TileId groupStart(int g) { return static_cast<TileId>(FirstTile + 9 * g); }

inline constexpr std::array<std::array<GroupFans, 512>, TileGroups> heldGroupFans = [] {
    std::array<std::array<GroupFans, 512>, TileGroups> groups{};
    for (int g = 0; g < TileGroups; ++g) {
        for (unsigned bits = 0; bits < 512; ++bits) {
            GroupFans& fans = groups[static_cast<std::size_t>(g)][bits];
            for (int i = 0; i < 9; ++i) {
                const auto t = static_cast<std::size_t>(groupStart(g) + i);
                if ((bits >> i & 1) == 0 || t > LastTile)
                    continue;
                fans.out.add(ruledOutFans.byHeldTile[t]);
                fans.someAllowed.add(ruledOutFans.someTileAllowed[t]);
            }
            if (groupStart(g) == East && (bits & dragonBits >> East) == 0)
                fans.out.add(ruledOutFans.withoutDragon);
        }
    }
    return groups;
}();

static_assert(groupStart(3) == East &&
              heldGroupFans[3][1u << (RedDragon - East)].out == ruledOutFans.byHeldTile[RedDragon]);

inline FanSet ruledOutByTiles(const TileFacts& tiles)
{
    const RuledOutFans& r = ruledOutFans;
    FanSet out, someAllowed;
    for (int g = 0; g < TileGroups; ++g) {
        const GroupFans& fans =
            heldGroupFans[static_cast<std::size_t>(g)][(tiles.kinds >> groupStart(g)) & 0x1FF];
        out.add(fans.out);
        someAllowed.add(fans.someAllowed);
    }
    FanSet unmet = r.needingSomeTile;
    unmet.remove(someAllowed);
    out.add(unmet);
    out.addWhen(!tiles.fourOfAKind, r.withoutFourOfAKind);
    return out;
}

}  // namespace detail

namespace detail {

// An honor held three times or more is a pung or kong in every regular reading, and one held
// fewer times is one in none: the honor pungs are the hand's, not the reading's.
inline FanSet ruledOutByHonorPungs(const HandStructure& s)
{
    const RuledOutFans& r = ruledOutFans;
    const auto held = [&s](TileId t) { return s.tileCounts[t] >= 3 ? 1 : 0; };
    const int winds = held(East) + held(South) + held(West) + held(North);
    const int dragons = held(RedDragon) + held(GreenDragon) + held(WhiteDragon);
    FanSet out = r.byWindPungs[static_cast<std::size_t>(winds)];
    out.add(r.byDragonPungs[static_cast<std::size_t>(dragons)]);
    out.addWhen(held(s.seatWind) == 0, r.withoutSeatWindPung);
    out.addWhen(held(s.prevalentWind) == 0, r.withoutPrevalentWindPung);
    return out;
}

}  // namespace detail

// The distinct tiles among the hand's 14, found from its tiles.
inline TileFacts tileFactsOf(const HandStructure& s)
{
    TileFacts facts;
    for (int i = 0; i < s.tileCount; ++i) {
        facts.kinds |= std::uint64_t{1} << s.tiles[i];
        facts.fourOfAKind = facts.fourOfAKind || s.tileCounts[s.tiles[i]] == 4;
    }
    return facts;
}

// The fans the facts of the whole hand rule out, the same in each of its readings: its tiles,
// flags, way of winning and waits.
inline FanSet ruledOutByHand(const HandStructure& s, const TileFacts& tiles)
{
    const RuledOutFans& r = ruledOutFans;
    int suits = 0;
    for (std::uint64_t bits : detail::suitBits)
        suits += (tiles.kinds & bits) != 0 ? 1 : 0;
    const unsigned flags = (s.lastTileInGame ? 1u : 0u) | (s.lastTileOfKind ? 2u : 0u) |
                           (s.replacementTile ? 4u : 0u) | (s.robbingTheKong ? 8u : 0u);

    FanSet out = r.always;
    out.add(detail::bySuitCount[static_cast<std::size_t>(suits)]);
    if (!holdsKnittedRow(tiles.kinds))
        out.add(r.withoutKnittedRow);
    out.add(detail::bySourceAndFlags[16 * static_cast<std::size_t>(s.winSource) + flags]);
    out.add(detail::ruledOutByTiles(tiles));
    out.addWhen(s.waitCount != 1, r.withSeveralWaits);
    out.add(detail::ruledOutByHonorPungs(s));
    out.add(r.byWinningTile[static_cast<std::size_t>(s.winningTile)]);
    out.addWhen(s.concealedCount != MaxTiles - 1, r.withDeclaredSets);
    return out;
}

namespace detail {

// What one set of a regular reading adds to the reading's facts, by its kind, whether it is
// concealed and its tile: every fact a sum or a union over the sets, so that reading a set is
// a lookup and a few additions, with nothing to compare and no branch to guess.
struct SetContribution {
    // 3-bit counts (four sets at most), at the shifts below.
    std::uint32_t counts = 0;
    std::uint32_t ranks = 0;  // bit r - 1: a chow's middle rank; bit 16 + r - 1: a suited pung's
    std::uint32_t chowsByRank = 0;  // a 3-bit count per rank r, at 3 * r
    std::uint32_t pungsByRank = 0;  // suited pungs and kongs, likewise
    std::uint64_t chowMiddle = 0;   // bit t for a chow of middle tile t
    FanSet pungAllowed;             // the fans a pung or kong of the tile lets through
};

inline constexpr unsigned ConcealedShift = 0, ConcealedPungShift = 3, ConcealedKongShift = 6,
                          MeldedKongShift = 9, SuitedPungShift = 12;

constexpr std::size_t countAt(std::uint32_t counts, unsigned shift) { return counts >> shift & 7; }

constexpr std::size_t contributionIndex(int kind, int concealed, TileId t)
{
    return static_cast<std::size_t>((2 * kind + concealed) * TileCodes + t);
}

inline constexpr std::array<SetContribution, 2 * SetKindSlots* TileCodes> setContributions = [] {
    std::array<SetContribution, 2 * SetKindSlots * TileCodes> table{};
    for (int kind = 0; kind < SetKindSlots; ++kind) {
        for (int hidden = 0; hidden <= 1; ++hidden) {
            for (TileId t = FirstTile; t <= LastTile; ++t) {
                SetContribution& c = table[contributionIndex(kind, hidden, t)];
                const bool chow = kind == Chow && isSuited(t), kong = kind == Kong;
                const bool pung = kind == Pung || kong;
                const bool suitedPung = pung && isSuited(t);
                const auto rank = static_cast<unsigned>(rankOf(t));
                const auto h = static_cast<std::uint32_t>(hidden);
                c.counts = h << ConcealedShift;
                if (pung)
                    c.counts += h << ConcealedPungShift;
                if (kong)
                    c.counts += h << ConcealedKongShift | (1 - h) << MeldedKongShift;
                if (chow) {
                    c.ranks = 1u << (rank - 1);
                    c.chowsByRank = 1u << (3 * rank);
                    c.chowMiddle = std::uint64_t{1} << t;
                }
                if (pung)
                    c.pungAllowed = ruledOutFans.somePungAllowed[static_cast<std::size_t>(t)];
                if (suitedPung) {
                    c.counts += 1u << SuitedPungShift;
                    c.ranks |= 1u << (16 + rank - 1);
                    c.pungsByRank = 1u << (3 * rank);
                }
            }
        }
    }
    return table;
}();

// The most sets sharing a rank (at least 1), from a 3-bit count per rank: one test finds any
// rank counted two, three or four times. Four sets at most, so a count never passes 4.
inline std::size_t mostOfOneRank(std::uint32_t byRank)
{
    constexpr std::uint32_t lowBits = 01111111111;  // bit 0 of each rank's count
    const bool four = ((byRank >> 2) & lowBits) != 0;
    const bool three = four || ((byRank >> 1 & byRank) & lowBits) != 0;
    const bool two = three || ((byRank >> 1) & lowBits) != 0;
    return four ? 4 : three ? 3 : two ? 2 : 1;
}

// What the four sets of a regular reading rule out, read in one pass as the rules read them:
// the tiles, suits and concealment of its pungs and kongs, sets left open or concealed, melded
// kongs, the ranks of its chows and pungs and how many share one. A whole-hand reading has no
// sets to read.
inline FanSet ruledOutBySets(const HandStructure& s)
{
    const RuledOutFans& r = ruledOutFans;
    SetContribution sum;
    const int sets = s.form == Regular ? 4 : 0;
    for (int i = 0; i < sets; ++i) {
        const SetContribution& c =
            setContributions[contributionIndex(s.setKinds[i], s.setConcealed[i], s.setTiles[i])];
        sum.counts += c.counts;
        sum.ranks |= c.ranks;
        sum.chowsByRank += c.chowsByRank;
        sum.pungsByRank += c.pungsByRank;
        sum.chowMiddle |= c.chowMiddle;
        sum.pungAllowed.add(c.pungAllowed);
    }
    FanSet out = r.needingSomePung;
    out.remove(sum.pungAllowed);
    out.add(r.bySuitedPungs[countAt(sum.counts, SuitedPungShift)]);
    out.add(r.byConcealedPungs[countAt(sum.counts, ConcealedPungShift)]);
    out.add(r.byConcealedKongs[countAt(sum.counts, ConcealedKongShift)]);
    if (sets == 0)
        return out;
    out.add(r.byPungsOfOneRank[mostOfOneRank(sum.pungsByRank)]);
    out.add(r.byChowsOfOneRank[mostOfOneRank(sum.chowsByRank)]);
    out.add(r.byChowRanks[sum.ranks & 0x1FF]);
    out.add(r.byPungRanks[sum.ranks >> 16]);
    const std::uint64_t winning = std::uint64_t{1} << s.winningTile;
    out.addWhen((sum.chowMiddle & winning) == 0, r.withoutMiddleChow);
    out.addWhen((sum.chowMiddle & (winning << 1 | winning >> 1)) == 0, r.withoutBesideChow);
    out.add(r.byPairTile[static_cast<std::size_t>(s.pairTile)]);
    out.add(r.byMeldedKongs[countAt(sum.counts, MeldedKongShift)]);
    // Open sets: those not concealed, but the one the winning tile completed.
    const auto concealed = static_cast<int>(countAt(sum.counts, ConcealedShift));
    const auto w = static_cast<unsigned>(s.winningSet);  // -1, none, turns large
    const int openWinningSet = (w < 4) & (s.setConcealed[w & 3] == 0);
    const int open = sets - concealed - openWinningSet;
    out.addWhen(open > 0, r.withOpenSets);
    out.addWhen(concealed > 0, r.withConcealedSets);
    return out;
}

}  // namespace detail

namespace detail {

// What counts of chows, pungs and kongs (each 0..4) rule out, in one lookup, chows slowest.
inline constexpr std::array<FanSet, 125> byKindCounts = [] {
    std::array<FanSet, 125> sets{};
    for (std::size_t i = 0; i < sets.size(); ++i) {
        sets[i].add(ruledOutFans.byChows[i / 25]);
        sets[i].add(ruledOutFans.byPungs[i / 5 % 5]);
        sets[i].add(ruledOutFans.byKongs[i % 5]);
    }
    return sets;
}();

}  // namespace detail

// The fans one reading's sets and form rule out.
inline FanSet ruledOutByReading(const HandStructure& s)
{
    const RuledOutFans& r = ruledOutFans;
    FanSet out = detail::byKindCounts[25 * level(s.kindCounts[Chow]) +
                                      5 * level(s.kindCounts[Pung] + s.kindCounts[Kong]) +
                                      level(s.kindCounts[Kong])];
    out.add(r.byForm[static_cast<std::size_t>(s.form)]);
    out.add(detail::ruledOutBySets(s));
    out.addWhen(s.pairTile != s.winningTile, r.withoutWinningPair);
    out.addWhen(s.winningSet != -1, r.withWinningSet);
    return out;
}

// The fans a reading's facts leave possible: its tiles, its sets, its form, flags and waits.
inline FanSet possibleFans(const HandStructure& s)
{
    FanSet possible = FanSet::all();
    possible.remove(ruledOutByHand(s, tileFactsOf(s)));
    possible.remove(ruledOutByReading(s));
    return possible;
}

}  // namespace fanwright
