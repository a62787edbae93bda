#include "tools/assetgen/bowling_people/alley_pictures.h"

#include <algorithm>

#include "tools/assetgen/bowling_people/alley_paint.h"
#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_people {

namespace {

using sprites::Canvas;
using sprites::Rgb;

// The standing pin drawn with its base point at (x, y), as the program draws pins.
void PaintPin(Canvas& canvas, const Image& pin, double x, double y) {
  canvas.Paint(pin, static_cast<int>(x) - kPinWidth / 2, static_cast<int>(y) - kPinHeight);
}

Image Region(const Image& from, int x, int y, int w, int h) {
  Image out(w, h);
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) out.At(col, row) = from.At(x + col, y + row);
  }
  return out;
}

}  // namespace

AlleyPictures RenderAlley(const AlleyStyle& style) {
  AlleyPictures out;
  out.Pins = RenderPins(style);
  Canvas canvas(kScreenWidth, kScreenHeight);
  cairo_t* cr = canvas.Cr();
  SetRgb(cr, style.Wall);
  cairo_paint(cr);
  PaintMasking(cr, style);
  PaintPits(cr, style);
  PaintApproach(cr, style);
  for (int lane = kFirstLane; lane <= kLastLane; ++lane) PaintLane(cr, style, lane);
  if (style.Bumpers) PaintBumpers(cr, style);
  // The other lanes' pins stand racked on their decks.
  for (int lane = kFirstLane; lane <= kLastLane; ++lane) {
    if (lane == 0) continue;
    for (const PinSpot& spot : kRack) {
      const double u = (spot.X - LeftEdgeX(spot.Y)) / LaneWidthAt(spot.Y);
      PaintPin(canvas, out.Pins.Pins[0], LaneXOf(lane, u, spot.Y), spot.Y);
    }
  }
  PaintMood(cr, style);
  out.Hall = canvas.Take();
  // A trace of noise before the reduction to 255 colours, so smooth glows break up into a fine
  // grain instead of rings.
  for (int y = 0; y < kScreenHeight; ++y) {
    for (int x = 0; x < kScreenWidth; ++x) {
      uint32_t& p = out.Hall.At(x, y);
      const int n = static_cast<int>(Hash(x, y, 97) * 7) - 3;
      auto ch = [n](int v) { return std::clamp(v + n, 0, 255); };
      p = Rgb(ch(sprites::RedOf(p)), ch(sprites::GreenOf(p)), ch(sprites::BlueOf(p)));
    }
  }
  sprites::ReducePalette(out.Hall);

  // The layers share the hall's own (already reduced) pixels, so they match it exactly.
  out.Over = Region(out.Hall, kOverX, 0, kOverWidth, kOverHeight);
  out.Under = Region(out.Hall, kUnderX, kUnderY, kUnderWidth, kUnderHeight);
  // See-through between the rows that hide the ball in the pit and the deck's back edge.
  for (int row = kPitBallBottom - kUnderY; row < kDeckBackY - kUnderY; ++row) {
    for (int col = 0; col < kUnderWidth; ++col) out.Under.At(col, row) = 0;
  }
  return out;
}

std::vector<TPictureItemData> AlleyItems(const AlleyPictures& p) {
  std::vector<TPictureItemData> items;
  items.push_back(sprites::SinglePicture("alley", p.Hall, false));
  items.push_back(PinItem(p.Pins));
  items.push_back(PinShadowItem(p.Pins));
  items.push_back(sprites::SinglePicture("under", p.Under));
  items.push_back(sprites::SinglePicture("over", p.Over));
  return items;
}

TPicture AlleyPostcard(const AlleyStyle& style, const AlleyPictures& p) {
  // The hall with the player's pins racked, shrunk into a cream card with the alley's title.
  Canvas hall(kScreenWidth, kScreenHeight);
  hall.Paint(p.Hall, 0, 0);
  for (int pin = 9; pin >= 0; --pin) PaintPin(hall, p.Pins.Pins[0], kRack[pin].X, kRack[pin].Y);
  const Image scene = hall.Take();

  constexpr double kBorder = 4;
  Canvas card(kPostcardWidth, kPostcardHeight);
  cairo_t* cr = card.Cr();
  SetRgb(cr, 0xF4ECD8);
  cairo_paint(cr);
  const double scale = (kPostcardWidth - 2 * kBorder) / kScreenWidth;
  card.Paint(scene, kBorder, kBorder, scale);
  cairo_rectangle(cr, kBorder - 0.5, kBorder - 0.5, kPostcardWidth - 2 * kBorder + 1, kScreenHeight * scale + 1);
  SetRgb(cr, 0x3A2A1A);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  sprites::UseFace(cr, sprites::Face::SansBold, 17);
  sprites::OutlinedText(cr, kPostcardWidth / 2.0, kPostcardHeight - 12, style.Caption, 0xFFFFFF, 0x201810, 2.2);
  Image img = card.Take();
  for (uint32_t& px : img.Pixels) px |= 0xFF000000u;
  sprites::ReducePalette(img);
  return sprites::ToPicture(img);
}

}  // namespace bowling_people
