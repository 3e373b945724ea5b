#include "ui/fan_reference_model.h"

#include "test_support.h"
#include "ui/layout_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright::ui {
namespace {

TEST(FanReferenceModel, TypedTextSelectsANameOrANumber)
{
    const struct {
        const wchar_t* typed;
        int fan;  // 0: none
    } rows[] = {
        {L"Seven", 19},   // before Seven Shifted Pairs, alphabetically
        {L"seven s", 6},  // case aside
        {L"All", 63},     // All Chows, first of the ten that start so
        {L"all t", 8},    // All Terminals before All Terminals and Honors
        {L"Knitted", 35},
        {L"Chicken Hand", 43},
        {L"Chicken Hands", 0},
        {L"x", 0},
        {L"19", 19},
        {L"7", 7},
        {L"81", 81},
        {L"82", 0},
        {L"0", 0},
        {L"007", 0},
        {L"", 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(rowForTyped(r.typed), r.fan - 1) << test::narrow(r.typed);
}

TEST(FanReferenceModel, PausesSplitTypedNames)
{
    TypeAhead typing;
    const struct {
        wchar_t c;
        unsigned time;
        const wchar_t* typed;
    } rows[] = {
        {L' ', 100, L""},  // a space first is left to the list
        {L'S', 200, L"S"},    {L'e', 400, L"Se"},
        {L' ', 500, L"Se "},  {L'x', 1600, L"x"},   // more than a second later: a new name
        {L'\t', 1700, L""},   {L'y', 1800, L"xy"},  // a control character is not typed
        {L'A', 2800, L"xyA"},                       // exactly a second: still the same name
    };
    for (const auto& r : rows)
        EXPECT_EQ(std::wstring(typing.type(r.c, r.time)), r.typed) << r.time;
}

TEST(FanReferenceModel, APageForEachFan)
{
    const struct {
        int fan;
        const char* subtitle;
        const char* won;
        const char* scores;
        std::vector<std::string> example;
        std::size_t neverBeside;
    } rows[] = {
        {19,
         "Fan 19 of 81, 24 points",
         "Won on 8d, a discard.",
         "This example scores 24: Seven Pairs 24.",
         {"3b3b1c1c6c6c8c8c1d1d8dwsws 8d"},
         59},
        {38,
         "Fan 38 of 81, 12 points",
         "Won on 5b, a discard. Prevalent wind West, seat wind West.",
         "This example scores 14: Big Three Winds 12, One Voided Suit 1, Single Waiting 1.",
         {"wnwnwn wewewe 5b7c8c9cwswsws 5b", "[Pung] | [Pung]"},
         48},
        {81,
         "Fan 81 of 81, 1 point",
         "",
         "No example: the hands here hold no flowers, so no hand scores this fan.",
         {},
         0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.fan);
        const FanPage page = fanPage(r.fan, 300, 100);
        EXPECT_EQ(test::narrow(page.subtitle), r.subtitle);
        EXPECT_EQ(test::narrow(page.won), r.won);
        EXPECT_EQ(test::narrow(page.scores), r.scores);
        EXPECT_EQ(test::scriptOf(page.example), r.example);
        EXPECT_EQ(page.neverBeside.size(), r.neverBeside);
        EXPECT_EQ(test::narrow(page.neverLabel),
                  r.neverBeside ? "Never counted beside:" : "Never counted beside: no fan.");
        for (const ResultItem& item : page.example)
            EXPECT_GE(item.x, 300);
    }
}

}  // namespace
}  // namespace fanwright::ui
