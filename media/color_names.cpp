#include "media/color_names.h"

#include <array>
#include <cstdint>

namespace {

struct TColorName {
  const char* Name;
  TColor Value;
};

constexpr std::array<TColorName, 42> kColorNames{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
}};

// The host colours of the system colours, by role. There is no desktop theme to ask, so every
// system colour resolves to the classic grey desktop scheme, the one the data was drawn against.
constexpr std::array<TColor, 25> kSystemColors{{
    RGB(212, 208, 200),  // clScrollBar
    RGB(58, 110, 165),   // clBackground
    RGB(10, 36, 106),    // clActiveCaption
    RGB(128, 128, 128),  // clInactiveCaption
    RGB(212, 208, 200),  // clMenu
    RGB(255, 255, 255),  // clWindow
    RGB(0, 0, 0),        // clWindowFrame
    RGB(0, 0, 0),        // clMenuText
    RGB(0, 0, 0),        // clWindowText
    RGB(255, 255, 255),  // clCaptionText
    RGB(212, 208, 200),  // clActiveBorder
    RGB(212, 208, 200),  // clInactiveBorder
    RGB(128, 128, 128),  // clAppWorkSpace
    RGB(10, 36, 106),    // clHighlight
    RGB(255, 255, 255),  // clHighlightText
    RGB(212, 208, 200),  // clBtnFace
    RGB(128, 128, 128),  // clBtnShadow
    RGB(128, 128, 128),  // clGrayText
    RGB(0, 0, 0),        // clBtnText
    RGB(212, 208, 200),  // clInactiveCaptionText
    RGB(255, 255, 255),  // clBtnHighlight
    RGB(64, 64, 64),     // cl3DDkShadow
    RGB(212, 208, 200),  // cl3DLight
    RGB(0, 0, 0),        // clInfoText
    RGB(255, 255, 225),  // clInfoBk
}};

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IdentToColor(std::string_view ident, TColor& color) {
  for (const TColorName& entry : kColorNames) {
    if (SameText(ident, entry.Name)) {
      color = entry.Value;
      return true;
    }
  }
  return false;
}

bool ColorToIdent(TColor color, std::string& ident) {
  for (const TColorName& entry : kColorNames) {
    if (entry.Value == color) {
      ident = entry.Name;
      return true;
    }
  }
  return false;
}

TColor ResolveColor(TColor color) {
  if ((color & 0xFF000000u) != 0x80000000u) return color;
  const uint32_t role = color & 0xFFu;
  return role < kSystemColors.size() ? kSystemColors[role] : clBlack;
}
