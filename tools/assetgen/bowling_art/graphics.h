// The bowling program's own image library, "graphics.dxg": the LED sign's housings and lamp,
// the fonts, the meter, the score sheet, the pin display, the pointers and the help screen, and
// the menu backdrop the form embeds. Sizes and places are in layout.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/library_writer.h"

namespace bowling_art {

// "logo" (640 x 480), "ledholder" (640 x 224, drawn at 0,69) and "led" (two 6 x 6 lamps).
std::vector<TPictureItemData> MakeSign();
// "numbers" (11 patterns of 10 x 14: 0..9, "-") and "bigfont" (67 glyphs of 24 x 28).
std::vector<TPictureItemData> MakeFonts();
// "power": 128 patterns; 0..63 the whole meter with the power filled, 64..127 the accuracy
// over a keyed power zone.
TPictureItemData MakeMeter();
// "scoretrans" (10 frame boxes) and "player1".."player4".
std::vector<TPictureItemData> MakeScoreSheet();
// "display" (the rack diagram) and "lite" (one lit pin light).
std::vector<TPictureItemData> MakePinDisplay();
// "mouse", "think" and "helpbutton".
std::vector<TPictureItemData> MakePointers();
// "help": the 640 x 480 help screen.
TPictureItemData MakeHelp();

// Every item of "graphics.dxg".
std::vector<TPictureItemData> GraphicsLibrary();

// The menu backdrop: one item "image" (640 x 480).
std::vector<TPictureItemData> BowlingFormPictures();
// C++ source defining kBowlingFormPictures (the encoded library) and kBowlingFormPicturesSize.
std::string BowlingFormPicturesSource(const std::vector<uint8_t>& library);

}  // namespace bowling_art
