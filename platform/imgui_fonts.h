// The menu font: DejaVu Sans (regular and bold) loaded into ImGui at a few pixel heights, with the
// characters of Windows-1252. A control asks for a height; it gets the nearest one loaded.
#pragma once

#include <vector>

struct ImFont;
struct ImFontAtlas;

class TMenuFonts {
 public:
  // The height controls get when their font asks for none.
  static constexpr int kDefaultHeight = 13;
  static constexpr const char* kRegularPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  static constexpr const char* kBoldPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

  // Adds the fonts to the atlas (ImGui's own font stands in when the files are missing); the
  // default height becomes the atlas's first, default font.
  void Load(ImFontAtlas& atlas);
  // The loaded font nearest to height (0: the default), bold when asked and available.
  ImFont* Pick(int height, bool bold) const;

 private:
  struct TEntry {
    int Height;
    bool Bold;
    ImFont* Font;
  };
  std::vector<TEntry> fonts_;
};
