#include "tools/assetgen/audio/sequencer.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

#include "tools/assetgen/audio/loop.h"

namespace audio {

int NoteNumber(const std::string& name) {
  static const int kSteps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') throw std::invalid_argument("bad note " + name);
  int number = kSteps[name[0] - 'A'];
  size_t at = 1;
  if (name[at] == '#') {
    ++number;
    ++at;
  } else if (name[at] == 'b') {
    --number;
    ++at;
  }
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '9')
    throw std::invalid_argument("bad note " + name);
  return number + 12 * (name[at] - '0' + 1);
}

double AppendMelody(std::vector<Note>& notes, const std::string& text, double startBeat, int transpose,
                    double velocity) {
  std::istringstream tokens(text);
  std::string token;
  double beat = startBeat;
  while (tokens >> token) {
    const size_t slash = token.find('/');
    if (slash == std::string::npos) throw std::invalid_argument("note without length " + token);
    const std::string name = token.substr(0, slash);
    const double beats = std::stod(token.substr(slash + 1));
    if (name != "r")
      notes.push_back({beat, beats, static_cast<double>(NoteNumber(name) + transpose), velocity});
    beat += beats;
  }
  return beat;
}

Sequencer::Sequencer(double bpm, double loopBeats, double swing, uint64_t seed)
    : bpm_(bpm), loopBeats_(loopBeats), swing_(swing), seed_(seed) {}

size_t Sequencer::LoopSamples() const { return static_cast<size_t>(Samples(loopBeats_ * BeatSeconds())); }

// Off-beat eighths come a little late: the first half of each beat stretches, the second shrinks.
double Sequencer::SwungBeat(double beat) const {
  const double whole = std::floor(beat);
  const double f = beat - whole;
  const double split = 0.5 + swing_;
  const double moved = f < 0.5 ? f / 0.5 * split : split + (f - 0.5) / 0.5 * (1.0 - split);
  return whole + moved;
}

void Sequencer::Render(Signal& left, Signal& right) const {
  const size_t length = LoopSamples();
  left.assign(length, 0.0f);
  right.assign(length, 0.0f);
  uint64_t trackSeed = seed_;
  for (const Track& track : tracks_) {
    Noise human(++trackSeed);
    const double angle = (track.pan + 1.0) * 0.25 * kPi;  // equal-power pan law
    const auto leftGain = static_cast<float>(std::cos(angle) * track.gain);
    const auto rightGain = static_cast<float>(std::sin(angle) * track.gain);
    for (const Note& note : track.notes) {
      const double start = SwungBeat(note.beat) * BeatSeconds() + human.Range(-0.006, 0.006);
      const double end = SwungBeat(note.beat + note.beats) * BeatSeconds();
      Note played = note;
      played.velocity = note.velocity * human.Range(0.9, 1.0);
      const Signal sound = track.voice(played, std::max(0.02, end - start));
      const long offset = std::lround(start * kRate);
      AddWrapped(left, sound, offset, leftGain * static_cast<float>(played.velocity));
      AddWrapped(right, sound, offset, rightGain * static_cast<float>(played.velocity));
    }
  }
}

}  // namespace audio
