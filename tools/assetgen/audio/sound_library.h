// The fishing game's two sound libraries: every effect the game plays ("sound.dxw"), and the title
// tune with one background ambience per lake tile library ("music.dxw").
#pragma once

#include <vector>

#include "media/library_writer.h"

namespace audio {

// Items of "sound.dxw": effects, the engine and reel loops, and one voice per monster kind.
std::vector<TWaveItemData> FishingSounds();
// Items of "music.dxw": "music" and the lake ambiences, all looped.
std::vector<TWaveItemData> FishingMusic();

}  // namespace audio
