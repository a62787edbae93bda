// The object library and the form pictures: every picture play asks for, with the pattern counts
// and sizes its drawing code assumes, and no visible pixel that a 16-bit surface would key out.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/tools/sprites_library.h"
#include "tools/assetgen/sprites/form_pictures.h"
#include "tools/assetgen/sprites/items.h"

namespace {

using sprites_test::FormPictures;
using sprites_test::Objects;

struct Expected {
  std::string Name;
  int Patterns;
  int Width = 0, Height = 0;  // 0 = any
};

TEST(SpritesItems, EveryPicturePlayDrawsIsThereWithItsPatterns) {
  const std::vector<Expected> expected = {
      {"fishdash", 1, 640, 100}, {"fishmeter", 7},       {"powerbar", 32},         {"hook", 1},
      {"caught", 1},             {"lost", 1},            {"buoy", 1},              {"talk", 1},
      {"bobber", 1, 8, 8},       {"splash", 1, 16, 8},   {"water", 1, 10, 10},     {"fish", 16},
      {"boat1", 32},             {"boat2", 32},          {"boat3", 32},            {"boat1gas", 32},
      {"boat2gas", 32},          {"boat3gas", 32},       {"fishguy", 96},          {"fishboy", 96},
      {"fishgirl", 96},          {"mouse", 1},           {"mousegas", 1, 32, 32},  {"mousenofish", 1, 32, 32},
      {"Serpent", 32},           {"Gator", 32},          {"Kraken", 32},           {"Monster", 32},
      {"gotSerpent", 1},         {"gotGator", 1},        {"gotKraken", 1},         {"gotMonster", 1},
      {"bigfont", 67, 22, 13},   {"font", 67, 9, 10},    {"infofont", 67, 8, 12},  {"digital", 10},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.Name);
    TPictureCollectionItem& item = Objects().Find(e.Name);
    EXPECT_EQ(item.PatternTotal(), e.Patterns);
    if (e.Width) {
      EXPECT_EQ(item.Width(), e.Width);
    }
    if (e.Height) {
      EXPECT_EQ(item.Height(), e.Height);
    }
  }
  EXPECT_EQ(Objects().Count(), static_cast<int>(expected.size()));
}

TEST(SpritesItems, GasBoatsShareTheirBoatsPatternSize) {
  for (const char* boat : {"boat1", "boat2", "boat3"}) {
    SCOPED_TRACE(boat);
    TPictureCollectionItem& plain = Objects().Find(boat);
    TPictureCollectionItem& gas = Objects().Find(std::string(boat) + "gas");
    EXPECT_EQ(plain.Width(), gas.Width());
    EXPECT_EQ(plain.Height(), gas.Height());
  }
}

TEST(SpritesItems, NoVisiblePixelTurnsIntoTheColourKey) {
  for (TPictureCollection* library : {&Objects(), &FormPictures()}) {
    for (int i = 0; i < library->Count(); ++i) {
      const TPictureCollectionItem& item = library->Items(i);
      const TColor key = item.TransparentColor();
      const uint32_t keyRgb = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
      int collisions = 0;
      for (uint32_t p : item.Picture().Pixels) {
        if (item.Transparent && p != keyRgb && Keyed(item, p)) ++collisions;
        if (!item.Transparent && (p & 0xF8FCF8) == 0) ++collisions;  // would vanish if keyed later
      }
      EXPECT_EQ(collisions, 0) << item.Name();
    }
  }
}

TEST(SpritesItems, ObjectPicturesFitA256ColourBitmap) {
  // With the key, at most 256 colours: the library stores them a byte a pixel, not three.
  for (int i = 0; i < Objects().Count(); ++i) {
    const TPictureCollectionItem& item = Objects().Items(i);
    std::set<uint32_t> colours(item.Picture().Pixels.begin(), item.Picture().Pixels.end());
    EXPECT_LE(colours.size(), 256u) << item.Name();
  }
}

TEST(SpritesItems, SpritesHaveVisiblePixelsInEveryPattern) {
  for (int i = 0; i < Objects().Count(); ++i) {
    const TPictureCollectionItem& item = Objects().Items(i);
    const bool font = item.Name() == "bigfont" || item.Name() == "font" || item.Name() == "infofont";
    for (int p = 0; p < item.PatternTotal(); ++p) {
      if (font && (p == 29 || p == 30)) continue;  // the two blanks of the glyph table
      int visible = 0;
      for (int y = 0; y < item.Height(); ++y) {
        for (int x = 0; x < item.Width(); ++x) visible += !Keyed(item, PixelOf(item, 0 + p, x, y));
      }
      EXPECT_GT(visible, 0) << item.Name() << " pattern " << p;
    }
  }
}

TEST(SpritesItems, FontBlanksAreEmptyAndGlyphsFitTheirLines) {
  for (const char* name : {"bigfont", "font", "infofont"}) {
    const TPictureCollectionItem& font = Objects().Find(name);
    for (int blank : {29, 30}) {
      for (int y = 0; y < font.Height(); ++y) {
        for (int x = 0; x < font.Width(); ++x) {
          ASSERT_TRUE(Keyed(font, PixelOf(font, blank, x, y))) << name << " " << blank;
        }
      }
    }
  }
  // The cash line (bigfont at y 443) ends before the catch text (font at y 456) begins.
  EXPECT_LE(443 + Objects().Find("bigfont").Height(), 456);
  // The centre message steps 11 pixels per half glyph: bigfont glyphs are 22 wide.
  EXPECT_EQ(sprites::GlyphTable().size(), 67u);
  EXPECT_EQ(sprites::GlyphTable().find('='), 43u);
  EXPECT_EQ(sprites::GlyphTable().find(' '), 29u);
}

TEST(SpritesItems, InfoPanelsHoldTheirTextInsideTheSlate) {
  // Text starts one glyph right of (285, 145) for "buoy" and (280, 148) for "talk"; a wrapped line
  // runs past its column count up to the next blank, so leave room for a long word.
  struct Panel { const char* Name; int X, Y, Columns; };
  const TPictureCollectionItem& info = Objects().Find("infofont");
  for (const Panel& p : {Panel{"buoy", 285, 145, 25}, Panel{"talk", 280, 148, 29}}) {
    SCOPED_TRACE(p.Name);
    const TPictureCollectionItem& panel = Objects().Find(p.Name);
    const int left = (640 - panel.Width()) / 2, top = ((480 - 100) - panel.Height()) / 2;
    const int textLeft = p.X + info.Width() - left, textTop = p.Y - top;
    const int textRight = p.X + (p.Columns + 11) * info.Width() - left;
    const int textBottom = textTop + 9 * (info.Height() + 1);
    ASSERT_GT(textLeft, 0);
    ASSERT_LT(textRight, panel.Width());
    ASSERT_LT(textBottom, panel.Height());
    // The slate under the text is one dark colour family, so white glyphs read well on it.
    for (int y = textTop; y < textBottom; y += 7) {
      for (int x = textLeft; x < textRight; x += 7) {
        const uint32_t c = PixelOf(panel, 0, x, y);
        const int lum = ((c >> 16) & 255) * 3 + ((c >> 8) & 255) * 6 + (c & 255);
        EXPECT_LT(lum, 1100) << x << "," << y;
      }
    }
  }
}

TEST(SpritesItems, FormPicturesHaveTheirSizes) {
  struct Size { const char* Name; int W, H; };
  for (const Size& s : {Size{"title", 640, 480}, Size{"menu", 641, 480}, Size{"map", 200, 198},
                        Size{"portrait", 120, 120}}) {
    SCOPED_TRACE(s.Name);
    const TPictureCollectionItem& item = FormPictures().Find(s.Name);
    EXPECT_EQ(item.Picture().Width, s.W);
    EXPECT_EQ(item.Picture().Height, s.H);
    EXPECT_EQ(item.PatternTotal(), 1);
    EXPECT_FALSE(item.Transparent);
  }
  EXPECT_EQ(FormPictures().Count(), 4);
}

TEST(SpritesItems, MenuBarPaintsAButtonUnderEveryHotButton) {
  // Each hot button sits on a brass-rimmed face: its border is brass-bright, its inside darker.
  const TPictureCollectionItem& menu = FormPictures().Find("menu");
  for (const sprites::MenuLayout& b : sprites::MenuButtons()) {
    SCOPED_TRACE(b.Caption);
    const uint32_t rim = menu.Picture().At(b.X + b.W / 2, b.Y + 1);
    const uint32_t face = menu.Picture().At(b.X + 8, b.Y + b.H / 2);
    EXPECT_GT((rim >> 16) & 255, 150u);  // brass
    EXPECT_LT((face >> 16) & 255, 100u);  // the button's dark face
  }
}

}  // namespace
