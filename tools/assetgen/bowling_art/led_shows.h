// The LED sign shows of the bowling program, one file each under leds/. Frames play at 100 ms.
// Full-screen shows (intro, credits and the three end-of-match shows) loop 1, 2, ..., N-1, 0;
// in-play shows (strike, spare, gutter, three of each) play 1..N-1 once. Frame 0 is blank in all.
#pragma once

#include <string>
#include <vector>

#include "media/library_writer.h"
#include "tools/assetgen/bowling_art/led_frame.h"

namespace bowling_art {

// The 14 show names in the order the program's data sheet lists them.
const std::vector<std::string>& LedShowNames();

// The intro (title, a ball knocking pins, "PRESS ANY KEY") and the credits.
LedShow IntroShow();
LedShow CreditsShow();
// End of a match, a won tournament game, a won tournament.
LedShow GameOverShow();
LedShow WinGameShow();
LedShow WinAllShow();
// In-play shows: strike1..3, spare1..3, gutter1..3 (variant 1..3).
LedShow StrikeShow(int variant);
LedShow SpareShow(int variant);
LedShow GutterShow(int variant);

// Every show, in LedShowNames() order.
std::vector<LedShow> LedShows();
// The show as an image library: one 81 x 30 item per frame, lit lamps pure white, dark lamps
// pure black, not transparent.
std::vector<TPictureItemData> LedShowLibrary(const LedShow& show);

}  // namespace bowling_art
