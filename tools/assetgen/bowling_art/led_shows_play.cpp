// The short shows that interrupt play after a strike, a spare or a gutter ball: two to four
// seconds each (frame 0 is never shown), so play is not held up for long.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/bowling_art/led_figures.h"
#include "tools/assetgen/bowling_art/led_font.h"
#include "tools/assetgen/bowling_art/led_scenes.h"
#include "tools/assetgen/bowling_art/led_shows.h"

namespace bowling_art {

namespace {

// A thick X centred on the sign, `half` lamps from its middle to each corner.
void BigX(LedFrame& f, int half) {
  const int cx = LedFrame::kWidth / 2, cy = LedFrame::kHeight / 2;
  for (int d = 0; d < 2; ++d) {
    f.Line(cx - half + d, cy - half, cx + half + d, cy + half);
    f.Line(cx - half + d, cy + half, cx + half + d, cy - half);
  }
}

// The left edge of glyph i of centred text, so single letters can move on their own.
int GlyphLeft(const std::string& text, size_t i, int x0, int scale) {
  return i == 0 ? x0 : x0 + LedTextWidth(text.substr(0, i), scale) + scale;
}

}  // namespace

LedShow StrikeShow(int variant) {
  ShowBuilder b("strike" + std::to_string(variant), true);
  const LedFrame strike = TextFrame("STRIKE!", 8, 2);
  if (variant == 1) {
    // The ball scatters the whole rack, then the word flashes.
    BallKnocksPins(b, 4, 5, 3);
    Flash(b, strike, 2);
    b.Add(strike, 6);
  } else if (variant == 2) {
    // The strike mark grows out of the middle, then the word runs in.
    for (int half = 2; half <= 14; half += 2) {
      LedFrame f;
      BigX(f, half);
      b.Add(f);
    }
    b.Hold(3);
    Flash(b, b.Last(), 2);
    SlideIn(b, "STRIKE!", 8, 2, 6);
    b.Hold(5);
  } else {
    // Fireworks around the word.
    Fireworks(b, strike, 26, 4, 90 + variant);
    Flash(b, strike, 2);
    b.Add(strike, 4);
  }
  return b.Take();
}

LedShow SpareShow(int variant) {
  ShowBuilder b("spare" + std::to_string(variant), true);
  const LedFrame spare = TextFrame("SPARE!", 8, 2);
  if (variant == 1) {
    // The ball picks up the last two pins.
    BallKnocksPins(b, 2, 5, 17);
    Blink(b, spare, 2, 5, 1);
    b.Add(spare, 4);
  } else if (variant == 2) {
    // A spare mark sweeps across the sign and settles beside the word.
    for (int x = -14; x < LedFrame::kWidth; x += 9) {
      LedFrame f;
      for (int d = 0; d < 3; ++d) f.Line(x + d, 28, x + 12 + d, 1);
      b.Add(f);
    }
    LedFrame marked;
    for (int d = 0; d < 3; ++d) marked.Line(1 + d, 28, 13 + d, 1);
    DrawLedText(marked, 19, 8, "SPARE!", 2);
    b.Add(marked, 4);
    Flash(b, marked, 2);
    b.Add(marked, 6);
  } else {
    // "NICE" from the left, "SPARE!" from the right, meeting in the middle.
    const int niceEnd = (LedFrame::kWidth - LedTextWidth("NICE", 2) + 1) / 2;
    const int spareEnd = (LedFrame::kWidth - LedTextWidth("SPARE!", 2) + 1) / 2;
    const int steps = 8;
    for (int s = 1; s <= steps; ++s) {
      LedFrame f;
      const int niceFrom = -LedTextWidth("NICE", 2), spareFrom = LedFrame::kWidth;
      DrawLedText(f, niceFrom + (niceEnd - niceFrom) * s / steps, 0, "NICE", 2);
      DrawLedText(f, spareFrom + (spareEnd - spareFrom) * s / steps, 16, "SPARE!", 2);
      b.Add(f);
    }
    const LedFrame both = b.Last();
    b.Hold(4);
    Flash(b, both, 2);
    b.Add(both, 6);
  }
  return b.Take();
}

LedShow GutterShow(int variant) {
  ShowBuilder b("gutter" + std::to_string(variant), true);
  if (variant == 1) {
    // The ball runs along the lane, slips over its edge into the gutter below and rolls away.
    constexpr int kLane = 21, kEdge = 44, kGutter = 29;
    double x = -5, y = kLane - 5;
    for (int t = 0; t < 24 && x < LedFrame::kWidth + 5; ++t) {
      x += 5;
      if (x > kEdge + 2) y = std::min(kGutter - 5.0, y + 3);
      LedFrame f;
      f.Line(0, kLane, kEdge, kLane);
      f.Line(kEdge, kLane, kEdge, kGutter);
      f.Line(kEdge, kGutter, LedFrame::kWidth - 1, kGutter);
      DrawLedBall(f, x, y, 4.2, x / 4.2);
      b.Add(f);
    }
    Blink(b, TwoLines("GUTTER", "BALL"), 2, 5, 1);
    b.Add(TwoLines("GUTTER", "BALL"), 4);
  } else if (variant == 2) {
    // A sad face shedding a tear beside "OOPS!".
    LedFrame face;
    DrawLedFace(face, 13.5, 15, 12.5, true, false);
    DrawLedText(face, 30, 8, "OOPS!", 2);
    LedFrame blink;
    DrawLedFace(blink, 13.5, 15, 12.5, true, true);
    DrawLedText(blink, 30, 8, "OOPS!", 2);
    b.Add(face, 5);
    b.Add(blink, 2);
    for (int y = 17; y < LedFrame::kHeight + 2; y += 2) {
      LedFrame f = face;
      f.Fill(8, y, 1, 2);
      b.Add(f);
    }
    b.Add(face, 4);
    b.Add(blink, 2);
    b.Add(face, 4);
  } else {
    // The letters drop off the sign one after another; then the encouragement.
    const std::string word = "GUTTER!";
    const int x0 = (LedFrame::kWidth - LedTextWidth(word, 2) + 1) / 2;
    b.Add(TextFrame(word, 8, 2), 5);
    for (int t = 0; t < 16; ++t) {
      LedFrame f;
      for (size_t i = 0; i < word.size(); ++i) {
        const int age = t - static_cast<int>(i);
        const int drop = age <= 0 ? 0 : age * (age + 1) / 2;
        DrawLedText(f, GlyphLeft(word, i, x0, 2), 8 + drop, std::string(1, word[i]), 2);
      }
      b.Add(f);
      if (f.Blank()) break;
    }
    SlideIn(b, "TRY AGAIN", 11, 1, 6);
    b.Hold(6);
  }
  return b.Take();
}

}  // namespace bowling_art
