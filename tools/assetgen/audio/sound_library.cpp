#include "tools/assetgen/audio/sound_library.h"

#include "tools/assetgen/audio/ambience.h"
#include "tools/assetgen/audio/effects.h"
#include "tools/assetgen/audio/finish.h"
#include "tools/assetgen/audio/title_tune.h"

namespace audio {

namespace {

// Short effects may overlap a little but never pile up; a loop plays at most once anyway.
TWaveItemData Effect(const char* name, int maxPlaying, Signal signal, double peak) {
  return {name, false, maxPlaying, FinishEffect(std::move(signal), peak)};
}

TWaveItemData Loop(const char* name, TWave wave) { return {name, true, 1, std::move(wave)}; }

}  // namespace

std::vector<TWaveItemData> FishingSounds() {
  std::vector<TWaveItemData> items;
  items.push_back(Effect("cast", 2, CastSound(), 0.7));
  items.push_back(Effect("startgas", 1, StartGasSound(), 0.8));
  // The engine's volume follows the boat's speed, so its full level is the top speed.
  items.push_back(Loop("gas", FinishLoop(GasLoop(), 0.7)));
  items.push_back(Loop("reel", FinishLoop(ReelLoop(), 0.45)));
  items.push_back(Effect("hook", 2, HookSting(), 0.8));
  items.push_back(Effect("caught", 2, CaughtJingle(), 0.75));
  items.push_back(Effect("splash", 3, SplashSound(), 0.85));
  items.push_back(Effect("minisplash", 3, MiniSplashSound(), 0.6));
  items.push_back(Effect("boing", 2, BoingSound(), 0.4));
  items.push_back(Effect("bell", 2, BellSound(), 0.7));
  items.push_back(Effect("coins", 3, CoinsSound(), 0.7));
  // A monster's sound is named like its kind; "Monster" serves lakes that name no kind.
  items.push_back(Effect("Serpent", 1, SerpentSound(), 0.9));
  items.push_back(Effect("Gator", 1, GatorSound(), 0.9));
  items.push_back(Effect("Kraken", 1, KrakenSound(), 0.9));
  items.push_back(Effect("Monster", 1, MonsterSound(), 0.9));
  return items;
}

std::vector<TWaveItemData> FishingMusic() {
  std::vector<TWaveItemData> items;
  items.push_back(Loop("music", TitleTune()));
  // Each lake's background sound is named exactly like its tile library.
  items.push_back(Loop("canada.dxg", FinishBackgroundLoop(CanadaAmbience(), 0.08, 0.5)));
  items.push_back(Loop("tropic.dxg", FinishBackgroundLoop(TropicAmbience(), 0.08, 0.5)));
  return items;
}

}  // namespace audio
