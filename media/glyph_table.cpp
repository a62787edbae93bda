#include "media/glyph_table.h"

#include <array>

namespace {

// Windows-1252: 0xC5 Å, 0xD6 Ö, 0xC4 Ä.
constexpr char kTable[kGlyphCount + 1] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ\"at  0123456789<>=()-'!_+\\/{}^&%.=$#\xC5\xD6\xC4?*";

constexpr std::array<int, 256> MakeLookup() {
  std::array<int, 256> lookup{};
  for (int& entry : lookup) entry = kMissingGlyph;
  for (int i = kGlyphCount - 1; i >= 0; --i) {
    lookup[static_cast<unsigned char>(kTable[i])] = i;
  }
  return lookup;
}

constexpr std::array<int, 256> kLookup = MakeLookup();

static_assert(sizeof(kTable) == kGlyphCount + 1);

}  // namespace

std::string_view GlyphTable() { return std::string_view(kTable, kGlyphCount); }

int GlyphIndex(char c) {
  auto code = static_cast<unsigned char>(c);
  if (code >= 'a' && code <= 'z') code = static_cast<unsigned char>(code - 32);
  return kLookup[code];
}
