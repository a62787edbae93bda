// LakeTrip: the state of one fishing trip, reused by every trip for the life of the program. The
// lake selection fills the lake parameters; the player values belong to the profile; play owns the
// rest (map, boat, line, fish, score).
//
// The record holds the whole tile grid (513 x 2049 cells, about 8 MB), so it lives on the heap
// inside its owner, never on the stack. Nothing in it is allocated per lake or per tick.
#pragma once

#include <cstdint>
#include <string>

constexpr int kGridCols = 513;        // columns 0..512
constexpr int kGridRows = 2049;       // rows 0..2048
constexpr int kMapObjects = 65;       // object records 0..64
constexpr int kWakeSlots = 129;       // wake particles 0..128
constexpr int kLinePoints = 256;      // line points 0..255 (at most 255 in use)
constexpr int kSplashSlots = 17;      // splash rings 0..16
constexpr int kSwimmerSlots = 257;    // fish and monster slots 0..256

// One map cell: its picture in the lake's tile library (-1 = no tile) and its animation counter.
// Cells are set only by loading a lake's map, and nothing reads a cell beyond the loaded map: a
// record made with make_unique_for_overwrite leaves the grid's 8 MB untouched until a lake needs them.
struct TileCell {
  int32_t tile;
  uint8_t frame;
};

// A map object: an info stop, treasure, extra time, a fish or monster spot, the boat start.
struct MapObject {
  int32_t col = 0;
  int32_t row = 0;
  uint8_t active = 0;   // non-zero: not yet used
  std::string name;     // lower-cased and trimmed, at most 36 characters
  std::string param;    // at most 36 characters
  std::string text;     // at most 255 characters
};

// A particle of the boat's wake.
struct WakeParticle {
  float x = 0;
  float y = 0;
  uint8_t dir = 0;   // direction step
  uint8_t life = 0;  // frames left; 0 = free
};

// A splash ring where the lure moves through the water.
struct Splash {
  float x = 0;
  float y = 0;
  uint8_t life = 0;  // frames left; 0 = free
};

// A fish or a monster.
struct FishRecord {
  float x = 0;
  float y = 0;
  float homeX = 0;  // last position known to be on water
  float homeY = 0;
  uint8_t heading = 0;
  float swimSpeed = 0;
  bool gone = false;  // fish: taken by a strike; monster: has eaten
  int32_t mode = 0;   // fish: 0 roaming, 1 circling; monster: 0 far, 1 within 300, 2 within 150
};

struct LakeTrip {
  // Lake parameters, from the lake's ini section "Lake Data" (defaults before any lake is shown).
  int32_t lastFish = 128;
  int32_t lastMonster = 10;
  std::string monsterKind = "Monster";
  int32_t Biggest = 12;
  int32_t Difficulty = 10;
  bool timed = false;
  int32_t ticksTotal = 0;
  std::string imageLib = "canada.dxg";
  int32_t entryFee = 0;
  int32_t prizeMoney = 0;
  int32_t limit = 6;
  int32_t winIf = 1;
  int32_t lakeLevel = 1;

  // Player values (the profile; a trip reads them and changes cash and lakesOpen).
  int32_t cash = 50;
  int32_t lakesOpen = 2;
  std::string bodyImage = "fishguy";
  int32_t bodyLift = 0;
  std::string boatImage = "boat1";

  // Map, from the lake's .iso file.
  int32_t tileHeight = 32;
  int32_t tileWidth = 64;
  int32_t lastCol = 0;
  int32_t lastRow = 0;
  TileCell cells[kGridCols][kGridRows];
  MapObject mapObjects[kMapObjects];

  // Boat and view.
  float boatX = 300;
  float boatY = 300;
  uint8_t heading = 0;
  float boatSpeed = 0;
  int32_t scrollX = 0;  // world position of the screen's top-left pixel
  int32_t scrollY = 0;
  int32_t mouseX = 0;   // screen position of the pointer
  int32_t mouseY = 0;
  int32_t cursorX = 0;  // world position under the pointer
  int32_t cursorY = 0;
  bool throttle = false;
  bool reverse = false;
  bool keyLeft = false;
  bool keyRight = false;
  bool inputSeen = false;
  WakeParticle wake[kWakeSlots];
  uint8_t wakeIndex = 0;

  // Cast and line.
  bool castWanted = false;
  bool casting = false;
  bool reeling = false;
  bool fishOn = false;
  bool strikeClick = false;
  float lureX = 0;
  float lureY = 0;
  float lineX[kLinePoints] = {};
  float lineY[kLinePoints] = {};
  float lineZ[kLinePoints] = {};
  uint8_t linePoints = 0;
  float reelSpeed = 0;
  uint8_t castStep = 0;
  Splash splashes[kSplashSlots];
  uint8_t splashIndex = 0;
  int32_t meter = 0;
  int32_t meterStep = 1;
  int32_t hookedFish = 0;

  // Fish and monsters.
  FishRecord fish[kSwimmerSlots];
  FishRecord monsters[kSwimmerSlots];

  // Score and end.
  int32_t fishCaught = 0;
  int32_t poundsCaught = 0;
  int32_t inchesCaught = 0;
  int32_t fishPlayed = 0;
  int32_t ticksLeft = 0;
  bool ending = false;
  bool quitAsked = false;
  int32_t endTicks = 0;
  std::string message;
  int32_t messageTicks = 0;
};
