// A set of fans as two words of bits, bit f - 1 for fan f, so that the driver switches off
// every fan a counted fan excludes with two AND operations and visits only the fans left.
#pragma once

#include "fans/compatibility.h"
#include "fans/fan_id.h"

#include <array>
#include <bit>
#include <cstdint>

namespace fanwright {

class FanSet {
public:
    constexpr FanSet() = default;

    static constexpr FanSet all()
    {
        FanSet s;
        s.low_ = ~std::uint64_t{0};
        s.high_ = (std::uint64_t{1} << (FanCount - 64)) - 1;
        return s;
    }

    constexpr void add(int f)
    {
        if (f <= 64)
            low_ |= std::uint64_t{1} << (f - 1);
        else
            high_ |= std::uint64_t{1} << (f - 65);
    }

    constexpr void add(const FanSet& other)
    {
        low_ |= other.low_;
        high_ |= other.high_;
    }

    // Adds the other set when `on`, by masking rather than branching: the facts that decide
    // it differ from reading to reading.
    constexpr void addWhen(bool on, const FanSet& other)
    {
        const std::uint64_t mask = 0 - static_cast<std::uint64_t>(on);
        low_ |= other.low_ & mask;
        high_ |= other.high_ & mask;
    }

    constexpr int count() const { return std::popcount(low_) + std::popcount(high_); }
    friend constexpr bool operator==(const FanSet&, const FanSet&) = default;

    constexpr bool contains(int f) const
    {
        return f <= 64 ? ((low_ >> (f - 1)) & 1) != 0 : ((high_ >> (f - 65)) & 1) != 0;
    }

    constexpr void remove(const FanSet& other)
    {
        low_ &= ~other.low_;
        high_ &= ~other.high_;
    }

    // The set's bits for fans 1..64 (word 0) and 65..81 (word 1), bit f - 1 - 64 * word.
    constexpr std::uint64_t word(int w) const { return w == 0 ? low_ : high_; }

    // Takes the smallest fan out of the set and returns it; 0 when the set is empty.
    constexpr int popFirst()
    {
        if (low_ != 0) {
            const int f = std::countr_zero(low_) + 1;
            low_ &= low_ - 1;
            return f;
        }
        if (high_ != 0) {
            const int f = std::countr_zero(high_) + 65;
            high_ &= high_ - 1;
            return f;
        }
        return 0;
    }

private:
    std::uint64_t low_ = 0;   // fans 1..64
    std::uint64_t high_ = 0;  // fans 65..81
};

// For each fan, the later fans it excludes once it is counted.
inline constexpr std::array<FanSet, FanCount + 1> exclusionSets = [] {
    std::array<FanSet, FanCount + 1> sets{};
    for (int i = 1; i < FanCount; ++i) {
        for (int j = i + 1; j <= FanCount; ++j) {
            if (!isCompatible(i, j))
                sets[static_cast<std::size_t>(i)].add(j);
        }
    }
    return sets;
}();

static_assert(exclusionSets[1].contains(2) && !exclusionSets[1].contains(5));

}  // namespace fanwright
