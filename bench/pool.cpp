#include "pool.h"

#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "hand/log_code.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unordered_set>

namespace fanwright::bench {

namespace {

Pool readPool()
{
    Pool pool;
    std::ifstream file(FANWRIGHT_BENCH_POOL);
    if (!file) {
        std::fprintf(stderr, "cannot read the pool of hands %s\n", FANWRIGHT_BENCH_POOL);
        std::exit(1);
    }
    std::ostringstream text;
    text << file.rdbuf();
    pool.text = text.str();
    std::istringstream lines(pool.text);
    for (std::string line; std::getline(lines, line);) {
        ParsedLogLine parsed;
        std::string error;
        if (!parseLogLine(line, parsed, error)) {
            std::fprintf(stderr, "bad pool line \"%s\": %s\n", line.c_str(), error.c_str());
            std::exit(1);
        }
        pool.hands.push_back(parsed.hand);
    }
    return pool;
}

std::vector<Hand> dealDistinctHands()
{
    constexpr std::size_t Distinct = 20000;
    seedRandom(12);
    std::vector<Hand> hands;
    std::unordered_set<std::string> seen;
    Hand hand;
    while (hands.size() < Distinct) {
        generateHand(hand, GeneratorSettings{});
        if (seen.insert(hand.toLogText()).second)
            hands.push_back(hand);
    }
    return hands;
}

}  // namespace

const Pool& pool()
{
    static const Pool thePool = readPool();
    return thePool;
}

}  // namespace fanwright::bench

namespace fanwright::bench {

const std::vector<Hand>& generatedPool()
{
    static const std::vector<Hand> hands = dealDistinctHands();
    return hands;
}

}  // namespace fanwright::bench
