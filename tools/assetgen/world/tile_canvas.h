// A tile picture being drawn: a cairo image surface whose bottom 32 rows hold the ground diamond,
// per-pixel ground fills, and the conversion to a colour-keyed library picture.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "media/picture.h"

constexpr int kTileW = 64;
constexpr int kTileH = 32;

struct TRgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

TRgb Mix(TRgb a, TRgb b, double t);
TRgb Scale(TRgb a, double factor);

// Whether pixel (x, y) of a 64 x 32 diamond belongs to it (its centre lies inside).
bool InDiamond(int x, int y);

// Value noise that repeats with the staggered tile grid (64, 0) and (32, 16), so a texture made of
// it joins seamlessly between any two cells; x, y are pixels within a tile's diamond. Result 0..1.
double GridNoise(double x, double y, int cellsAcross, int cellsDown, uint32_t seed);

// A deterministic hash of three integers, 0..1.
double Hash01(uint32_t a, uint32_t b, uint32_t seed);

class TTileCanvas {
 public:
  // A picture kTileW wide; height >= kTileH (taller items rise above the diamond).
  explicit TTileCanvas(int height = kTileH);
  ~TTileCanvas();
  TTileCanvas(const TTileCanvas&) = delete;
  TTileCanvas& operator=(const TTileCanvas&) = delete;

  int Height() const { return height_; }
  // The top of the diamond within the picture.
  int Lift() const { return height_ - kTileH; }
  cairo_t* Cr() { return cr_; }

  // Sets an opaque pixel of the diamond, (x, y) relative to the diamond's bounding box.
  void SetGround(int x, int y, TRgb color);
  TRgb GetGround(int x, int y);

  // A cairo context clipped to the diamond (shrunk by inset pixels), for drawing inside it only.
  void ClipToDiamond(double inset);
  void ResetClip();

  // The picture: pixels at least half covered become opaque, the rest the black colour key; no
  // drawn pixel is dark enough to turn into the key in 16-bit colour.
  TPicture ToPicture();

 private:
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Pictures of several patterns side by side (animation frames of one item).
TPicture JoinPatterns(const TPicture* patterns, int count);
