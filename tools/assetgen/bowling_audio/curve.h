// A piecewise linear curve through (seconds, value) points, like audio::Envelope, that can also be
// built up point by point: laughter, chatter and murmur are strung together from random syllables.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

namespace audio::bowling {

class Curve {
 public:
  Curve() = default;
  Curve(std::initializer_list<std::pair<double, double>> points) : points_(points) {}
  // Appends a point; points must come in time order.
  void Add(double seconds, double value) { points_.emplace_back(seconds, value); }
  // The value at the given time; flat before the first point and after the last, 0 with no points.
  double At(double seconds) const;
  double End() const { return points_.empty() ? 0.0 : points_.back().first; }

 private:
  std::vector<std::pair<double, double>> points_;
};

}  // namespace audio::bowling
