// The steps every generated picture goes through: hardening and outlining, the colour-key guard,
// pattern sheets, the renderer's view and depth order, and the embedded-library source.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/assetgen/sprites/form_pictures.h"
#include "tools/assetgen/sprites/image.h"
#include "tools/assetgen/sprites/render3d.h"
#include "tools/assetgen/sprites/shapes.h"

namespace {

using namespace sprites;

TEST(SpritesPipeline, HardeningAndOutliningRingASilhouette) {
  Image img(5, 5);
  img.At(2, 2) = Argb(200, 250, 10, 10);
  img.At(1, 1) = Argb(60, 250, 10, 10);  // too faint to keep
  Harden(img);
  EXPECT_EQ(AlphaOf(img.At(2, 2)), 255);
  EXPECT_EQ(img.At(1, 1), 0u);
  Outline(img);
  for (auto [x, y] : {std::pair{1, 2}, {3, 2}, {2, 1}, {2, 3}}) {
    const uint32_t c = img.At(x, y);
    EXPECT_EQ(AlphaOf(c), 255) << x << "," << y;
    EXPECT_LT(RedOf(c) + GreenOf(c) + BlueOf(c), 200) << x << "," << y;  // dark
  }
  EXPECT_EQ(img.At(1, 1), 0u);  // diagonal neighbours stay clear
  EXPECT_EQ(img.At(0, 2), 0u);
}

TEST(SpritesPipeline, VisiblePixelsNeverBecomeTheKey) {
  Image img(4, 1);
  img.At(0, 0) = Rgb(0, 0, 0);
  img.At(1, 0) = Rgb(7, 3, 7);       // 0 in 5-6-5 as well
  img.At(2, 0) = Rgb(255, 0, 255);
  const TPicture black = ToPicture(img, clBlack);
  EXPECT_EQ(black.Pixels[3], 0u);  // transparent pixel takes the key
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(SameIn16Bits(black.Pixels[i], 0)) << i;
  }
  const TPicture fuchsia = ToPicture(img, clFuchsia);
  EXPECT_EQ(fuchsia.Pixels[3], 0xFF00FFu);
  EXPECT_FALSE(SameIn16Bits(fuchsia.Pixels[2], 0xFF00FF));
  EXPECT_EQ(fuchsia.Pixels[0], 0u);  // black is no longer the key, so it stays black
}

TEST(SpritesPipeline, PatternSheetsFillWholeRowsOfEqualPatterns) {
  std::vector<Image> patterns(6, Image(3, 2, Rgb(1, 2, 3)));
  const TPictureItemData item = PatternSheet("x", patterns, 3);
  EXPECT_EQ(item.Picture.Width, 9);
  EXPECT_EQ(item.Picture.Height, 4);
  EXPECT_EQ(item.PatternWidth, 3);
  EXPECT_EQ(item.PatternHeight, 2);
  // A partial last row would add patterns the game could pick; sizes must agree.
  EXPECT_THROW(PatternSheet("x", patterns, 4), std::logic_error);
  patterns[5] = Image(2, 2);
  EXPECT_THROW(PatternSheet("x", patterns, 3), std::logic_error);
  EXPECT_THROW(PatternSheet("x", {}, 3), std::logic_error);
}

TEST(SpritesPipeline, PaletteReductionKeepsColoursCloseAndTransparencyIntact) {
  Image img(40, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) img.At(x, y) = (x + y) % 7 == 0 ? 0 : Rgb(x * 6, y * 8, 255 - x * 3);
  }
  const Image before = img;
  ReducePalette(img, 255);
  std::set<uint32_t> colours;
  int worst = 0;
  for (size_t i = 0; i < img.Pixels.size(); ++i) {
    EXPECT_EQ(AlphaOf(img.Pixels[i]), AlphaOf(before.Pixels[i]));
    if (AlphaOf(img.Pixels[i]) == 0) continue;
    colours.insert(img.Pixels[i]);
    worst = std::max({worst, std::abs(RedOf(img.Pixels[i]) - RedOf(before.Pixels[i])),
                      std::abs(GreenOf(img.Pixels[i]) - GreenOf(before.Pixels[i])),
                      std::abs(BlueOf(img.Pixels[i]) - BlueOf(before.Pixels[i]))});
  }
  EXPECT_LE(colours.size(), 255u);
  EXPECT_LE(worst, 24);
  // A picture that already fits is left alone.
  Image few(3, 1, Rgb(9, 9, 9));
  few.At(1, 0) = Rgb(200, 1, 1);
  const Image copy = few;
  ReducePalette(few, 255);
  EXPECT_EQ(few.Pixels, copy.Pixels);
}

// The bounding box of the visible pixels.
struct Box {
  int X0 = 1 << 20, Y0 = 1 << 20, X1 = -1, Y1 = -1;
};
Box Bounds(const Image& img) {
  Box b;
  for (int y = 0; y < img.Height; ++y) {
    for (int x = 0; x < img.Width; ++x) {
      if (!img.Opaque(x, y)) continue;
      b.X0 = std::min(b.X0, x);
      b.Y0 = std::min(b.Y0, y);
      b.X1 = std::max(b.X1, x);
      b.Y1 = std::max(b.Y1, y);
    }
  }
  return b;
}

TEST(SpritesPipeline, HeadingsTurnClockwiseAndDepthIsHalved) {
  // A flat plank 40 long: along the screen at heading 0, down it at half length at heading 64.
  Model plank;
  AddBox(plank, {0, 0, 0.5}, {20, 2, 0.5}, Rgb(200, 200, 200));
  Camera cam;
  cam.Width = 64;
  cam.Height = 64;
  cam.OriginX = 32;
  cam.OriginY = 32;
  const Box across = Bounds(Render(plank, cam));
  EXPECT_NEAR(across.X1 - across.X0, 42, 2);
  cam.Heading = 64;
  const Box down = Bounds(Render(plank, cam));
  EXPECT_NEAR(down.Y1 - down.Y0, 22, 3);
  EXPECT_NEAR(down.X1 - down.X0, 6, 2);
  // A marker at the front moves from the right (heading 0) to below (heading 64).
  double sx, sy;
  cam.Heading = 0;
  Project(cam, {20, 0, 0}, sx, sy);
  EXPECT_NEAR(sx, 52, 1e-9);
  cam.Heading = 64;
  Project(cam, {20, 0, 0}, sx, sy);
  EXPECT_NEAR(sx, 32, 1e-9);
  EXPECT_NEAR(sy, 42, 1e-9);
}

TEST(SpritesPipeline, NearerSurfacesHideFartherOnesAndBelowTheCutIsHidden) {
  // Two overlapping squares: the one nearer the viewer (further south) wins whatever the order.
  Model m;
  AddBox(m, {0, 6, 4}, {4, 0.5, 4}, Rgb(250, 0, 0));  // near
  AddBox(m, {0, -6, 4}, {6, 0.5, 8}, Rgb(0, 0, 250));  // far, larger
  Camera cam;
  cam.Width = 40;
  cam.Height = 40;
  cam.OriginX = 20;
  cam.OriginY = 30;
  const Image img = RenderSoft(m, cam);
  double sx, sy;
  Project(cam, {0, 6, 4}, sx, sy);
  const uint32_t middle = img.At(static_cast<int>(sx), static_cast<int>(sy));
  EXPECT_GT(RedOf(middle), BlueOf(middle));
  cam.HideBelowZ = 100;
  EXPECT_EQ(Bounds(Render(m, cam)).X1, -1);
}

// Decodes the string literals of the generated source back into bytes.
std::vector<uint8_t> Unescape(const std::string& source) {
  std::vector<uint8_t> out;
  const size_t start = source.find("kFormPictures[] =");
  for (size_t i = source.find('"', start); i < source.size() && source.compare(i, 2, "\n ") != 0;) {
    if (source[i] == '"') {
      const size_t end = source.find('"', i + 1);
      for (size_t j = i + 1; j < end; j += 4) out.push_back(static_cast<uint8_t>(std::stoi(source.substr(j + 1, 3), nullptr, 8)));
      i = source.find('"', end + 1);
      if (i == std::string::npos || source.find(';', end) < i) break;
    } else {
      ++i;
    }
  }
  return out;
}

TEST(SpritesPipeline, EmbeddedSourceCarriesEveryByte) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<uint8_t>(i * 7));
  bytes.push_back('1');  // a digit right after an escape must not join it
  const std::string source = FormPicturesSource(bytes);
  EXPECT_NE(source.find("const size_t kFormPicturesSize = sizeof(kFormPictures) - 1;"), std::string::npos);
  EXPECT_EQ(Unescape(source), bytes);
}

}  // namespace
