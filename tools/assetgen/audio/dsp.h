// Building blocks of the sound generator: mono float signals, a seeded noise source, oscillators,
// envelopes and filters. Everything is deterministic, so the same calls give the same samples on
// every build; nothing reads the clock or an unseeded generator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "media/random.h"

namespace audio {

constexpr int kRate = 22050;  // sample rate of every generated sound
constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<float>;

// Number of samples in the given time.
int Samples(double seconds);
// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double MidiToHz(double note);
// Adds src into dst from sample offset on, scaled by gain; what falls outside dst is dropped.
void MixInto(Signal& dst, const Signal& src, long offset, float gain = 1.0f);

// White noise and uniform choices from the project's seeded generator; each seed is its own stream.
class Noise {
 public:
  explicit Noise(uint64_t seed) : random_(seed) {}
  double Uniform();                    // [0, 1)
  double Range(double lo, double hi);  // [lo, hi)
  float White() { return static_cast<float>(Range(-1.0, 1.0)); }

 private:
  TRandom random_;
};

// A phase that advances by a frequency that may change every sample.
class Oscillator {
 public:
  explicit Oscillator(double phase = 0) : phase_(phase) {}
  float Sine(double hz);
  float Saw(double hz);     // band-limited (polyBLEP) rising ramp
  float Square(double hz);  // band-limited, duty 0.5
  float Triangle(double hz);
  double Phase() const { return phase_; }

 private:
  double Step(double hz);  // returns the phase before the step
  double phase_;
};

// Piecewise linear envelope through (seconds, level) points; flat before the first and after the last.
class Envelope {
 public:
  Envelope(std::initializer_list<std::pair<double, double>> points) : points_(points) {}
  double At(double seconds) const;
  double Duration() const { return points_.empty() ? 0.0 : points_.back().first; }

 private:
  std::vector<std::pair<double, double>> points_;
};

// Smooth attack then exponential decay with time constant tau: a plucked or struck shape.
double StrikeEnvelope(double seconds, double attack, double tau);

// State-variable filter (topology-preserving form): stable while its cutoff sweeps every sample.
class Svf {
 public:
  Svf(double hz = 1000, double q = 0.707) { Set(hz, q); }
  void Set(double hz, double q);
  float Lowpass(float x) {
    Run(x);
    return low_;
  }
  float Bandpass(float x) {
    Run(x);
    return band_;
  }
  float Highpass(float x) {
    Run(x);
    return high_;
  }
  // Band-pass normalised to unit gain at the centre frequency.
  float BandpassUnit(float x) {
    Run(x);
    return static_cast<float>(band_ * k_);
  }

 private:
  void Run(float x);
  double a1_ = 0, a2_ = 0, a3_ = 0, k_ = 1;
  double ic1_ = 0, ic2_ = 0;
  float low_ = 0, band_ = 0, high_ = 0;
};

// One-pole low-pass, for smoothing control curves and gentle tone shaping.
class OnePole {
 public:
  explicit OnePole(double hz = 1000) { Set(hz); }
  void Set(double hz);
  float Lowpass(float x) {
    state_ += coefficient_ * (x - state_);
    return state_;
  }
  float Highpass(float x) { return x - Lowpass(x); }

 private:
  float coefficient_ = 1;
  float state_ = 0;
};

// Feedback delay with linear interpolation, for echoes, combs and chorus.
class DelayLine {
 public:
  explicit DelayLine(int maxSamples) : buffer_(static_cast<size_t>(maxSamples) + 2, 0.0f) {}
  float Read(double delaySamples) const;
  void Write(float x);

 private:
  std::vector<float> buffer_;
  size_t position_ = 0;
};

// A slowly wandering control curve in 0..1: random values every stepSeconds, eased between.
Signal SmoothRandom(Noise& noise, size_t samples, double stepSeconds);

// Band-passed noise burst of the given length and centre: the raw stuff of clicks, splashes, hisses.
Signal NoiseBurst(Noise& noise, double seconds, double centreHz, double q, double attack, double tau);

}  // namespace audio
