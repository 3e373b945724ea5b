// The explanation of a hand: explainHand cycled through the 20,000 distinct generated hands,
// and the command-line explainer's throughput on the pool file.
#include "explain/explanation.h"
#include "pool.h"
#include "tools/cli/explain_command.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <vector>

namespace fanwright::bench {

namespace {

// Sum of every reading's total and every fan not counted: changes whenever an explanation does.
long long explanationSignature(const std::vector<Hand>& hands)
{
    long long sum = 0;
    for (const Hand& hand : hands) {
        const Explanation e = explainHand(hand);
        sum += e.kept;
        for (int i = 0; i < e.readingCount; ++i) {
            sum += e.readings[i].total;
            for (int k = 0; k < e.readings[i].notCountedCount; ++k)
                sum += e.readings[i].notCounted[k].fan *
                       static_cast<int>(e.readings[i].notCounted[k].reason);
        }
    }
    return sum;
}

void explainHandCycled(benchmark::State& state)
{
    const std::vector<Hand>& hands = generatedPool();
    std::size_t next = 0;
    for (auto _ : state) {
        const Explanation e = explainHand(hands[next]);
        benchmark::DoNotOptimize(e.total);
        next = next + 1 == hands.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["signature"] = static_cast<double>(explanationSignature(hands));
}
BENCHMARK(explainHandCycled);

void cliExplainThroughput(benchmark::State& state, bool json)
{
    const std::vector<std::string_view> args =
        json ? std::vector<std::string_view>{"--json"} : std::vector<std::string_view>{};
    for (auto _ : state) {
        std::istringstream in(pool().text);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(cli::runExplain(args, in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(pool().hands.size()));
}
BENCHMARK_CAPTURE(cliExplainThroughput, text, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cliExplainThroughput, json, true)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace fanwright::bench
