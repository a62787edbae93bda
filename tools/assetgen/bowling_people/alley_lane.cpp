// The lane floor: boards, marks, gutters, the pin deck, the approach and the bumper rails.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/bowling_people/alley_paint.h"
#include "tools/assetgen/bowling_people/lane_geometry.h"

namespace bowling_people {

namespace {

constexpr int kBoards = 39;
constexpr double kDeckFrontFeet = 57;  // the deck starts three feet before the head pin
constexpr double kFoulTop = kFoulLineY - 1.5, kFoulBottom = kFoulLineY + 1.5;

double BoardU(double board) { return (board - 0.5) / kBoards; }  // middle of board 1..39

void Vertical(cairo_t* cr, double y0, double y1, uint32_t top, uint32_t bottom) {
  SetGradient(cr, 0, y0, 0, y1, top, bottom);
}

// Boards between rows y0 and y1 from u0 to u1: tone per board, seams and grain along them.
void Boards(cairo_t* cr, int lane, double u0, double u1, double y0, double y1, int salt, double contrast) {
  const int first = static_cast<int>(std::floor(u0 * kBoards));
  const int last = static_cast<int>(std::ceil(u1 * kBoards));
  for (int b = first; b < last; ++b) {
    const double a = std::max(u0, static_cast<double>(b) / kBoards), e = std::min(u1, (b + 1.0) / kBoards);
    const double tone = Hash(b, lane, salt) - 0.5;
    LaneBand(cr, lane, a, e, y0, y1);
    SetRgb(cr, tone > 0 ? 0xFFFFFF : 0x000000, std::fabs(tone) * 0.16 * contrast);
    cairo_fill(cr);
    // Grain: faint streaks running along the board.
    for (int g = 0; g < 7; ++g) {
      const double u = a + (e - a) * (0.2 + 0.6 * Hash(b, g, salt + 1));
      const double ya = y0 + (y1 - y0) * Hash(g, b, salt + 2), len = 8 + 40 * Hash(b + g, g, salt + 3);
      const double yb = std::min(y1, ya + len);
      cairo_move_to(cr, LaneXOf(lane, u, ya), ya);
      cairo_line_to(cr, LaneXOf(lane, u, yb), yb);
      SetRgb(cr, 0x000000, 0.07 * contrast);
      cairo_set_line_width(cr, 0.6);
      cairo_stroke(cr);
    }
  }
  cairo_set_line_width(cr, 0.5);
  for (int b = std::max(first, 0) + 1; b < last; ++b) {
    const double u = static_cast<double>(b) / kBoards;
    if (u <= u0 || u >= u1) continue;
    cairo_move_to(cr, LaneXOf(lane, u, y0), y0);
    cairo_line_to(cr, LaneXOf(lane, u, y1), y1);
  }
  SetRgb(cr, 0x000000, 0.22 * contrast);
  cairo_stroke(cr);
}

// A dot on the floor: an ellipse flattened by the view.
void Dot(cairo_t* cr, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size, size * 0.6);
  cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979323846);
  cairo_restore(cr);
}

void Marks(cairo_t* cr, const AlleyStyle& s, int lane) {
  const bool glow = s.Kind == Theme::Neon;
  // Guide dots seven feet out, and the target arrows in a V pointing at the pins.
  const double dotRow = RowAtFeet(7);
  for (int board : {3, 5, 8, 11, 14, 26, 29, 32, 35, 37}) {
    Dot(cr, LaneXOf(lane, BoardU(board), dotRow), dotRow, LaneWidthAt(dotRow) / kBoards * 0.42);
    SetRgb(cr, s.Marks, glow ? 0.95 : 0.85);
    cairo_fill(cr);
  }
  for (int board = 5; board <= 35; board += 5) {
    const double tip = 16.5 - std::abs(board - 20) / 5.0 * 1.0;
    const double yTip = RowAtFeet(tip), yBase = RowAtFeet(tip - 3.2);
    const double half = 0.65 / kBoards;
    const double u = BoardU(board);
    cairo_move_to(cr, LaneXOf(lane, u, yTip), yTip);
    cairo_line_to(cr, LaneXOf(lane, u + half, yBase), yBase);
    cairo_line_to(cr, LaneXOf(lane, u, yBase - (yBase - yTip) * 0.22), yBase - (yBase - yTip) * 0.22);
    cairo_line_to(cr, LaneXOf(lane, u - half, yBase), yBase);
    cairo_close_path(cr);
    if (glow) {
      SetRgb(cr, s.Marks, 0.35);
      cairo_set_line_width(cr, 3);
      cairo_stroke_preserve(cr);
    }
    SetRgb(cr, s.Marks, 0.9);
    cairo_fill(cr);
  }
  // Range finders further down the lane.
  for (int board : {10, 30}) {
    const double ya = RowAtFeet(43), yb = RowAtFeet(34);
    cairo_move_to(cr, LaneXOf(lane, BoardU(board), ya), ya);
    cairo_line_to(cr, LaneXOf(lane, BoardU(board), yb), yb);
    SetRgb(cr, s.Marks, 0.55);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
}

// A gutter: a round channel, lit on its far lip, dark in the trough.
void Gutter(cairo_t* cr, const AlleyStyle& s, int lane, double u0, double u1, double yTop) {
  constexpr int kStrips = 8;
  for (int i = 0; i < kStrips; ++i) {
    const double t = (i + 0.5) / kStrips;
    const double depth = std::sin(t * 3.14159265358979323846);
    const double lip = u0 < 0 ? t : 1 - t;  // the outer lip catches the light
    const double f = 1.15 - 0.55 * depth + 0.25 * lip * lip;
    LaneBand(cr, lane, u0 + (u1 - u0) * i / kStrips, u0 + (u1 - u0) * (i + 1) / kStrips, yTop, kFoulTop);
    Vertical(cr, yTop, kFoulTop, ScaleRgb(s.Gutter, f * 0.8), ScaleRgb(s.Gutter, f));
    cairo_fill(cr);
  }
  // A thin bright edge where the lane's last board meets the channel.
  const double edge = u0 < 0 ? u1 : u0;
  cairo_move_to(cr, LaneXOf(lane, edge, yTop), yTop);
  cairo_line_to(cr, LaneXOf(lane, edge, kFoulTop), kFoulTop);
  SetRgb(cr, ScaleRgb(s.Gutter, 0.55), 0.9);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

}  // namespace

void SetRgb(cairo_t* cr, uint32_t rgb, double alpha) {
  cairo_set_source_rgba(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha);
}

double LaneXOf(int lane, double u, double y) { return LaneX(lane * kLanePitch + u, y); }

void LaneBand(cairo_t* cr, int lane, double u0, double u1, double yTop, double yBottom) {
  cairo_move_to(cr, LaneXOf(lane, u0, yTop), yTop);
  cairo_line_to(cr, LaneXOf(lane, u1, yTop), yTop);
  cairo_line_to(cr, LaneXOf(lane, u1, yBottom), yBottom);
  cairo_line_to(cr, LaneXOf(lane, u0, yBottom), yBottom);
  cairo_close_path(cr);
}

void ColourStop(cairo_pattern_t* pattern, double at, uint32_t rgb, double alpha) {
  cairo_pattern_add_color_stop_rgba(pattern, at, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                                    (rgb & 255) / 255.0, alpha);
}

void SetGradient(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t a, uint32_t b) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  ColourStop(p, 0, a);
  ColourStop(p, 1, b);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

uint32_t ScaleRgb(uint32_t rgb, double f) {
  auto ch = [f](uint32_t v) { return static_cast<uint32_t>(std::clamp(std::lround(v * f), 0L, 255L)); };
  return (ch((rgb >> 16) & 255) << 16) | (ch((rgb >> 8) & 255) << 8) | ch(rgb & 255);
}

double Hash(int a, int b, int salt) {
  uint32_t h = static_cast<uint32_t>(a) * 374761393u + static_cast<uint32_t>(b) * 668265263u +
               static_cast<uint32_t>(salt) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

void PaintLane(cairo_t* cr, const AlleyStyle& s, int lane) {
  const double yDeck = RowAtFeet(kDeckFrontFeet);
  const double contrast = s.Kind == Theme::Neon ? 0.6 : 1.0;
  // Cappings on both sides, then the gutters.
  for (double u0 : {-kGutterWidth - kCappingWidth, 1 + kGutterWidth}) {
    LaneBand(cr, lane, u0, u0 + kCappingWidth, kDeckBackY, kFoulTop);
    Vertical(cr, kDeckBackY, kFoulTop, ScaleRgb(s.Capping, 0.75), s.Capping);
    cairo_fill(cr);
  }
  Gutter(cr, s, lane, -kGutterWidth, 0, kDeckBackY);
  Gutter(cr, s, lane, 1, 1 + kGutterWidth, kDeckBackY);
  // The lane from the foul line to the deck, darker into the distance, then the pin deck.
  LaneBand(cr, lane, 0, 1, yDeck, kFoulTop);
  Vertical(cr, yDeck, kFoulTop, s.LaneFar, s.LaneWood);
  cairo_fill(cr);
  LaneBand(cr, lane, 0, 1, kDeckBackY, yDeck);
  Vertical(cr, kDeckBackY, yDeck, ScaleRgb(s.DeckWood, 0.9), s.DeckWood);
  cairo_fill(cr);
  Boards(cr, lane, 0, 1, kDeckBackY, kFoulTop, 11, contrast);
  // The deck's front edge and its back edge (the tail plank over the pit).
  cairo_move_to(cr, LaneXOf(lane, 0, yDeck), yDeck);
  cairo_line_to(cr, LaneXOf(lane, 1, yDeck), yDeck);
  SetRgb(cr, 0x000000, 0.25);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  LaneBand(cr, lane, -kGutterWidth, 1 + kGutterWidth, kDeckBackY, kDeckBackY + 1.5);
  SetRgb(cr, ScaleRgb(s.DeckWood, 0.55));
  cairo_fill(cr);
  for (const PinSpot& spot : kRack) {
    const double u = (spot.X - LeftEdgeX(spot.Y)) / LaneWidthAt(spot.Y);
    Dot(cr, LaneXOf(lane, u, spot.Y), spot.Y - 1, 2.6);
    SetRgb(cr, s.Marks, 0.55);
    cairo_fill(cr);
  }
  Marks(cr, s, lane);
  // The foul line across the lane and its gutters.
  LaneBand(cr, lane, -kGutterWidth, 1 + kGutterWidth, kFoulTop, kFoulBottom);
  SetRgb(cr, s.Kind == Theme::Neon ? s.MaskTrim : s.Marks);
  cairo_fill(cr);
}

void PaintApproach(cairo_t* cr, const AlleyStyle& s) {
  const double y0 = kFoulTop, y1 = kScreenHeight;
  cairo_rectangle(cr, 0, y0, kScreenWidth, y1 - y0);
  Vertical(cr, y0, y1, ScaleRgb(s.ApproachWood, 0.92), s.ApproachWood);
  cairo_fill(cr);
  // The approach's boards run on from the lanes' across the whole floor.
  const double from = (0 - LeftEdgeX(y1)) / LaneWidthAt(y1);
  const double to = (kScreenWidth - LeftEdgeX(y1)) / LaneWidthAt(y1);
  Boards(cr, 0, std::floor(from), std::ceil(to), y0, y1, 23, s.Kind == Theme::Neon ? 0.6 : 0.9);
  // Approach dots just behind the foul line and a row further back.
  for (double feet : {-0.7, -8.0}) {
    const double y = RowAtFeet(feet);
    for (int board : {3, 5, 8, 11, 14, 20, 26, 29, 32, 35, 37}) {
      if (feet > -1 && board == 20) continue;
      Dot(cr, LaneX(BoardU(board), y), y, LaneWidthAt(y) / kBoards * 0.45);
      SetRgb(cr, s.Marks, 0.8);
      cairo_fill(cr);
    }
  }
}

void PaintBumpers(cairo_t* cr, const AlleyStyle& s) {
  const double yTop = RowAtFeet(kDeckFrontFeet - 2), yBottom = kFoulTop;
  constexpr int kSegments = 14;
  for (double side : {-1.0, 1.0}) {
    // The rail's inner face lies on the line the program bounces the ball off.
    auto inner = [side](double y) {
      return side < 0 ? LeftEdgeX(y) + kBumperInset : RightEdgeX(y) - kBumperInset;
    };
    auto outer = [side](double y) { return LaneX(side < 0 ? -kGutterWidth * 0.6 : 1 + kGutterWidth * 0.6, y); };
    for (int i = 0; i < kSegments; ++i) {
      // Striped padding, segments of equal length along the lane.
      const double fa = FeetAtRow(yBottom) + (FeetAtRow(yTop) - FeetAtRow(yBottom)) * i / kSegments;
      const double fb = FeetAtRow(yBottom) + (FeetAtRow(yTop) - FeetAtRow(yBottom)) * (i + 1) / kSegments;
      const double ya = RowAtFeet(fa), yb = RowAtFeet(fb);
      cairo_move_to(cr, inner(ya), ya);
      cairo_line_to(cr, outer(ya), ya);
      cairo_line_to(cr, outer(yb), yb);
      cairo_line_to(cr, inner(yb), yb);
      cairo_close_path(cr);
      const uint32_t c = i % 2 == 0 ? s.BumperA : s.BumperB;
      cairo_pattern_t* p = cairo_pattern_create_linear(inner(ya), 0, outer(ya), 0);
      ColourStop(p, 0, ScaleRgb(c, 0.8));
      ColourStop(p, 0.25, ScaleRgb(c, 1.15));
      ColourStop(p, 1, ScaleRgb(c, 0.6));
      cairo_set_source(cr, p);
      cairo_pattern_destroy(p);
      cairo_fill(cr);
    }
    // The padding's shine along its rounded top, and a dark seam just outside the inner face,
    // so the rail's edge reads against the lane while the lane runs right up to the line.
    auto along = [&](double share, double offset) {
      cairo_move_to(cr, inner(yTop) + (outer(yTop) - inner(yTop)) * share + offset, yTop);
      cairo_line_to(cr, inner(yBottom) + (outer(yBottom) - inner(yBottom)) * share + offset, yBottom);
    };
    along(0.3, 0);
    SetRgb(cr, 0xFFFFFF, 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    along(0, side * 0.5);
    SetRgb(cr, 0x301820, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

}  // namespace bowling_people
