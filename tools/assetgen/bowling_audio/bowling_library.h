// The bowling program's sound libraries: its own effects ("sound.dxw") and menu tune
// ("music.dxw"), each bowler's reactions ("bowlers/<name>/speech.dxw") and each alley's
// background ("alleys/<name>/noise.dxw").
#pragma once

#include <string>
#include <vector>

#include "media/library_writer.h"

namespace audio::bowling {

// Items of "sound.dxw": "hit", "single", "drop", "roll" (looped) and "spare".
std::vector<TWaveItemData> BowlingSounds();
// Items of "music.dxw": "music", looped.
std::vector<TWaveItemData> BowlingMusic();
// Items of a bowler's "speech.dxw": "strike" and "gutter". Raises std::invalid_argument for a
// name that is not one of Bowlers().
std::vector<TWaveItemData> BowlerSpeech(const std::string& bowler);
// Items of an alley's "noise.dxw": "noise", looped. Raises std::invalid_argument for a name that
// is not one of Alleys().
std::vector<TWaveItemData> AlleyNoise(const std::string& alley);

// Writes every library above into the program folder, making the bowler and alley folders.
void WriteBowlingAudio(const std::string& programFolder);

}  // namespace audio::bowling
