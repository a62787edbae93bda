// LakeTrip: the state of one fishing trip, reused by every trip for the life of the program. The
// lake selection fills the lake parameters; the player values belong to the profile; play owns the
// rest (map, boat, line, fish, score).
#pragma once

#include <cstdint>
#include <string>

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
};
