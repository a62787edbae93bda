// A rectangle of 16-bit pixels in our own memory: the drawing device's back and front surfaces and
// the surfaces built from library pictures. Rows are stored top first, Pitch() bytes apart.
//
// A surface keeps count of what is drawn on it (surface_damage.h). Pixels handed out for writing by
// Row() and Bits() count as the whole surface drawn, unless they are asked for while a
// TReportedWrite is open, which reports the rectangle the writes stay within instead. A surface can
// also record drawing into a list instead of doing it (draw_list.h).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "media/draw_list.h"
#include "media/geometry.h"
#include "media/pixel_format.h"
#include "media/surface_damage.h"

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
    ++writes_;
  }
  void ClearColorKey() {
    hasColorKey_ = false;
    ++writes_;
  }

  // Direct pixel access (rows Pitch() bytes apart).
  uint16_t* Bits() {
    WrittenUnreported();
    return pixels_.data();
  }
  const uint16_t* Bits() const { return pixels_.data(); }
  uint16_t* Row(int y) {
    WrittenUnreported();
    return pixels_.data() + static_cast<size_t>(y) * width_;
  }
  const uint16_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

  // What was drawn since each mark; ClearDamage starts a mark afresh.
  const TSurfaceDamage& Damage() const { return damage_; }
  void ClearDamage(TDamageMark mark) { damage_.Clear(mark); }
  // Reports drawing within rect, or anywhere.
  void Drawn(const TRect& rect) {
    ++writes_;
    damage_.Add(rect);
  }
  void DrawnAll() {
    ++writes_;
    damage_.AddAll();
  }
  // A number no other surface had, and one that changes with every write and colour key: together
  // they tell whether the surface still holds the same picture as when they were read.
  uint64_t Id() const { return id_; }
  uint64_t Writes() const { return writes_; }

  // The list drawing is recorded into instead of done, or nullptr (drawing is done).
  TDrawList* Recording() const { return recording_; }
  void RecordInto(TDrawList* list) { recording_ = list; }

  // Lock for direct writes; false when the surface has no pixels. Locks nest.
  bool Lock();
  void Unlock();
  bool Locked() const { return lockCount_ > 0; }

  // Lost surfaces (the host took the display away) must be restored before drawing shows.
  bool IsLost() const { return lost_; }
  void MarkLost() {
    lost_ = true;
    DrawnAll();
  }
  void Restore() { lost_ = false; }

  // Sets every pixel to the raw value (spoiling a recording).
  void Fill(uint32_t rawColor);
  // Blends colour (0x00BBGGRR) with weight alpha 0..255 over rect, clipped to the surface.
  void FillRectBlended(const TRect& rect, TColor color, int alpha);
  // The raw pixel at (x, y), 0 outside the surface.
  uint32_t PixelAt(int x, int y) const;

 private:
  friend class TReportedWrite;
  void WrittenUnreported() {
    if (reportedWrites_ == 0) DrawnAll();
    if (recording_) recording_->Spoil();
  }

  int width_;
  int height_;
  TPixelFormat format_;
  bool systemMemory_;
  bool hasColorKey_ = false;
  uint16_t colorKey_ = 0;
  int lockCount_ = 0;
  bool lost_ = false;
  uint64_t id_;
  uint64_t writes_ = 0;
  int reportedWrites_ = 0;
  TSurfaceDamage damage_;
  TDrawList* recording_ = nullptr;
  std::vector<uint16_t> pixels_;
};

// Reports that drawing on the surface stays within rect while it is open (they may nest). Drawing
// this way while the surface records spoils the recording.
class TReportedWrite {
 public:
  TReportedWrite(TDirectDrawSurface& surface, const TRect& rect) : surface_(surface) {
    if (surface.recording_) surface.recording_->Spoil();
    surface.Drawn(rect);
    ++surface.reportedWrites_;
  }
  ~TReportedWrite() { --surface_.reportedWrites_; }
  TReportedWrite(const TReportedWrite&) = delete;
  TReportedWrite& operator=(const TReportedWrite&) = delete;

 private:
  TDirectDrawSurface& surface_;
};
