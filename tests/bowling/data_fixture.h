// A small, complete bowling program folder written by the tests themselves: every library, show and
// picture the program asks for, with solid-colour pictures so a frame can be probed pixel by pixel,
// short clicks for sounds and LED frames that light one column each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bowling_test {

// Colours of the generated pictures (0x00RRGGBB).
constexpr uint32_t kAlleyColour = 0x604020;
constexpr uint32_t kPinColour = 0xF0F0F0;
constexpr uint32_t kBallColour = 0x2040C0;
constexpr uint32_t kBowlerColour = 0xC08040;
constexpr uint32_t kLogoColour = 0x102080;
constexpr uint32_t kHelpColour = 0x208010;
constexpr uint32_t kOverColour = 0x503050;
constexpr uint32_t kLampDark = 0x401000;
constexpr uint32_t kLampLit = 0xFFC000;

struct TFixture {
  std::vector<std::string> bowlers{"Vekt", "Marla", "Oskar"};
  std::vector<std::string> alleys{"Tradtional", "Neon", "KidsBumper"};
  int ledFrames = 3;           // frames of every show
  int releaseOffsetX = 8;      // every bowler's "info" SkipWidth
  int releaseOffsetY = 12;     // and SkipHeight
  int reactionPatterns = 20;   // patterns of "strike" and "gutter"
  int overSkipHeight = 0;      // SkipHeight of each alley's "over"
};

// A fresh, empty folder for one test (under the system's temporary folder), ending in '/'.
std::string FreshFolder(const std::string& name);
// Writes the program folder's data into folder (which must exist).
void WriteProgramFolder(const std::string& folder, const TFixture& fixture = {});

}  // namespace bowling_test
