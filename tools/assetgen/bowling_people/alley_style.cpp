#include "tools/assetgen/bowling_people/alley_style.h"

#include <stdexcept>

namespace bowling_people {

const std::vector<AlleyStyle>& AlleyStyles() {
  static const std::vector<AlleyStyle> styles = {
      // Classic maple under warm lamps, cream masking units with a red and navy band.
      {"Tradtional", "Classic Lanes", Theme::Classic, false,
       0xD9A35E, 0xB98A52, 0xE6C489, 0xC99A62, 0x2A1C14, 0x5A4A40, 0x7A4A2C, 0x120E0C,
       0xEAD9B4, 0xB0302C, 0x5C3A24, 0xFFD9A0, 0, 0, 0xFFF0DC, 0xE0D4C4},
      // A night hall: dark lacquered lanes, glowing marks and neon tubes.
      {"Neon", "Neon Nights", Theme::Neon, false,
       0x3A2C4E, 0x1C1830, 0x4A3C66, 0x2A2238, 0x40F0FF, 0x14101E, 0x221A34, 0x06040C,
       0x16122A, 0xFF3CC8, 0x0C0818, 0xC060FF, 0, 0, 0xE8E0FF, 0xB8A0F0},
      // Evening sun through tall windows: amber light over honey wood.
      {"Sunset", "Sunset Hall", Theme::Sunset, false,
       0xE0A05A, 0xB4704A, 0xEEC08A, 0xD09A66, 0x4A2414, 0x5E4034, 0x8A5236, 0x140C0A,
       0x3E5A6A, 0xF08A3A, 0x6A3A2E, 0xFFB070, 0, 0, 0xFFDCB0, 0xE8C0A8},
      // Bright colours for children, with striped bumper rails.
      {"KidsBumper", "Kids' Bumper Lanes", Theme::Kids, true,
       0xF0C47C, 0xD8AE70, 0xF6DCA8, 0xF2D098, 0x2060D0, 0x34B28C, 0xF2A020, 0x141830,
       0x3CA8F0, 0xFFD020, 0x74C8F8, 0xFFF4C0, 0xF03C3C, 0x2F5CE0, 0xFFFFFF, 0xE4E4F0},
  };
  return styles;
}

const AlleyStyle& AlleyStyleNamed(const std::string& name) {
  for (const AlleyStyle& s : AlleyStyles()) {
    if (s.Name == name) return s;
  }
  throw std::out_of_range("no alley named " + name);
}

}  // namespace bowling_people
