#include <gtest/gtest.h>

#include "forms/controls.h"
#include "platform/headless_host.h"
#include "platform/menu_frame.h"

namespace {

TPicture Checker(int width, int height) {
  TPicture picture;
  picture.Width = width;
  picture.Height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.Pixels.push_back((x + y) % 2 ? 0xFFFFFF : 0x0000FF);
  }
  return picture;
}

TEST(MenuFrameTest, PicturesLandWhereTheirControlsPutThem) {
  THeadlessHost host;
  TForm form(host);
  form.Color = RGB(0, 255, 0);
  auto& box = form.Add<TGroupBox>("box");
  box.SetBounds(100, 100, 200, 200);
  auto& centred = form.Add<TImage>("map", &box);
  centred.SetBounds(10, 10, 20, 20);
  centred.Center = true;
  centred.SetPicture(Checker(2, 2));
  auto& stretched = form.Add<TImage>("title");
  stretched.SetBounds(0, 0, 8, 4);
  stretched.Stretch = true;
  stretched.SetPicture(Checker(2, 2));
  auto& big = form.Add<TImage>("big");
  big.SetBounds(400, 400, 4, 4);
  big.SetPicture(Checker(50, 50));  // clipped to its 4 x 4 control

  std::vector<uint16_t> frame;
  ComposeMenuFrame(form, 640, 480, TPixelFormat::RGB565, frame);
  auto at = [&](int x, int y) { return frame[static_cast<size_t>(y) * 640 + x]; };
  const uint16_t blue = 0x001F;
  const uint16_t white = 0xFFFF;
  const uint16_t green = 0x07E0;
  EXPECT_EQ(at(118, 118), green);
  EXPECT_EQ(at(119, 119), blue);  // a 2 x 2 picture centred in (110, 110)-(130, 130)
  EXPECT_EQ(at(120, 119), white);
  EXPECT_EQ(at(119, 120), white);
  EXPECT_EQ(at(120, 120), blue);
  EXPECT_EQ(at(121, 121), green);
  EXPECT_EQ(at(3, 1), blue);      // each source pixel covers 4 x 2
  EXPECT_EQ(at(4, 1), white);
  EXPECT_EQ(at(4, 2), blue);
  EXPECT_EQ(at(403, 403), blue);
  EXPECT_EQ(at(404, 403), green);

  box.Hide();
  ComposeMenuFrame(form, 640, 480, TPixelFormat::RGB555, frame);
  EXPECT_EQ(at(119, 119), 0x03E0);  // hidden with its box; green in 5-5-5
}

}  // namespace
