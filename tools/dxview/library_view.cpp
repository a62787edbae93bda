#include "library_view.h"

#include <cstdio>

#include "media/errors.h"
#include "media/pixel_format.h"

namespace {

const char* YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

std::vector<std::string> DescribeImage(const TPictureCollectionItem& item, int pattern) {
  const TPicture& picture = item.Picture();
  std::vector<std::string> lines;
  lines.push_back(Fmt("Name: %s", item.Name().c_str()));
  lines.push_back(Fmt("Picture: %d x %d pixels", picture.Width, picture.Height));
  lines.push_back(Fmt("Pattern %d of %d: %d x %d (PatternWidth %d, PatternHeight %d, SkipWidth %d, SkipHeight %d)",
                      pattern + 1, item.PatternTotal(), item.Width(), item.Height(), item.PatternWidth,
                      item.PatternHeight, item.SkipWidth, item.SkipHeight));
  const TColor key = item.TransparentColor();
  lines.push_back(Fmt("Transparent: %s, TransparentColor $%08X (R %d G %d B %d), SystemMemory: %s",
                      YesNo(item.Transparent), key, GetRValue(key), GetGValue(key), GetBValue(key),
                      YesNo(item.SystemMemory)));
  return lines;
}

std::vector<std::string> DescribeSound(const TWaveCollectionItem& item) {
  const TWave& wave = item.Wave();
  std::vector<std::string> lines;
  lines.push_back(Fmt("Name: %s", item.Name().c_str()));
  const uint32_t perSecond = wave.AvgBytesPerSecond();
  const double seconds = perSecond ? static_cast<double>(wave.Data.size()) / perSecond : 0.0;
  lines.push_back(Fmt("Format tag %d: %u Hz, %d bits, %d channel(s)", wave.FormatTag(), wave.SamplesPerSecond(),
                      wave.BitsPerSample(), wave.Channels()));
  char length[32];
  std::snprintf(length, sizeof length, "%.2f", seconds);
  lines.push_back(Fmt("Data: %zu bytes, %s seconds", wave.Data.size(), length));
  lines.push_back(Fmt("Looped: %s, MaxPlayingCount: %d", YesNo(item.Looped()), item.MaxPlayingCount()));
  return lines;
}

TPicture PatternPicture(const TPictureCollectionItem& item, int pattern) {
  TPicture out;
  const TPicture& picture = item.Picture();
  if (pattern < 0 || pattern >= item.PatternTotal() || picture.Empty()) return out;
  const TRect r = item.PatternRect(pattern);
  if (r.Left < 0 || r.Top < 0 || r.Right > picture.Width || r.Bottom > picture.Height || r.Width() <= 0 ||
      r.Height() <= 0) {
    return out;
  }
  out.Width = r.Width();
  out.Height = r.Height();
  out.Pixels.resize(static_cast<size_t>(out.Width) * out.Height);
  // A pixel is transparent when its 16-bit value equals the key's, as on the drawing surfaces.
  const uint16_t key = PackColor(item.TransparentColor(), TPixelFormat::RGB565);
  for (int y = 0; y < out.Height; ++y) {
    for (int x = 0; x < out.Width; ++x) {
      uint32_t pixel = picture.At(r.Left + x, r.Top + y);
      if (item.Transparent && PackPicturePixel(pixel, TPixelFormat::RGB565) == key) {
        pixel = ((x / 8 + y / 8) % 2) ? 0x9A9A9A : 0x6A6A6A;
      }
      out.Pixels[static_cast<size_t>(y) * out.Width + x] = pixel;
    }
  }
  return out;
}
