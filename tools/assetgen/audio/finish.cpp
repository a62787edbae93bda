#include "tools/assetgen/audio/finish.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

void SubtractMean(Signal& signal) {
  if (signal.empty()) return;
  double sum = 0;
  for (float s : signal) sum += s;
  const auto mean = static_cast<float>(sum / static_cast<double>(signal.size()));
  for (float& s : signal) s -= mean;
}

double Peak(const Signal& signal) {
  double peak = 0;
  for (float s : signal) peak = std::max(peak, static_cast<double>(std::fabs(s)));
  return peak;
}

void PutLe16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

std::vector<uint8_t> PcmFormat(uint16_t channels) {
  std::vector<uint8_t> format;
  const uint16_t blockAlign = static_cast<uint16_t>(channels * 2);
  PutLe16(format, 1);  // PCM
  PutLe16(format, channels);
  PutLe32(format, kRate);
  PutLe32(format, kRate * blockAlign);
  PutLe16(format, blockAlign);
  PutLe16(format, 16);
  return format;
}

void PutSample(std::vector<uint8_t>& out, float s) {
  const long v = std::clamp(std::lround(static_cast<double>(s) * 32767.0), -32767L, 32767L);
  PutLe16(out, static_cast<uint16_t>(static_cast<int16_t>(v)));
}

}  // namespace

void RemoveDrift(Signal& signal) {
  SubtractMean(signal);
  OnePole drift(20.0);
  for (float& s : signal) s = drift.Highpass(s);
  SubtractMean(signal);
}

void FadeEdges(Signal& signal, double fadeIn, double fadeOut) {
  const size_t n = signal.size();
  const auto in = std::min(n, static_cast<size_t>(Samples(fadeIn)));
  const auto out = std::min(n, static_cast<size_t>(Samples(fadeOut)));
  for (size_t i = 0; i < in; ++i) signal[i] *= static_cast<float>(i) / static_cast<float>(in);
  for (size_t i = 0; i < out; ++i) signal[n - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

void NormalisePeak(Signal& signal, double peak) {
  const double current = Peak(signal);
  if (current <= 0) return;
  const auto gain = static_cast<float>(peak / current);
  for (float& s : signal) s *= gain;
}

void NormaliseRms(Signal& signal, double rms, double peak) {
  if (signal.empty()) return;
  double sum = 0;
  for (float s : signal) sum += static_cast<double>(s) * s;
  const double current = std::sqrt(sum / static_cast<double>(signal.size()));
  if (current <= 0) return;
  double gain = rms / current;
  const double currentPeak = Peak(signal);
  if (currentPeak * gain > peak) gain = peak / currentPeak;
  for (float& s : signal) s *= static_cast<float>(gain);
}

TWave FinishEffect(Signal signal, double peak) {
  RemoveDrift(signal);
  FadeEdges(signal, 0.002, 0.03);
  NormalisePeak(signal, peak);
  return MonoWave(signal);
}

TWave FinishLoop(Signal signal, double peak) {
  SubtractMean(signal);
  NormalisePeak(signal, peak);
  return MonoWave(signal);
}

TWave FinishBackgroundLoop(Signal signal, double rms, double peak) {
  SubtractMean(signal);
  NormaliseRms(signal, rms, peak);
  return MonoWave(signal);
}

TWave MonoWave(const Signal& signal) {
  TWave wave;
  wave.Format = PcmFormat(1);
  std::vector<uint8_t>& data = wave.Data.Own();
  data.reserve(signal.size() * 2);
  for (float s : signal) PutSample(data, s);
  return wave;
}

TWave StereoWave(const Signal& left, const Signal& right) {
  TWave wave;
  wave.Format = PcmFormat(2);
  const size_t n = std::min(left.size(), right.size());
  std::vector<uint8_t>& data = wave.Data.Own();
  data.reserve(n * 4);
  for (size_t i = 0; i < n; ++i) {
    PutSample(data, left[i]);
    PutSample(data, right[i]);
  }
  return wave;
}

}  // namespace audio

namespace audio {

TWave FinishStereoLoop(Signal left, Signal right, double rms, double peak) {
  SubtractMean(left);
  SubtractMean(right);
  double sum = 0;
  for (size_t i = 0; i < left.size(); ++i) sum += 0.5 * (left[i] * left[i] + right[i] * right[i]);
  const double current = left.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(left.size()));
  if (current > 0) {
    const auto gain = static_cast<float>(rms / current);
    for (float& s : left) s *= gain;
    for (float& s : right) s *= gain;
  }
  // Linear up to three quarters of the peak, then a tanh knee that never reaches it.
  const double knee = 0.75 * peak, room = peak - knee;
  auto limit = [knee, room](float& s) {
    const double magnitude = std::fabs(s);
    if (magnitude > knee)
      s = static_cast<float>(std::copysign(knee + room * std::tanh((magnitude - knee) / room), s));
  };
  for (float& s : left) limit(s);
  for (float& s : right) limit(s);
  return StereoWave(left, right);
}

}  // namespace audio
