// How many ticks a soak test runs: 200,000 under AddressSanitizer, 20,000 in other builds, or the
// count in TH_SOAK_TICKS.
#pragma once

#include <algorithm>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
constexpr long kDefaultSoakTicks = 200000;
#else
constexpr long kDefaultSoakTicks = 20000;
#endif

inline long SoakTicks() {
  const char* value = std::getenv("TH_SOAK_TICKS");
  return value ? std::max(1L, std::atol(value)) : kDefaultSoakTicks;
}
