#include "tools/assetgen/bowling_audio/crowd.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/bowling_audio/voice.h"
#include "tools/assetgen/bowling_audio/words.h"

namespace audio::bowling {

Signal Clap(Noise& noise, double centreHz) {
  Signal out(static_cast<size_t>(Samples(0.045)));
  Svf palms(centreHz, noise.Range(1.2, 2.2));
  Svf crack(2500, 0.7);
  const double tau = noise.Range(0.005, 0.009);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const float white = noise.White();
    const double v = palms.BandpassUnit(white) + 0.35 * crack.Highpass(white);
    out[i] = static_cast<float>(v * StrikeEnvelope(t, 0.0004, tau));
  }
  return out;
}

Signal Applause(Noise& noise, int clappers, double seconds) {
  Signal out(static_cast<size_t>(Samples(seconds + 0.1)));
  for (int c = 0; c < clappers; ++c) {
    const double pace = noise.Range(3.6, 5.6);  // claps a second
    const double centre = noise.Range(800, 2300);
    const double keen = noise.Range(0.6, 1.0);
    // Some stop early; everyone has stopped by the end.
    const double stop = seconds * noise.Range(0.55, 1.0);
    for (double t = noise.Range(0.0, 0.25); t < stop; t += (1.0 + noise.Range(-0.07, 0.07)) / pace) {
      const double fade = 1.0 - std::pow(t / stop, 2.0);
      MixInto(out, Clap(noise, centre * noise.Range(0.95, 1.05)), Samples(t),
              static_cast<float>(keen * fade * noise.Range(0.7, 1.0)));
    }
  }
  return out;
}

Signal FingerWhistle(Noise& noise, double hz, bool wolf) {
  const double seconds = wolf ? 1.0 : 0.75;
  const Envelope pitch = wolf ? Envelope{{0.0, 0.55}, {0.16, 1.0}, {0.3, 0.75}, {0.42, 0.55},
                                         {0.5, 0.6},  {0.66, 1.0}, {0.85, 0.7}, {1.0, 0.45}}
                              : Envelope{{0.0, 0.7}, {0.1, 1.0}, {0.6, 1.03}, {0.75, 0.9}};
  const Envelope level = wolf ? Envelope{{0.0, 0.0}, {0.05, 0.9}, {0.3, 0.8},  {0.4, 0.0},
                                         {0.5, 0.0}, {0.56, 1.0}, {0.85, 0.8}, {1.0, 0.0}}
                              : Envelope{{0.0, 0.0}, {0.04, 1.0}, {0.55, 0.9}, {0.75, 0.0}};
  Signal out(static_cast<size_t>(Samples(seconds)));
  Oscillator tone, wobble;
  Svf breath(hz, 4.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = hz * pitch.At(t) * (1.0 + 0.006 * wobble.Sine(7.0));
    breath.Set(f, 4.0);
    const double v = tone.Sine(f) + 0.25 * breath.BandpassUnit(noise.White());
    out[i] = static_cast<float>(v * level.At(t));
  }
  return out;
}

Signal CrowdCheer(Noise& noise, int people, double childShare, double seconds) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  for (int p = 0; p < people; ++p) {
    Voice voice = RandomVoice(noise, childShare);
    voice.effort = noise.Range(0.6, 0.95);  // shouting
    double t = noise.Range(0.05, 0.35);
    // Most shout once, some twice.
    const int calls = noise.Uniform() < 0.35 ? 2 : 1;
    for (int k = 0; k < calls; ++k) {
      const double pick = noise.Uniform();
      const Utterance said = pick < 0.45  ? Yeah(noise.Range(1.2, 2.0), noise.Range(0.9, 1.2))
                             : pick < 0.8 ? Woo(noise.Range(0.6, 1.3), noise.Range(0.9, 1.15))
                                          : Hey(noise.Range(1.0, 1.5));
      if (t + said.seconds > seconds) break;  // no one is cut off mid-call
      MixInto(out, Speak(noise, voice, said), Samples(t), static_cast<float>(noise.Range(0.4, 1.0)));
      t += said.seconds + noise.Range(0.05, 0.25);
    }
  }
  return out;
}

Signal CrowdGroan(Noise& noise, int people, double childShare, double seconds) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  for (int p = 0; p < people; ++p) {
    Voice voice = RandomVoice(noise, childShare);
    voice.effort = noise.Range(0.25, 0.5);
    voice.breathiness = noise.Range(0.1, 0.2);  // a sigh more than a shout
    const double t = noise.Range(0.0, 0.25);
    const double length = std::min(seconds - t, noise.Range(0.7, 1.3));
    const Utterance said = noise.Uniform() < 0.6 ? Aww(length) : Ohh(length);
    MixInto(out, Speak(noise, voice, said), Samples(t), static_cast<float>(noise.Range(0.4, 1.0)));
  }
  return out;
}

}  // namespace audio::bowling
