// dxlib sheet FILE OUT.png: a contact sheet of an image library. Every item gets a heading with
// its name, size and pattern count, then its patterns in order, each labelled with its index;
// consecutive items of one pattern and one size (the frames of an LED show) share a heading and
// rows, each labelled with its item index.
// Pixels that the colour key hides in play (compared as the 16-bit surface sees them) show a grey
// checkerboard, so what is drawn and what is not can be told apart.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "media/errors.h"
#include "tools/dxlib/command.h"
#include "tools/dxlib/library_file.h"
#include "tools/dxlib/picture_marks.h"
#include "tools/dxlib/png_file.h"

namespace {

constexpr int kSheetWidth = 1024;      // at least; wider when one pattern needs more
constexpr int kPad = 6;
constexpr int kLabelHeight = 12;       // one line of the built-in label font
constexpr int kMaxPatternsShown = 1024;  // per item; the heading says how many were left out
constexpr int64_t kMaxSheetPixels = 64 << 20;

constexpr uint32_t kBackground = 0xE4E4E0;
constexpr uint32_t kInk = 0x202028;
constexpr uint32_t kCheckerA = 0xB4BCC4, kCheckerB = 0x9CA4AC;


struct Layout {
  int CellWidth = 0, CellHeight = 0, Columns = 1, Shown = 0, Rows = 0;
  int Height() const { return kLabelHeight + kPad + Rows * CellHeight; }
};

Layout LayoutOf(const TPictureCollectionItem& item, int cells, int sheetWidth) {
  Layout l;
  l.CellWidth = std::max(item.Width(), 24) + kPad;
  l.CellHeight = item.Height() + kLabelHeight + kPad;
  l.Columns = std::max(1, (sheetWidth - kPad) / l.CellWidth);
  l.Shown = std::min(cells, kMaxPatternsShown);
  l.Rows = (l.Shown + l.Columns - 1) / l.Columns;
  return l;
}

// What one heading covers: an item and its patterns, or a run of consecutive items of one pattern
// each and one size (the frames of an LED show), which share rows instead of taking one each.
struct Block {
  int First = 0;
  int Items = 1;
  Layout L;
};

bool SingleOfSize(const TPictureCollectionItem& item, int width, int height) {
  return item.PatternTotal() == 1 && item.Width() == width && item.Height() == height;
}

std::vector<Block> BlocksOf(const TPictureCollection& images, int sheetWidth) {
  std::vector<Block> blocks;
  for (int i = 0; i < images.Count();) {
    const TPictureCollectionItem& item = images.Items(i);
    Block block{i, 1, {}};
    if (item.PatternTotal() == 1) {
      while (i + block.Items < images.Count() && block.Items < kMaxPatternsShown &&
             SingleOfSize(images.Items(i + block.Items), item.Width(), item.Height())) {
        ++block.Items;
      }
    }
    block.L = LayoutOf(item, block.Items > 1 ? block.Items : item.PatternTotal(), sheetWidth);
    blocks.push_back(block);
    i += block.Items;
  }
  return blocks;
}

class Sheet {
 public:
  Sheet(int width, int height) {
    picture_.Width = width;
    picture_.Height = height;
    picture_.Pixels.assign(static_cast<size_t>(width) * height, kBackground);
  }

  void Put(int x, int y, uint32_t rgb) { PutMark(picture_, x, y, rgb); }

  // Text in stb's small built-in font.
  void Label(int x, int y, const std::string& text) { DrawLabel(picture_, x, y, text, kInk); }

  void Pattern(const TPictureCollectionItem& item, int index, int x, int y) {
    const TRect r = item.PatternRect(index);
    const TPicture& pic = item.Picture();
    const TColor key = item.TransparentColor();
    const uint32_t keyRgb = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
    const uint16_t key16 = To565(keyRgb);
    for (int py = 0; py < r.Height(); ++py) {
      for (int px = 0; px < r.Width(); ++px) {
        const int sx = r.Left + px, sy = r.Top + py;
        if (sx < 0 || sy < 0 || sx >= pic.Width || sy >= pic.Height) continue;
        const uint32_t c = pic.At(sx, sy) & 0xFFFFFF;
        const bool hidden = item.Transparent && key <= 0xFFFFFF && To565(c) == key16;
        Put(x + px, y + py, hidden ? (((px >> 2) + (py >> 2)) % 2 ? kCheckerA : kCheckerB) : c);
      }
    }
  }

  const TPicture& Picture() const { return picture_; }

 private:
  TPicture picture_;
};

int RunSheet(const std::vector<std::string>& args, TCommandOutput& out) {
  RequireArguments(args, 2);
  TLoadedLibrary library;
  LoadLibrary(args[0], library);
  if (library.Kind != TLibraryKind::Image) throw EReadError(args[0] + " is not an image library");
  const TPictureCollection& images = library.Images;

  int width = kSheetWidth;
  for (int i = 0; i < images.Count(); ++i) width = std::max(width, images.Items(i).Width() + 3 * kPad);
  int64_t height = kPad;
  const std::vector<Block> blocks = BlocksOf(images, width);
  for (const Block& block : blocks) {
    height += block.L.Height() + kPad;
    if (height * width > kMaxSheetPixels) {
      throw EStreamError(Fmt("The sheet of %s would be too large to write", args[0].c_str()));
    }
  }

  Sheet sheet(width, static_cast<int>(height));
  int y = kPad;
  for (const Block& block : blocks) {
    const TPictureCollectionItem& item = images.Items(block.First);
    const Layout& l = block.L;
    std::string heading;
    if (block.Items > 1) {
      const int last = block.First + block.Items - 1;
      heading = Fmt("%d..%d  %s .. %s   %d x %d, 1 pattern each, labelled with the item index", block.First, last,
                    item.Name().c_str(), images.Items(last).Name().c_str(), item.Width(), item.Height());
    } else {
      heading = Fmt("%d  %s   %d x %d, %d pattern%s", block.First, item.Name().c_str(), item.Width(), item.Height(),
                    item.PatternTotal(), item.PatternTotal() == 1 ? "" : "s");
      if (l.Shown < item.PatternTotal()) heading += Fmt(" (first %d shown)", l.Shown);
    }
    sheet.Label(kPad, y, heading);
    const int top = y + kLabelHeight + kPad;
    for (int cell = 0; cell < l.Shown; ++cell) {
      const int cx = kPad + (cell % l.Columns) * l.CellWidth;
      const int cy = top + (cell / l.Columns) * l.CellHeight;
      if (block.Items > 1) {
        sheet.Pattern(images.Items(block.First + cell), 0, cx, cy);
        sheet.Label(cx, cy + item.Height() + 1, std::to_string(block.First + cell));
      } else {
        sheet.Pattern(item, cell, cx, cy);
        sheet.Label(cx, cy + item.Height() + 1, std::to_string(cell));
      }
    }
    y += l.Height() + kPad;
  }
  WritePng(args[1], sheet.Picture());
  out.Print("%s: %d items, %d x %d pixels\n", args[1].c_str(), images.Count(), width, static_cast<int>(height));
  return 0;
}

const TCommandRegistrar kSheet({"sheet", "sheet FILE OUT.png",
                                "draw every pattern of an image library on one labelled PNG",
                                "sheet: each item gets a heading (index, name, pattern size, pattern count)\n"
                                "  and its patterns in order, each labelled with its index. Consecutive\n"
                                "  items of one pattern and one size (the frames of an LED show) share a\n"
                                "  heading and rows, each labelled with its item index. Pixels hidden\n"
                                "  by the colour key (as a 16-bit surface sees them) show a grey\n"
                                "  checkerboard. At most 1024 patterns of an item are drawn.\n",
                                RunSheet});

}  // namespace
