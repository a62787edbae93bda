#include "tests/support/test_pictures.h"

TPicture Solid(int width, int height, uint32_t rgb) {
  TPicture picture;
  picture.Width = width;
  picture.Height = height;
  picture.Pixels.assign(static_cast<size_t>(width) * height, rgb);
  return picture;
}

TPictureItemData Strip(const std::string& name, int w, int h, int count, uint32_t rgb) {
  TPictureItemData item;
  item.Name = name;
  item.PatternWidth = w;
  item.PatternHeight = h;
  item.Picture = Solid(w * count, h, rgb);
  for (int p = 0; p < count; ++p) {
    const uint32_t shade = rgb ^ static_cast<uint32_t>((p & 7) << 3);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) item.Picture.Pixels[static_cast<size_t>(y) * w * count + p * w + x] = shade;
    }
  }
  return item;
}

TPictureItemData Single(const std::string& name, int w, int h, uint32_t rgb) { return Strip(name, w, h, 1, rgb); }
