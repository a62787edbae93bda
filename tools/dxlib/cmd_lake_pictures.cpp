// The pictures of dxlib lake: the palette to paint lakes with, and a whole lake drawn as play
// draws it. Play places each cell's picture at x = (row mod 2) * tileWidth / 2 + col * tileWidth,
// y = row * tileHeight / 2 - (picture height - tileHeight), so tall items rise above their diamond,
// in row order; pixels that the colour key hides (compared as the 16-bit screen sees them) are not
// drawn. Animated tiles show their first pattern.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "fishing/iso_map.h"
#include "fishing/lake_map.h"
#include "media/errors.h"
#include "tools/dxlib/command.h"
#include "tools/dxlib/library_file.h"
#include "tools/dxlib/picture_marks.h"
#include "tools/dxlib/png_file.h"
#include "tools/lakemaker/tile_key.h"

namespace {

constexpr int64_t kMaxPixels = 64 << 20;
constexpr int kLabelHeight = 12;

class TCanvas {
 public:
  TCanvas(int width, int height, uint32_t background) {
    picture_.Width = width;
    picture_.Height = height;
    picture_.Pixels.assign(static_cast<size_t>(width) * height, background);
  }

  void Put(int x, int y, uint32_t rgb) { PutMark(picture_, x, y, rgb); }
  void Box(int x, int y, int w, int h, uint32_t rgb) { FillMark(picture_, x, y, w, h, rgb); }
  // Text in stb's small built-in font; returns its width.
  int Label(int x, int y, const std::string& text, uint32_t ink) { return DrawLabel(picture_, x, y, text, ink); }

  // A label on a dark plate, so it reads over any tile.
  void Plate(int x, int y, const std::string& text) {
    Box(x - 2, y - 2, LabelWidth(text) + 4, kLabelHeight, 0x101018);
    Label(x, y, text, 0xFFFFFF);
  }

  TPicture& Picture() { return picture_; }

 private:
  TPicture picture_;
};

void DrawItem(TCanvas& canvas, const TPictureCollectionItem& item, int x, int y) {
  const TRect r = item.PatternRect(0);
  const TPicture& pic = item.Picture();
  const TColor key = item.TransparentColor();
  const uint16_t key16 = To565((GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key));
  for (int py = 0; py < r.Height(); ++py) {
    for (int px = 0; px < r.Width(); ++px) {
      const int sx = r.Left + px, sy = r.Top + py;
      if (sx < 0 || sy < 0 || sx >= pic.Width || sy >= pic.Height) continue;
      const uint32_t c = pic.At(sx, sy) & 0xFFFFFF;
      if (item.Transparent && key <= 0xFFFFFF && To565(c) == key16) continue;
      canvas.Put(x + px, y + py, c);
    }
  }
}

// A ring around a world point, and a label beside it.
void Mark(TCanvas& canvas, int x, int y, const std::string& text) {
  for (int a = 0; a < 64; ++a) {
    const double t = a * 3.14159265358979 / 32;
    for (int k = 5; k <= 6; ++k) {
      canvas.Put(x + static_cast<int>(k * std::cos(t)), y + static_cast<int>(k * std::sin(t)), 0xFFFF40);
    }
  }
  canvas.Plate(x + 9, y - 4, text);
}

}  // namespace

int RunLakePalette(const std::string& outPng, TCommandOutput& out) {
  const std::vector<TTileKind>& kinds = TileKinds();
  constexpr int kRow = 24;
  TCanvas canvas(360, 30 + static_cast<int>(kinds.size()) * kRow, 0xF4F2EC);
  canvas.Label(8, 8, "Lake palette: one pixel a cell, these colours exactly", 0x202028);
  int y = 30;
  for (const TTileKind& kind : kinds) {
    canvas.Box(8, y, 48, kRow - 4, kind.colour);
    canvas.Label(66, y + 6, Fmt("#%06X  %c  %s", kind.colour, kind.symbol, kind.name), 0x202028);
    y += kRow;
  }
  WritePng(outPng, canvas.Picture());
  out.Print("wrote %s (%zu colours)\n", outPng.c_str(), kinds.size());
  return 0;
}

int RunLakeDraw(const std::string& isoPath, const std::string& tilesPath, const std::string& outPng, bool objects,
                TCommandOutput& out) {
  const TIsoMap map = ReadIsoMap(isoPath);
  TLoadedLibrary library;
  LoadLibrary(tilesPath, library);
  if (library.Kind != TLibraryKind::Image) throw EDataError(tilesPath + " is a sound library, not a tile library");
  const TPictureCollection& tiles = library.Images;
  const int tw = map.tileWidth;
  const int hw = tw / 2;
  const int hh = map.tileHeight / 2;
  // Room above the first row for the tallest item.
  int top = 0;
  for (int i = 0; i < tiles.Count(); ++i) top = std::max(top, tiles.Items(i).Height() - map.tileHeight);
  const int64_t width = int64_t{map.lastCol + 1} * tw + hw;
  const int64_t height = top + int64_t{map.lastRow + 2} * hh;
  if (width * height > kMaxPixels) {
    throw EDataError(Fmt("%s is %lld x %lld pixels when drawn, more than the %lld dxlib draws", isoPath.c_str(),
                         static_cast<long long>(width), static_cast<long long>(height),
                         static_cast<long long>(kMaxPixels)));
  }
  TCanvas canvas(static_cast<int>(width), static_cast<int>(height), 0x000000);
  int missing = 0;
  for (int r = 0; r <= map.lastRow; ++r) {
    for (int c = 0; c <= map.lastCol; ++c) {
      const int32_t tile = map.Cell(c, r);
      if (tile < 0 || tile >= tiles.Count()) {
        missing += tile != -1;
        continue;
      }
      const TPictureCollectionItem& item = tiles.Items(tile);
      DrawItem(canvas, item, (r % 2) * hw + c * tw, top + hh * r - (item.Height() - map.tileHeight));
    }
  }
  if (objects) {
    for (int i = 0; i < kMapObjectCount; ++i) {
      const TIsoObject& object = map.objects[i];
      const std::string name = NormalizedObjectName(object.name);
      if (name.empty()) continue;
      int x = object.col * tw + (object.row % 2) * hw + hw;  // the middle of the object's cell
      int y = object.row * hh + hh;
      if (name == "levelstart") {
        x = object.col * tw;
        y = object.row * hh;
      } else if (name == "singlefish" || name == "monster") {
        x = (object.col + 1) * tw;
        y = (object.row + 1) * hh;
      }
      Mark(canvas, x, top + y, Fmt("%d %s%s%s", i, name.c_str(), object.param.empty() ? "" : " ", object.param.c_str()));
    }
  }
  WritePng(outPng, canvas.Picture());
  if (missing > 0) out.Print("Note: %d cells use tile numbers %s has no picture for; play leaves them undrawn.\n",
                             missing, tilesPath.c_str());
  out.Print("wrote %s (%lld x %lld pixels)\n", outPng.c_str(), static_cast<long long>(width),
            static_cast<long long>(height));
  return 0;
}
