// An image library component: owns a TPictureCollection and registers it with a drawing device,
// which builds the items' surfaces while it is initialised.
#pragma once

#include "media/picture_collection.h"

class TDXDraw;

class TDXImageList {
 public:
  explicit TDXImageList(TDXDraw* dxDraw = nullptr);
  ~TDXImageList();
  TDXImageList(const TDXImageList&) = delete;
  TDXImageList& operator=(const TDXImageList&) = delete;

  TPictureCollection Items;

  TDXDraw* DXDraw() const { return Items.DXDraw; }
  // Moves the library to another device (or none).
  void SetDXDraw(TDXDraw* dxDraw);
};
