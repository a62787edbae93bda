#include "tools/assetgen/bowling_people/bowler_portrait.h"

#include "tools/assetgen/bowling_people/alley_paint.h"
#include "tools/assetgen/bowling_people/figure.h"
#include "tools/assetgen/bowling_people/model_ops.h"
#include "tools/assetgen/bowling_people/motion.h"
#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_people {

namespace {

using sprites::Rgb;

constexpr double kPi = 3.14159265358979323846;
constexpr int kCaptionTop = 162;

// The lane and its pins from the hall picture at half size, dimmed and softened so the bowler
// stands out in front of it.
Image Backdrop(const Image& hall) {
  constexpr int kLeft = 220, kTop = 24;
  Image out(kPortraitWidth, kPortraitHeight);
  for (int y = 0; y < kPortraitHeight; ++y) {
    for (int x = 0; x < kPortraitWidth; ++x) {
      int r = 0, g = 0, b = 0, n = 0;
      for (int dy = -1; dy <= 2; ++dy) {
        for (int dx = -1; dx <= 2; ++dx) {
          const int hx = kLeft + 2 * x + dx, hy = kTop + 2 * y + dy;
          if (!hall.Inside(hx, hy)) continue;
          const uint32_t c = hall.At(hx, hy);
          r += sprites::RedOf(c);
          g += sprites::GreenOf(c);
          b += sprites::BlueOf(c);
          ++n;
        }
      }
      const double dim = 0.72 - 0.18 * y / kPortraitHeight;
      out.At(x, y) = Rgb(static_cast<int>(r / n * dim), static_cast<int>(g / n * dim), static_cast<int>(b / n * dim));
    }
  }
  return out;
}

}  // namespace

TPicture BowlerPortrait(const BowlerStyle& style, const Image& hall) {
  FigureModel figure = BuildFigure(style, PortraitPose(), true);
  // Turned round to face the viewer, a little to one side.
  Rotate(figure.Shape, {0, 0, 1}, kPi - (style.LeftHanded ? -0.35 : 0.35), {0, 0, 0});
  View view;
  view.Elevation = 6;
  view.Width = kPortraitWidth;
  view.Height = kPortraitHeight;
  view.OriginX = kPortraitWidth / 2.0;
  view.OriginY = kCaptionTop + 6;
  view.Key = {{-0.5, 0.9, 0.8}, 0.85, Rgb(255, 244, 228)};
  view.Fill = {{0.9, 0.3, 0.2}, 0.3, Rgb(200, 214, 255)};
  view.Ambient = 0.42;
  view.AmbientColor = Rgb(236, 228, 220);
  Image person = RenderView(figure.Shape, view);
  Finish(person);

  sprites::Canvas card(kPortraitWidth, kPortraitHeight);
  cairo_t* cr = card.Cr();
  card.Paint(Backdrop(hall), 0, 0);
  card.Paint(person, 0, 0);
  cairo_rectangle(cr, 0, kCaptionTop, kPortraitWidth, kPortraitHeight - kCaptionTop);
  SetRgb(cr, 0x000000, 0.6);
  cairo_fill(cr);
  sprites::UseFace(cr, sprites::Face::SansBold, 14);
  sprites::OutlinedText(cr, kPortraitWidth / 2.0, kPortraitHeight - 4, style.Name, 0xFFFFFF, 0x101010, 1.5);
  Image img = card.Take();
  for (uint32_t& p : img.Pixels) p |= 0xFF000000u;
  sprites::ReducePalette(img);
  return sprites::ToPicture(img);
}

}  // namespace bowling_people
