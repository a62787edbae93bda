// Sums of the trip's counters that data can push past the int32 range (a treasure of a billion
// dollars, a long extra time): they stop at the range's ends instead of wrapping.
#pragma once

#include <cstdint>
#include <limits>

inline int32_t AddClamped(int32_t value, int64_t add) {
  const int64_t sum = int64_t{value} + add;
  if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sum);
}
