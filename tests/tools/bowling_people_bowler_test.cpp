// The bowlers' libraries as the program reads them: every picture it draws with the patterns it
// asks for, the release point and shadow offsets in "info", the ball in the hand at the release
// point, the figure walking up the screen, reactions that start from the follow-through, and a
// ball that rolls in a seamless cycle.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/tools/bowling_people_data.h"

namespace {

using namespace bowling_people_test;

struct Bowler {
  const char* Name;
  int ReleaseX;
};
// The names and release offsets the program's data makers agreed on.
const Bowler kBowlers[] = {{"Vekt", 8}, {"Marla", 6}, {"Oskar", 14}, {"Tess", -8}};

// The lowest row of the pattern with a drawn pixel, or -1.
int LowestDrawnRow(const TPictureCollectionItem& item, int pattern) {
  for (int y = item.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < item.Width(); ++x) {
      if (Drawn(item, pattern, x, y)) return y;
    }
  }
  return -1;
}

// True when the two patterns draw the same pixels on the screen, both drawn as the program draws
// the bowler: middle column on the bowler's position, bottom row on the screen's.
bool SameSilhouette(const TPictureCollectionItem& a, int pa, const TPictureCollectionItem& b, int pb) {
  const int dx = b.Width() / 2 - a.Width() / 2, dy = b.Height() - a.Height();
  auto drawn = [](const TPictureCollectionItem& item, int pattern, int x, int y) {
    return x >= 0 && y >= 0 && x < item.Width() && y < item.Height() && Drawn(item, pattern, x, y);
  };
  for (int y = std::min(0, -dy); y < std::max(a.Height(), b.Height() - dy); ++y) {
    for (int x = std::min(0, -dx); x < std::max(a.Width(), b.Width() - dx); ++x) {
      if (drawn(a, pa, x, y) != drawn(b, pb, x + dx, y + dy)) return false;
    }
  }
  return true;
}

bool SamePattern(const TPictureCollectionItem& item, int pa, int pb) {
  for (int y = 0; y < item.Height(); ++y) {
    for (int x = 0; x < item.Width(); ++x) {
      if (PixelOf(item, pa, x, y) != PixelOf(item, pb, x, y)) return false;
    }
  }
  return true;
}

TEST(BowlingPeopleBowlers, EveryPictureThePlayDrawsHasThePatternsItAsksFor) {
  for (const Bowler& b : kBowlers) {
    SCOPED_TRACE(b.Name);
    TPictureCollection& anis = BowlerAnis(b.Name);
    const TPictureCollectionItem& figure = anis.Find("char");
    EXPECT_EQ(figure.PatternTotal(), 64);
    // The program picks round(roll) + 0, 8 or 16 with roll up to 31.
    const TPictureCollectionItem& ball = anis.Find("ball");
    EXPECT_GE(ball.PatternTotal(), 48);
    EXPECT_EQ(ball.Width(), 28);
    EXPECT_EQ(ball.Height(), 28);
    EXPECT_GE(anis.Find("ballshadow").PatternTotal(), 1);
    EXPECT_GE(anis.Find("charshadow").PatternTotal(), 1);
    for (const char* reaction : {"strike", "gutter"}) {
      // More than 16 patterns, or the LED show that follows a reaction never starts.
      const TPictureCollectionItem& item = anis.Find(reaction);
      EXPECT_GE(item.PatternTotal(), 20) << reaction;
      // Centred on the bowler's position like the figure, which takes W div 2 as the middle.
      EXPECT_EQ(item.Width() % 2, 0) << reaction;
    }
    EXPECT_NO_THROW(anis.Find("info"));
    // The figure is centred on the bowler's position, which takes W div 2 as its middle.
    EXPECT_EQ(figure.Width() % 2, 0);
  }
}

TEST(BowlingPeopleBowlers, InfoCarriesTheReleasePointAndTheShadowSitsUnderTheFeet) {
  for (const Bowler& b : kBowlers) {
    SCOPED_TRACE(b.Name);
    TPictureCollection& anis = BowlerAnis(b.Name);
    const TPictureCollectionItem& info = anis.Find("info");
    EXPECT_EQ(info.SkipWidth, b.ReleaseX);
    EXPECT_GE(info.SkipHeight, 10);
    EXPECT_LE(info.SkipHeight, 20);
    // The shadow's rectangle before the approach (relative to the bowler's position and the
    // screen's bottom) holds the stance's feet.
    const TPictureCollectionItem& figure = anis.Find("char");
    const TPictureCollectionItem& shadow = anis.Find("charshadow");
    const int feet = 480 - figure.Height() + LowestDrawnRow(figure, 0);
    const int top = 480 - shadow.Height() / 2 + info.PatternHeight;
    EXPECT_GE(feet, top);
    EXPECT_LT(feet, top + shadow.Height());
    const int left = -shadow.Width() / 2 + info.PatternWidth;
    EXPECT_LE(left, 0);
    EXPECT_GT(left + shadow.Width(), 0);
  }
  // A release point more than 10 pixels to the right makes the computer hook the ball.
  EXPECT_GT(BowlerAnis("Oskar").Find("info").SkipWidth, 10);
}

TEST(BowlingPeopleBowlers, TheBallIsInTheHandAtTheReleasePointThenGone) {
  for (const Bowler& b : kBowlers) {
    SCOPED_TRACE(b.Name);
    TPictureCollection& anis = BowlerAnis(b.Name);
    const TPictureCollectionItem& figure = anis.Find("char");
    const TPictureCollectionItem& info = anis.Find("info");
    // Screen (approachX + SkipWidth, 365 + SkipHeight) in the figure's pattern, which is drawn at
    // (approachX - W div 2, 480 - H).
    const int x = figure.Width() / 2 + info.SkipWidth;
    const int y = figure.Height() - 115 + info.SkipHeight;
    // The ball is 25 pixels across: its middle and points 6 pixels around it are all ball.
    for (auto [dx, dy] : {std::pair{0, 0}, {-6, 0}, {6, 0}, {0, -6}, {0, 6}}) {
      EXPECT_TRUE(Drawn(figure, 62, x + dx, y + dy)) << dx << "," << dy;
    }
    // The follow-through holds no ball there any more: the rolling ball is drawn in its place.
    int drawn = 0;
    for (int dy = -6; dy <= 6; dy += 3) {
      for (int dx = -6; dx <= 6; dx += 3) drawn += Drawn(figure, 63, x + dx, y + dy);
    }
    EXPECT_LT(drawn, 25);
  }
}

TEST(BowlingPeopleBowlers, TheFigureStandsAtTheBottomAndClimbsAsItWalks) {
  for (const Bowler& b : kBowlers) {
    SCOPED_TRACE(b.Name);
    const TPictureCollectionItem& figure = BowlerAnis(b.Name).Find("char");
    const int stance = LowestDrawnRow(figure, 0);
    EXPECT_GE(stance, figure.Height() - 8);
    // The shadow moves up one pixel per pattern; the feet keep up with it, step by step (the
    // foot behind stays planted a while, and at the finish the back leg reaches towards the
    // viewer, so the lowest pixel lags the slide foot).
    int previous = 0;
    for (int n = 1; n < 64; ++n) {
      const int climb = stance - LowestDrawnRow(figure, n);
      EXPECT_GE(climb, n * 2 / 3 - 10) << n;
      EXPECT_LE(climb, n + 6) << n;
      if (n < 56) {
        EXPECT_GE(climb, previous - 2) << n;  // never walking backwards
      }
      previous = climb;
    }
  }
}

TEST(BowlingPeopleBowlers, ReactionsStartFromTheFollowThrough) {
  for (const Bowler& b : kBowlers) {
    SCOPED_TRACE(b.Name);
    TPictureCollection& anis = BowlerAnis(b.Name);
    const TPictureCollectionItem& figure = anis.Find("char");
    for (const char* reaction : {"strike", "gutter"}) {
      const TPictureCollectionItem& item = anis.Find(reaction);
      EXPECT_TRUE(SameSilhouette(figure, 63, item, 0)) << reaction;
      // ... and move on from there.
      EXPECT_FALSE(SameSilhouette(item, 0, item, item.PatternTotal() - 1)) << reaction;
    }
  }
}

TEST(BowlingPeopleBowlers, TheBallRollsInACycleOfSixteenDistinctPictures) {
  for (const Bowler& b : kBowlers) {
    SCOPED_TRACE(b.Name);
    const TPictureCollectionItem& ball = BowlerAnis(b.Name).Find("ball");
    for (int p = 0; p < 16; ++p) {
      for (int q = p + 1; q < 16; ++q) EXPECT_FALSE(SamePattern(ball, p, q)) << p << " and " << q;
    }
    // A turn takes 16 patterns, so the program's jump from round(roll) 31 back to 0 (and every
    // offset it adds) continues the roll without a jump.
    for (int p = 16; p < ball.PatternTotal(); ++p) EXPECT_TRUE(SamePattern(ball, p, p % 16)) << p;
  }
}

}  // namespace
