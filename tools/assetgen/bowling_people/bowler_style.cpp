#include "tools/assetgen/bowling_people/bowler_style.h"

#include <stdexcept>

namespace bowling_people {

const std::vector<BowlerStyle>& BowlerStyles() {
  static const std::vector<BowlerStyle> styles = {
      {"Vekt", 8, false, 1.0, 17, 8.5, 12.5, 9.5, 10.5,
       0xE0AC84, 0xC8262C, 0x1E1E26, 0x34343E, 0x1C1C22, 0xC8262C, 0x3A2616,
       HairCut::Short, ShirtCut::Stripe, false, false, 0x1E4EC0, 0x6A9CF0},
      {"Marla", 6, false, 0.95, 14.5, 9.0, 10.5, 8.5, 10.0,
       0xF0C0A0, 0x129A98, 0xF2F2EE, 0xF0EEE6, 0xF6F6F6, 0x129A98, 0x9A3E1E,
       HairCut::Ponytail, ShirtCut::Yoke, true, false, 0xD0288E, 0xF4A0D8},
      {"Oskar", 14, false, 1.07, 20, 10.5, 17.0, 14.5, 12.0,
       0xD89C74, 0xE0A81C, 0x5A3A1E, 0x5A4030, 0x3A2A1E, 0xE8E0D0, 0x8E8C88,
       HairCut::Bald, ShirtCut::Stripe, false, true, 0x18181C, 0xB01C1C},
      {"Tess", -8, true, 0.9, 14, 8.5, 10.0, 8.0, 9.5,
       0xF4CCAE, 0x7A36B4, 0xD8B8F4, 0x6A8CC8, 0xF0F0F0, 0x7A36B4, 0xE8C868,
       HairCut::Bun, ShirtCut::Yoke, false, false, 0x6CC024, 0xD8F47C},
  };
  return styles;
}

const BowlerStyle& BowlerStyleNamed(const std::string& name) {
  for (const BowlerStyle& s : BowlerStyles()) {
    if (s.Name == name) return s;
  }
  throw std::out_of_range("no bowler named " + name);
}

}  // namespace bowling_people
