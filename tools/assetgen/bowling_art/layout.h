// Where the bowling program draws its screen furniture (screen pixels, 640 x 480). The pictures
// are designed around these places; the program's drawing code uses the same numbers.
#pragma once

namespace bowling_art {

// The LED sign: 81 x 30 lamps of 6 x 6 pixels, column c (13..93) at x = 6c, row r at 6r + 4.
constexpr int kLedColumns = 81;
constexpr int kLedRows = 30;
constexpr int kLampSize = 6;
constexpr int kSignLeft = 78;        // first lamp column's x
constexpr int kSignTop = 154;        // first lamp row's y on the full-screen sign
constexpr int kSignWidth = kLedColumns * kLampSize;
constexpr int kSignHeight = kLedRows * kLampSize;
// The in-play housing "ledholder" is drawn at (0, kHolderY); its lamps start at y 94.
constexpr int kHolderY = 69;
constexpr int kHolderLampTop = 94;

// The menu's notebook of pages, drawn by the program over the backdrop.
constexpr int kNotebookX = 87, kNotebookY = 148, kNotebookW = 471, kNotebookH = 190;

// The meter "power": drawn at (461, 306), within the 179 x 174 the mouse starts it in; 128
// patterns, 0..63 power, 64..127 accuracy.
constexpr int kMeterW = 176, kMeterH = 172;
constexpr int kMeterPatterns = 128;
constexpr int kPowerMax = 62;        // the power counter's top value
constexpr int kAccuracyFirst = 64;
constexpr int kAccuracyLast = 127;
constexpr int kSweetSpot = 96;       // the straight ball

// The score panel "display" at (13, 310) and the pin lights "lite" at these top-left corners.
constexpr int kDisplayX = 13, kDisplayY = 310;
constexpr int kDisplayW = 150, kDisplayH = 142;
constexpr int kLiteSize = 20;
struct PinLight {
  int X, Y;
};
constexpr PinLight kPinLights[10] = {{77, 426}, {64, 400}, {90, 400}, {49, 373}, {77, 373},
                                     {105, 373}, {33, 346}, {63, 346}, {91, 346}, {122, 346}};

// The help button at (597, 439), at most 43 x 41 (it covers the meter's lower right corner);
// the help screen is full-screen.
constexpr int kHelpButtonW = 43, kHelpButtonH = 41;

// The score sheet: frame box k of row r at (63 (k - 1) + 4, 81 r + 4); the row label at
// (4, 81 r + 68). A number's first glyph lands one glyph width right of its x argument.
constexpr int kBoxW = 63, kBoxH = 62;
constexpr int kDigitW = 10, kDigitH = 14;
constexpr int kLabelW = 64, kLabelH = 18;
// Box-local x arguments of the ball counts (the glyph is drawn kDigitW further) and their y; the
// frame's total is written from x 6 at y 38, up to three digits.
constexpr int kBallY = 6;
constexpr int kFrameBallX[2] = {1, 33};
constexpr int kTenthBallX[3] = {1, 26, 41};

// The banner font: 24-pixel cells, about 28 high.
constexpr int kBigGlyphW = 24, kBigGlyphH = 28;

}  // namespace bowling_art
