// Measurements for the bowling sound tests: levels, spectra and pitch of generated signals, so the
// tests can check what a sound is like without comparing samples.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

#include "media/wave.h"

namespace bowling_audio_test {

constexpr double kRate = 22050;
using Samples = std::vector<float>;

// One channel of a 16-bit PCM wave, scaled to -1 .. 1.
inline Samples Channel(const TWave& wave, int channel) {
  Samples out;
  const size_t frame = wave.BlockAlign();
  for (size_t at = static_cast<size_t>(channel) * 2; frame > 0 && at + 1 < wave.Data.size(); at += frame)
    out.push_back(static_cast<int16_t>(wave.Data[at] | (wave.Data[at + 1] << 8)) / 32768.0f);
  return out;
}

inline Samples Slice(const Samples& s, size_t from, size_t count) {
  from = std::min(from, s.size());
  return Samples(s.begin() + static_cast<long>(from),
                 s.begin() + static_cast<long>(std::min(s.size(), from + count)));
}

inline double Rms(const Samples& s) {
  double sum = 0;
  for (float v : s) sum += static_cast<double>(v) * v;
  return s.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(s.size()));
}

inline double Peak(const Samples& s) {
  double peak = 0;
  for (float v : s) peak = std::max(peak, static_cast<double>(std::fabs(v)));
  return peak;
}

// Seconds from the start by which the given share of the signal's energy has sounded.
inline double EnergyTime(const Samples& s, double share) {
  double total = 0;
  for (float v : s) total += static_cast<double>(v) * v;
  double sum = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    sum += static_cast<double>(s[i]) * s[i];
    if (sum >= share * total) return static_cast<double>(i) / kRate;
  }
  return static_cast<double>(s.size()) / kRate;
}

// In-place radix-2 FFT; the size must be a power of two.
inline void Fft(std::vector<std::complex<double>>& a) {
  const size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t length = 2; length <= n; length <<= 1) {
    const double angle = -2.0 * M_PI / static_cast<double>(length);
    const std::complex<double> step(std::cos(angle), std::sin(angle));
    for (size_t i = 0; i < n; i += length) {
      std::complex<double> w(1.0, 0.0);
      for (size_t k = 0; k < length / 2; ++k, w *= step) {
        const auto u = a[i + k], v = a[i + k + length / 2] * w;
        a[i + k] = u + v;
        a[i + k + length / 2] = u - v;
      }
    }
  }
}

constexpr size_t kFftSize = 2048;

// Power per FFT bin (bin k is k * kRate / kFftSize Hz), averaged over Hann windows half overlapping.
inline std::vector<double> PowerSpectrum(const Samples& s) {
  std::vector<double> power(kFftSize / 2, 0.0);
  std::vector<std::complex<double>> frame(kFftSize);
  size_t from = 0;
  do {
    for (size_t i = 0; i < kFftSize; ++i) {
      const double hann = 0.5 - 0.5 * std::cos(2.0 * M_PI * static_cast<double>(i) / kFftSize);
      frame[i] = from + i < s.size() ? hann * s[from + i] : 0.0;
    }
    Fft(frame);
    for (size_t k = 0; k < power.size(); ++k) power[k] += std::norm(frame[k]);
    from += kFftSize / 2;
  } while (from + kFftSize <= s.size());
  return power;
}

inline double BinHz(size_t k) { return static_cast<double>(k) * kRate / kFftSize; }

// Share of the signal's power in the band lo .. hi Hz.
inline double BandShare(const Samples& s, double lo, double hi) {
  const std::vector<double> power = PowerSpectrum(s);
  double band = 0, total = 0;
  for (size_t k = 1; k < power.size(); ++k) {
    total += power[k];
    if (BinHz(k) >= lo && BinHz(k) < hi) band += power[k];
  }
  return total > 0 ? band / total : 0.0;
}

inline double Centroid(const Samples& s) {
  const std::vector<double> power = PowerSpectrum(s);
  double weighted = 0, total = 0;
  for (size_t k = 1; k < power.size(); ++k) {
    weighted += BinHz(k) * power[k];
    total += power[k];
  }
  return total > 0 ? weighted / total : 0.0;
}

// Levels in dB of octave bands from 43 Hz up: a coarse picture of the spectrum.
inline std::vector<double> OctaveProfile(const Samples& s) {
  const std::vector<double> power = PowerSpectrum(s);
  std::vector<double> bands;
  for (size_t lo = 4; lo < power.size(); lo *= 2) {
    double sum = 1e-12;
    for (size_t k = lo; k < std::min(power.size(), lo * 2); ++k) sum += power[k];
    bands.push_back(10.0 * std::log10(sum));
  }
  return bands;
}

// Mean difference in dB between two octave profiles.
inline double ProfileDistance(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) sum += std::fabs(a[i] - b[i]);
  return sum / static_cast<double>(std::min(a.size(), b.size()));
}

// The fundamental of a voiced stretch by the normalised difference method: the first lag whose
// difference falls well below the average, refined to its local minimum. 0 when none is found.
inline double PitchHz(const Samples& s, double loHz, double hiHz) {
  const auto minLag = static_cast<size_t>(kRate / hiHz), maxLag = static_cast<size_t>(kRate / loHz);
  const size_t window = 2 * maxLag;
  if (s.size() < window + maxLag) return 0.0;
  std::vector<double> d(maxLag + 2, 0.0);
  for (size_t lag = 1; lag <= maxLag + 1; ++lag) {
    for (size_t i = 0; i < window; ++i) {
      const double diff = s[i] - s[i + lag];
      d[lag] += diff * diff;
    }
  }
  double running = 0;
  for (size_t lag = 1; lag <= maxLag + 1; ++lag) {
    running += d[lag];
    const double normalised = d[lag] * static_cast<double>(lag) / running;
    if (lag >= minLag && normalised < 0.2) {
      while (lag + 1 <= maxLag && d[lag + 1] < d[lag]) ++lag;
      return kRate / static_cast<double>(lag);
    }
  }
  return 0.0;
}

// The median pitch over the loud middle of an utterance.
inline double MedianPitch(const Samples& s, double loHz, double hiHz) {
  std::vector<double> found;
  const double loud = 0.3 * Rms(s) * std::sqrt(2.0);
  const size_t hop = static_cast<size_t>(0.02 * kRate), frame = static_cast<size_t>(0.08 * kRate);
  for (size_t from = 0; from + frame < s.size(); from += hop) {
    const Samples part = Slice(s, from, frame);
    if (Rms(part) < loud) continue;
    if (const double hz = PitchHz(part, loHz, hiHz); hz > 0) found.push_back(hz);
  }
  if (found.empty()) return 0.0;
  std::sort(found.begin(), found.end());
  return found[found.size() / 2];
}

}  // namespace bowling_audio_test
