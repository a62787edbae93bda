// The alleys' libraries as the program reads them: the hall, the pins in rows of 16 fall frames,
// the pit layers cut to match the hall, and the lane's edges (or a bumper alley's bumpers) on the
// lines the ball physics uses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/tools/bowling_people_data.h"
#include "tools/assetgen/bowling_people/lane_geometry.h"

namespace {

using namespace bowling_people_test;

const char* const kAlleys[] = {"Tradtional", "Neon", "Sunset", "KidsBumper"};

// Screen x of the left and right edge line at row y, as the program's LineSide tests use them.
double LeftEdge(double y) { return 212 + (407 - y) * (253 - 212) / 311.0; }
double RightEdge(double y) { return 423 - (407 - y) * (423 - 382) / 311.0; }

uint32_t HallPixel(const std::string& alley, int x, int y) {
  return PixelOf(AlleyAnis(alley).Find("alley"), 0, x, y);
}

// Where along a row the colour changes most, between x0 and x1: the x of the pixel boundary.
double SharpestStep(const std::string& alley, int y, int x0, int x1) {
  int best = -1, at = x0;
  for (int x = x0; x < x1; ++x) {
    const int step = ColourDistance(HallPixel(alley, x, y), HallPixel(alley, x + 1, y));
    if (step > best) {
      best = step;
      at = x;
    }
  }
  return at + 1;
}

TEST(BowlingPeopleAlleys, EveryPictureThePlayDrawsIsThere) {
  for (const char* name : kAlleys) {
    SCOPED_TRACE(name);
    TPictureCollection& anis = AlleyAnis(name);
    const TPictureCollectionItem& hall = anis.Find("alley");
    EXPECT_EQ(hall.Width(), 640);
    EXPECT_EQ(hall.Height(), 480);
    EXPECT_FALSE(hall.Transparent);  // drawn first, over the whole of the last frame
    for (const char* pins : {"pin", "pinshadow"}) {
      // Pattern = row * 16 + frame: the rows must be exactly 16 patterns wide.
      const TPictureCollectionItem& item = anis.Find(pins);
      EXPECT_EQ(item.PatternTotal(), 192) << pins;
      EXPECT_EQ(item.Picture().Width, 16 * item.PatternWidth) << pins;
    }
    // A non-zero SkipHeight would switch the pit overlay off.
    EXPECT_EQ(anis.Find("over").SkipHeight, 0);
    EXPECT_NO_THROW(anis.Find("under"));
  }
}

TEST(BowlingPeopleAlleys, EveryFallStartsFromTheSameStandingPinAndEndsLying) {
  for (const char* name : kAlleys) {
    SCOPED_TRACE(name);
    TPictureCollection& anis = AlleyAnis(name);
    for (const char* item_name : {"pin", "pinshadow"}) {
      const TPictureCollectionItem& item = anis.Find(item_name);
      for (int row = 1; row < 12; ++row) {
        bool same = true;
        for (int y = 0; y < item.Height() && same; ++y) {
          for (int x = 0; x < item.Width() && same; ++x) {
            same = PixelOf(item, 0, x, y) == PixelOf(item, row * 16, x, y);
          }
        }
        EXPECT_TRUE(same) << item_name << " row " << row;
      }
    }
    // A standing pin reaches about 30 pixels above its base; one lying still, far less (even
    // one lying up the lane, end on to the view).
    const TPictureCollectionItem& pin = anis.Find("pin");
    auto topRow = [&pin](int pattern) {
      for (int y = 0; y < pin.Height(); ++y) {
        for (int x = 0; x < pin.Width(); ++x) {
          if (Drawn(pin, pattern, x, y)) return y;
        }
      }
      return pin.Height();
    };
    EXPECT_LE(topRow(0), pin.Height() - 28);
    for (int row = 0; row < 12; ++row) EXPECT_GE(topRow(row * 16 + 15), pin.Height() - 21) << "row " << row;
  }
}

TEST(BowlingPeopleAlleys, ThePitLayersMatchTheHallAndLeaveThePitOpen) {
  for (const char* name : kAlleys) {
    SCOPED_TRACE(name);
    TPictureCollection& anis = AlleyAnis(name);
    const TPictureCollectionItem& hall = anis.Find("alley");
    const TPictureCollectionItem& over = anis.Find("over");
    const TPictureCollectionItem& under = anis.Find("under");
    // Drawn at (225, 0) and (225, 94) over the hall: wherever they draw, they repeat it exactly.
    int mismatches = 0;
    for (auto [item, top] : {std::pair{&over, 0}, {&under, 94}}) {
      for (int y = 0; y < item->Height(); ++y) {
        for (int x = 0; x < item->Width(); ++x) {
          if (Drawn(*item, 0, x, y) && PixelOf(*item, 0, x, y) != PixelOf(hall, 0, 225 + x, top + y)) ++mismatches;
        }
      }
    }
    EXPECT_EQ(mismatches, 0);
    // The masking unit's lower edge lies over the darkened pit's top rows.
    EXPECT_GE(over.Height(), 61);
    // Pins lying in the pit (between the walls at x 275 and 365, base near y 125) are drawn
    // before "under": it must not hide them above the deck's back edge.
    for (int x = 275 - 225; x <= 365 - 225; ++x) {
      for (int y = 108 - 94; y < 120 - 94; ++y) EXPECT_FALSE(Drawn(under, 0, x, y)) << x << "," << y;
    }
    // The ball in the pit (rows 78..105) is darkened by the program down to row 99 only: "under"
    // covers the rest, wherever the lane can take the ball.
    for (int x = 253 - 14 - 225; x < 382 + 14 - 225; ++x) {
      for (int y = 100 - 94; y < 106 - 94; ++y) EXPECT_TRUE(Drawn(under, 0, x, y)) << x << "," << y;
    }
  }
}

TEST(BowlingPeopleAlleys, TheLaneEdgesLieOnTheLinesTheBallFollows) {
  for (const char* name : {"Tradtional", "Neon", "Sunset"}) {
    SCOPED_TRACE(name);
    for (int y : {180, 240, 300, 360, 395}) {
      const uint32_t middle = HallPixel(name, 320, y);
      for (int side : {-1, 1}) {
        const double edge = side < 0 ? LeftEdge(y) : RightEdge(y);
        EXPECT_NEAR(SharpestStep(name, y, static_cast<int>(edge) - 6, static_cast<int>(edge) + 6), edge, 1.5)
            << "row " << y << " side " << side;
        // Lane boards just inside the line, the gutter just outside it.
        const uint32_t inside = HallPixel(name, static_cast<int>(std::lround(edge - side * 3)), y);
        const uint32_t outside = HallPixel(name, static_cast<int>(std::lround(edge + side * 3)), y);
        EXPECT_LT(ColourDistance(inside, middle), ColourDistance(outside, middle)) << "row " << y << " side " << side;
        // No bumper: the boards go on up to the edge.
        const uint32_t inset = HallPixel(name, static_cast<int>(std::lround(edge - side * 10)), y);
        EXPECT_LT(ColourDistance(inset, middle), ColourDistance(outside, middle)) << "row " << y << " side " << side;
      }
    }
  }
}

TEST(BowlingPeopleAlleys, ABumperAlleyShowsItsBumpersFifteenPixelsInside) {
  const std::string name = "KidsBumper";
  for (int y : {180, 240, 300, 360, 395}) {
    const uint32_t middle = HallPixel(name, 320, y);
    for (int side : {-1, 1}) {
      const double line = (side < 0 ? LeftEdge(y) : RightEdge(y)) - side * 15;
      EXPECT_NEAR(SharpestStep(name, y, static_cast<int>(line) - 5, static_cast<int>(line) + 5), line, 1.5)
          << "row " << y << " side " << side;
      const uint32_t lane = HallPixel(name, static_cast<int>(std::lround(line - side * 3)), y);
      const uint32_t bumper = HallPixel(name, static_cast<int>(std::lround(line + side * 3)), y);
      EXPECT_LT(ColourDistance(lane, middle), 90) << "row " << y << " side " << side;
      EXPECT_GT(ColourDistance(bumper, middle), 120) << "row " << y << " side " << side;
    }
  }
}

TEST(BowlingPeopleAlleys, DistancesAlongTheLaneFollowTheEdgesPerspective) {
  using namespace bowling_people;
  EXPECT_NEAR(RowAtFeet(0), kFoulLineY, 1e-9);
  EXPECT_NEAR(RowAtFeet(60), kRack[0].Y, 1e-9);
  for (double feet : {-8.0, 7.0, 15.0, 40.0, 70.0}) EXPECT_NEAR(FeetAtRow(RowAtFeet(feet)), feet, 1e-9);
  // Equal distances look shorter further away.
  EXPECT_GT(RowAtFeet(0) - RowAtFeet(10), RowAtFeet(50) - RowAtFeet(60));
  EXPECT_NEAR(LaneX(0, 407), 212, 1e-9);
  EXPECT_NEAR(LaneX(1, 96), 382, 1e-9);
}

}  // namespace
