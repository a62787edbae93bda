// The menu fonts: a size is rasterised only once a control asks for it, and a control gets the
// same size of the table it would get with every size loaded.
#include <gtest/gtest.h>
#include <imgui/imgui.h>

#include <filesystem>

#include "forms/controls.h"
#include "platform/headless_host.h"
#include "platform/imgui_fonts.h"

namespace {

// The pixel height a font was added at (the font's own fields are set only when the atlas is built).
float Size(const ImFontAtlas& atlas, const ImFont* font) {
  for (const ImFontConfig& config : atlas.ConfigData) {
    if (config.DstFont == font) return config.SizePixels;
  }
  return 0;
}

TEST(MenuFontsTest, SizesAreAddedWhenAControlAsksAndPickedAsFromTheWholeTable) {
  if (!std::filesystem::exists(TMenuFonts::kRegularPath)) GTEST_SKIP() << "no DejaVu Sans on this machine";
  ImFontAtlas atlas;
  TMenuFonts fonts;
  fonts.Load(atlas);
  ASSERT_EQ(atlas.Fonts.Size, 1);
  EXPECT_EQ(Size(atlas, fonts.Pick(0, false)), 13.0f);
  EXPECT_EQ(Size(atlas, fonts.Pick(21, false)), 13.0f);  // not loaded yet: the nearest that is

  THeadlessHost host;
  TForm form(host);
  auto& status = form.Add<TPanel>("status");
  status.Font.Height = 20;  // the table's nearest is 21
  auto& hidden = form.Add<TLabel>("hidden", &status);
  hidden.Font.Height = 30;  // 28 and 32 are as near: the table's first of them wins
  hidden.Font.Bold = true;
  hidden.Hide();            // hidden controls are prepared too, so showing one never loads
  EXPECT_TRUE(fonts.Prepare(form, true));
  EXPECT_EQ(atlas.Fonts.Size, 2) << "the showing controls' sizes only";
  EXPECT_FALSE(fonts.Prepare(form, true));
  EXPECT_TRUE(fonts.Prepare(form));
  EXPECT_FALSE(fonts.Prepare(form));
  EXPECT_EQ(Size(atlas, fonts.Pick(20, false)), 21.0f);
  EXPECT_EQ(fonts.Pick(21, false), fonts.Pick(22, false));
  const bool haveBold = std::filesystem::exists(TMenuFonts::kBoldPath);
  EXPECT_EQ(atlas.Fonts.Size, 3);  // 13, 21 and 28
  EXPECT_EQ(Size(atlas, fonts.Pick(30, true)), 28.0f);
  if (haveBold) {
    EXPECT_NE(fonts.Pick(30, true), fonts.Pick(28, false));
  }
  // The atlas is built from the bytes the fonts keep.
  EXPECT_TRUE(atlas.Build());
}

}  // namespace
