#include "forms/image.h"

const TPicture& TImage::Picture() const {
  if (make_) {
    picture_ = make_();
    make_ = nullptr;
  }
  return picture_;
}

void TImage::SetPicture(TPicture picture) {
  picture_ = std::move(picture);
  make_ = nullptr;
  ++version_;
}

void TImage::SetPicture(std::function<TPicture()> make) {
  picture_ = TPicture();
  make_ = std::move(make);
  ++version_;
}

TRect TImage::PictureRect() const {
  const TRect area = ScreenRect();
  const TPicture& picture = Picture();
  if (Stretch || picture.Empty()) return area;
  int x = area.Left;
  int y = area.Top;
  if (Center) {
    x += (area.Width() - picture.Width) / 2;
    y += (area.Height() - picture.Height) / 2;
  }
  return Bounds(x, y, picture.Width, picture.Height);
}
