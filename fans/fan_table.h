// The 81 fans: name, points, how the driver treats each, and the rule that detects it.
#pragma once

#include "fans/fan_id.h"
#include "hand/hand_structure.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace fanwright {

// Detects one fan in one reading: 0 = absent, otherwise the number of occurrences, or for a
// three-chow fan the position of the chow its three chows leave out.
using FanRule = std::int32_t (*)(const HandStructure&);

struct FanInfo {
    std::string_view name;
    std::int32_t points;
    bool regularOnly;   // tested only on readings of four sets and a pair
    bool threeChowFan;  // rule returns the code of the chow left out
    bool pairChowFan;   // counted together by the pairwise chow routine
    FanRule rule;
};

extern const std::array<FanInfo, FanCount> fanTable;

inline const FanInfo& fanInfo(int id) { return fanTable[static_cast<std::size_t>(id - 1)]; }
inline std::string_view fanName(int id) { return fanInfo(id).name; }
inline std::int32_t fanPoints(int id) { return fanInfo(id).points; }
inline bool isRegularOnly(int id) { return fanInfo(id).regularOnly; }
inline bool isThreeChowFan(int id) { return fanInfo(id).threeChowFan; }
inline bool isPairChowFan(int id) { return fanInfo(id).pairChowFan; }
inline FanRule fanRule(int id) { return fanInfo(id).rule; }

}  // namespace fanwright
