// A lake source: the text a data maker writes for one lake, read into its parts. Sections:
//
//   [Lake Data]   the lake's rules, Key=value lines (the keys of lakes\NAME.ini); missing keys
//                 take their defaults
//   [Map]         the text map: one line a row, one character a cell (the key is in tile_key.h);
//                 every row as wide as the first. The map ends at the next line starting with "["
//   [Picture]     instead of [Map]: one line naming a PNG beside the source, one pixel a cell,
//                 painted in the colours of the key
//   [Objects]     one object a line: NAME COL ROW [PARAM] [: TEXT]
//   [Tiles]       cells whose tile number the key has no character for: COL ROW NUMBER
//
// Outside the map, lines whose first character other than a blank is "#" or ";" are comments.
// Problems are collected with the place they were found (line and column, or pixel) and reading
// goes on, so that a data maker sees every one at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lakemaker/lake_rules.h"

struct TSourceObject {
  std::string name;  // as written
  int32_t col = 0;
  int32_t row = 0;
  std::string param;
  std::string text;
  int line = 0;
};

struct TTileOverride {
  int32_t col = 0;
  int32_t row = 0;
  int32_t tile = 0;
  int line = 0;
};

// Problems in the order found, each a line of plain words starting with the place.
class TSourceProblems {
 public:
  void Add(const std::string& problem);
  bool Empty() const { return count_ == 0; }
  int Count() const { return count_; }
  // Every problem on its own line after prefix (at most the first 50, then how many more there are).
  std::string Text(const std::string& prefix) const;

 private:
  std::vector<std::string> lines_;
  int count_ = 0;
};

struct TLakeSource {
  TLakeRules rules;
  int32_t cols = 0;  // the map's size, lastCol + 1 and lastRow + 1
  int32_t rows = 0;
  std::vector<int32_t> cells;  // cells[col * rows + row]: tile numbers, grass and sand plain
  int mapLine = 0;             // the text map's first line, 0 when the map is a picture
  std::string picture;         // the [Picture] file name as written
  int pictureLine = 0;
  std::vector<TSourceObject> objects;
  std::vector<TTileOverride> tiles;

  // "line L, column C" in a text map, "pixel (X, Y)" in a picture.
  std::string Where(int col, int row) const;
};

// Reads the text of a source; the [Picture] section's file is only named, not read (see
// ReadLakeSourceFile).
TLakeSource ParseLakeSource(std::string_view text, TSourceProblems& problems);
// Reads a source file and, for a [Picture] source, its picture (relative to the source's folder).
TLakeSource ReadLakeSourceFile(const std::string& path, TSourceProblems& problems);
// Fills the map of a source from a picture's pixels (0x00RRGGBB, row by row).
void SetMapFromPixels(TLakeSource& source, int width, int height, const std::vector<uint32_t>& pixels,
                      TSourceProblems& problems);
