#include "forms/image.h"

void TImage::SetPicture(TPicture picture) {
  picture_ = std::move(picture);
  ++version_;
}

TRect TImage::PictureRect() const {
  const TRect area = ScreenRect();
  if (Stretch || picture_.Empty()) return area;
  int x = area.Left;
  int y = area.Top;
  if (Center) {
    x += (area.Width() - picture_.Width) / 2;
    y += (area.Height() - picture_.Height) / 2;
  }
  return Bounds(x, y, picture_.Width, picture_.Height);
}
