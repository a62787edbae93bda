// Everything a bowler's "anis.dxg" holds, and where it lines up on the lane screen. The program
// draws "char", "strike" and "gutter" with their bottom edge on the screen's bottom row and their
// middle column at the bowler's position approachX; the ball leaves the hand at
// (approachX + ReleaseX, 365 + ReleaseY). The figure is placed in its pictures so that the ball
// of the last held approach picture lies exactly there, and the stance's shoes stand two rows
// above the bottom edge.
#pragma once

#include <vector>

#include "media/library_writer.h"
#include "tools/assetgen/bowling_people/bowler_style.h"
#include "tools/assetgen/bowling_people/view_render.h"

namespace bowling_people {

// The release row's distance above the screen's bottom, less ReleaseY: 480 - 365.
constexpr int kReleaseBase = 115;

struct BowlerPictures {
  std::vector<Image> Approach;  // "char": 64 patterns
  std::vector<Image> Strike;    // the reactions, lined up with "char" (same middle, same bottom)
  std::vector<Image> Gutter;
  Image Shadow;                 // "charshadow"
  int ShadowX = 0, ShadowY = 0; // the shadow's offsets ("info" PatternWidth, PatternHeight)
  int ReleaseX = 0, ReleaseY = 0;  // "info" SkipWidth, SkipHeight
  std::vector<Image> Ball;      // "ball": the rolling ball
  Image BallShadow;             // "ballshadow"
};

// Renders every picture of the bowler.
BowlerPictures RenderBowler(const BowlerStyle& style);
// The items of "anis.dxg" in the order the program's data makers keep them.
std::vector<TPictureItemData> BowlerItems(const BowlerPictures& pictures);

}  // namespace bowling_people
