// Random hands per second with the default settings: plain, and with the 8-point minimum, where
// every attempt is scored. Each prints a signature of the hands a fixed seed gives.
#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "scoring/scoring.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace fanwright::bench {

namespace {

constexpr std::uint32_t Seed = 1;
constexpr int SignatureHands = 10000;

// FNV-1a over the log codes of the first hands of the seed: changes whenever any of them does.
// 32 bits, so that the counter's double holds it exactly.
double handsSignature(int minimum)
{
    seedRandom(Seed);
    std::uint32_t hash = 2166136261u;
    Hand hand;
    for (int i = 0; i < SignatureHands; ++i) {
        if (minimum > 0)
            generateWithMinimum(hand, GeneratorSettings{}, minimum);
        else
            generateHand(hand, GeneratorSettings{});
        for (const char* c = hand.toLogText(); *c != '\0'; ++c)
            hash = (hash ^ static_cast<unsigned char>(*c)) * 16777619u;
    }
    return static_cast<double>(hash);
}

// Share of plain hands that reach 8 points: the minimum needs 1 / share attempts per hand.
double shareReachingEight()
{
    seedRandom(Seed);
    int reaching = 0;
    Hand hand;
    for (int i = 0; i < SignatureHands; ++i) {
        generateHand(hand, GeneratorSettings{});
        ScoreResult result;
        reaching += scoreHand(hand, result) >= 8 ? 1 : 0;
    }
    return static_cast<double>(reaching) / SignatureHands;
}

void generateHandDefault(benchmark::State& state)
{
    seedRandom(Seed);
    Hand hand;
    for (auto _ : state) {
        generateHand(hand, GeneratorSettings{});
        benchmark::DoNotOptimize(hand);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["signature"] = handsSignature(0);
}
BENCHMARK(generateHandDefault);

void generateWithMinimumEight(benchmark::State& state)
{
    seedRandom(Seed);
    Hand hand;
    for (auto _ : state)
        benchmark::DoNotOptimize(generateWithMinimum(hand, GeneratorSettings{}, 8));
    state.SetItemsProcessed(state.iterations());
    state.counters["reaching_8"] = shareReachingEight();
    state.counters["signature"] = handsSignature(8);
}
BENCHMARK(generateWithMinimumEight);

}  // namespace

}  // namespace fanwright::bench
