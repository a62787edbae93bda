#include "tools/assetgen/audio/dsp.h"

#include <algorithm>
#include <cmath>

namespace audio {

int Samples(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

double MidiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

void MixInto(Signal& dst, const Signal& src, long offset, float gain) {
  for (size_t i = 0; i < src.size(); ++i) {
    const long at = offset + static_cast<long>(i);
    if (at >= 0 && at < static_cast<long>(dst.size())) dst[static_cast<size_t>(at)] += src[i] * gain;
  }
}

double Noise::Uniform() { return random_.Next() / 4294967296.0; }

double Noise::Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

namespace {

// Correction that removes most of the aliasing of a hard step at phase 0 (t in [0,1), dt = hz / rate).
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

}  // namespace

double Oscillator::Step(double hz) {
  const double before = phase_;
  phase_ += hz / kRate;
  phase_ -= std::floor(phase_);
  return before;
}

float Oscillator::Sine(double hz) { return static_cast<float>(std::sin(2.0 * kPi * Step(hz))); }

float Oscillator::Saw(double hz) {
  const double dt = std::min(0.5, std::fabs(hz) / kRate);
  const double t = Step(hz);
  return static_cast<float>(2.0 * t - 1.0 - PolyBlep(t, dt));
}

float Oscillator::Square(double hz) {
  const double dt = std::min(0.25, std::fabs(hz) / kRate);
  const double t = Step(hz);
  double value = t < 0.5 ? 1.0 : -1.0;
  value += PolyBlep(t, dt);
  double shifted = t + 0.5;
  shifted -= std::floor(shifted);
  value -= PolyBlep(shifted, dt);
  return static_cast<float>(value);
}

float Oscillator::Triangle(double hz) {
  const double t = Step(hz);
  return static_cast<float>(t < 0.5 ? 4.0 * t - 1.0 : 3.0 - 4.0 * t);
}

double Envelope::At(double seconds) const {
  if (points_.empty()) return 0.0;
  if (seconds <= points_.front().first) return points_.front().second;
  for (size_t i = 1; i < points_.size(); ++i) {
    const auto& [t1, v1] = points_[i];
    if (seconds <= t1) {
      const auto& [t0, v0] = points_[i - 1];
      if (t1 <= t0) return v1;
      return v0 + (v1 - v0) * (seconds - t0) / (t1 - t0);
    }
  }
  return points_.back().second;
}

double StrikeEnvelope(double seconds, double attack, double tau) {
  if (seconds < 0) return 0.0;
  if (seconds < attack) {
    const double x = seconds / attack;
    return x * x * (3.0 - 2.0 * x);
  }
  return std::exp(-(seconds - attack) / tau);
}

void Svf::Set(double hz, double q) {
  const double limited = std::clamp(hz, 5.0, 0.45 * kRate);
  const double g = std::tan(kPi * limited / kRate);
  k_ = 1.0 / std::max(q, 0.05);
  a1_ = 1.0 / (1.0 + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

void Svf::Run(float x) {
  const double v3 = x - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  low_ = static_cast<float>(v2);
  band_ = static_cast<float>(v1);
  high_ = static_cast<float>(x - k_ * v1 - v2);
}

void OnePole::Set(double hz) {
  coefficient_ = static_cast<float>(1.0 - std::exp(-2.0 * kPi * std::max(hz, 0.01) / kRate));
}

float DelayLine::Read(double delaySamples) const {
  const size_t size = buffer_.size();
  const double d = std::clamp(delaySamples, 1.0, static_cast<double>(size - 2));
  const auto whole = static_cast<size_t>(d);
  const auto frac = static_cast<float>(d - static_cast<double>(whole));
  const float a = buffer_[(position_ + size - whole) % size];
  const float b = buffer_[(position_ + size - whole - 1) % size];
  return a + (b - a) * frac;
}

void DelayLine::Write(float x) {
  position_ = (position_ + 1) % buffer_.size();
  buffer_[position_] = x;
}

Signal SmoothRandom(Noise& noise, size_t samples, double stepSeconds) {
  Signal out(samples);
  const double step = std::max(1.0, stepSeconds * kRate);
  double from = noise.Uniform(), to = noise.Uniform();
  double at = 0;
  for (size_t i = 0; i < samples; ++i, at += 1.0) {
    if (at >= step) {
      at -= step;
      from = to;
      to = noise.Uniform();
    }
    const double x = 0.5 - 0.5 * std::cos(kPi * at / step);
    out[i] = static_cast<float>(from + (to - from) * x);
  }
  return out;
}

Signal NoiseBurst(Noise& noise, double seconds, double centreHz, double q, double attack, double tau) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  Svf filter(centreHz, q);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[i] = filter.BandpassUnit(noise.White()) * static_cast<float>(StrikeEnvelope(t, attack, tau));
  }
  return out;
}

}  // namespace audio
