// The fixed pool of complete hands the benchmarks run over.
#pragma once

#include "hand/hand.h"

#include <string>
#include <vector>

namespace fanwright::bench {

struct Pool {
    std::string text;  // the file as it is, one log code per line
    std::vector<Hand> hands;
};

// Reads the pool once; aborts with a message when the file is missing or holds a bad line.
const Pool& pool();

}  // namespace fanwright::bench
