// The menu font: DejaVu Sans (regular and bold) at a few pixel heights, with the characters of
// Windows-1252. A control asks for a height; it gets the nearest one of the table. Only the sizes
// some control of the form asks for are rasterised into ImGui's atlas (every size of the table
// would hold some 40 MB for the two or three a form uses): the host calls Prepare before each menu
// frame, which adds what the form's controls ask for and rebuilds the atlas when something was
// added, so a size is there before the first frame that draws it. The program's first frame asks
// only for the controls it shows, which puts the title on screen sooner; the frame after it adds
// the rest, before a handler can show any of them.
#pragma once

#include <vector>

#include "media/file_bytes.h"

struct ImFont;
struct ImFontAtlas;
class TControl;

class TMenuFonts {
 public:
  // The height controls get when their font asks for none.
  static constexpr int kDefaultHeight = 13;
  static constexpr const char* kRegularPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  static constexpr const char* kBoldPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

  TMenuFonts() = default;
  TMenuFonts(const TMenuFonts&) = delete;
  TMenuFonts& operator=(const TMenuFonts&) = delete;

  // Reads the regular font file and adds the default height to the atlas as its first, default
  // font (ImGui's own font stands in when the regular file is missing); the bold file is read when
  // a control first asks for bold.
  void Load(ImFontAtlas& atlas);
  // Adds the sizes the controls under root ask for (only those showing, when showingOnly); true
  // when the atlas must be built again.
  bool Prepare(const TControl& root, bool showingOnly = false);
  // The font of the table nearest to height (0: the default), bold when asked and available; the
  // nearest loaded one while that size is not loaded yet.
  ImFont* Pick(int height, bool bold) const;

 private:
  struct TEntry {
    int Height;
    bool Bold;
    ImFont* Font;
  };
  // The size of the table a request comes to.
  TEntry Slot(int height, bool bold) const;
  ImFont* Add(int height, bool bold);
  void Want(const TControl& control, bool showingOnly, bool& added);

  ImFontAtlas* atlas_ = nullptr;
  TFileBuffer regular_;
  // The bold face is read when a control first asks for it.
  mutable TFileBuffer bold_;
  mutable bool boldRead_ = false;
  std::vector<TEntry> fonts_;  // loaded
};
