#include "tools/assetgen/world/tile_canvas.h"

#include <algorithm>
#include <cmath>

namespace {

uint8_t Channel(double value) { return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

double Smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

TRgb Scale(TRgb a, double factor) { return {a.r * factor, a.g * factor, a.b * factor}; }

bool InDiamond(int x, int y) {
  const double dx = std::fabs(x + 0.5 - kTileW / 2.0) / (kTileW / 2.0);
  const double dy = std::fabs(y + 0.5 - kTileH / 2.0) / (kTileH / 2.0);
  return dx + dy < 1.0;
}

double Hash01(uint32_t a, uint32_t b, uint32_t seed) {
  uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / double(0x1000000);
}

double GridNoise(double x, double y, int cellsAcross, int cellsDown, uint32_t seed) {
  // Lattice coordinates: (x, y) = s * (64, 0) + t * (32, 16).
  const double t = y / 16.0;
  const double s = (x - 2.0 * y) / 64.0;
  const double u = (s - std::floor(s)) * cellsAcross;
  const double v = (t - std::floor(t)) * cellsDown;
  const int i0 = static_cast<int>(u) % cellsAcross;
  const int j0 = static_cast<int>(v) % cellsDown;
  const int i1 = (i0 + 1) % cellsAcross;
  const int j1 = (j0 + 1) % cellsDown;
  const double fu = Smooth(u - std::floor(u));
  const double fv = Smooth(v - std::floor(v));
  const double a = Hash01(i0, j0, seed) + (Hash01(i1, j0, seed) - Hash01(i0, j0, seed)) * fu;
  const double b = Hash01(i0, j1, seed) + (Hash01(i1, j1, seed) - Hash01(i0, j1, seed)) * fu;
  return a + (b - a) * fv;
}

TTileCanvas::TTileCanvas(int height)
    : height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kTileW, height)),
      cr_(cairo_create(surface_)) {}

TTileCanvas::~TTileCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void TTileCanvas::SetGround(int x, int y, TRgb color) {
  cairo_surface_flush(surface_);
  uint8_t* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  auto* pixel = reinterpret_cast<uint32_t*>(data + (y + Lift()) * stride) + x;
  *pixel = 0xFF000000u | (uint32_t{Channel(color.r)} << 16) | (uint32_t{Channel(color.g)} << 8) |
           Channel(color.b);
  cairo_surface_mark_dirty(surface_);
}

TRgb TTileCanvas::GetGround(int x, int y) {
  cairo_surface_flush(surface_);
  const uint8_t* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const uint32_t p = reinterpret_cast<const uint32_t*>(data + (y + Lift()) * stride)[x];
  return {double((p >> 16) & 255), double((p >> 8) & 255), double(p & 255)};
}

void TTileCanvas::ClipToDiamond(double inset) {
  const double lift = Lift();
  const double hw = kTileW / 2.0;
  const double hh = kTileH / 2.0;
  const double ix = inset * 2.0;  // the edges run two pixels across for one down
  cairo_reset_clip(cr_);
  cairo_new_path(cr_);
  cairo_move_to(cr_, ix, lift + hh);
  cairo_line_to(cr_, hw, lift + inset);
  cairo_line_to(cr_, kTileW - ix, lift + hh);
  cairo_line_to(cr_, hw, lift + kTileH - inset);
  cairo_close_path(cr_);
  cairo_clip(cr_);
}

void TTileCanvas::ResetClip() { cairo_reset_clip(cr_); }

TPicture TTileCanvas::ToPicture() {
  cairo_surface_flush(surface_);
  const uint8_t* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  TPicture picture;
  picture.Width = kTileW;
  picture.Height = height_;
  picture.Pixels.assign(static_cast<size_t>(kTileW) * height_, 0);
  for (int y = 0; y < height_; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < kTileW; ++x) {
      const uint32_t p = row[x];
      const uint32_t a = p >> 24;
      if (a < 128) continue;
      uint32_t r = ((p >> 16) & 255) * 255 / a;
      uint32_t g = ((p >> 8) & 255) * 255 / a;
      uint32_t b = (p & 255) * 255 / a;
      r = std::min(r, 255u);
      g = std::min(g, 255u);
      b = std::min(b, 255u);
      // Dark enough to become 0 in 5-6-5 colour would read as the colour key.
      if (r < 8 && g < 4 && b < 8) r = 8;
      picture.Pixels[static_cast<size_t>(y) * kTileW + x] = (r << 16) | (g << 8) | b;
    }
  }
  return picture;
}

TPicture JoinPatterns(const TPicture* patterns, int count) {
  TPicture joined;
  joined.Width = patterns[0].Width * count;
  joined.Height = patterns[0].Height;
  joined.Pixels.assign(static_cast<size_t>(joined.Width) * joined.Height, 0);
  for (int k = 0; k < count; ++k) {
    for (int y = 0; y < joined.Height; ++y) {
      for (int x = 0; x < patterns[k].Width; ++x) {
        joined.Pixels[static_cast<size_t>(y) * joined.Width + k * patterns[k].Width + x] = patterns[k].At(x, y);
      }
    }
  }
  return joined;
}
