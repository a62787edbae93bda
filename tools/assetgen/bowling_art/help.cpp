// The help screen: every control of play in words, each beside a little picture of its key, the
// mouse or the part of the screen it works on, over a dark hall-red card in a chrome frame.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/hall.h"
#include "tools/assetgen/bowling_art/help_icons.h"
#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_art {

using sprites::Canvas;
using sprites::Face;
using sprites::Image;
using sprites::SetColor;

namespace {

constexpr double kTextX = 200;
constexpr double kTextRight = 616;

// One line of text from kTextX, shrunk to fit when it would run past the card's edge.
void Line(cairo_t* cr, double y, const std::string& text, bool bold, unsigned color) {
  double size = bold ? 15 : 14;
  sprites::UseFace(cr, bold ? Face::SansBold : Face::Sans, size);
  const double width = sprites::TextWidth(cr, text);
  if (width > kTextRight - kTextX) {
    size *= (kTextRight - kTextX) / width;
    sprites::UseFace(cr, bold ? Face::SansBold : Face::Sans, size);
  }
  SetColor(cr, color);
  sprites::ShowText(cr, kTextX, y, text);
}

struct Row {
  std::string Heading;
  std::vector<std::string> Lines;
};

// A row of the card: its heading in gold, its lines in cream, the first baseline at y.
void DrawRow(cairo_t* cr, double y, const Row& row) {
  Line(cr, y, row.Heading, true, 0xFFD878);
  for (size_t i = 0; i < row.Lines.size(); ++i) Line(cr, y + 18 * (i + 1), row.Lines[i], false, 0xFFF4E4);
}

void Separator(cairo_t* cr, double y) {
  cairo_move_to(cr, 30, y + 0.5);
  cairo_line_to(cr, 610, y + 0.5);
  SetColor(cr, 0xC8A060, 0.35);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

Image Help() {
  Canvas c(640, 480);
  cairo_t* cr = c.Cr();
  cairo_rectangle(cr, 0, 0, 640, 480);
  sprites::VerticalGradient(cr, 0, 480, 0x4A0E0A, 0x120404);
  cairo_fill(cr);
  ChromeFrame(cr, 10, 10, 620, 460, 6);
  sprites::UseFace(cr, Face::SerifBold, 30);
  sprites::OutlinedText(cr, 320, 50, "How to Play", 0xFFF0D0, 0x6A0A06, 2.5);
  Pin(cr, 120, 56, 40);
  Pin(cr, 520, 56, 40);

  // Moving the bowler: the arrow keys, or the mouse.
  double y = 68;
  Separator(cr, y);
  KeyCap(cr, 40, y + 14, 34, "\xE2\x86\x90");
  KeyCap(cr, 80, y + 14, 34, "\xE2\x86\x92");
  MouseIcon(cr, 140, y + 10, true);
  SideArrow(cr, 124, 180, y + 54);
  DrawRow(cr, y + 22, {"Move the bowler", {"Left and Right arrow keys move the bowler across the approach,",
                                               "or drag the bowler with the mouse."}});
  // The throw: three presses.
  y += 76;
  Separator(cr, y);
  KeyCap(cr, 30, y + 12, 96, "Space");
  MouseIcon(cr, 140, y + 8, true);
  GaugeIcon(cr, 78, y + 90, 30, 0.9);
  DrawRow(cr, y + 20, {"Throw the ball: three presses",
                       {"Space, or a click on the meter, starts the approach.",
                        "The next press sets the power: the further round, the stronger",
                        "(the right end, MAX, is best; half way or less is weak).",
                        "The press after that sets the accuracy."}});
  // Accuracy.
  y += 110;
  Separator(cr, y);
  StripIcon(cr, 30, y + 26, 150, 0.5);
  DrawRow(cr, y + 20, {"Accuracy", {"Stop the marker on the green notch (96) for a straight ball.",
                                        "Earlier drifts to the right; later hooks to the left."}});
  // Scores.
  y += 66;
  Separator(cr, y);
  KeyCap(cr, 30, y + 12, 60, "Shift");
  LabelIcon(cr, 104, y + 18);
  DrawRow(cr, y + 20, {"Scores", {"Shift, or a click on the player label, shows every player's",
                                      "score sheet."}});
  // Leaving.
  y += 58;
  Separator(cr, y);
  KeyCap(cr, 30, y + 12, 44, "Esc");
  KeyCap(cr, 96, y + 12, 60, "Enter");
  sprites::UseFace(cr, Face::SansBold, 14);
  SetColor(cr, 0xFFD878);
  sprites::ShowText(cr, 79, y + 32, "+");
  DrawRow(cr, y + 20, {"Leave the match", {"Escape, then Enter, leaves the match."}});
  y += 50;
  Separator(cr, y);
  sprites::UseFace(cr, Face::SansBold, 15);
  sprites::OutlinedText(cr, 320, 452, "Press any key or click to close this help", 0xFFFFFF, 0x6A0A06, 1.5);
  Image img = c.Take();
  for (uint32_t& px : img.Pixels) px |= 0xFF000000u;
  return img;
}

}  // namespace

TPictureItemData MakeHelp() { return sprites::SinglePicture("help", Help(), false); }

}  // namespace bowling_art
