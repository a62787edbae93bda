#include "tools/assetgen/bowling_people/bowler_pictures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "tools/assetgen/bowling_people/ball.h"
#include "tools/assetgen/bowling_people/motion.h"
#include "tools/assetgen/sprites/shapes.h"

namespace bowling_people {

namespace {

using sprites::Rgb;

constexpr double kPi = 3.14159265358979323846;
constexpr int kFeetMargin = 2;  // empty rows below the stance's shoes

View FigureView() {
  View v;
  v.Elevation = kFigureElevation;
  // The hall's ceiling lamps behind the viewer and to the left, a cool fill from the lane.
  v.Key = {{-0.55, 0.75, 1.0}, 0.82, Rgb(255, 244, 226)};
  v.Fill = {{0.9, -0.1, 0.35}, 0.32, Rgb(200, 214, 255)};
  v.Ambient = 0.42;
  v.AmbientColor = Rgb(236, 228, 220);
  return v;
}

struct Extent {
  double MinX = std::numeric_limits<double>::infinity(), MaxX = -MinX;
  double MinY = MinX, MaxY = -MinX;
  void Add(const View& view, const Model& m) {
    const Projection project(view);
    for (const sprites::Triangle& t : m.Triangles) {
      for (const sprites::Vertex& v : t.V) {
        double sx, sy;
        project(v.Position, sx, sy);
        MinX = std::min(MinX, sx);
        MaxX = std::max(MaxX, sx);
        MinY = std::min(MinY, sy);
        MaxY = std::max(MaxY, sy);
      }
    }
  }
};

// The floor under the stance: a soft pool under the shoes and the figure's long shadow, cast
// away from the lamps behind the viewer.
Image StanceShadow(const Model& stance, const View& view) {
  Model m = stance;
  std::vector<Vec3> pool;
  for (int i = 0; i < 24; ++i) {
    const double a = 2 * kPi * i / 24;
    pool.push_back({22 * std::cos(a), 12 * std::sin(a) - 2, 0});
  }
  sprites::AddPolygon(m, pool, Rgb(0, 0, 0));
  return ShadowPicture(RenderFloorShadow(m, view, {-0.3, 0.55, 1.0}));
}

// The smallest picture holding the opaque pixels, and where its top-left lay.
Image Crop(const Image& image, int& left, int& top) {
  int x0 = image.Width, y0 = image.Height, x1 = -1, y1 = -1;
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      if (!image.Opaque(x, y)) continue;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  }
  if (x1 < 0) throw std::logic_error("the bowler casts no shadow");
  Image out(x1 - x0 + 1, y1 - y0 + 1);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) out.At(x - x0, y - y0) = image.At(x, y);
  }
  left = x0;
  top = y0;
  return out;
}

}  // namespace

BowlerPictures RenderBowler(const BowlerStyle& style) {
  std::vector<FigureModel> approach, strike, gutter;
  for (int n = 0; n < kApproachPatterns; ++n) approach.push_back(BuildFigure(style, ApproachPose(n)));
  for (int n = 0; n < kReactionPatterns; ++n) {
    strike.push_back(BuildFigure(style, ReactionPose(Reaction::Strike, n)));
    gutter.push_back(BuildFigure(style, ReactionPose(Reaction::Gutter, n)));
  }

  // Measure everything in a view whose origin is the stance's floor point.
  View view = FigureView();
  double bx, by;
  ProjectPoint(view, approach[kLastHeldPattern].BallCentre, bx, by);
  Extent stance;
  stance.Add(view, approach[0].Shape);
  BowlerPictures out;
  out.ReleaseX = style.ReleaseX;
  // The stance's shoes end kFeetMargin rows above the bottom edge, which fixes the release row.
  out.ReleaseY = static_cast<int>(std::lround(by - stance.MaxY + kReleaseBase - 1 - kFeetMargin));

  // Each picture set is as small as its own poses allow. They all line up on the screen: picture
  // x = W/2 + ReleaseX + (x - bx) and picture y = H - kReleaseBase + ReleaseY + (y - by).
  const double shiftX = style.ReleaseX - bx;
  auto render = [&](const std::vector<FigureModel>& set, std::vector<Image>& images) {
    Extent extent;
    for (const FigureModel& f : set) extent.Add(view, f.Shape);
    const double reach = std::max(-(extent.MinX + shiftX), extent.MaxX + shiftX);
    const int halfWidth = static_cast<int>(std::ceil(reach)) + 2;
    View placed = view;
    placed.Width = 2 * halfWidth;
    placed.Height = static_cast<int>(std::ceil(kReleaseBase - out.ReleaseY - (extent.MinY - by))) + 2;
    placed.OriginX = halfWidth + shiftX;
    placed.OriginY = placed.Height - kReleaseBase + out.ReleaseY - by;
    for (const FigureModel& f : set) {
      Image img = RenderView(f.Shape, placed);
      Finish(img);
      images.push_back(std::move(img));
    }
    return placed;
  };
  const View approachView = render(approach, out.Approach);
  render(strike, out.Strike);
  render(gutter, out.Gutter);

  // The program puts the shadow's rectangle at left = approachX - Ws/2 + ShadowX and, before the
  // approach moves it up, top = 480 - Hs/2 + ShadowY.
  int left, top;
  out.Shadow = Crop(StanceShadow(approach[0].Shape, approachView), left, top);
  out.ShadowX = left - approachView.Width / 2 + out.Shadow.Width / 2;
  out.ShadowY = top - approachView.Height + out.Shadow.Height / 2;

  out.Ball = BallPatterns(style);
  out.BallShadow = BallShadow();
  return out;
}

std::vector<TPictureItemData> BowlerItems(const BowlerPictures& p) {
  std::vector<TPictureItemData> items;
  items.push_back(sprites::PatternSheet("char", p.Approach, 8));
  items.push_back(sprites::SinglePicture("charshadow", p.Shadow));
  items.push_back(sprites::PatternSheet("ball", p.Ball, 8));
  items.push_back(sprites::SinglePicture("ballshadow", p.BallShadow));
  items.push_back(sprites::PatternSheet("strike", p.Strike, 8));
  items.push_back(sprites::PatternSheet("gutter", p.Gutter, 8));
  // Not drawn: carries the release point and the shadow's offsets.
  TPictureItemData info = sprites::SinglePicture("info", sprites::Image(1, 1, Rgb(255, 255, 255)), false);
  info.SkipWidth = p.ReleaseX;
  info.SkipHeight = p.ReleaseY;
  info.PatternWidth = p.ShadowX;
  info.PatternHeight = p.ShadowY;
  items.push_back(std::move(info));
  return items;
}

}  // namespace bowling_people
