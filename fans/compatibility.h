// Which fans may be counted together. Only a higher fan (smaller FanId) excludes a lower one:
// once fan i has been counted, a later fan j whose byte (i, j) is 0 is not tested any more.
#pragma once

#include "fans/fan_id.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace fanwright {

// Upper triangle of the 81 x 81 matrix without its diagonal, row by row: the row of fan i
// holds one byte for each later fan j = i+1..81.
inline constexpr int CompatibilityBytes = (FanCount - 1) * FanCount / 2;

constexpr int compatibilityOffset(int i, int j)
{
    return FanCount * (i - 1) - (i - 1) * i / 2 + (j - i - 1);
}

namespace detail {

// For each fan 1..80, the later fans it excludes, as inclusive ranges.
inline constexpr std::array<std::string_view, FanCount - 1> exclusionLists = {
    /*  1 */ "2-4 6-10 13-16 19-32 34-43 47 49 51 52 54 55 58-61 63-65 68-73 75-78",
    /*  2 */ "3 4 6-10 13-16 19-32 34-43 51 52 54 59 63-65 68-72 76",
    /*  3 */ "4 6-11 13 15 16 18 20 21 25-32 34-39 41-43 51 52 54 55 60 61 65 70-73 75 77",
    /*  4 */ "5-27 29-43 46-55 57-63 65 67-70 72-80",
    /*  5 */
    "6 7 13 14 16 17 19 20 23 28-31 34 35 39 41 43 47 49 51 55 57 58 63 64 66 69-72 74 "
    "77-79",
    /*  6 */ "7-43 46-55 57-67 69-80",
    /*  7 */ "8-43 46 48-55 57 59-80",
    /*  8 */ "9-11 13-16 18 20-31 34-43 47 49-52 54 55 58-61 63 68-73 76-78",
    /*  9 */ "10 13-16 19-32 34-43 51 52 54 63-65 68-73 75 76",
    /* 10 */ "13-16 19-32 34-43 51 52 54 59 63 68 76",
    /* 11 */ "13-16 18 20-32 34-37 39-43 47 49-52 55 58 63 65 68-73 75-78",
    /* 12 */
    "13 14 16 19 20 23 28-31 33-35 39 41 43 47 49 51 53 55 57 58 62-64 66 69-72 74 77 78 "
    "80",
    /* 13 */ "14-43 46-52 54 55 57 59-61 63-76",
    /* 14 */ "15-21 23 24 28-30 32-35 38 39 41-43 46-49 51 52 54 57 59-61 64-67 69-74",
    /* 15 */ "16 18-21 23-32 34 35 38 39 41-43 47 49 51 52 54 55 58-61 63-65 69-72 77 78",
    /* 16 */ "17-21 23-43 46 48 49 51 52 54 55 57 59-61 65-67 69-74",
    /* 17 */ "19 20 23 28-31 34 35 39 41 43 51 57 63 64 69-72 74",
    /* 18 */ "20-31 34-37 39 41-43 47 49 51 55 58 63 68-73 76-78",
    /* 19 */ "20 21 23 24 28-35 38 39 41-43 46-49 51 53-55 57-63 65-67 69-74 77-80",
    /* 20 */ "21-43 46 48-55 57 59-80",
    /* 21 */ "22-25 27-31 34 35 38 39 41-43 47 49-52 54 55 58-61 63 64 68-73 76-78",
    /* 22 */ "25-27 29 31 32 34 35 38 39 41-43 50-52 54 59-61 65 70 75 76",
    /* 23 */ "24 28-30 32-35 38 39 41-43 48 49 51 52 54 57 65 66 69",
    /* 24 */ "28-32 34 35 38 39 41-43 51 52 54 55 63 69-72",
    /* 25 */ "26-31 34-39 43 50-52 54 59-61 71 72 76",
    /* 26 */ "27-30 34-39 43 50-52 54 55 59-61 68 71-73 76 77",
    /* 27 */ "28-31 34-39 43 50-52 54 59-61 71 72 76",
    /* 28 */ "29-43 48 49 51 52 54 55 57 65 66 68",
    /* 29 */ "30-43 46 48-52 54 55 57 59-61 63-76",
    /* 30 */ "32-39 41-43 48 49 51 52 54 55 57 65 66",
    /* 31 */ "34-39 42 43 50 52 54 55 59-61 68 71-73 76 77",
    /* 32 */ "34 35 38-43 50 51 54 63 65 69-72 75",
    /* 33 */ "34 35 39 41 43 51 53 63 66 69-72",
    /* 34 */ "36-43 46 48-55 57 59-80",
    /* 35 */ "36-43 48-51 53-55 57 65 66 68-72 75",
    /* 36 */ "37-39 43 50-52 54 55 59-61 71 72 76",
    /* 37 */ "38 39 43 50-52 54 55 59-61 71 72 76",
    /* 38 */ "39-43 51 52 54 63-65 68-72 76",
    /* 39 */ "40-43 48-51 54 55 57 65 66 68 75",
    /* 40 */ "41-43 51 52 54 60 61 70-72 75",
    /* 41 */ "42 43 48-51 54 57 65 66 75",
    /* 42 */ "43 50 51 54 55 63 69-72 75",
    /* 43 */ "44-80",
    /* 44 */ "45 47 53 62 80",
    /* 45 */ "46 47 56 80",
    /* 46 */ "47 53 62 80",
    /* 47 */ "49 53 56 58 79 80",
    /* 48 */ "51 53 57 63 66 67 74",
    /* 49 */ "51 55 58 63 64 69-72 77 78",
    /* 50 */ "51 52 63 65 68 70 75 76",
    /* 51 */ "54 55 57 65 66 75",
    /* 52 */ "54 63 68 69 71 72 75 76",
    /* 53 */ "56 58 62 67 77-80",
    /* 54 */ "59 63 68 76",
    /* 55 */ "68 71",
    /* 56 */ "57 62 74 80",
    /* 57 */ "63 74",
    /* 58 */ "79",
    /* 59 */ "63 68 76",
    /* 60 */ "63 68 76",
    /* 61 */ "63 68 76",
    /* 62 */ "80",
    /* 63 */ "65-67 73 74 76",
    /* 64 */ "",
    /* 65 */ "",
    /* 66 */ "",
    /* 67 */ "74",
    /* 68 */ "72 73 76",
    /* 69 */ "",
    /* 70 */ "",
    /* 71 */ "",
    /* 72 */ "",
    /* 73 */ "",
    /* 74 */ "",
    /* 75 */ "",
    /* 76 */ "",
    /* 77 */ "",
    /* 78 */ "",
    /* 79 */ "",
    /* 80 */ "",
};

constexpr int readNumber(std::string_view s, std::size_t& at)
{
    int n = 0;
    while (at < s.size() && s[at] >= '0' && s[at] <= '9')
        n = n * 10 + (s[at++] - '0');
    return n;
}

constexpr std::array<std::uint8_t, CompatibilityBytes> buildCompatibility()
{
    std::array<std::uint8_t, CompatibilityBytes> bytes{};
    for (auto& b : bytes)
        b = 1;
    for (int i = 1; i < FanCount; ++i) {
        std::string_view list = exclusionLists[static_cast<std::size_t>(i - 1)];
        std::size_t at = 0;
        while (at < list.size()) {
            const int from = readNumber(list, at);
            int to = from;
            if (at < list.size() && list[at] == '-')
                to = readNumber(list, ++at);
            for (int j = from; j <= to; ++j) {
                // A range outside the row makes the array index throw in a constant expression.
                if (j <= i || j > FanCount)
                    throw "exclusion outside its row";
                bytes[static_cast<std::size_t>(compatibilityOffset(i, j))] = 0;
            }
            while (at < list.size() && list[at] == ' ')
                ++at;
        }
    }
    return bytes;
}

}  // namespace detail

inline constexpr std::array<std::uint8_t, CompatibilityBytes> fanCompatibility =
    detail::buildCompatibility();

// Byte (i, j) for i < j.
constexpr bool isCompatible(int i, int j)
{
    return fanCompatibility[static_cast<std::size_t>(compatibilityOffset(i, j))] != 0;
}

namespace detail {

constexpr int countExclusions()
{
    int zeros = 0;
    for (auto b : fanCompatibility)
        zeros += b == 0 ? 1 : 0;
    return zeros;
}

constexpr bool fanColumnAllCompatible()
{
    for (int i = 1; i < FanCount; ++i) {
        if (!isCompatible(i, FanCount))
            return false;
    }
    return true;
}

}  // namespace detail

static_assert(CompatibilityBytes == 3240);
static_assert(compatibilityOffset(2, 3) == 80 && compatibilityOffset(3, 4) == 159 &&
              compatibilityOffset(80, 81) == 3239);
static_assert(detail::countExclusions() == 1551, "the matrix holds 1551 exclusions");
static_assert(detail::fanColumnAllCompatible(), "flower tiles combine with every fan");

}  // namespace fanwright
