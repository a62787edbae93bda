// Working images of the sprite generator: 32-bit pixels 0xAARRGGBB (straight alpha), plus the
// steps that turn them into colour-keyed library pictures: hardening soft edges, the dark outline,
// pattern sheets and the key-safe conversion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/geometry.h"
#include "media/library_writer.h"
#include "media/picture.h"

typedef struct _cairo_surface cairo_surface_t;

namespace sprites {

constexpr uint32_t Argb(int a, int r, int g, int b) {
  return (static_cast<uint32_t>(a & 255) << 24) | ((r & 255) << 16) | ((g & 255) << 8) | (b & 255);
}
constexpr uint32_t Rgb(int r, int g, int b) { return Argb(255, r, g, b); }
constexpr int AlphaOf(uint32_t c) { return c >> 24; }
constexpr int RedOf(uint32_t c) { return (c >> 16) & 255; }
constexpr int GreenOf(uint32_t c) { return (c >> 8) & 255; }
constexpr int BlueOf(uint32_t c) { return c & 255; }

// The dark outline colour of every sprite: near black, yet far from a black colour key in 16 bits.
constexpr uint32_t kOutline = Rgb(24, 24, 32);

struct Image {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;  // 0xAARRGGBB, top row first

  Image() = default;
  Image(int width, int height, uint32_t fill = 0);
  uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  uint32_t& At(int x, int y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
  bool Opaque(int x, int y) const { return Inside(x, y) && AlphaOf(At(x, y)) != 0; }
};

// A copy of a cairo ARGB32 image surface with the alpha un-premultiplied.
Image FromCairo(cairo_surface_t* surface);
// A cairo ARGB32 surface holding the image (premultiplied); the caller destroys it.
cairo_surface_t* ToCairo(const Image& image);

// Pixels covered at least `threshold` (0..255) become fully opaque, the rest fully transparent.
void Harden(Image& image, int threshold = 128);
// Paints every transparent pixel that touches an opaque one (left, right, above, below) with a
// dark shade of its neighbours, so each silhouette gets a one-pixel outline.
void Outline(Image& image);
// Copies the opaque pixels of src onto dst with src's top-left at (x, y).
void Blit(Image& dst, const Image& src, int x, int y);

// Mixes two colours: t = 0 gives a, t = 1 gives b (alpha taken from a).
uint32_t Mix(uint32_t a, uint32_t b, double t);
// Multiplies the colour channels by f (clamped), keeping alpha.
uint32_t Shade(uint32_t c, double f);

// Limits the opaque pixels to at most `colors` colours (median cut, weighted by how often each
// colour occurs), so a picture with its key fits a 256-colour bitmap and is stored a third the size.
void ReducePalette(Image& image, int colors = 255);
// True when the two 0x00RRGGBB colours convert to the same 16-bit pixel in 5-6-5 or in 5-5-5.
bool SameIn16Bits(uint32_t a, uint32_t b);
// The picture of an image: transparent pixels take the key colour; an opaque pixel that would
// turn into the key on a 16-bit surface is nudged until it no longer does.
TPicture ToPicture(const Image& image, TColor key = clBlack);
// A library item whose patterns are the given images (all of one size), laid out in rows of
// `columns` patterns, with a black colour key.
TPictureItemData PatternSheet(const std::string& name, const std::vector<Image>& patterns,
                              int columns);
// A single-pattern library item.
TPictureItemData SinglePicture(const std::string& name, const Image& image,
                               bool transparent = true);

}  // namespace sprites
