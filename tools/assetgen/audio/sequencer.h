// A small loop sequencer: tracks of notes in beats, each played by an instrument voice, rendered
// into a stereo loop whose note tails wrap round to the start, so the loop repeats without a seam.
// Timing is swung and gently humanised with a seeded generator, so every render is the same.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/assetgen/audio/dsp.h"

namespace audio {

struct Note {
  double beat = 0;      // start, in beats from the top of the loop
  double beats = 1;     // held length
  double pitch = 60;    // MIDI note number
  double velocity = 1;  // 0..1
};

// Renders one note held for the given seconds, including its own release tail.
using Voice = std::function<Signal(const Note& note, double heldSeconds)>;

struct Track {
  Voice voice;
  double gain = 1;
  double pan = 0;  // -1 left .. 1 right
  std::vector<Note> notes;
};

// MIDI number of a note name such as "C4", "F#3" or "Bb5" (C4 = 60). Raises std::invalid_argument.
int NoteNumber(const std::string& name);

// Appends the notes of a melody line written as "G4/1 A4/0.5 r/0.5 C#5/2" (name/beats, r = rest)
// from startBeat on, transposed by the given semitones; returns the beat after the last note.
double AppendMelody(std::vector<Note>& notes, const std::string& text, double startBeat, int transpose,
                    double velocity);

class Sequencer {
 public:
  Sequencer(double bpm, double loopBeats, double swing, uint64_t seed);
  size_t LoopSamples() const;
  double BeatSeconds() const { return 60.0 / bpm_; }
  void Add(Track track) { tracks_.push_back(std::move(track)); }
  // Mixes every track into left and right (resized to the loop length).
  void Render(Signal& left, Signal& right) const;

 private:
  double SwungBeat(double beat) const;
  double bpm_;
  double loopBeats_;
  double swing_;
  uint64_t seed_;
  std::vector<Track> tracks_;
};

}  // namespace audio
