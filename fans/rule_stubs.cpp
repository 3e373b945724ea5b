#include "fans/fan_rules.h"

namespace fanwright {

std::int32_t noRule(const HandStructure&) { return 0; }

}  // namespace fanwright
