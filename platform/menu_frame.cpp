#include "platform/menu_frame.h"

#include <algorithm>

#include "forms/image.h"

namespace {

void DrawPicture(const TImage& image, int width, int height, TPixelFormat format, std::vector<uint16_t>& frame) {
  const TPicture& picture = image.Picture();
  if (picture.Empty()) return;
  const TRect dest = image.PictureRect();
  if (dest.Width() <= 0 || dest.Height() <= 0) return;
  // The control's own bounds clip an unscaled picture larger than the control.
  const TRect area = image.ScreenRect();
  const int left = std::max({dest.Left, area.Left, 0});
  const int top = std::max({dest.Top, area.Top, 0});
  const int right = std::min({dest.Right, area.Right, width});
  const int bottom = std::min({dest.Bottom, area.Bottom, height});
  for (int y = top; y < bottom; ++y) {
    const int sy = static_cast<int>(static_cast<int64_t>(y - dest.Top) * picture.Height / dest.Height());
    uint16_t* row = frame.data() + static_cast<size_t>(y) * width;
    for (int x = left; x < right; ++x) {
      const int sx = static_cast<int>(static_cast<int64_t>(x - dest.Left) * picture.Width / dest.Width());
      row[x] = PackPicturePixel(picture.At(sx, sy), format);
    }
  }
}

void DrawTree(TControl& control, int width, int height, TPixelFormat format, std::vector<uint16_t>& frame) {
  if (!control.Visible) return;
  if (auto* image = dynamic_cast<TImage*>(&control)) DrawPicture(*image, width, height, format, frame);
  for (TControl* child : control.Children()) DrawTree(*child, width, height, format, frame);
}

}  // namespace

void ComposeMenuFrame(TForm& form, int width, int height, TPixelFormat format, std::vector<uint16_t>& frame) {
  const TColor background = form.Color == clNone ? clBlack : form.Color;
  frame.assign(static_cast<size_t>(width) * height, PackColor(background, format));
  DrawTree(form, width, height, format, frame);
}
