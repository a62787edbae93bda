// A rectangle of 16-bit pixels in our own memory: the drawing device's back and front surfaces and
// the surfaces built from library pictures. Rows are stored top first, Pitch() bytes apart.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "media/geometry.h"
#include "media/pixel_format.h"

class TDirectDrawSurface {
 public:
  // Largest width or height a surface may have; bigger requests cannot be made.
  static constexpr int kMaxSide = 16384;

  // A surface of width x height pixels filled with 0. Sizes below 0 count as 0.
  TDirectDrawSurface(int width, int height, TPixelFormat format, bool systemMemory = true);
  // The same, or nullptr when the surface cannot be made (too large, or out of memory).
  static std::unique_ptr<TDirectDrawSurface> Create(int width, int height, TPixelFormat format,
                                                    bool systemMemory);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bytes from one row to the next.
  int Pitch() const { return width_ * 2; }
  TPixelFormat PixelFormat() const { return format_; }
  // True when the surface lives in system memory rather than (notionally) video memory.
  bool SystemMemory() const { return systemMemory_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Colour key: pixels equal to it are skipped by keyed copies.
  bool HasColorKey() const { return hasColorKey_; }
  uint16_t ColorKey() const { return colorKey_; }
  void SetColorKey(uint16_t key) {
    colorKey_ = key;
    hasColorKey_ = true;
  }
  void ClearColorKey() { hasColorKey_ = false; }

  // Direct pixel access (rows Pitch() bytes apart).
  uint16_t* Bits() { return pixels_.data(); }
  const uint16_t* Bits() const { return pixels_.data(); }
  uint16_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint16_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

  // Lock for direct writes; false when the surface has no pixels. Locks nest.
  bool Lock();
  void Unlock();
  bool Locked() const { return lockCount_ > 0; }

  // Lost surfaces (the host took the display away) must be restored before drawing shows.
  bool IsLost() const { return lost_; }
  void MarkLost() { lost_ = true; }
  void Restore() { lost_ = false; }

  // Sets every pixel to the raw value.
  void Fill(uint32_t rawColor);
  // Blends colour (0x00BBGGRR) with weight alpha 0..255 over rect, clipped to the surface.
  void FillRectBlended(const TRect& rect, TColor color, int alpha);
  // The raw pixel at (x, y), 0 outside the surface.
  uint32_t PixelAt(int x, int y) const;

 private:
  int width_;
  int height_;
  TPixelFormat format_;
  bool systemMemory_;
  bool hasColorKey_ = false;
  uint16_t colorKey_ = 0;
  int lockCount_ = 0;
  bool lost_ = false;
  std::vector<uint16_t> pixels_;
};
