#include "tools/assetgen/bowling_audio/lounge_tune.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "tools/assetgen/audio/finish.h"
#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/room.h"
#include "tools/assetgen/audio/sequencer.h"
#include "tools/assetgen/bowling_audio/combo.h"
#include "tools/assetgen/bowling_audio/quiet_start.h"

namespace audio::bowling {

namespace {

constexpr double kSwing = 0.12;

// An organ voicing of a chord (four notes about middle C, moving little from chord to chord) and the
// tones the bass walks on: root, third, fifth and seventh in the bass register.
struct Chord {
  int voicing[4];
  int root, third, fifth, seventh;
};

const std::map<std::string, Chord>& Chords() {
  static const std::map<std::string, Chord> chords = {
      {"F6", {{57, 60, 62, 65}, 41, 45, 48, 50}},   {"F7", {{57, 60, 63, 65}, 41, 45, 48, 51}},
      {"D7", {{57, 60, 62, 66}, 38, 42, 45, 48}},   {"Gm7", {{58, 62, 65, 67}, 43, 46, 50, 53}},
      {"C7", {{58, 60, 64, 67}, 36, 40, 43, 46}},   {"Bb6", {{58, 62, 65, 67}, 46, 50, 53, 55}},
      {"Bbm6", {{58, 61, 65, 67}, 46, 49, 53, 55}}, {"Am7", {{57, 60, 64, 67}, 45, 48, 52, 55}},
  };
  return chords;
}

// One chord per half bar: two verses and a bridge whose last bar leads back to the top.
const char* const kChart[kTuneBars][2] = {
    {"F6", "F6"},   {"D7", "D7"}, {"Gm7", "Gm7"}, {"C7", "C7"},  {"F6", "F6"},   {"D7", "D7"},
    {"Gm7", "C7"},  {"F6", "C7"}, {"F6", "F6"},   {"F7", "F7"},  {"Bb6", "Bb6"}, {"Bbm6", "Bbm6"},
    {"F6", "F6"},   {"D7", "D7"}, {"Gm7", "C7"},  {"F6", "F6"},  {"Am7", "Am7"}, {"D7", "D7"},
    {"Gm7", "Gm7"}, {"C7", "C7"}, {"Am7", "D7"},  {"Gm7", "C7"}, {"F6", "D7"},   {"Gm7", "C7"},
};

const char* const kMelody =
    // First verse.
    "A4/0.5 C5/0.5 D5/0.5 F5/1 D5/0.5 C5/1  F#5/1.5 E5/0.5 D5/1 r/1  "
    "r/0.5 D5/0.5 F5/0.5 G5/0.5 Bb5/1 G5/1  E5/1.5 D5/0.5 C5/1 Bb4/1  "
    "A4/0.5 C5/0.5 D5/0.5 F5/1 A5/0.5 G5/1  F#5/1 A5/1 C6/1.5 A5/0.5  "
    "G5/1 F5/0.5 D5/0.5 E5/1 G5/1  F5/2.5 r/0.5 C5/0.5 D5/0.5  "
    // Second verse.
    "F5/1 A5/0.5 G5/0.5 F5/1 D5/1  Eb5/1.5 C5/0.5 A4/1 C5/1  "
    "D5/0.5 F5/0.5 G5/0.5 Bb5/1 G5/0.5 F5/1  Db5/1.5 F5/0.5 G5/1 F5/1  "
    "C5/0.5 D5/0.5 F5/0.5 A5/1 G5/0.5 F5/1  A5/1 F#5/0.5 A5/0.5 C6/1 A5/1  "
    "Bb5/1 A5/0.5 G5/0.5 E5/1 C5/1  F5/3 r/1  "
    // Bridge, ending on the turnaround back to the top.
    "E5/0.5 G5/0.5 A5/1 G5/0.5 E5/0.5 C5/1  D5/1 F#5/1 A5/1.5 F#5/0.5  "
    "G5/1 Bb5/1 D6/1.5 Bb5/0.5  A5/1 G5/1 E5/1 C5/1  "
    "C5/0.5 E5/0.5 G5/1 F#5/1 A5/1  Bb5/1 G5/0.5 F5/0.5 E5/1 D5/1  "
    "C5/1.5 A4/0.5 F#5/1 A5/1  G5/1 Bb5/0.5 G5/0.5 E5/1 r/0.5 C5/0.5";

const Chord& ChordAt(int bar, int half) { return Chords().at(kChart[bar % kTuneBars][half]); }

Track VibesTrack(std::shared_ptr<Noise> noise) {
  Track track;
  // The pedal stays down a little past each written note, so the bars ring into each other.
  track.voice = [noise](const Note& note, double held) {
    return Vibes(*noise, MidiToHz(note.pitch), held * 1.3);
  };
  track.gain = 0.6;
  track.pan = 0.25;
  // The melody must fill the loop exactly, or the tune would stumble where it repeats.
  if (AppendMelody(track.notes, kMelody, 0, 0, 0.9) != kTuneBars * 4) throw std::logic_error("melody length");
  return track;
}

// Comping: a Charleston figure on bars of one chord, a stab on each half of bars with two.
Track OrganTrack(std::shared_ptr<Noise> noise) {
  Track track;
  track.voice = [noise](const Note& note, double held) {
    return Organ(*noise, MidiToHz(note.pitch), held, note.velocity);
  };
  track.gain = 0.28;
  track.pan = -0.3;
  for (int bar = 0; bar < kTuneBars; ++bar) {
    const bool change = std::string(kChart[bar][0]) != kChart[bar][1];
    struct Hit {
      double beat, beats;
      int half;
      double velocity;
    };
    const Hit oneChord[2][2] = {{{0.0, 1.2, 0, 0.9}, {1.5, 0.4, 0, 0.7}},
                                {{1.5, 0.4, 0, 0.8}, {3.0, 0.8, 1, 0.7}}};
    const Hit twoChords[2] = {{0.0, 1.4, 0, 0.9}, {2.0, 1.4, 1, 0.8}};
    const Hit* hits = change ? twoChords : oneChord[bar % 2];
    for (int h = 0; h < 2; ++h) {
      for (int pitch : ChordAt(bar, hits[h].half).voicing)
        track.notes.push_back(
            {bar * 4 + hits[h].beat, hits[h].beats, static_cast<double>(pitch), hits[h].velocity});
    }
  }
  return track;
}

// A walking line: roots on the chord changes, chord tones between, and on the beat before each
// change a step from a semitone away into the next root.
Track BassTrack() {
  Track track;
  track.voice = [](const Note& note, double held) { return SoftBass(MidiToHz(note.pitch), held); };
  track.gain = 0.45;
  for (int bar = 0; bar < kTuneBars; ++bar) {
    for (int beat = 0; beat < 4; ++beat) {
      const Chord& now = ChordAt(bar, beat / 2);
      const Chord& next = beat == 3 ? ChordAt(bar + 1, 0) : ChordAt(bar, 1);
      const bool halfChange = beat == 1 && std::string(kChart[bar][0]) != kChart[bar][1];
      int pitch = now.root;
      if (beat == 3 || halfChange) {
        pitch = next.root + ((bar + beat) % 3 == 0 ? 1 : -1);  // approach from above or below
      } else if (beat == 1) {
        pitch = now.third;
      } else if (beat == 2) {
        pitch = std::string(kChart[bar][0]) != kChart[bar][1] ? now.root : now.fifth;
      }
      track.notes.push_back({bar * 4.0 + beat, 0.9, static_cast<double>(pitch), beat == 0 ? 1.0 : 0.85});
    }
  }
  return track;
}

// The ride's swing figure: "ding, ding-a ding, ding-a" on every beat and the swung off-beat of two and four.
Track RideTrack(std::shared_ptr<Noise> noise) {
  Track track;
  track.voice = [noise](const Note& note, double) { return Ride(*noise, note.velocity); };
  track.gain = 0.22;
  track.pan = 0.35;
  for (int beat = 0; beat < kTuneBars * 4; ++beat) {
    track.notes.push_back({static_cast<double>(beat), 1, 0, beat % 2 == 1 ? 1.0 : 0.8});
    if (beat % 2 == 1) track.notes.push_back({beat + 0.5, 0.5, 0, 0.6});
  }
  return track;
}

Track HiHatTrack(std::shared_ptr<Noise> noise) {
  Track track;
  track.voice = [noise](const Note& note, double) { return HiHatFoot(*noise, note.velocity); };
  track.gain = 0.25;
  track.pan = -0.2;
  for (int beat = 1; beat < kTuneBars * 4; beat += 2)
    track.notes.push_back({static_cast<double>(beat), 1, 0, 0.9});
  return track;
}

Track BrushTrack(std::shared_ptr<Noise> noise) {
  Track track;
  track.voice = [noise](const Note& note, double) { return BrushTap(*noise, note.velocity); };
  track.gain = 0.16;
  track.pan = -0.1;
  for (int beat = 1; beat < kTuneBars * 4; beat += 2)
    track.notes.push_back({static_cast<double>(beat), 1, 0, 0.8});
  // A little fill into each new section.
  for (int bar : {7, 15, 23}) {
    for (double beat : {2.5, 3.0, 3.5}) track.notes.push_back({bar * 4 + beat, 0.5, 0, 0.6});
  }
  return track;
}

Track KickTrack() {
  Track track;
  track.voice = [](const Note&, double) { return SoftKick(); };
  track.gain = 0.28;
  for (int beat = 0; beat < kTuneBars * 4; beat += 2)
    track.notes.push_back({static_cast<double>(beat), 1, 0, 0.7});
  return track;
}

}  // namespace

TWave LoungeTune() {
  auto noise = std::make_shared<Noise>(0x70E5);
  Sequencer sequencer(kTuneBpm, kTuneBars * 4, kSwing, 0x10C6);
  sequencer.Add(VibesTrack(noise));
  sequencer.Add(OrganTrack(noise));
  sequencer.Add(BassTrack());
  sequencer.Add(RideTrack(noise));
  sequencer.Add(HiHatTrack(noise));
  sequencer.Add(BrushTrack(noise));
  sequencer.Add(KickTrack());
  Signal left, right;
  sequencer.Render(left, right);
  AddRoomToLoop(left, right, 0.5, 0.4, 0.35);
  // Started where it is quietest in the last hundredths of a second before the first downbeat
  // (early notes come up to 6 ms ahead of it): no click, and the downbeat is heard whole.
  const size_t start = QuietStart(left, right, left.size() - static_cast<size_t>(Samples(0.04)),
                                  left.size() - static_cast<size_t>(Samples(0.008)));
  StartLoopAt(left, start);
  StartLoopAt(right, start);
  return FinishStereoLoop(std::move(left), std::move(right), 0.15, 0.85);
}

}  // namespace audio::bowling
