#include "tools/lakemaker/lake_overview.h"

#include <cairo.h>

#include <algorithm>

#include "fishing/lake_map.h"
#include "tools/lakemaker/shore_rule.h"

namespace {

constexpr int32_t kPine = 36;
constexpr int32_t kLeafTree = 37;
constexpr int32_t kPalm = 41;
constexpr int32_t kDeepWater = 52;

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 255);
  out += static_cast<char>((v >> 8) & 255);
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

TOverviewColour Mix(TOverviewColour a, TOverviewColour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void SetSource(cairo_t* cr, TOverviewColour c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r / 255, c.g / 255, c.b / 255, alpha);
}

}  // namespace

const TOverviewColours& OverviewColoursFor(const std::string& imageLib) {
  // The tones of the shipped tile libraries' water, shade, grass, sand and leaves.
  static const TOverviewColours kNorth{{62, 122, 166}, {30, 72, 112}, {96, 152, 62}, {212, 194, 148}, {38, 96, 52}};
  static const TOverviewColours kTropic{{44, 166, 188}, {22, 96, 142}, {112, 172, 62}, {238, 220, 166}, {42, 130, 54}};
  std::string lower;
  for (const char ch : imageLib) lower += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
  return lower == "tropic.dxg" ? kTropic : kNorth;
}

std::string EncodeBmp24(const TPicture& picture) {
  const uint32_t rowBytes = (static_cast<uint32_t>(picture.Width) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(picture.Height);
  std::string out = "BM";
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(picture.Width));
  Put32(out, static_cast<uint32_t>(picture.Height));  // positive: rows stored bottom-up
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageBytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = picture.Height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.Width; ++x) {
      const uint32_t p = picture.At(x, y);
      out += static_cast<char>(p & 255);
      out += static_cast<char>((p >> 8) & 255);
      out += static_cast<char>((p >> 16) & 255);
    }
    out.append(rowBytes - picture.Width * 3, '\0');
  }
  return out;
}

TPicture DrawLakeOverview(const TIsoMap& map, const TOverviewColours& look) {
  constexpr int kW = 200;
  constexpr int kH = 198;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
  cairo_t* cr = cairo_create(surface);
  // Paper, then the map fitted inside a frame. The outer cells are never seen in play, so the
  // overview shows the part inside them.
  cairo_set_source_rgb(cr, 0.93, 0.88, 0.74);
  cairo_paint(cr);
  const double worldW = (map.lastCol - 1) * 64.0;
  const double worldH = (map.lastRow - 6) * 16.0;
  const double scale = std::min((kW - 12) / worldW, (kH - 12) / worldH);
  const double ox = (kW - worldW * scale) / 2 - 64 * scale;
  const double oy = (kH - worldH * scale) / 2 - 48 * scale;
  auto cellPath = [&](int c, int r, double grow) {
    const double x = ox + (c * 64.0 + (r % 2) * 32.0) * scale;
    const double y = oy + r * 16.0 * scale;
    cairo_move_to(cr, x - grow, y + 16 * scale);
    cairo_line_to(cr, x + 32 * scale, y - grow);
    cairo_line_to(cr, x + 64 * scale + grow, y + 16 * scale);
    cairo_line_to(cr, x + 32 * scale, y + 32 * scale + grow);
    cairo_close_path(cr);
  };
  cairo_save(cr);
  cairo_rectangle(cr, 6, 6, kW - 12, kH - 12);
  cairo_clip(cr);
  SetSource(cr, look.grass);
  cairo_paint(cr);
  for (int pass = 0; pass < 3; ++pass) {
    for (int r = 0; r <= map.lastRow; ++r) {
      for (int c = 0; c <= map.lastCol; ++c) {
        const int tile = map.Cell(c, r);
        const bool water = IsWaterTile(tile) || tile >= shore::kFirstMarker;
        const bool sand = tile >= shore::kSand && tile < shore::kSand + 16;
        if (pass == 0 && !water) {
          cellPath(c, r, 0.4);
          SetSource(cr, sand ? look.sand : look.grass);
          cairo_fill(cr);
        } else if (pass == 1 && water) {
          cellPath(c, r, 0.4);
          SetSource(cr, tile == kDeepWater ? Mix(look.water, look.waterShade, 0.4) : look.water);
          cairo_fill(cr);
        } else if (pass == 2 && (tile == kPine || tile == kLeafTree || tile == kPalm)) {
          const double x = ox + (c * 64.0 + (r % 2) * 32.0 + 32) * scale;
          const double y = oy + (r * 16.0 + 16) * scale;
          cairo_new_path(cr);
          cairo_arc(cr, x, y, 1.3, 0, 2 * 3.14159265);
          SetSource(cr, look.foliage);
          cairo_fill(cr);
        }
      }
    }
  }
  // Buoys and anglers, which the player may want to find, and the start.
  for (const TIsoObject& object : map.objects) {
    if (object.name.empty()) continue;
    const double x = ox + (object.col * 64.0 + (object.row % 2) * 32.0 + 32) * scale;
    const double y = oy + (object.row * 16.0 + 16) * scale;
    cairo_new_path(cr);
    if (object.name == "buoy") {
      cairo_arc(cr, x, y, 2.2, 0, 2 * 3.14159265);
      cairo_set_source_rgb(cr, 0.85, 0.12, 0.1);
      cairo_fill(cr);
    } else if (object.name == "talk") {
      cairo_arc(cr, x, y, 2.2, 0, 2 * 3.14159265);
      cairo_set_source_rgb(cr, 0.55, 0.35, 0.2);
      cairo_fill(cr);
    } else if (object.name == "levelstart") {
      const double bx = ox + object.col * 64.0 * scale;
      const double by = oy + object.row * 16.0 * scale;
      cairo_move_to(cr, bx - 5, by - 1);
      cairo_line_to(cr, bx + 5, by - 1);
      cairo_line_to(cr, bx + 3, by + 2);
      cairo_line_to(cr, bx - 3, by + 2);
      cairo_close_path(cr);
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_fill_preserve(cr);
      cairo_set_source_rgb(cr, 0.2, 0.2, 0.25);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
  // A frame and a north arrow.
  cairo_set_source_rgb(cr, 0.45, 0.32, 0.18);
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, 5, 5, kW - 10, kH - 10);
  cairo_stroke(cr);
  cairo_move_to(cr, kW - 16, 12);
  cairo_line_to(cr, kW - 12, 22);
  cairo_line_to(cr, kW - 16, 19);
  cairo_line_to(cr, kW - 20, 22);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.3, 0.2, 0.12);
  cairo_fill(cr);

  cairo_surface_flush(surface);
  TPicture picture;
  picture.Width = kW;
  picture.Height = kH;
  picture.Pixels.resize(static_cast<size_t>(kW) * kH);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      picture.Pixels[static_cast<size_t>(y) * kW + x] = reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF;
    }
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return picture;
}
