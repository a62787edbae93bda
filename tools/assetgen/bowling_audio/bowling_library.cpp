#include "tools/assetgen/bowling_audio/bowling_library.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "tools/assetgen/audio/finish.h"
#include "tools/assetgen/bowling_audio/alley_noise.h"
#include "tools/assetgen/bowling_audio/lane_sounds.h"
#include "tools/assetgen/bowling_audio/lounge_tune.h"
#include "tools/assetgen/bowling_audio/quiet_start.h"
#include "tools/assetgen/bowling_audio/reactions.h"

namespace audio::bowling {

namespace {

TWaveItemData Effect(const char* name, int maxPlaying, Signal signal, double peak) {
  return {name, false, maxPlaying, FinishEffect(std::move(signal), peak)};
}

TWaveItemData Loop(const char* name, TWave wave) { return {name, true, 1, std::move(wave)}; }

// A mono loop turned round to start where it is quietest, so that starting it does not click.
Signal QuietlyStarting(Signal loop) {
  StartLoopAt(loop, QuietStart(loop, loop, 0, loop.size()));
  return loop;
}

// A hall's loop at a steady background level: the mean removed, the RMS set, and the few crashes
// that would pass the peak eased under it by a soft knee. The knee has no memory, so the seam
// stays intact.
TWave HallLoopWave(Signal signal, double rms, double peak) {
  double mean = 0;
  for (float s : signal) mean += s;
  mean /= static_cast<double>(std::max<size_t>(1, signal.size()));
  double sum = 0;
  for (float& s : signal) {
    s -= static_cast<float>(mean);
    sum += static_cast<double>(s) * s;
  }
  const double current = std::sqrt(sum / static_cast<double>(std::max<size_t>(1, signal.size())));
  const double gain = current > 0 ? rms / current : 0.0;
  const double knee = 0.6 * peak, room = peak - knee;
  for (float& s : signal) {
    const double v = s * gain, magnitude = std::fabs(v);
    s = static_cast<float>(
        magnitude > knee ? std::copysign(knee + room * std::tanh((magnitude - knee) / room), v) : v);
  }
  return MonoWave(QuietlyStarting(std::move(signal)));
}

}  // namespace

std::vector<TWaveItemData> BowlingSounds() {
  std::vector<TWaveItemData> items;
  // "hit" and "single" double as the menu's clicks, which may come in quick succession.
  items.push_back(Effect("hit", 2, HitSound(), 0.85));
  items.push_back(Effect("single", 3, SingleSound(), 0.7));
  items.push_back(Effect("drop", 2, DropSound(), 0.8));
  items.push_back(Loop("roll", FinishLoop(QuietlyStarting(RollLoop()), 0.6)));
  items.push_back(Effect("spare", 2, SpareSound(), 0.8));
  return items;
}

std::vector<TWaveItemData> BowlingMusic() {
  std::vector<TWaveItemData> items;
  items.push_back(Loop("music", LoungeTune()));
  return items;
}

std::vector<TWaveItemData> BowlerSpeech(const std::string& name) {
  for (const Bowler& bowler : Bowlers()) {
    if (name != bowler.name) continue;
    std::vector<TWaveItemData> items;
    items.push_back(Effect("strike", 1, StrikeReaction(bowler), 0.8));
    items.push_back(Effect("gutter", 1, GutterReaction(bowler), 0.8));
    return items;
  }
  throw std::invalid_argument("no bowler named " + name);
}

std::vector<TWaveItemData> AlleyNoise(const std::string& name) {
  for (const Alley& alley : Alleys()) {
    if (name == alley.name) return {Loop("noise", HallLoopWave(alley.ambience(), alley.level, 0.6))};
  }
  throw std::invalid_argument("no alley named " + name);
}

void WriteBowlingAudio(const std::string& programFolder) {
  namespace fs = std::filesystem;
  const fs::path folder(programFolder);
  fs::create_directories(folder);
  WriteWaveLibrary((folder / "sound.dxw").string(), BowlingSounds());
  WriteWaveLibrary((folder / "music.dxw").string(), BowlingMusic());
  for (const Bowler& bowler : Bowlers()) {
    const fs::path own = folder / "bowlers" / bowler.name;
    fs::create_directories(own);
    WriteWaveLibrary((own / "speech.dxw").string(), BowlerSpeech(bowler.name));
  }
  for (const Alley& alley : Alleys()) {
    const fs::path own = folder / "alleys" / alley.name;
    fs::create_directories(own);
    WriteWaveLibrary((own / "noise.dxw").string(), AlleyNoise(alley.name));
  }
}

}  // namespace audio::bowling
