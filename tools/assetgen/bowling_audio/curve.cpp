#include "tools/assetgen/bowling_audio/curve.h"

#include <algorithm>

namespace audio::bowling {

double Curve::At(double seconds) const {
  if (points_.empty()) return 0.0;
  if (seconds <= points_.front().first) return points_.front().second;
  if (seconds >= points_.back().first) return points_.back().second;
  // The first point after the given time; the curve is linear between it and the one before.
  const auto after = std::upper_bound(points_.begin(), points_.end(), seconds,
                                      [](double t, const auto& point) { return t < point.first; });
  const auto& [t1, v1] = *after;
  const auto& [t0, v0] = *(after - 1);
  if (t1 <= t0) return v1;
  return v0 + (v1 - v0) * (seconds - t0) / (t1 - t0);
}

}  // namespace audio::bowling
