// The shows at the end of a match: game over, a won tournament game, the won tournament. They
// loop until a key is pressed, so each is a few seconds long and ends on a quiet beat.
#include <string>

#include "tools/assetgen/bowling_art/led_figures.h"
#include "tools/assetgen/bowling_art/led_font.h"
#include "tools/assetgen/bowling_art/led_scenes.h"
#include "tools/assetgen/bowling_art/led_shows.h"

namespace bowling_art {

namespace {

// Centred text appearing one letter per `pace` frames, over `base`.
void TypeIn(ShowBuilder& b, const LedFrame& base, const std::string& text, int y, int scale, int pace) {
  const int x = (LedFrame::kWidth - LedTextWidth(text, scale) + 1) / 2;
  for (size_t n = 1; n <= text.size(); ++n) {
    if (text[n - 1] == ' ') continue;
    LedFrame f = base;
    DrawLedText(f, x, y, text.substr(0, n), scale);
    b.Add(f, pace);
  }
}

// Lamps twinkling at random around the edges of the sign, over `base`.
void Twinkle(ShowBuilder& b, const LedFrame& base, int frames, int seed) {
  LedRandom random(static_cast<uint32_t>(seed));
  for (int t = 0; t < frames; ++t) {
    LedFrame f = base;
    for (int k = 0; k < 6; ++k) {
      const int x = random.Below(LedFrame::kWidth), y = random.Below(LedFrame::kHeight);
      if (base.At(x, y) || base.At(x - 1, y) || base.At(x + 1, y)) continue;
      f.Set(x, y);
      if (k % 2 == 0) {
        f.Set(x - 1, y);
        f.Set(x + 1, y);
        f.Set(x, y - 1);
        f.Set(x, y + 1);
      }
    }
    b.Add(f);
  }
}

}  // namespace

LedShow GameOverShow() {
  ShowBuilder b("gameover", false);
  TypeIn(b, LedFrame{}, "GAME", 0, 2, 2);
  const LedFrame game = b.Last();
  TypeIn(b, game, "OVER", 16, 2, 2);
  const LedFrame over = b.Last();
  b.Hold(8);
  Flash(b, over, 2);
  // The words part, one to each side.
  const int gameX = (LedFrame::kWidth - LedTextWidth("GAME", 2) + 1) / 2;
  const int overX = (LedFrame::kWidth - LedTextWidth("OVER", 2) + 1) / 2;
  for (int shift = 6; shift <= 60; shift += 6) {
    LedFrame f;
    DrawLedText(f, gameX - shift, 0, "GAME", 2);
    DrawLedText(f, overX + shift, 16, "OVER", 2);
    b.Add(f);
  }
  // The last pin standing wobbles and topples.
  const double tilt[] = {0, 0.15, -0.12, 0.2, -0.1, 0.3, 0.55, 0.9, 1.3, 1.57};
  for (double angle : tilt) {
    LedFrame f;
    f.Line(20, 29, 60, 29);
    DrawLedPin(f, 40, 29, angle);
    b.Add(f, 2);
  }
  b.Hold(4);
  LedFrame press = TextFrame("GAME OVER", 4, 1);
  DrawLedTextCentred(press, 19, "PRESS ANY KEY");
  Blink(b, press, 3, 8, 2);
  b.Pause(3);
  return b.Take();
}

LedShow WinGameShow() {
  ShowBuilder b("wingame", false);
  SlideIn(b, "YOU", 0, 2, 3);
  SlideIn(b, "WIN!", 16, 2, 3, b.Last());
  Fireworks(b, b.Last(), 28, 4, 41);
  LedFrame next = TextFrame("ON TO THE", 5, 1);
  DrawLedTextCentred(next, 18, "NEXT GAME!");
  Blink(b, next, 3, 8, 2);
  b.Pause(2);
  return b.Take();
}

LedShow WinAllShow() {
  ShowBuilder b("winall", false);
  // The trophy rises at the left, the title types in beside it.
  for (int y = LedFrame::kHeight; y >= 2; y -= 2) {
    LedFrame f;
    DrawLedTrophy(f, 4, y);
    b.Add(f);
  }
  LedFrame trophy;
  DrawLedTrophy(trophy, 4, 2);
  // Both lines centred in the room right of the trophy.
  auto centredRight = [](const std::string& text) { return 26 + (55 - LedTextWidth(text)) / 2; };
  LedFrame title = trophy;
  DrawLedText(title, centredRight("BOWLING"), 5, "BOWLING");
  const std::string champion = "CHAMPION!";
  for (size_t n = 1; n <= champion.size(); ++n) {
    LedFrame f = title;
    DrawLedText(f, centredRight(champion), 17, champion.substr(0, n));
    b.Add(f, 2);
  }
  const LedFrame full = b.Last();
  Twinkle(b, full, 20, 5);
  Fireworks(b, full, 30, 5, 77);
  Flash(b, full, 2);
  b.Add(full, 6);
  b.Pause(2);
  return b.Take();
}

}  // namespace bowling_art
