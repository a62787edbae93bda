// The four alleys' looks: the colours of the lane, the hall and its lights. Everything an alley
// picture shows is drawn from one of these records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bowling_people {

enum class Theme { Classic, Neon, Sunset, Kids };

struct AlleyStyle {
  std::string Name;       // the alley's folder name
  std::string Caption;    // the title on its postcard
  Theme Kind;
  bool Bumpers;           // bumper rails 15 pixels inside the lane edges
  uint32_t LaneWood;      // the lane's boards near the foul line (0xRRGGBB)
  uint32_t LaneFar;       // the boards far down the lane, in the hall's haze
  uint32_t DeckWood;      // the pin deck
  uint32_t ApproachWood;  // the approach behind the foul line
  uint32_t Marks;         // arrows, dots and the foul line
  uint32_t Gutter;        // the gutter channels
  uint32_t Capping;       // the cappings between lanes
  uint32_t Pit;           // the dark opening behind the pins
  uint32_t Mask;          // the masking units' face
  uint32_t MaskTrim;      // their decoration
  uint32_t Wall;          // the hall beyond
  uint32_t Glow;          // the colour of the hall's lights
  uint32_t BumperA, BumperB;  // stripes of the bumper rails
  // The lamps on the pins: colour of the key light and of the ambient light.
  uint32_t PinKey, PinAmbient;
};

// Tradtional (so spelled: the program's default), Neon, Sunset and KidsBumper, in that order.
const std::vector<AlleyStyle>& AlleyStyles();
// The style of the named alley; raises std::out_of_range for an unknown name.
const AlleyStyle& AlleyStyleNamed(const std::string& name);

}  // namespace bowling_people
