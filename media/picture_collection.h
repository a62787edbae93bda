// Image libraries in memory: a TPictureCollection of TPictureCollectionItem, each a named picture
// cut into a grid of patterns (animation frames), found by name without regard to letter case.
//
// Pattern geometry, for a picture of W x H pixels:
//   w = PatternWidth if > 0 else W;  h = PatternHeight if > 0 else H
//   strideX = w + SkipWidth;  strideY = h + SkipHeight
//   columns = (W + SkipWidth) div strideX;  rows = (H + SkipHeight) div strideY
//   pattern i: row i div columns, column i mod columns, at (column*strideX, row*strideY), size w x h
//   PatternTotal = columns * rows;  Width = w;  Height = h
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "media/dib.h"
#include "media/geometry.h"
#include "media/item_surfaces.h"
#include "media/name_index.h"
#include "media/picture.h"

class TDXDraw;
class TDirectDrawSurface;
class TPictureCollection;

class TPictureCollectionItem : public TNamedItem {
 public:
  explicit TPictureCollectionItem(TPictureCollection& collection);
  ~TPictureCollectionItem();

  // The library that owns the item.
  TPictureCollection& Collection() const { return collection_; }

  int32_t PatternWidth = 0;
  int32_t PatternHeight = 0;
  int32_t SkipWidth = 0;
  int32_t SkipHeight = 0;
  bool SystemMemory = false;
  bool Transparent = true;

  TColor TransparentColor() const { return transparentColor_; }
  // Sets the colour key and re-derives it on every surface already built.
  void SetTransparentColor(TColor color);

  // The picture as stored, which the drawing device builds its surfaces from.
  const TDib& Dib() const { return dib_; }
  // The picture as 0x00RRGGBB pixels, decoded on first use and kept.
  const TPicture& Picture() const;
  void SetPicture(TDib dib);
  void SetPicture(TPicture picture);

  // Pattern geometry (see the top of this file).
  TPatternGrid Grid() const;
  int Width() const;
  int Height() const;
  int PatternTotal() const;
  // Rectangle of pattern i within the picture (empty for a pattern outside 0..PatternTotal-1).
  TRect PatternRect(int pattern) const;

  // Drawing (no effect before the device is initialised or for a pattern outside 0..PatternTotal-1).
  // A destination that records (draw_list.h) notes the call instead.
  void Draw(TDirectDrawSurface& dest, int x, int y, int pattern);
  // Draw, leaving the destination's rows from clipBottom down alone (what is drawn over them later).
  void DrawAbove(TDirectDrawSurface& dest, int x, int y, int pattern, int clipBottom);
  // Draw, changing only the destination's pixels within clip.
  void DrawWithin(TDirectDrawSurface& dest, int x, int y, int pattern, const TRect& clip);
  void DrawStretched(TDirectDrawSurface& dest, const TRect& destRect, int pattern);
  void DrawBlended(TDirectDrawSurface& dest, const TRect& destRect, int pattern, int alpha);
  // DrawBlended, changing only the destination's pixels within clip.
  void DrawBlendedWithin(TDirectDrawSurface& dest, const TRect& destRect, int pattern, int alpha, const TRect& clip);
  // The surface holding pattern i, or nullptr.
  TDirectDrawSurface* PatternSurface(int pattern);

  // Surfaces built from the picture by the drawing device; see item_surfaces.h. Those of a library
  // that builds them on first draw are built here when still pending.
  TItemSurfaces& Surfaces() {
    if (surfaces_.Pending) BuildSurfaces();
    return surfaces_;
  }
  // Whether the surfaces wait for the item's first draw.
  bool SurfacesPending() const { return surfaces_.Pending; }

 private:
  friend class TPictureCollection;
  void BuildSurfaces();

  TPictureCollection& collection_;
  TColor transparentColor_ = clBlack;
  TDib dib_;
  mutable std::optional<TPicture> decoded_;
  TItemSurfaces surfaces_;
  // PatternTotal's last answer and the fields it came from: play asks for it every tick, and the
  // grid costs divisions. The fields are public, so they are compared on each call.
  mutable std::array<int32_t, 6> totalFields_{};
  mutable int total_ = 0;
};

class TPictureCollection : public TNamedCollection<TPictureCollectionItem> {
 public:
  TPictureCollection();
  ~TPictureCollection();

  // 256 palette entries of 4 bytes, read and kept.
  std::vector<uint8_t> ColorTable = std::vector<uint8_t>(1024, 0);

  // The drawing device this library is registered with (set by TDXImageList), or nullptr.
  TDXDraw* DXDraw = nullptr;
  // When set, an item's surfaces are built the first time it is drawn (or asked for its surfaces)
  // rather than all at once as the device initialises or the library loads, for a library most of
  // whose pictures a screen does not show; PreloadImages builds them all. Surfaces once built are
  // rebuilt at once when the device restores them.
  bool SurfacesOnFirstDraw = false;

  // The item found through the name index (the one named last among equal names).
  // Raises EPictureCollectionError "Image '%s' not found".
  TPictureCollectionItem& Find(const std::string& name);
  // Appends a new item with the default fields and an empty name.
  TPictureCollectionItem& Add();

  // Loads a library file, replacing the content. The file is opened before anything is removed;
  // a missing or unreadable file raises EFOpenError "Cannot open file %s". Pictures keep pointing
  // into the file's bytes, which stay in memory while any of them does.
  void ReadFromFile(const std::string& path);
  // Removes every item, then reads a library from memory (pictures copy what they need). On a read
  // error the items read so far stay and the error propagates.
  void ReadFromStream(const uint8_t* data, size_t size);
  // The same for a library that stays in memory as long as the program runs (one compiled into
  // it): pictures point into it instead of copying.
  void ReadFromLastingBytes(const uint8_t* data, size_t size);

  // Builds every item's surfaces, or marks them pending (SurfacesOnFirstDraw), while the device is
  // initialised; frees them when it is finalised.
  void RestoreSurfaces();
  void FinalizeSurfaces();

 private:
  // Reads a library from data; `file`, when given, holds data and lets pictures point into it.
  void Load(const uint8_t* data, size_t size, const TSharedBytes& file);
  // After a load: builds the surfaces at once when the device is already initialised.
  void AfterLoad();
};
