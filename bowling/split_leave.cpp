#include "bowling/split_leave.h"

namespace {

// Pairs of pins that touch in the rack: side by side in a row, or one diagonally behind the other.
constexpr int kTouching[][2] = {{2, 3}, {4, 5}, {5, 6}, {7, 8}, {8, 9}, {9, 10}, {1, 2}, {1, 3}, {2, 4},
                                {2, 5}, {3, 5}, {3, 6}, {4, 7}, {4, 8}, {5, 8}, {5, 9}, {6, 9}, {6, 10}};

}  // namespace

bool IsSplit(const std::array<bool, 11>& standing) {
  if (standing[1]) return false;
  int first = 0;
  int count = 0;
  for (int n = 10; n >= 2; --n) {
    if (standing[n]) {
      first = n;
      ++count;
    }
  }
  if (count < 2) return false;
  // Spread from one standing pin through touching standing pins; a split leaves some unreached.
  std::array<bool, 11> reached{};
  reached[first] = true;
  int linked = 1;
  for (bool grew = true; grew;) {
    grew = false;
    for (const auto& pair : kTouching) {
      const int a = pair[0], b = pair[1];
      if (!standing[a] || !standing[b] || reached[a] == reached[b]) continue;
      reached[a] = reached[b] = true;
      ++linked;
      grew = true;
    }
  }
  return linked < count;
}
