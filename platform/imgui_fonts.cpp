#include "platform/imgui_fonts.h"

#include <imgui.h>

#include <cstdlib>

#include "forms/control.h"
#include "media/errors.h"

namespace {

// Basic Latin, Latin-1, and the characters Windows-1252 puts at 0x80..0x9F.
const ImWchar kRanges[] = {0x0020, 0x00FF, 0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x0178, 0x017D, 0x017E,
                           0x0192, 0x0192, 0x02C6, 0x02C6, 0x02DC, 0x02DC, 0x2013, 0x2014, 0x2018, 0x201E,
                           0x2020, 0x2022, 0x2026, 0x2026, 0x2030, 0x2030, 0x2039, 0x203A, 0x20AC, 0x20AC,
                           0x2122, 0x2122, 0xFFFD, 0xFFFD, 0};

constexpr int kHeights[] = {TMenuFonts::kDefaultHeight, 11, 12, 14, 16, 18, 21, 24, 28, 32};

// The whole file, or nothing when it cannot be read.
TFileBuffer ReadWholeFile(const char* path) {
  try {
    return ReadFileBuffer(path);
  } catch (const Exception&) {
    return {};
  }
}

}  // namespace

void TMenuFonts::Load(ImFontAtlas& atlas) {
  atlas_ = &atlas;
  fonts_.clear();
  regular_ = ReadWholeFile(kRegularPath);
  bold_ = TFileBuffer();
  boldRead_ = regular_.Size == 0;  // without the regular face the bold one is not used either
  if (regular_.Size > 0 && Add(kDefaultHeight, false)) return;
  regular_ = TFileBuffer();
  boldRead_ = true;
  fonts_.push_back(TEntry{kDefaultHeight, false, atlas.AddFontDefault()});
}

ImFont* TMenuFonts::Add(int height, bool bold) {
  TFileBuffer& data = bold ? bold_ : regular_;
  ImFontConfig config;
  config.OversampleH = 2;
  config.OversampleV = 1;
  // The bytes stay ours, read once for every size, and let the atlas be built again.
  config.FontDataOwnedByAtlas = false;
  ImFont* font = atlas_->AddFontFromMemoryTTF(data.Data.get(), static_cast<int>(data.Size), static_cast<float>(height),
                                              &config, kRanges);
  if (font) fonts_.push_back(TEntry{height, bold, font});
  return font;
}

TMenuFonts::TEntry TMenuFonts::Slot(int height, bool bold) const {
  if (height <= 0) height = kDefaultHeight;
  if (regular_.Size == 0) return TEntry{kDefaultHeight, false, nullptr};
  int best = kHeights[0];
  for (int h : kHeights) {
    if (std::abs(h - height) < std::abs(best - height)) best = h;
  }
  if (bold && !boldRead_) {
    bold_ = ReadWholeFile(kBoldPath);
    boldRead_ = true;
  }
  return TEntry{best, bold && bold_.Size > 0, nullptr};
}

void TMenuFonts::Want(const TControl& control, bool showingOnly, bool& added) {
  if (showingOnly && !control.Visible) return;
  const TEntry slot = Slot(control.Font.Height, control.Font.Bold);
  bool loaded = regular_.Size == 0;
  for (const TEntry& e : fonts_) loaded = loaded || (e.Height == slot.Height && e.Bold == slot.Bold);
  if (!loaded && Add(slot.Height, slot.Bold)) added = true;
  for (const TControl* child : control.Children()) Want(*child, showingOnly, added);
}

bool TMenuFonts::Prepare(const TControl& root, bool showingOnly) {
  bool added = false;
  if (atlas_) Want(root, showingOnly, added);
  return added;
}

ImFont* TMenuFonts::Pick(int height, bool bold) const {
  const TEntry slot = Slot(height, bold);
  const TEntry* best = nullptr;
  for (const TEntry& e : fonts_) {
    if (e.Height == slot.Height && e.Bold == slot.Bold) return e.Font;
    const bool better = !best || (e.Bold == slot.Bold && best->Bold != slot.Bold) ||
                        (e.Bold == best->Bold && std::abs(e.Height - slot.Height) < std::abs(best->Height - slot.Height));
    if (better) best = &e;
  }
  return best ? best->Font : nullptr;
}
