#include "tools/dxlib/picture_marks.h"

#include <vector>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include "stb_easy_font.h"
#pragma GCC diagnostic pop

namespace {

// stb's font draws a glyph as at most 11 strokes, each a quad of 64 bytes; a buffer that is too
// small drops the strokes that do not fit, leaving labels such as "8" unreadable.
constexpr size_t kLabelBytesPerGlyph = 11 * 64;

}  // namespace

void PutMark(TPicture& picture, int x, int y, uint32_t rgb) {
  if (x >= 0 && y >= 0 && x < picture.Width && y < picture.Height) {
    picture.Pixels[static_cast<size_t>(y) * picture.Width + x] = rgb;
  }
}

void FillMark(TPicture& picture, int x, int y, int w, int h, uint32_t rgb) {
  for (int py = y; py < y + h; ++py) {
    for (int px = x; px < x + w; ++px) PutMark(picture, px, py, rgb);
  }
}

int DrawLabel(TPicture& picture, int x, int y, const std::string& text, uint32_t ink) {
  std::vector<char> buffer(text.size() * kLabelBytesPerGlyph + 64);
  std::string copy = text;
  const int quads = stb_easy_font_print(static_cast<float>(x), static_cast<float>(y), copy.data(), nullptr,
                                        buffer.data(), static_cast<int>(buffer.size()));
  const float* v = reinterpret_cast<const float*>(buffer.data());
  for (int q = 0; q < quads; ++q) {
    const float* quad = v + q * 16;  // four vertices of x, y, z and a colour word
    const int x0 = static_cast<int>(quad[0]), y0 = static_cast<int>(quad[1]);
    const int x1 = static_cast<int>(quad[8]), y1 = static_cast<int>(quad[9]);
    FillMark(picture, x0, y0, x1 - x0, y1 - y0, ink);
  }
  return LabelWidth(text);
}

int LabelWidth(const std::string& text) {
  std::string copy = text;
  return stb_easy_font_width(copy.data());
}

uint16_t To565(uint32_t rgb) {
  return static_cast<uint16_t>((((rgb >> 19) & 31) << 11) | (((rgb >> 10) & 63) << 5) | ((rgb >> 3) & 31));
}
