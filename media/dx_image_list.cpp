#include "media/dx_image_list.h"

#include "media/dx_draw.h"

TDXImageList::TDXImageList(TDXDraw* dxDraw) { SetDXDraw(dxDraw); }

TDXImageList::~TDXImageList() { SetDXDraw(nullptr); }

void TDXImageList::SetDXDraw(TDXDraw* dxDraw) {
  if (Items.DXDraw == dxDraw) return;
  if (Items.DXDraw) Items.DXDraw->UnregisterLibrary(Items);
  if (dxDraw) dxDraw->RegisterLibrary(Items);
}
