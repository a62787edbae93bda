// A rectangle of 16-bit pixels in our own memory: the drawing device's back and front surfaces and
// the surfaces built from library pictures. Rows are stored top first, Pitch() bytes apart.
//
// A surface keeps count of what is drawn on it (surface_damage.h). Pixels handed out for writing by
// Row() and Bits() count as the whole surface drawn, unless they are asked for while a
// TReportedWrite is open, which reports the rectangle the writes stay within instead. A surface can
// also record drawing into a list instead of doing it (draw_list.h).
//
// After the drawing device's exchanging flip some of the back surface's pixels lie on the front for a
// while (pending_pixels.h). Every way of reaching the pixels copies them in first: Bits() and Row()
// outside a reported write take them all, a reported write those it overlaps (none, when it sets
// every pixel of its rectangle), and writing on the front takes them all before it changes them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "media/draw_list.h"
#include "media/geometry.h"
#include "media/pending_pixels.h"
#include "media/pixel_format.h"
#include "media/surface_damage.h"

// How a reported write treats the pixels of its rectangle: it may read them and leave some as they
// are, or it sets every one of them without reading any.
enum class TWriteKind { Within, Overwrite };

class TDirectDrawSurface {
 public:
  // Largest width or height a surface may have; bigger requests cannot be made.
  static constexpr int kMaxSide = 16384;

  // A surface of width x height pixels filled with 0. Sizes below 0 count as 0.
  TDirectDrawSurface(int width, int height, TPixelFormat format, bool systemMemory = true);
  ~TDirectDrawSurface();
  TDirectDrawSurface(const TDirectDrawSurface&) = delete;
  TDirectDrawSurface& operator=(const TDirectDrawSurface&) = delete;
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
  const uint16_t* Bits() const {
    ReadUnreported();
    return pixels_.data();
  }
  uint16_t* Row(int y) {
    WrittenUnreported();
    return pixels_.data() + static_cast<size_t>(y) * width_;
  }
  const uint16_t* Row(int y) const {
    ReadUnreported();
    return pixels_.data() + static_cast<size_t>(y) * width_;
  }

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

  // Leaves to showing what this surface shows, by trading their pixels. differing: where the two
  // may differ now (everywhere when nullptr); this surface's pixels there lie on to afterwards,
  // until needed. Reports no drawing on either. False, with nothing done, unless the two have the
  // same size and format and neither is locked.
  bool ExchangeInto(TDirectDrawSurface& to, const TDamageCover* differing);

  // Sets every pixel to the raw value (spoiling a recording).
  void Fill(uint32_t rawColor);
  // Blends colour (0x00BBGGRR) with weight alpha 0..255 over rect, clipped to the surface.
  void FillRectBlended(const TRect& rect, TColor color, int alpha);
  // The raw pixel at (x, y), 0 outside the surface.
  uint32_t PixelAt(int x, int y) const;

 private:
  friend class TReportedWrite;
  void WrittenUnreported() {
    if (reportedWrites_ == 0) {
      DrawnAll();
      if (pendingOn_ || holdingFor_) SettleAll();
    }
    if (recording_) recording_->Spoil();
  }
  void ReadUnreported() const {
    if (pendingOn_ && reportedWrites_ == 0) TakeAllPending();
  }
  // Before drawing within rect: the pending pixels it overlaps are copied in (or dropped, when
  // it overwrites them), and those this surface holds for another are handed over.
  void BeforeWriting(const TRect& rect, TWriteKind kind);
  // This surface's own pixels all here, and none of another's held here.
  void SettleAll();
  // Copies in every pending pixel. Const because reading needs it; the device's surfaces, the only
  // ones with pending pixels, are never const objects.
  void TakeAllPending() const;
  void CopyIn(const TRect& rect);
  void Unlink();

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
  TPendingPixels pending_;
  TDirectDrawSurface* pendingOn_ = nullptr;   // the surface holding this one's pending pixels
  TDirectDrawSurface* holdingFor_ = nullptr;  // the surface whose pending pixels lie here
};

// Reports that drawing on the surface stays within rect while it is open (they may nest), and how it
// treats the pixels there. Drawing this way while the surface records spoils the recording.
class TReportedWrite {
 public:
  TReportedWrite(TDirectDrawSurface& surface, const TRect& rect, TWriteKind kind = TWriteKind::Within)
      : surface_(surface) {
    if (surface.recording_) surface.recording_->Spoil();
    if (surface.pendingOn_ || surface.holdingFor_) surface.BeforeWriting(rect, kind);
    surface.Drawn(rect);
    ++surface.reportedWrites_;
  }
  ~TReportedWrite() { --surface_.reportedWrites_; }
  TReportedWrite(const TReportedWrite&) = delete;
  TReportedWrite& operator=(const TReportedWrite&) = delete;

 private:
  TDirectDrawSurface& surface_;
};
