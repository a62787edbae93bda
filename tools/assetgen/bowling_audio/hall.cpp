#include "tools/assetgen/bowling_audio/hall.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/loop.h"
#include "tools/assetgen/audio/room.h"
#include "tools/assetgen/bowling_audio/crowd.h"
#include "tools/assetgen/bowling_audio/lane_sounds.h"
#include "tools/assetgen/bowling_audio/voice.h"
#include "tools/assetgen/bowling_audio/words.h"

namespace audio::bowling {

namespace {

// Shapes a part with a linear fade-in and fade-out (seconds).
void Fade(Signal& part, double in, double out) {
  const size_t n = part.size();
  const auto fadeIn = std::min(n, static_cast<size_t>(Samples(in)));
  const auto fadeOut = std::min(n, static_cast<size_t>(Samples(out)));
  for (size_t i = 0; i < fadeIn; ++i) part[i] *= static_cast<float>(i) / static_cast<float>(fadeIn);
  for (size_t i = 0; i < fadeOut; ++i) part[n - 1 - i] *= static_cast<float>(i) / static_cast<float>(fadeOut);
}

// The pinsetter at the end of a lane: its motor runs up, the sweep bar knocks, the rack sets down.
Signal Pinsetter(Noise& noise) {
  Signal out(static_cast<size_t>(Samples(2.2)));
  Oscillator motor;
  Svf tone(220, 1.0);
  const Envelope level{{0.0, 0.0}, {0.3, 1.0}, {1.8, 1.0}, {2.2, 0.0}};
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[i] = static_cast<float>(0.25 * tone.Lowpass(motor.Saw(46) + 0.3f * noise.White()) * level.At(t));
  }
  MixInto(out, BallThud(noise, 0.2), Samples(0.5), 0.25f);
  MixInto(out, PinKnock(noise, 310, 0.2), Samples(0.55), 0.3f);
  MixInto(out, PinKnock(noise, 280, 0.1), Samples(1.5), 0.25f);
  return out;
}

// The ball coming back: a rumble in the return track, then a clack against the waiting balls.
Signal BallReturn(Noise& noise) {
  Signal out(static_cast<size_t>(Samples(1.4)));
  Signal rumble = RollBed(noise, 1.0);
  Fade(rumble, 0.3, 0.2);
  MixInto(out, rumble, 0, 0.5f);
  MixInto(out, PinKnock(noise, noise.Range(1300, 1700), 1.0), Samples(1.0), 0.45f);
  MixInto(out, BallThud(noise, 0.3), Samples(1.0), 0.3f);
  return out;
}

Signal GlassClink(Noise& noise) {
  return Struck(noise, noise.Range(2200, 3400), 0.5, {{1.0, 1.0, 0.22}, {2.32, 0.5, 0.1}, {4.25, 0.25, 0.05}},
                0.3);
}

}  // namespace

HallLoop::HallLoop(double seconds, uint64_t seed)
    : seconds_(seconds),
      noise_(seed),
      far_(static_cast<size_t>(Samples(seconds))),
      near_(static_cast<size_t>(Samples(seconds))) {}

void HallLoop::AddAir(double level) {
  Signal bed(Length() + static_cast<size_t>(Samples(2.0)));
  Svf rumble(260, 0.7);
  OnePole hiss(1500);
  const Signal drift = SmoothRandom(noise_, bed.size(), 3.0);
  for (size_t i = 0; i < bed.size(); ++i) {
    const double v = rumble.Lowpass(noise_.White()) + 0.12 * hiss.Lowpass(noise_.White());
    bed[i] = static_cast<float>(v * (0.85 + 0.3 * drift[i]));
  }
  const Signal air = FoldCrossfade(bed, Length());
  MixInto(near_, air, 0, static_cast<float>(level));
}

void HallLoop::AddMurmur(int people, double childShare, double level) {
  const auto gain = static_cast<float>(level / std::sqrt(std::max(1, people)));
  for (int p = 0; p < people; ++p) {
    Voice voice = RandomVoice(noise_, childShare);
    voice.effort = noise_.Range(0.15, 0.4);
    const bool child = voice.pitchHz > 235;
    double t = AnyTime();
    // Each talker fills the loop with phrases and pauses, then the loop carries them round.
    for (double spoken = 0; spoken < seconds_;) {
      const double phrase = noise_.Range(1.2, 3.5);
      const double rate = child ? noise_.Range(5.0, 6.5) : noise_.Range(3.5, 5.5);
      const Signal said = Speak(noise_, voice, Chatter(noise_, phrase, rate));
      AddWrapped(far_, said, Samples(t), gain * static_cast<float>(noise_.Range(0.5, 1.0)));
      const double pause = noise_.Range(0.4, 2.5);
      t += phrase + pause;
      spoken += phrase + pause;
    }
  }
}

void HallLoop::AddGames(int games, double level, double gentleness) {
  const double slot = seconds_ / games;
  for (int g = 0; g < games; ++g) {
    // Spread over the loop, so the hall stays equally busy all round it.
    const double start = slot * (g + noise_.Range(0.0, 0.7));
    const bool neighbour = g % 4 == 1;
    Signal& layer = neighbour ? near_ : far_;
    const double distance = neighbour ? noise_.Range(0.5, 0.7) : noise_.Range(0.35, 1.0);
    const auto gain = static_cast<float>(level * distance);

    const double rolling = noise_.Range(1.8, 2.6) + 1.2 * gentleness;
    Signal roll = RollBed(noise_, rolling);
    AddRotation(roll, noise_, noise_.Range(3.5, 5.0) - 1.5 * gentleness, 0.35, false);
    Fade(roll, 0.25, 0.05);
    AddWrapped(layer, roll, Samples(start), 0.3f * gain);

    Crash crash;
    crash.knocks = static_cast<int>(noise_.Range(5, 34) * (1.0 - 0.5 * gentleness));
    crash.spread = noise_.Range(0.4, 0.6);
    crash.weight = noise_.Range(0.3, 1.0) * (1.0 - 0.4 * gentleness);
    crash.clatter = 0.15 + 0.3 * crash.knocks / 34.0;
    crash.seconds = 1.3;
    const double hit = start + rolling;
    AddWrapped(layer, PinCrash(noise_, crash), Samples(hit), gain);
    AddWrapped(far_, Pinsetter(noise_), Samples(hit + noise_.Range(1.2, 2.0)), 0.5f * gain);
    AddWrapped(far_, BallReturn(noise_), Samples(hit + noise_.Range(3.0, 4.5)), 0.5f * gain);
  }
}

void HallLoop::AddLaughter(int bursts, double childShare, double level) {
  for (int b = 0; b < bursts; ++b) {
    Voice voice = RandomVoice(noise_, childShare);
    voice.effort = noise_.Range(0.4, 0.7);
    voice.breathiness = 0.15;
    const Utterance laugh = Laugh(noise_, static_cast<int>(noise_.Range(4, 9)), noise_.Range(4.8, 6.5));
    AddWrapped(far_, Speak(noise_, voice, laugh), Samples(AnyTime()),
               static_cast<float>(level * noise_.Range(0.6, 1.0)));
  }
}

void HallLoop::AddCheers(int cheers, double level) {
  for (int c = 0; c < cheers; ++c) {
    const int people = static_cast<int>(noise_.Range(4, 8));
    Signal cheer = CrowdCheer(noise_, people, 0.1, 2.2);
    MixInto(cheer, Applause(noise_, people + 2, 1.8), Samples(0.1), 0.5f);
    AddWrapped(far_, cheer, Samples(AnyTime()), static_cast<float>(level));
  }
}

void HallLoop::AddSqueals(int squeals, double level) {
  for (int s = 0; s < squeals; ++s) {
    Voice child = RandomVoice(noise_, 1.0);
    child.effort = noise_.Range(0.6, 0.9);
    const Utterance said =
        noise_.Uniform() < 0.5 ? Woo(noise_.Range(0.5, 0.9), noise_.Range(1.2, 1.5)) : Yay();
    AddWrapped(far_, Speak(noise_, child, said), Samples(AnyTime()),
               static_cast<float>(level * noise_.Range(0.6, 1.0)));
  }
}

void HallLoop::AddBumpers(int bumps, double level) {
  for (int b = 0; b < bumps; ++b) {
    // A padded rail gives a dull bonk, and the rail's plastic rattles after it.
    Signal bonk(static_cast<size_t>(Samples(0.5)));
    MixInto(bonk, BallThud(noise_, 0.4), 0, 0.8f);
    MixInto(bonk, PinKnock(noise_, noise_.Range(220, 300), 0.2), 0, 0.4f);
    MixInto(bonk, PinKnock(noise_, noise_.Range(600, 800), 0.3), Samples(0.03), 0.12f);
    Signal& layer = b % 2 == 0 ? near_ : far_;
    AddWrapped(layer, bonk, Samples(AnyTime()), static_cast<float>(level * noise_.Range(0.5, 1.0)));
  }
}

void HallLoop::AddGlasses(int clinks, double level) {
  for (int c = 0; c < clinks; ++c) {
    const double t = AnyTime();
    const auto gain = static_cast<float>(level * noise_.Range(0.5, 1.0));
    AddWrapped(far_, GlassClink(noise_), Samples(t), gain);
    // Raised together: a second glass answers a moment later.
    if (noise_.Uniform() < 0.5)
      AddWrapped(far_, GlassClink(noise_), Samples(t + noise_.Range(0.03, 0.08)), gain);
  }
}

void HallLoop::AddLoop(const Signal& loop, double level) {
  MixInto(near_, loop, 0, static_cast<float>(level));
}

Signal HallLoop::Mix() const {
  Signal far = far_;
  Svf distance(2800, 0.7);
  ProcessCircular(far, [&distance](float x) { return distance.Lowpass(x); });
  Signal farRight = far;
  AddRoomToLoop(far, farRight, 0.8, 0.5, 0.7);
  Signal nearLeft = near_, nearRight = near_;
  AddRoomToLoop(nearLeft, nearRight, 0.6, 0.5, 0.25);
  Signal out(Length());
  for (size_t i = 0; i < out.size(); ++i) out[i] = 0.5f * (far[i] + farRight[i] + nearLeft[i] + nearRight[i]);
  return out;
}

}  // namespace audio::bowling
