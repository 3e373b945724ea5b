// The pools of complete hands the benchmarks run over.
#pragma once

#include "hand/hand.h"

#include <string>
#include <vector>

namespace fanwright::bench {

struct Pool {
    std::string text;  // the file as it is, one log code per line
    std::vector<Hand> hands;
};

// Reads the fixed pool once; aborts with a message when the file is missing or holds a bad line.
const Pool& pool();

// 20,000 distinct hands of the default settings from a fixed seed, dealt once. Cycling through
// them keeps neither tables nor branches warm, as a batch of real hands would not.
const std::vector<Hand>& generatedPool();

}  // namespace fanwright::bench
