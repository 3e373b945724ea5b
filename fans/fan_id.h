// Fan numbers, highest points first. Every per-fan array has 81 entries indexed by FanId - 1.
#pragma once

#include <cstdint>

namespace fanwright {

enum FanId : std::int32_t {
    NoFan = 0,
    BigFourWinds = 1,
    BigThreeDragons,
    AllGreen,
    NineGates,
    FourKongs,
    SevenShiftedPairs,
    ThirteenOrphansFan,
    AllTerminals,
    LittleFourWinds,
    LittleThreeDragons,
    AllHonors,  // 11
    FourConcealedPungs,
    PureTerminalChows,
    QuadrupleChow,
    FourPureShiftedPungs,
    FourPureShiftedChows,
    ThreeKongs,
    AllTerminalsAndHonors,
    SevenPairsFan,
    GreaterHonorsKnittedFan,  // 20
    AllEvenPungs,
    FullFlush,
    PureTripleChow,
    PureShiftedPungs,
    UpperTiles,
    MiddleTiles,
    LowerTiles,
    PureStraight,
    ThreeSuitedTerminalChows,
    PureShiftedChows,  // 30
    AllFives,
    TriplePung,
    ThreeConcealedPungs,
    LesserHonorsKnittedFan,
    KnittedStraight,
    UpperFour,
    LowerFour,
    BigThreeWinds,
    MixedStraight,
    ReversibleTiles,  // 40
    MixedTripleChow,
    MixedShiftedPungs,
    ChickenHand,
    LastTileDraw,
    LastTileClaim,
    OutWithReplacementTile,
    RobbingTheKong,
    TwoConcealedKongs,
    AllPungs,
    HalfFlush,  // 50
    MixedShiftedChows,
    AllTypes,
    MeldedHand,
    TwoDragonPungs,
    OutsideHand,
    FullyConcealedHand,
    TwoMeldedKongs,
    LastTileFan,
    DragonPung,
    PrevalentWind,  // 60
    SeatWind,
    ConcealedHand,
    AllChows,
    TileHog,
    DoublePung,
    TwoConcealedPungs,
    ConcealedKongFan,
    AllSimples,
    PureDoubleChow,
    MixedDoubleChow,  // 70
    ShortStraight,
    TwoTerminalChows,
    PungOfTerminalsOrHonors,
    MeldedKongFan,
    OneVoidedSuit,
    NoHonors,
    EdgeWait,
    ClosedWait,
    SingleWaiting,
    SelfDrawnFan,  // 80
    FlowerTiles,
};

inline constexpr int FanCount = 81;

static_assert(AllHonors == 11 && SevenPairsFan == 19 && MixedTripleChow == 41 &&
              ChickenHand == 43 && AllTypes == 52 && TileHog == 64 && PureDoubleChow == 69 &&
              MeldedKongFan == 74 && SelfDrawnFan == 80 && FlowerTiles == FanCount);

}  // namespace fanwright
