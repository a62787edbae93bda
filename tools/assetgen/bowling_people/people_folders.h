// The bowling program's bowler and alley folders, as the generator writes them:
//   bowlers/<name>/anis.dxg, bowlers/<name>/pose.bmp  for Vekt, Marla, Oskar, Tess
//   alleys/<name>/anis.dxg, alleys/<name>/postcard.bmp for Tradtional, Neon, Sunset, KidsBumper
// (the sounds in the same folders come from the audio generator).
#pragma once

#include <string>
#include <vector>

#include "media/library_writer.h"

namespace bowling_people {

// The items of a bowler's "anis.dxg": char, charshadow, ball, ballshadow, strike, gutter, info.
std::vector<TPictureItemData> BowlerLibrary(const std::string& name);
// The items of an alley's "anis.dxg": alley, pin, pinshadow, under, over.
std::vector<TPictureItemData> AlleyLibrary(const std::string& name);
// Writes every bowler's and alley's pictures below `folder` (the program folder), creating the
// folders. Raises EStreamError when a file cannot be written.
void WritePeopleFolders(const std::string& folder);

}  // namespace bowling_people
