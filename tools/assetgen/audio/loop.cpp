#include "tools/assetgen/audio/loop.h"

#include <algorithm>
#include <cmath>

namespace audio {

void AddWrapped(Signal& loop, const Signal& part, long offset, float gain) {
  const long size = static_cast<long>(loop.size());
  if (size == 0) return;
  long at = offset % size;
  if (at < 0) at += size;
  for (float sample : part) {
    loop[static_cast<size_t>(at)] += sample * gain;
    if (++at == size) at = 0;
  }
}

Signal FoldCrossfade(const Signal& bed, size_t loopLength) {
  Signal out(bed.begin(), bed.begin() + static_cast<long>(std::min(loopLength, bed.size())));
  out.resize(loopLength, 0.0f);
  const size_t overhang = bed.size() > loopLength ? bed.size() - loopLength : 0;
  for (size_t i = 0; i < overhang && i < loopLength; ++i) {
    const double x = (static_cast<double>(i) + 0.5) / static_cast<double>(overhang);
    const auto in = static_cast<float>(std::sin(0.5 * kPi * x));
    const auto out_gain = static_cast<float>(std::cos(0.5 * kPi * x));
    out[i] = bed[i] * in + bed[loopLength + i] * out_gain;
  }
  return out;
}

void ProcessCircular(Signal& loop, const std::function<float(float)>& process) {
  for (float sample : loop) process(sample);
  for (float& sample : loop) sample = process(sample);
}

}  // namespace audio
