#include "tools/assetgen/bowling_audio/reactions.h"

#include "tools/assetgen/audio/room.h"
#include "tools/assetgen/bowling_audio/crowd.h"
#include "tools/assetgen/bowling_audio/words.h"

namespace audio::bowling {

namespace {

constexpr double kStrikeSeconds = 2.4;
constexpr double kGutterSeconds = 1.8;

Voice BowlerVoice(double pitchHz, double formantScale, double effort, double breathiness) {
  Voice voice;
  voice.pitchHz = pitchHz;
  voice.formantScale = formantScale;
  voice.effort = effort;
  voice.breathiness = breathiness;
  voice.vibratoDepth = 0.01;
  return voice;
}

Utterance VektCheer() { return Yeah(1.0, 1.0); }
Utterance VektGroan() { return Aww(0.85); }
Utterance TessGroan() { return Ohh(0.9); }

// The crowd stands a few metres back in a big hall: they come with its echo, which has the rest
// of the reaction (after the crowd's delay) to die away in.
void AddHall(Signal& crowd, double seconds, double delay) {
  crowd.resize(static_cast<size_t>(Samples(seconds - delay)), 0.0f);
  AddRoom(crowd, 0.65, 0.45, 0.35);
}

}  // namespace

const std::vector<Bowler>& Bowlers() {
  static const std::vector<Bowler> bowlers = {
      {"Vekt", BowlerVoice(125, 1.0, 0.75, 0.05), VektCheer, VektGroan, 12, 1, 0.05, 0xB0E1},
      {"Marla", BowlerVoice(215, 1.17, 0.7, 0.08), WooHoo, OhNo, 16, 2, 0.1, 0xB0E2},
      {"Oskar", BowlerVoice(98, 0.95, 0.85, 0.04), Yes, Ugh, 24, 3, 0.05, 0xB0E3},
      {"Tess", BowlerVoice(265, 1.24, 0.65, 0.1), Yay, TessGroan, 8, 1, 0.3, 0xB0E4},
  };
  return bowlers;
}

Signal Exclamation(const Bowler& bowler, bool strike) {
  Noise noise(bowler.seed + (strike ? 0x100 : 0x200));
  return Speak(noise, bowler.voice, strike ? bowler.cheer() : bowler.groan());
}

Signal StrikeReaction(const Bowler& bowler) {
  Noise noise(bowler.seed + 0x300);
  Signal crowd = CrowdCheer(noise, bowler.crowd, bowler.childShare, kStrikeSeconds - 0.5);
  MixInto(crowd, Applause(noise, bowler.crowd * 3 / 4 + 2, kStrikeSeconds - 0.8), Samples(0.15), 0.5f);
  for (int w = 0; w < bowler.whistlers; ++w) {
    const bool wolf = w == 2;
    MixInto(crowd, FingerWhistle(noise, noise.Range(2100, 3000), wolf), Samples(noise.Range(0.25, 0.9)),
            0.35f);
  }
  AddHall(crowd, kStrikeSeconds, 0.08);
  Signal out(static_cast<size_t>(Samples(kStrikeSeconds)));
  MixInto(out, crowd, Samples(0.08), 0.6f);
  MixInto(out, Exclamation(bowler, true), Samples(0.02), 1.0f);
  return out;
}

Signal GutterReaction(const Bowler& bowler) {
  Noise noise(bowler.seed + 0x400);
  Signal crowd = CrowdGroan(noise, bowler.crowd * 2 / 3 + 1, bowler.childShare, kGutterSeconds - 0.45);
  AddHall(crowd, kGutterSeconds, 0.12);
  Signal out(static_cast<size_t>(Samples(kGutterSeconds)));
  MixInto(out, crowd, Samples(0.12), 0.55f);
  MixInto(out, Exclamation(bowler, false), Samples(0.02), 1.0f);
  return out;
}

}  // namespace audio::bowling
