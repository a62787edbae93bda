#include "tools/assetgen/audio/instruments.h"

#include <algorithm>
#include <cmath>

namespace audio {

Signal Pluck(Noise& noise, double hz, double held, const PluckTone& tone) {
  const double release = 0.08;
  Signal out(static_cast<size_t>(Samples(held + release)));

  // Total loop delay is rate / hz samples; the averaging loss filter adds half a sample and the
  // allpass supplies the fraction, kept in 0.1 .. 1.1 where it stays well behaved.
  const double delay = kRate / hz - 0.5;
  const int whole = std::max(2, static_cast<int>(std::floor(delay - 0.1)));
  const double frac = delay - whole;
  const double c = (1.0 - frac) / (1.0 + frac);
  const double gain = std::pow(0.001, 1.0 / (hz * tone.ring));

  // The pick: a short noise burst, low-passed for brightness, with a comb notch at the pick position.
  std::vector<double> line(static_cast<size_t>(whole));
  OnePole pick(tone.brightness), soften(tone.brightness * 1.5);
  for (double& v : line) v = soften.Lowpass(pick.Lowpass(noise.White()));
  const auto notch = static_cast<size_t>(std::max(3.0, tone.pickPosition * whole));
  std::vector<double> excited(line.size());
  for (size_t i = 0; i < line.size(); ++i) excited[i] = line[i] - (i >= notch ? line[i - notch] : 0.0);
  // Without its mean (no offset in the string) and at one loudness whatever the note.
  double mean = 0;
  for (double v : excited) mean += v;
  mean /= static_cast<double>(excited.size());
  double power = 0;
  for (double& v : excited) {
    v -= mean;
    power += v * v;
  }
  const double scale = power > 0 ? 0.5 / std::sqrt(power / static_cast<double>(excited.size())) : 0.0;
  for (size_t i = 0; i < line.size(); ++i) line[i] = excited[i] * scale;

  Svf head(2400, 2.5);
  double previous = 0, apIn = 0, apOut = 0;
  size_t position = 0;
  const int heldSamples = Samples(held);
  for (size_t i = 0; i < out.size(); ++i) {
    const double x = line[position];
    double damping = gain;
    if (static_cast<int>(i) > heldSamples) damping *= 0.93;  // a finger stops the string
    const double averaged = 0.5 * (x + previous) * damping;
    previous = x;
    const double allpassed = c * averaged + apIn - c * apOut;
    apIn = averaged;
    apOut = allpassed;
    line[position] = allpassed;
    position = (position + 1) % line.size();
    const double t = static_cast<double>(i) / kRate;
    // The pick leaves the string over a millisecond or two rather than in one sample.
    float sample = static_cast<float>(x * StrikeEnvelope(t, 0.0015, 1e9));
    if (tone.banjo) {
      sample += head.BandpassUnit(sample) * static_cast<float>(0.8 * std::exp(-t / 0.12));
    }
    out[i] = sample;
  }
  return out;
}

Signal SoftBass(double hz, double held) {
  const double release = 0.12;
  Signal out(static_cast<size_t>(Samples(held + release)));
  Oscillator fundamental, second, third;
  OnePole tone(900);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double bend = 1.0 + 0.04 * std::exp(-t / 0.02);  // the thump of the finger
    double amp = StrikeEnvelope(t, 0.008, 1.1);
    if (t > held) amp *= std::max(0.0, 1.0 - (t - held) / release);
    const double v = fundamental.Sine(hz * bend) + 0.3 * second.Sine(2 * hz * bend) * std::exp(-t / 0.25) +
                     0.12 * third.Sine(3 * hz * bend) * std::exp(-t / 0.12);
    out[i] = tone.Lowpass(static_cast<float>(v * amp));
  }
  return out;
}

Signal Whistle(Noise& noise, double hz, double held) {
  const double attack = 0.035, release = 0.09;
  Signal out(static_cast<size_t>(Samples(held + release)));
  Oscillator tone, overtone, vibrato;
  Svf breath(hz, 6.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double depth = 0.006 * std::clamp((t - 0.18) / 0.3, 0.0, 1.0);
    const double pitch = hz * (1.0 + depth * vibrato.Sine(5.2)) * (1.0 - 0.012 * std::exp(-t / 0.03));
    double amp = std::min(1.0, t / attack);
    if (t > held) amp *= std::max(0.0, 1.0 - (t - held) / release);
    const double body = tone.Sine(pitch) + 0.07 * overtone.Sine(2 * pitch);
    const double air = breath.BandpassUnit(noise.White()) * (0.10 + 0.25 * std::exp(-t / 0.04));
    out[i] = static_cast<float>((body + air) * amp);
  }
  return out;
}

Signal Shaker(Noise& noise, double accent) {
  Signal out(static_cast<size_t>(Samples(0.09)));
  Svf bright(6000, 0.9);
  Svf soft(9000, 0.7);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double amp = StrikeEnvelope(t, 0.012, 0.022) * accent;
    out[i] = soft.Lowpass(bright.Highpass(noise.White())) * static_cast<float>(amp);
  }
  return out;
}

Signal SoftKick() {
  Signal out(static_cast<size_t>(Samples(0.3)));
  Oscillator body;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = 48 + 60 * std::exp(-t / 0.03);
    out[i] = body.Sine(hz) * static_cast<float>(StrikeEnvelope(t, 0.003, 0.09));
  }
  return out;
}

Signal WoodBlock(Noise& noise, double hz) {
  Signal out(static_cast<size_t>(Samples(0.12)));
  Oscillator low, high;
  Svf click(hz * 2.5, 3.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double v = low.Sine(hz) * std::exp(-t / 0.025) + 0.4 * high.Sine(hz * 2.7) * std::exp(-t / 0.012) +
                     0.5 * click.BandpassUnit(noise.White()) * std::exp(-t / 0.004);
    out[i] = static_cast<float>(v * StrikeEnvelope(t, 0.0008, 1.0));
  }
  return out;
}

Signal Struck(Noise& noise, double hz, double seconds, std::initializer_list<Partial> partials,
              double strikeNoise) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  std::vector<Oscillator> oscillators(partials.size());
  Svf clang(hz * 4, 1.5);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0;
    size_t k = 0;
    for (const Partial& p : partials) {
      Oscillator& oscillator = oscillators[k++];
      if (hz * p.ratio < 0.45 * kRate) v += p.level * oscillator.Sine(hz * p.ratio) * std::exp(-t / p.tau);
    }
    v += strikeNoise * clang.BandpassUnit(noise.White()) * std::exp(-t / 0.006);
    out[i] = static_cast<float>(v * StrikeEnvelope(t, 0.0015, 1e9));
  }
  return out;
}

}  // namespace audio
