#include "tools/assetgen/sprites/image.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <stdexcept>

namespace sprites {

Image::Image(int width, int height, uint32_t fill)
    : Width(width), Height(height), Pixels(static_cast<size_t>(width) * height, fill) {}

Image FromCairo(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  Image out(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t p;
      std::memcpy(&p, data + static_cast<size_t>(y) * stride + 4 * x, 4);
      const int a = AlphaOf(p);
      if (a == 0) {
        out.At(x, y) = 0;
        continue;
      }
      auto un = [a](int c) { return std::min(255, (c * 255 + a / 2) / a); };
      out.At(x, y) = Argb(a, un(RedOf(p)), un(GreenOf(p)), un(BlueOf(p)));
    }
  }
  return out;
}

cairo_surface_t* ToCairo(const Image& image) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.Width, image.Height);
  const int stride = cairo_image_surface_get_stride(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const uint32_t c = image.At(x, y);
      const int a = AlphaOf(c);
      auto pre = [a](int v) { return (v * a + 127) / 255; };
      const uint32_t p = Argb(a, pre(RedOf(c)), pre(GreenOf(c)), pre(BlueOf(c)));
      std::memcpy(data + static_cast<size_t>(y) * stride + 4 * x, &p, 4);
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

void Harden(Image& image, int threshold) {
  for (uint32_t& p : image.Pixels) {
    p = AlphaOf(p) >= threshold ? (p | 0xFF000000u) : 0;
  }
}

void Outline(Image& image) {
  Image out = image;
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      if (image.Opaque(x, y)) continue;
      int n = 0, r = 0, g = 0, b = 0;
      const int dx[4] = {-1, 1, 0, 0};
      const int dy[4] = {0, 0, -1, 1};
      for (int k = 0; k < 4; ++k) {
        if (!image.Opaque(x + dx[k], y + dy[k])) continue;
        const uint32_t c = image.At(x + dx[k], y + dy[k]);
        r += RedOf(c);
        g += GreenOf(c);
        b += BlueOf(c);
        ++n;
      }
      if (n == 0) continue;
      // Mostly the outline colour, tinted a little by what it borders so edges stay soft.
      out.At(x, y) = Mix(kOutline, Rgb(r / n, g / n, b / n), 0.18);
    }
  }
  image = std::move(out);
}

void Blit(Image& dst, const Image& src, int x, int y) {
  for (int sy = 0; sy < src.Height; ++sy) {
    for (int sx = 0; sx < src.Width; ++sx) {
      if (!src.Opaque(sx, sy) || !dst.Inside(x + sx, y + sy)) continue;
      dst.At(x + sx, y + sy) = src.At(sx, sy);
    }
  }
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
  auto ch = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
  return Argb(AlphaOf(a), ch(RedOf(a), RedOf(b)), ch(GreenOf(a), GreenOf(b)),
              ch(BlueOf(a), BlueOf(b)));
}

uint32_t Shade(uint32_t c, double f) {
  auto ch = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
  return Argb(AlphaOf(c), ch(RedOf(c)), ch(GreenOf(c)), ch(BlueOf(c)));
}

void ReducePalette(Image& image, int colors) {
  std::map<uint32_t, int> histogram;
  for (uint32_t p : image.Pixels) {
    if (AlphaOf(p) != 0) ++histogram[p & 0xFFFFFF];
  }
  if (static_cast<int>(histogram.size()) <= colors) return;
  struct Entry {
    uint32_t Rgb;
    int Count;
  };
  std::vector<Entry> entries;
  for (auto [rgb, count] : histogram) entries.push_back({rgb, count});
  // Boxes are ranges of `entries`; each split sorts its box along the widest channel and cuts it
  // where half of its pixels lie on either side.
  struct Box {
    size_t Begin, End;
    int Channel = 0, Range = 0;
    int64_t Pixels = 0;
  };
  auto measure = [&entries](Box& b) {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    b.Pixels = 0;
    for (size_t i = b.Begin; i < b.End; ++i) {
      for (int c = 0; c < 3; ++c) {
        const int v = (entries[i].Rgb >> (16 - 8 * c)) & 255;
        lo[c] = std::min(lo[c], v);
        hi[c] = std::max(hi[c], v);
      }
      b.Pixels += entries[i].Count;
    }
    b.Channel = 0;
    for (int c = 1; c < 3; ++c) {
      if (hi[c] - lo[c] > hi[b.Channel] - lo[b.Channel]) b.Channel = c;
    }
    b.Range = hi[b.Channel] - lo[b.Channel];
  };
  std::vector<Box> boxes(1, Box{0, entries.size()});
  measure(boxes[0]);
  while (static_cast<int>(boxes.size()) < colors) {
    // Split the box whose colours spread widest, weighted by how much of the picture it covers.
    size_t pick = boxes.size();
    double best = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      const double score = boxes[i].Range * std::sqrt(static_cast<double>(boxes[i].Pixels));
      if (boxes[i].End - boxes[i].Begin > 1 && score > best) {
        best = score;
        pick = i;
      }
    }
    if (pick == boxes.size()) break;
    Box b = boxes[pick];
    const int shift = 16 - 8 * b.Channel;
    std::sort(entries.begin() + b.Begin, entries.begin() + b.End, [shift](const Entry& x, const Entry& y) {
      const int vx = (x.Rgb >> shift) & 255, vy = (y.Rgb >> shift) & 255;
      return vx != vy ? vx < vy : x.Rgb < y.Rgb;
    });
    int64_t seen = 0;
    size_t cut = b.Begin + 1;
    for (size_t i = b.Begin; i + 1 < b.End; ++i) {
      seen += entries[i].Count;
      cut = i + 1;
      if (2 * seen >= b.Pixels) break;
    }
    Box low{b.Begin, cut}, high{cut, b.End};
    measure(low);
    measure(high);
    boxes[pick] = low;
    boxes.push_back(high);
  }
  std::map<uint32_t, uint32_t> mapping;
  for (const Box& b : boxes) {
    int64_t r = 0, g = 0, bl = 0, n = 0;
    for (size_t i = b.Begin; i < b.End; ++i) {
      r += RedOf(entries[i].Rgb) * static_cast<int64_t>(entries[i].Count);
      g += GreenOf(entries[i].Rgb) * static_cast<int64_t>(entries[i].Count);
      bl += BlueOf(entries[i].Rgb) * static_cast<int64_t>(entries[i].Count);
      n += entries[i].Count;
    }
    const uint32_t mean = Rgb(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n),
                              static_cast<int>((bl + n / 2) / n)) & 0xFFFFFF;
    for (size_t i = b.Begin; i < b.End; ++i) mapping[entries[i].Rgb] = mean;
  }
  for (uint32_t& p : image.Pixels) {
    if (AlphaOf(p) != 0) p = 0xFF000000u | mapping[p & 0xFFFFFF];
  }
}

bool SameIn16Bits(uint32_t a, uint32_t b) {
  auto p565 = [](uint32_t c) {
    return ((RedOf(c) >> 3) << 11) | ((GreenOf(c) >> 2) << 5) | (BlueOf(c) >> 3);
  };
  auto p555 = [](uint32_t c) {
    return ((RedOf(c) >> 3) << 10) | ((GreenOf(c) >> 3) << 5) | (BlueOf(c) >> 3);
  };
  return p565(a) == p565(b) || p555(a) == p555(b);
}

TPicture ToPicture(const Image& image, TColor key) {
  const uint32_t keyRgb = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
  TPicture pic;
  pic.Width = image.Width;
  pic.Height = image.Height;
  pic.Pixels.resize(image.Pixels.size());
  for (size_t i = 0; i < image.Pixels.size(); ++i) {
    const uint32_t p = image.Pixels[i];
    if (AlphaOf(p) == 0) {
      pic.Pixels[i] = keyRgb;
      continue;
    }
    uint32_t rgb = p & 0xFFFFFF;
    // Step away from the key by whole 16-bit levels, towards the middle of the range.
    for (int step = 8; SameIn16Bits(rgb, keyRgb); step += 8) {
      auto away = [step](int v) { return v < 128 ? std::min(255, v + step) : std::max(0, v - step); };
      rgb = (away(RedOf(p)) << 16) | (away(GreenOf(p)) << 8) | away(BlueOf(p));
    }
    pic.Pixels[i] = rgb;
  }
  return pic;
}

TPictureItemData PatternSheet(const std::string& name, const std::vector<Image>& patterns,
                              int columns) {
  if (patterns.empty()) throw std::logic_error("no patterns for " + name);
  const int w = patterns[0].Width;
  const int h = patterns[0].Height;
  const int count = static_cast<int>(patterns.size());
  columns = std::min(columns, count);
  // The reader counts whole rows of patterns, so a partial last row would add empty patterns.
  if (count % columns != 0) throw std::logic_error("pattern count of " + name + " fills no grid");
  const int rows = (count + columns - 1) / columns;
  Image sheet(w * columns, h * rows);
  for (int i = 0; i < count; ++i) {
    if (patterns[i].Width != w || patterns[i].Height != h) {
      throw std::logic_error("patterns of unequal size in " + name);
    }
    Blit(sheet, patterns[i], (i % columns) * w, (i / columns) * h);
  }
  ReducePalette(sheet);
  TPictureItemData item;
  item.Name = name;
  item.PatternWidth = w;
  item.PatternHeight = h;
  item.Transparent = true;
  item.TransparentColor = clBlack;
  item.Picture = ToPicture(sheet);
  return item;
}

TPictureItemData SinglePicture(const std::string& name, const Image& image, bool transparent) {
  TPictureItemData item;
  item.Name = name;
  item.PatternWidth = image.Width;
  item.PatternHeight = image.Height;
  item.Transparent = transparent;
  item.TransparentColor = clBlack;
  Image reduced = image;
  ReducePalette(reduced);
  item.Picture = ToPicture(reduced);
  return item;
}

}  // namespace sprites
