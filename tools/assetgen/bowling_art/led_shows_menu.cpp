// The shows around the menu: the intro at start-up and the credits on the way out.
#include "tools/assetgen/bowling_art/led_font.h"
#include "tools/assetgen/bowling_art/led_scenes.h"
#include "tools/assetgen/bowling_art/led_shows.h"

namespace bowling_art {

LedShow IntroShow() {
  ShowBuilder b("intro", false);
  // The title runs in, stands and flashes.
  SlideIn(b, "BOWLING", 8, 2, 2);
  b.Hold(8);
  Flash(b, b.Last(), 3);
  b.Add(TextFrame("BOWLING", 8, 2), 8);
  b.Pause(3);
  // A ball knocks the pins down, then what the program offers runs past.
  BallKnocksPins(b, 4, 3, 11);
  b.Pause(2);
  Marquee(b, "OPEN BOWLING * 2 PLAYERS * COMPUTER * TOURNAMENT", 11, 1, 3);
  b.Pause(2);
  // The invitation, blinking under the title.
  LedFrame invite = TextFrame("BOWLING", 3, 1);
  invite.Line(14, 13, 66, 13);
  DrawLedTextCentred(invite, 18, "PRESS ANY KEY");
  Blink(b, invite, 5, 7, 3);
  b.Add(invite, 10);
  b.Pause(3);
  return b.Take();
}

LedShow CreditsShow() {
  ShowBuilder b("credits", false);
  SlideIn(b, "BOWLING", 8, 2, 2);
  b.Hold(12);
  b.Pause(3);
  RollUp(b,
         {"MADE WITH", "", "C++20", "CMAKE", "SDL2", "DEAR IMGUI", "CAIRO", "FREETYPE", "STB",
          "DEJAVU FONTS", "GOOGLETEST", "", "EVERY PICTURE", "AND SOUND", "MADE BY OUR", "OWN CODE"},
         10);
  Marquee(b, "THANKS FOR PLAYING!", 8, 2, 4);
  LedFrame thanks = TextFrame("THANKS FOR", 6, 1);
  DrawLedTextCentred(thanks, 17, "PLAYING!");
  Fireworks(b, thanks, 36, 5, 23);
  b.Add(thanks, 8);
  b.Pause(4);
  return b.Take();
}

}  // namespace bowling_art
