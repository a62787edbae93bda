#include "tools/assetgen/audio/room.h"

#include <algorithm>

namespace audio {

namespace {

// Comb and allpass lengths in samples at 22050 Hz (mutually prime, so the echoes do not line up).
constexpr size_t kCombLengths[4] = {557, 593, 641, 677};
constexpr size_t kAllpassLengths[2] = {277, 219};
constexpr size_t kSpread = 11;

}  // namespace

Room::Room(double size, double damping)
    : feedback_(static_cast<float>(0.7 + 0.28 * size)), damping_(static_cast<float>(damping)) {
  for (size_t side = 0; side < 2; ++side) {
    for (size_t i = 0; i < 4; ++i) combs_[side][i].buffer.assign(kCombLengths[i] + side * kSpread, 0.0f);
    for (size_t i = 0; i < 2; ++i)
      allpasses_[side][i].buffer.assign(kAllpassLengths[i] + side * kSpread, 0.0f);
  }
}

float Room::RunComb(Comb& comb, float x) const {
  const float out = comb.buffer[comb.position];
  comb.filtered = out * (1.0f - damping_) + comb.filtered * damping_;
  comb.buffer[comb.position] = x + comb.filtered * feedback_;
  comb.position = (comb.position + 1) % comb.buffer.size();
  return out;
}

float Room::RunAllpass(Allpass& allpass, float x) {
  const float delayed = allpass.buffer[allpass.position];
  const float out = delayed - x;
  allpass.buffer[allpass.position] = x + delayed * 0.5f;
  allpass.position = (allpass.position + 1) % allpass.buffer.size();
  return out;
}

void Room::Process(float inLeft, float inRight, float& outLeft, float& outRight) {
  const float input = (inLeft + inRight) * 0.25f;
  float out[2] = {0, 0};
  for (size_t side = 0; side < 2; ++side) {
    float sum = 0;
    for (Comb& comb : combs_[side]) sum += RunComb(comb, input);
    for (Allpass& allpass : allpasses_[side]) sum = RunAllpass(allpass, sum);
    out[side] = sum * 0.25f;
  }
  outLeft = out[0];
  outRight = out[1];
}

void AddRoomToLoop(Signal& left, Signal& right, double size, double damping, double wet) {
  Room room(size, damping);
  const size_t n = std::min(left.size(), right.size());
  float l = 0, r = 0;
  for (size_t i = 0; i < n; ++i) room.Process(left[i], right[i], l, r);
  const auto gain = static_cast<float>(wet);
  for (size_t i = 0; i < n; ++i) {
    room.Process(left[i], right[i], l, r);
    left[i] += l * gain;
    right[i] += r * gain;
  }
}

void AddRoom(Signal& signal, double size, double damping, double wet) {
  Room room(size, damping);
  const auto gain = static_cast<float>(wet);
  float l = 0, r = 0;
  for (float& s : signal) {
    room.Process(s, s, l, r);
    s += (l + r) * 0.5f * gain;
  }
}

}  // namespace audio
