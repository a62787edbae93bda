// The four bowlers: build, clothes, hair, ball and where the ball leaves the hand. Each is told
// apart at a glance from behind: Vekt in red with short dark hair, Marla slim in teal with a
// ponytail, Oskar big and bald in mustard with a hooking black ball, Tess left-handed in purple
// with a blonde bun.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bowling_people {

enum class HairCut { Short, Ponytail, Bald, Bun };
enum class ShirtCut { Stripe, Yoke };

struct BowlerStyle {
  std::string Name;
  int ReleaseX;        // the ball leaves the hand this far right of the bowler's position
  bool LeftHanded;
  double Size;         // every length, 1 for Vekt
  double Shoulders;    // half the shoulder width
  double Hips;         // half the hip width
  double Waist;        // half the waist's width
  double Belly;        // depth of the belly
  double Chest;        // depth of the chest
  uint32_t Skin, Shirt, Panel, Trousers, Shoes, ShoeTrim, HairColor;  // 0xRRGGBB
  HairCut Hair;
  ShirtCut Cut;
  bool Capris;         // trousers end above the ankle
  bool WristBrace;     // a black brace on the ball hand
  uint32_t Ball, BallSwirl;
};

// Vekt (the default), Marla, Oskar, Tess, in that order.
const std::vector<BowlerStyle>& BowlerStyles();
// The style of the named bowler; raises std::out_of_range for an unknown name.
const BowlerStyle& BowlerStyleNamed(const std::string& name);

}  // namespace bowling_people
