#include "tools/assetgen/bowling_audio/quiet_start.h"

#include <algorithm>
#include <cmath>

namespace audio::bowling {

size_t QuietStart(const Signal& left, const Signal& right, size_t from, size_t to) {
  const size_t n = std::min({to, left.size(), right.size()});
  size_t best = std::min(from, n);
  double quietest = 1e30;
  for (size_t i = from; i < n; ++i) {
    // Near zero, and not swinging fast through it either.
    const size_t next = (i + 1) % left.size();
    const double loudness = std::fabs(left[i]) + std::fabs(right[i]) + 0.5 * std::fabs(left[next] - left[i]) +
                            0.5 * std::fabs(right[next] - right[i]);
    if (loudness < quietest) {
      quietest = loudness;
      best = i;
    }
  }
  return best;
}

void StartLoopAt(Signal& loop, size_t start) {
  if (start < loop.size()) std::rotate(loop.begin(), loop.begin() + static_cast<long>(start), loop.end());
}

}  // namespace audio::bowling
