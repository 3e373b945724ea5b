// Scoring speed over the fixed pool of hands: scoreHand per hand (mean and median), the wait
// search both ways, and the command-line scorer's throughput on the pool file.
#include "hand/decomposition.h"
#include "hand/waits.h"
#include "pool.h"
#include "scoring/scoring.h"
#include "tools/cli/score_command.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <vector>

namespace fanwright::bench {

namespace {

// Sum of all totals over the pool: changes whenever any hand scores differently.
long long poolSignature()
{
    long long sum = 0;
    for (Hand hand : pool().hands) {
        ScoreResult result;
        sum += scoreHand(hand, result);
    }
    return sum;
}

void scoreHandOverThePool(benchmark::State& state)
{
    std::vector<Hand> hands = pool().hands;
    std::size_t next = 0;
    for (auto _ : state) {
        ScoreResult result;
        benchmark::DoNotOptimize(scoreHand(hands[next], result));
        next = next + 1 == hands.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["hands"] = static_cast<double>(hands.size());
    state.counters["signature"] = static_cast<double>(poolSignature());
}
BENCHMARK(scoreHandOverThePool);

// Each hand timed on its own (many repetitions), then the median over the pool.
void scoreHandMedianPerHand(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    constexpr int repetitions = 50;
    std::vector<Hand> hands = pool().hands;
    std::vector<double> nanoseconds(hands.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < hands.size(); ++i) {
            const auto start = Clock::now();
            for (int r = 0; r < repetitions; ++r) {
                ScoreResult result;
                benchmark::DoNotOptimize(scoreHand(hands[i], result));
            }
            const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
            nanoseconds[i] = spent.count() / repetitions;
        }
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    state.counters["median_ns"] = nanoseconds[nanoseconds.size() / 2];
    state.counters["p90_ns"] = nanoseconds[nanoseconds.size() * 9 / 10];
    state.counters["max_ns"] = nanoseconds.back();
}
BENCHMARK(scoreHandMedianPerHand)->Iterations(1)->Unit(benchmark::kMillisecond);

std::vector<Hand> withoutWinningTiles()
{
    std::vector<Hand> hands = pool().hands;
    for (Hand& h : hands)
        h.clearWinningTile();
    return hands;
}

// The wait search over the pool's hands without their winning tiles, each way.
void waitsOverThePool(benchmark::State& state, WaitList (*find)(Hand&))
{
    std::vector<Hand> hands = withoutWinningTiles();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(find(hands[next]));
        next = next + 1 == hands.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
WaitList fromTileCounts(Hand& hand) { return findWaits(hand); }
BENCHMARK_CAPTURE(waitsOverThePool, fromTileCounts, fromTileCounts);
BENCHMARK_CAPTURE(waitsOverThePool, byFullSearch, findWaitsBySearch);

void cliScoreThroughput(benchmark::State& state, bool json)
{
    const std::vector<std::string_view> args =
        json ? std::vector<std::string_view>{"--json"} : std::vector<std::string_view>{};
    for (auto _ : state) {
        std::istringstream in(pool().text);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(cli::runScore(args, in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(pool().hands.size()));
}
BENCHMARK_CAPTURE(cliScoreThroughput, text, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cliScoreThroughput, json, true)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace fanwright::bench
