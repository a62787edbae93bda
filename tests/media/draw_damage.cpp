// What a surface counts as drawn, as the flip and a retained frame rely on it: after every flip the
// front shows exactly the back, the back shows what it would had it never been flipped, and a frame
// redrawn only where its layers change shows what drawing it whole shows, whatever mix of drawing
// came before (every way of drawing, on the back and straight onto the front, raw writes, fills and
// restores).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/retained_frame.h"
#include "media/turbopixels.h"
#include "tests/media/draw_fake_host.h"
#include "tests/support/test_pictures.h"

namespace {

bool Same(const TDirectDrawSurface& a, const TDirectDrawSurface& b) {
  const size_t pixels = static_cast<size_t>(a.Width()) * a.Height();
  return a.Width() == b.Width() && a.Height() == b.Height() && std::equal(a.Bits(), a.Bits() + pixels, b.Bits());
}

// A picture of varied colours with holes of the key colour (black).
TPicture Holed(int width, int height) {
  TPicture picture = Solid(width, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool hole = (x * 3 + y * 5) % 11 == 0;
      picture.Pixels[static_cast<size_t>(y) * width + x] = hole ? 0 : 0x081018u * static_cast<uint32_t>(1 + (x + 2 * y) % 29);
    }
  }
  return picture;
}

class DamageTest : public ::testing::Test {
 protected:
  DamageTest() {
    sprite.SetPicture(Holed(96, 40));
    sprite.PatternWidth = 32;
    sprite.PatternHeight = 40;
    backdrop.SetPicture(Holed(640, 480));
    backdrop.Transparent = false;
    draw.Initialize();
  }
  int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
  TRect RandomRect() {
    const int x = Random(720) - 40;
    const int y = Random(560) - 40;
    return Bounds(x, y, 1 + Random(120), 1 + Random(90));
  }
  // One drawing call of a random kind on surface.
  void DrawSomething(TDirectDrawSurface& surface) {
    const TRect rect = RandomRect();
    switch (Random(10)) {
      case 0: sprite.Draw(surface, rect.Left, rect.Top, Random(3)); break;
      case 1: sprite.DrawAbove(surface, rect.Left, rect.Top, Random(3), Random(480)); break;
      case 2: sprite.DrawWithin(surface, rect.Left, rect.Top, Random(3), RandomRect()); break;
      case 3: sprite.DrawStretched(surface, rect, Random(3)); break;
      case 4: sprite.DrawBlended(surface, rect, Random(3), Random(256)); break;
      case 5: sprite.DrawBlended(surface, Bounds(rect.Left, rect.Top, 32, 40), Random(3), 1 + Random(255)); break;
      case 6: surface.FillRectBlended(rect, RGB(Random(256), 40, 200), Random(256)); break;
      case 7: surface.Row(Random(480))[Random(640)] = static_cast<uint16_t>(Random(65536)); break;
      case 8: backdrop.Draw(surface, rect.Left, rect.Top, 0); break;  // opaque: sets every pixel it covers
      case 9: backdrop.DrawWithin(surface, 0, rect.Top - 200, 0, TRect{0, rect.Top, 640, rect.Bottom}); break;
    }
  }
  // The same drawing call on both.
  void DrawOnBoth(TDirectDrawSurface& surface, TDirectDrawSurface& model) {
    const std::mt19937 before = random;
    DrawSomething(surface);
    random = before;
    DrawSomething(model);
  }

  TFakeHost host;
  TApplication app{host};
  TDXDraw draw{&app};
  TDXImageList list{&draw};
  TPictureCollectionItem& sprite = list.Items.Add();
  TPictureCollectionItem& backdrop = list.Items.Add();
  std::mt19937 random{17};
};

TEST_F(DamageTest, AfterEveryFlipTheFrontShowsTheBackAsIfNeverFlipped) {
  TDirectDrawSurface& back = *draw.Surface();
  TDirectDrawSurface& front = *draw.Primary();
  // Drawn the same as the back, never flipped: what the back must show.
  TDirectDrawSurface model(640, 480, draw.PixelFormat());
  for (int flip = 0; flip < 600; ++flip) {
    for (int n = Random(5); n > 0; --n) {
      DrawOnBoth(back, model);
      if (Random(4) == 0) {
        const int x = Random(640);
        const int y = Random(480);
        ASSERT_EQ(back.PixelAt(x, y), model.PixelAt(x, y)) << "flip " << flip;
      }
    }
    switch (Random(12)) {
      case 0: DrawSomething(front); break;  // straight onto the front, as the fishing program does
      case 1: {
        const uint32_t colour = static_cast<uint32_t>(Random(65536));
        back.Fill(colour);
        model.Fill(colour);
        break;
      }
      case 2:
        draw.Restore();
        model.Fill(0);
        break;
      case 3: {
        // Now and then the back stays locked over the flip, which then copies.
        const int x0 = Random(640), y0 = Random(480), x1 = Random(640), y1 = Random(480);
        for (TDirectDrawSurface* surface : {&model, &back}) {
          if (LockSurface(*surface)) DrawLine(*surface, x0, y0, x1, y1, 255, 0, 0);
        }
        if (Random(2) == 0) UnlockSurface();
        break;
      }
      default: break;
    }
    draw.Flip();
    UnlockSurface();
    ASSERT_TRUE(Same(front, model)) << "flip " << flip;
    if (Random(3) == 0) {
      ASSERT_TRUE(Same(back, model)) << "flip " << flip;
    }
  }
}

TEST_F(DamageTest, AFrameRedrawnWhereItChangesShowsWhatDrawingItWholeShows) {
  TDirectDrawSurface retained(640, 480, draw.PixelFormat());
  TDirectDrawSurface whole(640, 480, draw.PixelFormat());
  TRetainedFrame frame;
  // Layers of sprites, blends and shades that keep still, move, come and go from frame to frame.
  struct TCall {
    int kind;
    TRect rect;
    int pattern;
    int alpha;
  };
  std::vector<std::vector<TCall>> layers(5);
  for (int n = 0; n < 200; ++n) {
    for (std::vector<TCall>& layer : layers) {
      if (layer.empty() || Random(4) == 0) layer.assign(static_cast<size_t>(Random(4)), TCall{});
      for (TCall& call : layer) {
        if (call.alpha == 0 || Random(5) == 0) call = TCall{Random(3), RandomRect(), Random(3), 1 + Random(255)};
      }
    }
    const auto drawLayer = [&](TDirectDrawSurface& surface, int layer) {
      for (const TCall& call : layers[static_cast<size_t>(layer)]) {
        if (call.kind == 0) sprite.Draw(surface, call.rect.Left, call.rect.Top, call.pattern);
        if (call.kind == 1) sprite.DrawBlended(surface, call.rect, call.pattern, call.alpha);
        if (call.kind == 2) surface.FillRectBlended(call.rect, clBlack, call.alpha);
      }
    };
    // Now and then something else draws on both between frames.
    if (Random(6) == 0) {
      const std::mt19937 before = random;
      DrawSomething(retained);
      random = before;
      DrawSomething(whole);
    }
    frame.Draw(retained, backdrop, 0, 0, 0, 5, [&](int layer) { drawLayer(retained, layer); });
    backdrop.Draw(whole, 0, 0, 0);
    for (int layer = 0; layer < 5; ++layer) drawLayer(whole, layer);
    ASSERT_TRUE(Same(retained, whole)) << "frame " << n;
  }
}

}  // namespace
