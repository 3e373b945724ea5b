// Scoring speed over 20,000 distinct generated hands and the fixed pool: scoreHand cycled
// through the hands (mean) and each hand repeated (median), the wait search both ways, and the
// command-line scorer's throughput on the pool file.
#include "hand/readings.h"
#include "hand/suit_shapes.h"
#include "hand/waits.h"
#include "pool.h"
#include "scoring/scoring.h"
#include "tools/cli/score_command.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <sstream>
#include <vector>

namespace fanwright::bench {

namespace {

const std::vector<Hand>& filePool() { return pool().hands; }

// Sum of all totals over a pool: changes whenever any hand scores differently.
long long totalsSignature(const std::vector<Hand>& pool)
{
    long long sum = 0;
    for (Hand hand : pool) {
        ScoreResult result;
        sum += scoreHand(hand, result);
    }
    return sum;
}

// FNV-1a over every field of every result that was filled: changes whenever any reading,
// wait or fan count does. 32 bits, so that the counter's double holds it exactly.
double resultsSignature(const std::vector<Hand>& pool)
{
    std::uint32_t hash = 2166136261u;
    auto mix = [&hash](std::int32_t value) {
        hash = (hash ^ static_cast<std::uint32_t>(value)) * 16777619u;
    };
    for (Hand hand : pool) {
        ScoreResult r;
        mix(scoreHand(hand, r));
        mix(r.form);
        mix(r.setCount);
        for (int i = 0; i < r.setCount; ++i) {
            mix(r.setKinds[i]);
            mix(r.setTiles[i]);
        }
        mix(r.pairTile);
        mix(r.waitCount);
        for (int i = 0; i < r.waitCount; ++i)
            mix(r.waits[i]);
        for (std::int32_t count : r.fanCounts)
            mix(count);
    }
    return static_cast<double>(hash);
}

// The tables of suit shapes and of their splits' codes are built at their first use: timed
// here, before any benchmark runs, while nothing has touched them yet.
const double tableFirstUseMilliseconds = [] {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(suitShapes());
    const ReadingStream stream;
    benchmark::DoNotOptimize(&stream);
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count();
}();

// What the tables cost: their size and the time of their first use.
void suitShapeTable(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(suitShapes());
    state.counters["bytes"] =
        static_cast<double>(suitShapeTableBytes() + ReadingStream::splitCodeBytes());
    state.counters["first_use_ms"] = tableFirstUseMilliseconds;
}
BENCHMARK(suitShapeTable)->Iterations(1);

// scoreHand cycled through the pool's distinct hands: what a batch of hands costs.
void scoreHandCycled(benchmark::State& state, const std::vector<Hand>& (*source)())
{
    std::vector<Hand> hands = source();
    std::size_t next = 0;
    for (auto _ : state) {
        ScoreResult result;
        benchmark::DoNotOptimize(scoreHand(hands[next], result));
        next = next + 1 == hands.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["hands"] = static_cast<double>(hands.size());
    state.counters["signature"] = static_cast<double>(totalsSignature(hands));
    state.counters["results"] = resultsSignature(hands);
}
BENCHMARK_CAPTURE(scoreHandCycled, generated, generatedPool);
BENCHMARK_CAPTURE(scoreHandCycled, file, filePool);

// Each hand timed on its own (many repetitions), then the median over the pool.
void scoreHandMedianPerHand(benchmark::State& state, const std::vector<Hand>& (*source)())
{
    using Clock = std::chrono::steady_clock;
    constexpr int repetitions = 50;
    std::vector<Hand> hands = source();
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
BENCHMARK_CAPTURE(scoreHandMedianPerHand, generated, generatedPool)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(scoreHandMedianPerHand, file, filePool)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The wait search over the generated hands without their winning tiles, each way.
void waitsCycled(benchmark::State& state, WaitList (*find)(Hand&))
{
    std::vector<Hand> hands = generatedPool();
    for (Hand& h : hands)
        h.clearWinningTile();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(find(hands[next]));
        next = next + 1 == hands.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
WaitList fromTileCounts(Hand& hand) { return findWaits(hand); }
BENCHMARK_CAPTURE(waitsCycled, fromTileCounts, fromTileCounts);
BENCHMARK_CAPTURE(waitsCycled, byFullSearch, findWaitsBySearch);

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
