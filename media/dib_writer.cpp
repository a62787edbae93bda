#include "media/dib_writer.h"

#include <algorithm>
#include <unordered_map>

namespace {

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

// The sorted colours of the picture, or nothing when there are more than 256.
std::vector<uint32_t> PaletteOf(const TPicture& picture) {
  std::vector<uint32_t> colors;
  uint32_t last = 0;
  bool haveLast = false;
  for (uint32_t pixel : picture.Pixels) {
    if (haveLast && pixel == last) continue;
    last = pixel;
    haveLast = true;
    if (std::find(colors.begin(), colors.end(), pixel) != colors.end()) continue;
    if (colors.size() == 256) return {};
    colors.push_back(pixel);
  }
  std::sort(colors.begin(), colors.end());
  return colors;
}

// One row of 8-bit RLE code: repeats as (n, v), other stretches as literal runs.
void EncodeRleRow(const uint8_t* row, int width, std::vector<uint8_t>& out) {
  int i = 0;
  while (i < width) {
    int run = 1;
    while (i + run < width && run < 255 && row[i + run] == row[i]) ++run;
    if (run >= 2) {
      out.push_back(static_cast<uint8_t>(run));
      out.push_back(row[i]);
      i += run;
      continue;
    }
    int end = i;
    while (end < width && end - i < 255) {
      if (end + 2 < width && row[end] == row[end + 1] && row[end] == row[end + 2]) break;
      ++end;
    }
    const int count = end - i;
    if (count >= 3) {
      out.push_back(0);
      out.push_back(static_cast<uint8_t>(count));
      out.insert(out.end(), row + i, row + end);
      if (count & 1) out.push_back(0);
    } else {
      for (int k = i; k < end; ++k) {
        out.push_back(1);
        out.push_back(row[k]);
      }
    }
    i = end;
  }
}

void PutHeader(std::vector<uint8_t>& out, const TPicture& picture, uint32_t bitCount,
               uint32_t compression, uint32_t imageSize, uint32_t colorsUsed) {
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(picture.Width));
  PutU32(out, static_cast<uint32_t>(picture.Height));
  PutU16(out, 1);
  PutU16(out, bitCount);
  PutU32(out, compression);
  PutU32(out, imageSize);
  PutU32(out, 2835);  // 72 dots per inch
  PutU32(out, 2835);
  PutU32(out, colorsUsed);
  PutU32(out, 0);
}

std::vector<uint8_t> EncodeIndexed(const TPicture& picture, const std::vector<uint32_t>& colors) {
  const int width = picture.Width;
  const int height = picture.Height;
  std::unordered_map<uint32_t, uint8_t> indexOf;
  for (size_t i = 0; i < colors.size(); ++i) indexOf[colors[i]] = static_cast<uint8_t>(i);
  const size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
  std::vector<uint8_t> raw(stride * height, 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = raw.data() + (height - 1 - y) * stride;
    uint32_t last = picture.At(0, y);
    uint8_t lastIndex = indexOf[last];
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = picture.At(x, y);
      if (pixel != last) {
        last = pixel;
        lastIndex = indexOf[pixel];
      }
      row[x] = lastIndex;
    }
  }
  std::vector<uint8_t> rle;
  for (int y = 0; y < height && rle.size() < raw.size(); ++y) {
    EncodeRleRow(raw.data() + y * stride, width, rle);
    rle.push_back(0);
    rle.push_back(y + 1 < height ? 0 : 1);
  }
  const bool useRle = rle.size() < raw.size();
  const std::vector<uint8_t>& pixels = useRle ? rle : raw;
  std::vector<uint8_t> out;
  out.reserve(40 + colors.size() * 4 + pixels.size());
  PutHeader(out, picture, 8, useRle ? 1 : 0, static_cast<uint32_t>(pixels.size()),
            static_cast<uint32_t>(colors.size()));
  for (uint32_t color : colors) PutU32(out, color & 0xFFFFFF);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

std::vector<uint8_t> EncodeTrueColor(const TPicture& picture) {
  const int width = picture.Width;
  const int height = picture.Height;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> out;
  out.reserve(40 + stride * height);
  PutHeader(out, picture, 24, 0, static_cast<uint32_t>(stride * height), 0);
  const size_t start = out.size();
  out.resize(start + stride * height, 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = out.data() + start + (height - 1 - y) * stride;
    for (int x = 0; x < width; ++x, row += 3) {
      const uint32_t pixel = picture.At(x, y);
      row[0] = static_cast<uint8_t>(pixel);
      row[1] = static_cast<uint8_t>(pixel >> 8);
      row[2] = static_cast<uint8_t>(pixel >> 16);
    }
  }
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeDib(const TPicture& picture) {
  if (picture.Empty()) {
    TPicture none;
    std::vector<uint8_t> out;
    PutHeader(out, none, 24, 0, 0, 0);
    return out;
  }
  const std::vector<uint32_t> colors = PaletteOf(picture);
  return colors.empty() ? EncodeTrueColor(picture) : EncodeIndexed(picture, colors);
}

std::vector<uint8_t> EncodeBitmapFile(const TPicture& picture) {
  const std::vector<uint8_t> dib = EncodeDib(picture);
  // The pixel rows follow the header and the colour table.
  const uint32_t colorsUsed = dib[32] | (dib[33] << 8) | (dib[34] << 16) | (uint32_t{dib[35]} << 24);
  std::vector<uint8_t> out{'B', 'M'};
  PutU32(out, static_cast<uint32_t>(14 + dib.size()));
  PutU32(out, 0);
  PutU32(out, 14 + 40 + colorsUsed * 4);
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}
