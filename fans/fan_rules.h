// The rules of the fans, one function each, entered in the fan table.
#pragma once

#include "hand/hand_structure.h"

#include <cstdint>

namespace fanwright {

// Fans that are set by the driver, not detected by a rule.
std::int32_t noRule(const HandStructure& s);

}  // namespace fanwright
