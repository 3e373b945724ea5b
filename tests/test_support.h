// Small helpers for building hands in tests from tile names such as "1b 2b 3b" or "1b2b3b".
#pragma once

#include "generator/generator.h"
#include "generator/random.h"
#include "hand/decomposition.h"
#include "hand/hand.h"
#include "hand/log_code.h"
#include "hand/waits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fanwright::test {

inline std::vector<TileId> tilesOf(std::string_view names)
{
    std::vector<TileId> tiles;
    std::string compact;
    for (char c : names) {
        if (c != ' ')
            compact += c;
    }
    for (std::size_t i = 0; i + 1 < compact.size(); i += 2) {
        const std::string_view name(compact.data() + i, 2);
        TileId found = -1;
        for (TileId t = 0; t < TileCodes; ++t) {
            if (tileName(t) == name)
                found = t;
        }
        EXPECT_GE(found, 0) << "bad tile name " << name;
        tiles.push_back(found);
    }
    return tiles;
}

inline TileId tile(std::string_view name) { return tilesOf(name).at(0); }

// A hand of concealed tiles and a winning tile, nothing declared.
inline Hand concealedHand(std::string_view concealed, std::string_view winning,
                          WinSource source = SelfDrawn)
{
    Hand hand;
    for (TileId t : tilesOf(concealed))
        hand.addConcealedTile(t);
    if (!winning.empty())
        hand.setWinningTile(tile(winning));
    hand.setWinSource(source);
    return hand;
}

// A hand from its log code; fails the test when the code is refused.
inline Hand handOf(std::string_view code)
{
    ParsedLogLine parsed;
    std::string error;
    EXPECT_TRUE(parseLogLine(code, parsed, error)) << code << ": " << error;
    return parsed.hand;
}

// The readings of a hand as the scorer builds them, each carrying the hand's number of waits, in
// the order found.
inline std::vector<HandStructure> readingsOf(const Hand& hand)
{
    Hand without = hand;
    without.clearWinningTile();
    HandStructure s;
    s.buildStructure(hand, findWaits(without).count);
    StructureList list;
    decompose(list, s);
    std::vector<HandStructure> readings;
    for (int i = 0; i < list.count(); ++i)
        readings.push_back(list[i]);
    return readings;
}

// A reading as text, "ch2b ch2b pu9d =5c": sets by kind and tile, then the pair. Takes a
// HandStructure or a ScoreResult.
template <typename Reading>
std::string describe(const Reading& s)
{
    constexpr std::string_view kinds = "--chknpukgpr";
    constexpr std::string_view forms[] = {"thirteen-orphans", "greater-knitted", "lesser-knitted"};
    std::string text;
    for (int i = 0; i < s.setCount; ++i) {
        const int kind = s.setKinds[i];
        text += kind >= ThirteenOrphans ? forms[kind - ThirteenOrphans] : kinds.substr(2 * kind, 2);
        text += s.setTiles[i] != NoTile ? tileName(s.setTiles[i]) : "";
        text += ' ';
    }
    if (s.pairTile != NoTile) {
        text += '=';
        text += tileName(s.pairTile);
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// The readings of a hand as text, in the order found.
inline std::vector<std::string> readingTexts(const Hand& hand)
{
    std::vector<std::string> out;
    for (const HandStructure& s : readingsOf(hand))
        out.push_back(describe(s));
    return out;
}

// A corner of every setting: no melded sets and the most special hands, all melded, only kongs,
// only chows, only pungs, and the 8-point minimum.
inline constexpr GeneratorSettings settingsCorners[] = {
    {0, 40, 40, 3, 3, 0}, {10, 40, 40, 0, 0, 0}, {5, 0, 0, 1, 1, 0},
    {0, 100, 0, 1, 1, 0}, {0, 0, 100, 2, 1, 0},  {3, 20, 40, 3, 2, 8},
};

// Deals `perSetting` hands with each of `settings`, from `seed`, and hands each to `check`
// with its number within its setting; stops at the first fatal failure.
template <class Settings, class Check>
void forEachDealtHand(const Settings& settings, std::uint32_t seed, int perSetting, Check check)
{
    seedRandom(seed);
    for (const GeneratorSettings& setting : settings) {
        for (int i = 0; i < perSetting && !::testing::Test::HasFatalFailure(); ++i) {
            Hand h;
            generateHand(h, setting);
            check(h, i);
        }
    }
}

}  // namespace fanwright::test
