// The process-wide random source: a 15-bit linear congruential generator, so that a seed gives
// the same hands on every platform and compiler.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace fanwright {

inline constexpr int RandomMax = 0x7FFF;

// The double nearest to 1/32767. Multiplying by it is not dividing by 32767: the two differ
// for 448 of the 32768 values, and generated hands depend on which is used.
inline constexpr double RandomUnitStep = 3.051850947599719e-05;

// The process-wide state; seedRandom sets it, every draw moves it on.
inline std::uint32_t randomState = 0;

constexpr std::uint32_t nextRandomState(std::uint32_t state)
{
    return state * 214013u + 2531011u;  // unsigned: wraps modulo 2^32
}

constexpr int randomValueOf(std::uint32_t state)
{
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

// Seeds from the calendar time in seconds, once at start-up.
void seedRandom();
// Seeds with a given value, for repeatable runs.
void seedRandom(std::uint32_t seed);

// The next value, 0..RandomMax.
int nextRandom();

// The next value k as k / 32767, computed by one multiplication: 0.0 and 1.0 both occur.
double randomUnit();

// The next value modulo n, 0..n-1; n must be at least 1.
int randomBelow(int n);

// Bounds a RandomRun draws below: every table the generator draws into is shorter.
inline constexpr int RandomRunMaxBound = 128;

// ceil(2^32 / n) for each bound n. For a value v below 2^15, (v * that) >> 32 is v / n exactly:
// the rounding adds v * (that * n - 2^32) / (n * 2^32), below 1 / n as v * n < 2^32. A
// multiplication, where a division by a bound known only at run time takes many times longer.
inline constexpr std::array<std::uint64_t, RandomRunMaxBound + 1> randomBoundInverses = [] {
    std::array<std::uint64_t, RandomRunMaxBound + 1> inverses{};
    for (std::size_t n = 1; n < inverses.size(); ++n)
        inverses[n] = ((std::uint64_t{1} << 32) + n - 1) / n;
    return inverses;
}();

// Draws from a copy of the process-wide state, given back when the run ends: the many draws of
// one hand then stay in a register instead of going through memory the hand's stores may alias.
class RandomRun {
public:
    RandomRun() = default;
    RandomRun(const RandomRun&) = delete;
    RandomRun& operator=(const RandomRun&) = delete;
    ~RandomRun() { randomState = state_; }

    int next()
    {
        state_ = nextRandomState(state_);
        return randomValueOf(state_);
    }
    double unit() { return next() * RandomUnitStep; }
    // The next value modulo n, for n from 1 to RandomRunMaxBound.
    int below(int n)
    {
        const auto value = static_cast<std::uint64_t>(next());
        const std::uint64_t quotient =
            (value * randomBoundInverses[static_cast<std::size_t>(n)]) >> 32;
        return static_cast<int>(value - quotient * static_cast<std::uint64_t>(n));
    }

    // A draw that happens only when `wanted`, decided without a branch: otherwise the state
    // stays and the value returned means nothing.
    int nextIf(bool wanted)
    {
        const std::uint32_t drawn = nextRandomState(state_);
        state_ ^= (drawn ^ state_) & (0u - static_cast<std::uint32_t>(wanted));
        return randomValueOf(drawn);
    }

private:
    std::uint32_t state_ = randomState;
};

}  // namespace fanwright
