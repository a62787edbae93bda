// The building blocks of the bowlers' and alleys' pictures: the view's projection and depth order,
// floor shadows cast away from the light, shadow pictures that only ever darken, the turned and
// stacked bodies the pins and torsos are made of, and a delivery that moves without jumps.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/assetgen/bowling_people/figure.h"
#include "tools/assetgen/bowling_people/model_ops.h"
#include "tools/assetgen/bowling_people/motion.h"
#include "tools/assetgen/bowling_people/view_render.h"
#include "tools/assetgen/sprites/shapes.h"

namespace {

using namespace bowling_people;
using sprites::AlphaOf;
using sprites::Rgb;

constexpr double kPi = 3.14159265358979323846;

View TestView(double elevation) {
  View v;
  v.Elevation = elevation;
  v.Width = 64;
  v.Height = 64;
  v.OriginX = 32;
  v.OriginY = 48;
  v.Key = {{0, 1, 1}, 1.0, Rgb(255, 255, 255)};
  v.Ambient = 0.3;
  v.AmbientColor = Rgb(255, 255, 255);
  return v;
}

TEST(BowlingPeopleRender, TheViewDrawsDepthAndHeightForeshortened) {
  const View v = TestView(30);
  double x, y;
  ProjectPoint(v, {10, 0, 0}, x, y);
  EXPECT_DOUBLE_EQ(x, 42);
  EXPECT_DOUBLE_EQ(y, 48);
  ProjectPoint(v, {0, 20, 0}, x, y);  // towards the viewer: lower on the screen
  EXPECT_NEAR(y, 48 + 20 * 0.5, 1e-9);
  ProjectPoint(v, {0, 0, 20}, x, y);  // up: higher
  EXPECT_NEAR(y, 48 - 20 * std::cos(kPi / 6), 1e-9);
}

TEST(BowlingPeopleRender, TheNearerShapeCoversTheFartherWhateverTheOrder) {
  for (bool nearFirst : {true, false}) {
    Model m;
    const uint32_t nearColour = Rgb(250, 20, 20), farColour = Rgb(20, 20, 250);
    auto addNear = [&] { sprites::AddBox(m, {0, 6, 8}, {6, 2, 6}, nearColour); };
    auto addFar = [&] { sprites::AddBox(m, {0, -6, 8}, {10, 2, 10}, farColour); };
    if (nearFirst) {
      addNear();
      addFar();
    } else {
      addFar();
      addNear();
    }
    const Image img = RenderView(m, TestView(20));
    double x, y;
    ProjectPoint(TestView(20), {0, 8, 8}, x, y);
    const uint32_t c = img.At(static_cast<int>(x), static_cast<int>(y));
    EXPECT_EQ(AlphaOf(c), 255);
    EXPECT_GT(sprites::RedOf(c), sprites::BlueOf(c)) << (nearFirst ? "near first" : "far first");
    // Outside both boxes nothing is drawn.
    EXPECT_EQ(AlphaOf(img.At(1, 1)), 0);
  }
}

TEST(BowlingPeopleRender, FloorShadowsFallAwayFromTheLightAndOnlyDarken) {
  Model pole;
  sprites::AddTube(pole, {0, 0, 0}, {0, 0, 20}, 1.5, 1.5, Rgb(200, 200, 200));
  // A light up and to the left, at 45 degrees: the shadow lies 20 units to the right.
  const View v = TestView(30);
  const Image coverage = RenderFloorShadow(pole, v, {-1, 0, 1});
  EXPECT_GT(AlphaOf(coverage.At(32 + 17, 48)), 100);
  EXPECT_EQ(AlphaOf(coverage.At(32 - 8, 48)), 0);
  EXPECT_EQ(AlphaOf(coverage.At(32 + 26, 48)), 0);
  const Image shadow = ShadowPicture(coverage);
  int drawn = 0;
  for (uint32_t p : shadow.Pixels) {
    if (AlphaOf(p) == 0) continue;
    ++drawn;
    EXPECT_EQ(p & 0xFFFFFF, 0u);  // blended over the blackest pit it changes nothing
  }
  EXPECT_GT(drawn, 20);
}

TEST(BowlingPeopleRender, TurnedAndStackedBodiesAreClosedWithOutwardNormals) {
  Model lathe;
  AddLathe(lathe, {0, 0, 0}, {{0, 3}, {5, 4}, {10, 2}, {12, 0}}, {Rgb(1, 2, 3)}, 0, 16);
  Model rings;
  AddRings(rings, {{0, 4, 3, 0}, {6, 5, 4, 1}, {12, 3, 2, 0}}, [](double) { return Rgb(1, 2, 3); }, 0, 24);
  for (const Model* m : {&lathe, &rings}) {
    ASSERT_FALSE(m->Triangles.empty());
    for (const sprites::Triangle& t : m->Triangles) {
      for (const sprites::Vertex& v : t.V) {
        // Away from the axis the normal points away from it too; on the caps, along it.
        const Vec3 out{v.Position.x, v.Position.y - (m == &rings ? 0.5 : 0), 0};
        if (std::hypot(out.x, out.y) > 0.5 && std::fabs(v.Normal.z) < 0.95) {
          EXPECT_GT(sprites::Dot(v.Normal, out), 0) << v.Position.x << "," << v.Position.y << "," << v.Position.z;
        }
      }
    }
    EXPECT_NEAR(LowestZ(*m), 0, 1e-9);
  }
}

TEST(BowlingPeopleRender, TurnsAndMirrorsMoveEveryPoint) {
  const Vec3 p = RotatePoint({1, 0, 0}, {0, 0, 1}, kPi / 2);
  EXPECT_NEAR(p.x, 0, 1e-12);
  EXPECT_NEAR(p.y, 1, 1e-12);
  Model m;
  sprites::AddBox(m, {5, 0, 1}, {1, 1, 1}, Rgb(9, 9, 9));
  Rotate(m, {0, 1, 0}, kPi, {5, 0, 2});  // upside down about a pivot above the box
  EXPECT_NEAR(LowestZ(m), 2, 1e-9);
  MirrorX(m);
  for (const sprites::Triangle& t : m.Triangles) {
    for (const sprites::Vertex& v : t.V) EXPECT_LT(v.Position.x, 0);
  }
}

TEST(BowlingPeopleRender, TheDeliveryMovesWithoutJumpsUntilTheBallLeaves) {
  for (const BowlerStyle& style : BowlerStyles()) {
    SCOPED_TRACE(style.Name);
    Vec3 last = BuildFigure(style, ApproachPose(0)).BallCentre;
    for (int n = 1; n <= kLastHeldPattern; ++n) {
      const FigureModel f = BuildFigure(style, ApproachPose(n));
      ASSERT_TRUE(ApproachPose(n).HoldsBall) << n;
      const Vec3 step = f.BallCentre - last;
      // The fastest part of the swing moves the ball at most about half its width per picture.
      EXPECT_LT(std::sqrt(sprites::Dot(step, step)), 16) << n;
      // The ball never goes through the floor.
      EXPECT_GE(f.BallCentre.z, kBallRadius - 1) << n;
      last = f.BallCentre;
    }
    EXPECT_FALSE(ApproachPose(63).HoldsBall);
    // Both reactions begin exactly where the approach ends.
    for (Reaction r : {Reaction::Strike, Reaction::Gutter}) {
      EXPECT_EQ(PoseValues(ReactionPose(r, 0)), PoseValues(ApproachPose(63)));
    }
  }
}

}  // namespace
