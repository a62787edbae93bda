// The hall around the lanes: the masking units and what rises above them, the pits, and the
// light each alley is seen in.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/bowling_people/alley_paint.h"
#include "tools/assetgen/bowling_people/lane_geometry.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_people {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The pits reach this far beyond the lane's edges (in lane widths): at the masking unit's edge the
// left one meets the darkened rectangle's left side.
constexpr double kPitMargin = 0.275;
constexpr int kPlayerLaneNumber = 12;  // the number over the player's lane


// A soft round glow of light.
void Glow(cairo_t* cr, double x, double y, double radius, uint32_t rgb, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  ColourStop(p, 0, rgb, alpha);
  ColourStop(p, 1, rgb, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, x, y, radius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// A neon tube along the current path: wide faint strokes under a bright core.
void NeonStroke(cairo_t* cr, uint32_t rgb) {
  for (int i = 4; i >= 1; --i) {
    SetRgb(cr, rgb, 0.12);
    cairo_set_line_width(cr, 2.0 * i + 1);
    cairo_stroke_preserve(cr);
  }
  SetRgb(cr, 0xFFFFFF, 0.85);
  cairo_set_line_width(cr, 1.1);
  cairo_stroke(cr);
}

// Lane centres along the masking band.
double Centre(int lane, double y) { return LaneXOf(lane, 0.5, y); }

void ClassicMasking(cairo_t* cr, const AlleyStyle& s) {
  // Wood panelling above, then the cream masking units with a red band and a navy stripe.
  cairo_rectangle(cr, 0, 0, kScreenWidth, 18);
  SetGradient(cr, 0, 0, 0, 18, 0x3A2416, s.Wall);
  cairo_fill(cr);
  for (int x = 0; x < kScreenWidth; x += 23) {
    cairo_rectangle(cr, x, 0, 1, 18);
    SetRgb(cr, 0x1A0E08, 0.5);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 0, 18, kScreenWidth, kMaskBottom - 17);
  SetGradient(cr, 0, 18, 0, kMaskBottom, s.Mask, 0xC8B48C);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 40, kScreenWidth, 8);
  SetRgb(cr, s.MaskTrim);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 50, kScreenWidth, 2);
  SetRgb(cr, 0x1E2A5A);
  cairo_fill(cr);
  for (int lane = kFirstLane; lane <= kLastLane; ++lane) {
    // The lane's number between a painted ball and pin.
    const double cx = Centre(lane, 30);
    sprites::UseFace(cr, sprites::Face::SerifBold, 15);
    const std::string number = std::to_string(kPlayerLaneNumber + lane);
    sprites::SetColor(cr, 0x1E2A5A);
    sprites::ShowText(cr, cx - sprites::TextWidth(cr, number) / 2, 37, number);
    cairo_arc(cr, cx - 22, 31, 6, 0, 2 * kPi);
    SetRgb(cr, 0x1E2A5A);
    cairo_fill(cr);
    for (auto [dx, dy] : {std::pair{-24.0, 29.0}, {-21.0, 28.5}, {-22.5, 31.5}}) {
      cairo_arc(cr, cx + dx, dy, 0.9, 0, 2 * kPi);
      SetRgb(cr, 0xD8D8E0);
      cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, cx + 22, 31);
    cairo_scale(cr, 3.2, 8);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    SetRgb(cr, 0xFFFFFF);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0x1E2A5A);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_rectangle(cr, cx + 20.2, 27, 3.6, 1.6);
    SetRgb(cr, s.MaskTrim);
    cairo_fill(cr);
  }
}

void NeonMasking(cairo_t* cr, const AlleyStyle& s) {
  cairo_rectangle(cr, 0, 0, kScreenWidth, kMaskBottom + 1);
  SetGradient(cr, 0, 0, 0, kMaskBottom, s.Wall, s.Mask);
  cairo_fill(cr);
  // A zigzag tube and a straight one along the whole hall, and a star over every lane.
  cairo_move_to(cr, 0, 22);
  for (int x = 0; x <= kScreenWidth; x += 20) cairo_line_to(cr, x, (x / 20) % 2 == 0 ? 14 : 28);
  NeonStroke(cr, s.MaskTrim);
  cairo_move_to(cr, 0, 44);
  cairo_line_to(cr, kScreenWidth, 44);
  NeonStroke(cr, s.Marks);
  for (int lane = kFirstLane; lane <= kLastLane; ++lane) {
    const double cx = Centre(lane, 34), cy = 34;
    for (int i = 0; i <= 10; ++i) {
      const double a = -kPi / 2 + i * kPi / 5, r = i % 2 == 0 ? 7 : 3;
      if (i == 0) {
        cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
      } else {
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
      }
    }
    NeonStroke(cr, 0xFFE040);
  }
  cairo_rectangle(cr, 0, kMaskBottom - 2, kScreenWidth, 3);
  SetRgb(cr, s.Glow, 0.8);
  cairo_fill(cr);
}

void SunsetMasking(cairo_t* cr, const AlleyStyle& s) {
  // Tall windows onto the evening sky, a low sun, then a slim masking unit.
  cairo_rectangle(cr, 0, 0, kScreenWidth, 44);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 44);
  ColourStop(sky, 0, 0x6B4C8C);
  ColourStop(sky, 0.45, 0xF28059);
  ColourStop(sky, 1, 0xFFCC73);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  Glow(cr, 470, 40, 60, 0xFFE8A0, 0.9);
  cairo_arc(cr, 470, 40, 11, 0, 2 * kPi);
  SetRgb(cr, 0xFFF2C0);
  cairo_fill(cr);
  // Far hills and trees against the sky.
  cairo_move_to(cr, 0, 44);
  for (int x = 0; x <= kScreenWidth; x += 8) {
    cairo_line_to(cr, x, 36 + 4 * std::sin(x * 0.023) + 2 * Hash(x, 3, 7));
  }
  cairo_line_to(cr, kScreenWidth, 44);
  cairo_close_path(cr);
  SetRgb(cr, 0x3A2030);
  cairo_fill(cr);
  for (int x = 0; x < kScreenWidth; x += 64) {
    cairo_rectangle(cr, x, 0, 6, 44);
    SetRgb(cr, 0x2A1A1C);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 0, 13, kScreenWidth, 3);
  SetRgb(cr, 0x2A1A1C);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 44, kScreenWidth, kMaskBottom - 43);
  SetGradient(cr, 0, 44, 0, kMaskBottom, s.Mask, 0x2A3E4C);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 51, kScreenWidth, 3);
  SetRgb(cr, s.MaskTrim);
  cairo_fill(cr);
}

void KidsMasking(cairo_t* cr, const AlleyStyle& s) {
  cairo_rectangle(cr, 0, 0, kScreenWidth, kMaskBottom + 1);
  SetGradient(cr, 0, 0, 0, kMaskBottom, 0x8AD0FF, s.Mask);
  cairo_fill(cr);
  for (int i = 0; i < 7; ++i) {
    // Puffy clouds.
    const double cx = 40 + i * 95 + 20 * Hash(i, 1, 5), cy = 12 + 8 * Hash(i, 2, 5);
    for (int j = 0; j < 3; ++j) {
      cairo_arc(cr, cx + j * 9, cy + (j == 1 ? -3 : 0), 7 + (j == 1 ? 3 : 0), 0, 2 * kPi);
      SetRgb(cr, 0xFFFFFF, 0.95);
      cairo_fill(cr);
    }
  }
  const uint32_t rainbow[5] = {0xF03C3C, 0xFF9A20, 0xFFE040, 0x4CC850, 0x3C7CF0};
  for (int i = 0; i < 5; ++i) {
    cairo_rectangle(cr, 0, 44 + i * 3.2, kScreenWidth, 3.2);
    SetRgb(cr, rainbow[i]);
    cairo_fill(cr);
  }
  for (int lane = kFirstLane; lane <= kLastLane; ++lane) {
    const double cx = Centre(lane, 30);
    for (int i = 0; i <= 10; ++i) {
      const double a = -kPi / 2 + i * kPi / 5, r = i % 2 == 0 ? 9 : 4;
      if (i == 0) {
        cairo_move_to(cr, cx + r * std::cos(a), 32 + r * std::sin(a));
      } else {
        cairo_line_to(cr, cx + r * std::cos(a), 32 + r * std::sin(a));
      }
    }
    cairo_close_path(cr);
    SetRgb(cr, s.MaskTrim);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0xC07010);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

}  // namespace

void PaintMasking(cairo_t* cr, const AlleyStyle& s) {
  switch (s.Kind) {
    case Theme::Classic: ClassicMasking(cr, s); break;
    case Theme::Neon: NeonMasking(cr, s); break;
    case Theme::Sunset: SunsetMasking(cr, s); break;
    case Theme::Kids: KidsMasking(cr, s); break;
  }
  // The units' lower edge, with the lamps that light the pin decks.
  cairo_rectangle(cr, 0, kMaskBottom - 1, kScreenWidth, 2);
  SetRgb(cr, 0x000000, 0.6);
  cairo_fill(cr);
  for (int lane = kFirstLane; lane <= kLastLane; ++lane) {
    for (double u : {0.2, 0.5, 0.8}) {
      cairo_rectangle(cr, LaneXOf(lane, u, kMaskBottom) - 4, kMaskBottom - 1, 8, 1);
      SetRgb(cr, s.Glow);
      cairo_fill(cr);
    }
  }
}

void PaintPits(cairo_t* cr, const AlleyStyle& s) {
  // The pits are black where the program darkens the player's pit further (rows 60..99), so its
  // darkened rectangle shows no edge; lower down the pit floor catches a little of the deck light.
  const double top = kMaskBottom + 1, bottom = kDeckBackY + 2;
  cairo_rectangle(cr, 0, top, kScreenWidth, bottom - top);
  SetRgb(cr, 0x000000);
  cairo_fill(cr);
  for (int lane = kFirstLane; lane <= kLastLane; ++lane) {
    LaneBand(cr, lane, -kPitMargin, 1 + kPitMargin, kPitBottom, kDeckBackY);
    SetGradient(cr, 0, kPitBottom, 0, kDeckBackY, 0x000000, s.Pit);
    cairo_fill(cr);
    // The kickback wall between this pit and the next, in the shade of the masking units. The
    // pit is wide enough that the player's pit stays clear of the program's darkened rectangle.
    LaneBand(cr, lane, 1 + kPitMargin, kLanePitch - kPitMargin, top, kDeckBackY + 2);
    SetGradient(cr, 0, top, 0, kDeckBackY, 0x0C0C10, ScaleRgb(s.Capping, 0.55));
    cairo_fill(cr);
  }
}

void PaintMood(cairo_t* cr, const AlleyStyle& s) {
  const double yDeck = RowAtFeet(57);
  // No light reaches into the pits: the program darkens the player's pit further, and the edges
  // of its darkened rectangle would show against a lit one.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kScreenWidth, kMaskBottom + 1);
  cairo_rectangle(cr, 0, kDeckBackY, kScreenWidth, kScreenHeight - kDeckBackY);
  cairo_clip(cr);
  // The polished lane mirrors the lamps over the deck as long soft streaks.
  for (int lane = kFirstLane; lane <= kLastLane; ++lane) {
    for (double u : {0.3, 0.7}) {
      LaneBand(cr, lane, u - 0.05, u + 0.05, yDeck, 330);
      cairo_pattern_t* p = cairo_pattern_create_linear(0, yDeck, 0, 330);
      ColourStop(p, 0, s.Glow, s.Kind == Theme::Neon ? 0.35 : 0.28);
      ColourStop(p, 1, s.Glow, 0);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    }
  }
  switch (s.Kind) {
    case Theme::Classic:
      // Warm pools of light from the ceiling lamps over the approach.
      Glow(cr, 320, 440, 260, s.Glow, 0.18);
      break;
    case Theme::Neon:
      // Black light: a violet haze, and the tubes' colours mirrored in the dark lanes.
      cairo_rectangle(cr, 0, 0, kScreenWidth, kScreenHeight);
      SetRgb(cr, 0x3010A0, 0.12);
      cairo_fill(cr);
      for (int lane = kFirstLane; lane <= kLastLane; ++lane) {
        for (auto [u, c] : {std::pair{0.12, s.MaskTrim}, std::pair{0.88, s.Marks}}) {
          LaneBand(cr, lane, u - 0.02, u + 0.02, yDeck, 380);
          cairo_pattern_t* p = cairo_pattern_create_linear(0, yDeck, 0, 380);
          ColourStop(p, 0, c, 0.5);
          ColourStop(p, 1, c, 0);
          cairo_set_source(cr, p);
          cairo_fill(cr);
          cairo_pattern_destroy(p);
        }
      }
      break;
    case Theme::Sunset:
      // Long shafts of evening sun slanting in from the windows on the right.
      for (int i = 0; i < 4; ++i) {
        const double x = 380 + i * 95;
        cairo_move_to(cr, x, 44);
        cairo_line_to(cr, x + 34, 44);
        cairo_line_to(cr, x - 260, 480);
        cairo_line_to(cr, x - 330, 480);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 44, 0, 480);
        ColourStop(p, 0, 0xFFB85C, 0.20);
        ColourStop(p, 1, 0xFF994C, 0.04);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
      }
      break;
    case Theme::Kids:
      Glow(cr, 320, 300, 320, 0xFFFFFF, 0.12);
      break;
  }
  // Shade towards the screen's sides, where the hall falls away from the lamps.
  for (double side : {0.0, 1.0}) {
    cairo_rectangle(cr, side * (kScreenWidth - 150), kMaskBottom + 1, 150, kScreenHeight);
    const double inner = kScreenWidth / 2.0 + (side - 0.5) * 340;
    cairo_pattern_t* p = cairo_pattern_create_linear(side * kScreenWidth, 0, inner, 0);
    ColourStop(p, 0, 0x000000, s.Kind == Theme::Kids ? 0.15 : 0.35);
    ColourStop(p, 1, 0x000000, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  cairo_restore(cr);
}

}  // namespace bowling_people
