#include "tools/assetgen/audio/title_tune.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/assetgen/audio/finish.h"
#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/room.h"
#include "tools/assetgen/audio/sequencer.h"

namespace audio {

namespace {

constexpr double kBpm = 88;
constexpr int kBars = 16;
constexpr double kSwing = 0.07;

// Guitar voicing of a chord: two alternating bass strings, two middle strings and a high one,
// plus the root for the bass player (octave 2).
struct Chord {
  int bassA, bassB, mid, top, high;
  int root;
};

const std::map<std::string, Chord>& Chords() {
  static const std::map<std::string, Chord> chords = {
      {"G", {55, 50, 59, 62, 67, 43}},  {"C", {48, 55, 60, 64, 67, 36}},  {"D", {50, 57, 62, 66, 69, 38}},
      {"D7", {50, 57, 60, 66, 69, 38}}, {"Em", {52, 59, 64, 67, 71, 40}}, {"Am", {57, 52, 60, 64, 69, 45}},
  };
  return chords;
}

// One chord per half bar.
const char* const kChart[kBars][2] = {
    {"G", "G"}, {"C", "C"}, {"G", "G"},   {"D", "D"}, {"Em", "Em"}, {"C", "C"}, {"G", "D"},  {"G", "G"},
    {"C", "C"}, {"G", "G"}, {"Am", "Am"}, {"D", "D"}, {"C", "C"},   {"G", "G"}, {"Am", "D"}, {"D7", "D7"},
};

const char* const kMelody =
    "B4/1.5 A4/0.5 G4/1 D4/1  E4/1.5 G4/0.5 C5/2  B4/1.5 A4/0.5 G4/1 B4/1  A4/3 r/1 "
    "G4/1.5 A4/0.5 B4/1 D5/1  E5/1.5 D5/0.5 C5/1 A4/1  B4/1 G4/1 A4/1.5 F#4/0.5  G4/3 r/1 "
    "E5/1.5 D5/0.5 E5/1 G5/1  D5/2 B4/2  C5/1.5 B4/0.5 A4/1 E4/1  F#4/1 A4/1 D5/2 "
    "E5/1 D5/1 C5/1 E5/1  D5/1.5 B4/0.5 G4/2  A4/1 C5/1 B4/1 A4/1  C5/1.5 A4/0.5 F#4/1 A4/1";

// Walk-ups that lead the bass into the next section; other bars play root and fifth.
const std::map<int, const char*> kBassWalks = {
    {7, "G2/2 A2/1 B2/1"},
    {15, "D2/1 E2/1 F#2/1 A2/1"},
};

Track GuitarTrack(std::shared_ptr<Noise> noise) {
  PluckTone tone;
  tone.brightness = 2600;
  tone.ring = 2.2;
  tone.pickPosition = 0.18;
  Track track;
  track.voice = [noise, tone](const Note& note, double held) {
    return Pluck(*noise, MidiToHz(note.pitch), held, tone);
  };
  track.gain = 1.2;
  track.pan = -0.35;
  for (int bar = 0; bar < kBars; ++bar) {
    for (int half = 0; half < 2; ++half) {
      const Chord& c = Chords().at(kChart[bar][half]);
      const int strings[4] = {half == 0 ? c.bassA : c.bassB, c.mid, half == 0 ? c.top : c.high, c.mid};
      const double start = bar * 4 + half * 2;
      for (int i = 0; i < 4; ++i) {
        const double velocity = i == 0 ? 0.95 : (i == 2 ? 0.75 : 0.6);
        track.notes.push_back(
            {start + i * 0.5, i == 0 ? 1.75 : 1.25, static_cast<double>(strings[i]), velocity});
      }
    }
  }
  return track;
}

Track BassTrack() {
  Track track;
  track.voice = [](const Note& note, double held) { return SoftBass(MidiToHz(note.pitch), held); };
  track.gain = 0.34;
  for (int bar = 0; bar < kBars; ++bar) {
    if (const auto walk = kBassWalks.find(bar); walk != kBassWalks.end()) {
      AppendMelody(track.notes, walk->second, bar * 4, 0, 0.9);
      continue;
    }
    const Chord& first = Chords().at(kChart[bar][0]);
    const Chord& second = Chords().at(kChart[bar][1]);
    const bool change = std::string(kChart[bar][0]) != kChart[bar][1];
    track.notes.push_back({bar * 4.0, 1.6, static_cast<double>(first.root), 1.0});
    const int third = change ? second.root : first.root + 7;
    track.notes.push_back({bar * 4.0 + 2, 1.6, static_cast<double>(third), 0.85});
  }
  return track;
}

Track WhistleTrack(std::shared_ptr<Noise> noise) {
  Track track;
  track.voice = [noise](const Note& note, double held) {
    return Whistle(*noise, MidiToHz(note.pitch), held * 0.92);
  };
  track.gain = 0.23;
  track.pan = 0.2;
  // The melody must fill the loop exactly, or the tune would stumble where it repeats.
  if (AppendMelody(track.notes, kMelody, 0, 12, 1.0) != kBars * 4) throw std::logic_error("melody length");
  return track;
}

// In the second half a banjo rolls over the chords an octave up, to lift the tune before it repeats.
Track BanjoTrack(std::shared_ptr<Noise> noise) {
  PluckTone tone;
  tone.brightness = 4000;
  tone.ring = 0.9;
  tone.pickPosition = 0.1;
  tone.banjo = true;
  Track track;
  track.voice = [noise, tone](const Note& note, double held) {
    return Pluck(*noise, MidiToHz(note.pitch), held, tone);
  };
  track.gain = 1.0;
  track.pan = 0.45;
  static const int kRoll[8] = {0, 1, 2, 0, 1, 2, 0, 2};
  for (int bar = kBars / 2; bar < kBars; ++bar) {
    for (int eighth = 0; eighth < 8; ++eighth) {
      const Chord& c = Chords().at(kChart[bar][eighth / 4]);
      const int strings[3] = {c.mid + 12, c.top + 12, c.high + 12};
      const double velocity = eighth % 3 == 0 ? 0.9 : 0.65;
      track.notes.push_back(
          {bar * 4 + eighth * 0.5, 0.6, static_cast<double>(strings[kRoll[eighth]]), velocity});
    }
  }
  return track;
}

Track ShakerTrack(std::shared_ptr<Noise> noise) {
  Track track;
  track.voice = [noise](const Note& note, double) { return Shaker(*noise, note.velocity); };
  track.gain = 0.6;
  track.pan = 0.5;
  for (int eighth = 0; eighth < kBars * 8; ++eighth) {
    track.notes.push_back({eighth * 0.5, 0.5, 0, eighth % 2 == 1 ? 1.0 : 0.55});
  }
  return track;
}

Track KickTrack() {
  Track track;
  track.voice = [](const Note&, double) { return SoftKick(); };
  track.gain = 0.4;
  for (int beat = 0; beat < kBars * 4; beat += 2)
    track.notes.push_back({static_cast<double>(beat), 1, 0, 0.8});
  return track;
}

Track WoodBlockTrack(std::shared_ptr<Noise> noise) {
  Track track;
  track.voice = [noise](const Note& note, double) { return WoodBlock(*noise, MidiToHz(note.pitch)); };
  track.gain = 0.5;
  track.pan = -0.15;
  for (int beat = 1; beat < kBars * 4; beat += 2)
    track.notes.push_back({static_cast<double>(beat), 1, 79, 0.8});
  return track;
}

}  // namespace

TWave TitleTune() {
  auto noise = std::make_shared<Noise>(0x7075);
  Sequencer sequencer(kBpm, kBars * 4, kSwing, 0x5eed);
  sequencer.Add(GuitarTrack(noise));
  sequencer.Add(BassTrack());
  sequencer.Add(WhistleTrack(noise));
  sequencer.Add(BanjoTrack(noise));
  sequencer.Add(ShakerTrack(noise));
  sequencer.Add(KickTrack());
  sequencer.Add(WoodBlockTrack(noise));
  Signal left, right;
  sequencer.Render(left, right);
  AddRoomToLoop(left, right, 0.55, 0.45, 0.45);
  return FinishStereoLoop(std::move(left), std::move(right), 0.16, 0.85);
}

}  // namespace audio
