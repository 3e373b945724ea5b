// Every fan in a sentence, with a hand that scores it and the fans never counted beside it.
#pragma once

#include "fans/compatibility.h"
#include "fans/fan_id.h"
#include "fans/fan_set.h"

#include <array>
#include <string_view>

namespace fanwright {

struct FanDescription {
    std::string_view rule;     // the fan's rule, in one sentence
    std::string_view example;  // a hand code that scores it; empty for a fan never counted
};

extern const std::array<FanDescription, FanCount> fanDescriptions;

inline const FanDescription& fanDescription(int id)
{
    return fanDescriptions[static_cast<std::size_t>(id - 1)];
}

// The fans the compatibility matrix never lets count beside this one, before or after it.
constexpr FanSet neverCountedBeside(int id)
{
    FanSet set;
    for (int other = 1; other <= FanCount; ++other) {
        if (other != id && !isCompatible(other < id ? other : id, other < id ? id : other))
            set.add(other);
    }
    return set;
}

static_assert(neverCountedBeside(ChickenHand).count() == 42 + 37);
static_assert(neverCountedBeside(FlowerTiles) == FanSet{});

}  // namespace fanwright
