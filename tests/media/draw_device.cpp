// The drawing device: initialisation and finalisation order, display modes, errors, flipping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/errors.h"
#include "tests/media/draw_fake_host.h"

namespace {

class DeviceTest : public ::testing::Test {
 protected:
  TFakeHost host;
  TApplication app{host};
  TDXDraw draw{&app};
  std::vector<std::string> events;

  void RecordEvents() {
    draw.OnInitializing = [this] { events.push_back("Initializing"); };
    draw.OnInitialize = [this] { events.push_back("Initialize"); };
    draw.OnInitializeSurface = [this] { events.push_back("InitializeSurface"); };
    draw.OnRestoreSurface = [this] { events.push_back("RestoreSurface"); };
    draw.OnFinalizeSurface = [this] { events.push_back("FinalizeSurface"); };
    draw.OnFinalize = [this] { events.push_back("Finalize"); };
  }
  void FullScreen(int width, int height, int bits) {
    draw.Options = {doFullScreen, doAllowReboot, doAllowPalette256, doHardware};
    draw.Display.Width = width;
    draw.Display.Height = height;
    draw.Display.SetBitCount(bits);
  }
  std::string InitializeError() {
    try {
      draw.Initialize();
    } catch (const EDXDrawError& e) {
      return e.Message();
    }
    return "";
  }
};

TEST_F(DeviceTest, EventsFireInOrderAndReinitialisingFinalisesFirst) {
  RecordEvents();
  draw.Initialize();
  EXPECT_TRUE(draw.Initialized());
  EXPECT_EQ(events, (std::vector<std::string>{"Initializing", "Initialize", "InitializeSurface",
                                              "RestoreSurface"}));
  events.clear();
  draw.Initialize();
  EXPECT_EQ(events,
            (std::vector<std::string>{"FinalizeSurface", "Finalize", "Initializing", "Initialize",
                                      "InitializeSurface", "RestoreSurface"}));
  events.clear();
  draw.Finalize();
  draw.Finalize();
  EXPECT_EQ(events, (std::vector<std::string>{"FinalizeSurface", "Finalize"}));
  EXPECT_FALSE(draw.Initialized());
  EXPECT_EQ(draw.Surface(), nullptr);
  EXPECT_EQ(host.Shown, nullptr);
}

TEST_F(DeviceTest, WithoutAFormNothingIsOpened) {
  TDXDraw orphan(nullptr);
  bool fired = false;
  orphan.OnInitializing = [&] { fired = true; };
  try {
    orphan.Initialize();
    FAIL();
  } catch (const EDXDrawError& e) {
    EXPECT_EQ(e.Message(), "Form not found");
  }
  EXPECT_FALSE(fired);
  EXPECT_FALSE(orphan.Initialized());
}

TEST_F(DeviceTest, BitCountsOtherThanEightSixteenTwentyFourOrThirtyTwoAreRefused) {
  EXPECT_THROW(draw.Display.SetBitCount(15), EDXDrawError);
  try {
    draw.Display.SetBitCount(0);
  } catch (const EDXDrawError& e) {
    EXPECT_EQ(e.Message(), "Display requires 8, 16, 24 or 32 bits");
  }
  EXPECT_EQ(draw.Display.BitCount(), 16);
}

TEST_F(DeviceTest, FullScreenTakesTheSmallestModeOfTheSameRatioFirst) {
  host.Modes = {{1280, 720, 16}, {1024, 768, 16}, {800, 600, 16}, {700, 500, 16}};
  FullScreen(640, 480, 16);
  draw.Initialize();
  EXPECT_EQ(draw.Surface()->Width(), 800);  // 4:3 before 700 x 500
  EXPECT_EQ(draw.Primary()->Height(), 600);

  host.Modes = {{1280, 720, 16}, {700, 500, 16}};
  draw.Initialize();
  EXPECT_EQ(draw.Surface()->Width(), 700);  // no 4:3 mode: any ratio
}

TEST_F(DeviceTest, BitCountRulesOfTheModeSearch) {
  FullScreen(640, 480, 16);
  host.Modes = {{800, 600, 32}, {640, 480, 32}};
  draw.Initialize();  // 9 bits or more suits a 16-bit request
  EXPECT_EQ(draw.Surface()->Width(), 640);

  host.Modes = {{1024, 768, 32}, {800, 600, 32}, {1024, 768, 16}};
  draw.Initialize();  // 800 x 600 fits but 16 bits is listed only at 1024 x 768
  EXPECT_EQ(draw.Surface()->Width(), 800);

  draw.Display.FixedBitCount = true;
  host.Modes = {{800, 600, 32}};
  EXPECT_EQ(InitializeError(), "Display mode cannot be changed (640x480 16bit)");
  EXPECT_FALSE(draw.Initialized());
  EXPECT_EQ(host.Shown, nullptr);
}

TEST_F(DeviceTest, AFailureReleasesTheDeviceWithoutFinaliseEvents) {
  RecordEvents();
  FullScreen(2000, 2000, 16);
  EXPECT_EQ(InitializeError(), "Display mode cannot be changed (2000x2000 16bit)");
  EXPECT_EQ(events, std::vector<std::string>{"Initializing"});

  draw.Options = {};
  draw.SurfaceWidth = TDirectDrawSurface::kMaxSide + 1;
  EXPECT_EQ(InitializeError(), "Surface cannot be made");
  host.Desktop.Width = TDirectDrawSurface::kMaxSide * 2;
  draw.Options = {doFullScreen};
  host.Modes = {host.Desktop};
  draw.Display.Width = host.Desktop.Width;
  draw.Display.Height = host.Desktop.Height;
  EXPECT_EQ(InitializeError(), "Primary Surface cannot be made");
  EXPECT_FALSE(draw.Initialized());
}

TEST_F(DeviceTest, FlipCopiesTheBackSurfaceAndPresents) {
  draw.Options = {doWaitVBlank};
  draw.Initialize();
  EXPECT_EQ(host.Shown, draw.Primary());
  draw.Surface()->Fill(0x1234);
  draw.Flip();
  EXPECT_EQ(host.Presents, 1);
  EXPECT_TRUE(host.LastWaitVBlank);
  EXPECT_EQ(draw.Primary()->PixelAt(639, 479), 0x1234u);
  ASSERT_FALSE(host.LastFrame.empty());
  EXPECT_EQ(host.LastFrame.back(), 0x1234);

  draw.Options = {};
  draw.Initialize();
  draw.Flip();
  EXPECT_FALSE(host.LastWaitVBlank);
}

TEST_F(DeviceTest, PageFlippingShowsNothingWhileTheFormIsInactive) {
  draw.Options = {doFullScreen, doFlip, doWaitVBlank};
  draw.Initialize();
  app.SetActive(false);
  draw.Flip();
  EXPECT_EQ(host.Presents, 0);
  app.SetActive(true);
  draw.Flip();
  EXPECT_EQ(host.Presents, 1);
  EXPECT_TRUE(host.LastWaitVBlank);
}

TEST_F(DeviceTest, CopyingCentresASmallerBackSurface) {
  draw.Options = {doCenter};
  draw.AutoSize = false;
  draw.SurfaceWidth = 320;
  draw.SurfaceHeight = 240;
  host.Desktop = {640, 480, 16};
  draw.Options.Include(doFullScreen);
  draw.Initialize();
  draw.Surface()->Fill(7);
  draw.Flip();
  EXPECT_EQ(draw.Primary()->PixelAt(159, 119), 0u);
  EXPECT_EQ(draw.Primary()->PixelAt(160, 120), 7u);
  EXPECT_EQ(draw.Primary()->PixelAt(479, 359), 7u);
  EXPECT_EQ(draw.Primary()->PixelAt(480, 360), 0u);
}

TEST_F(DeviceTest, ALostPrimaryIsRestoredByReadyToDraw) {
  RecordEvents();
  TDXImageList list(&draw);
  TPictureCollectionItem& item = list.Items.Add();
  item.SetPicture(TPicture{1, 1, {0xFFFFFF}});
  EXPECT_FALSE(draw.ReadyToDraw());
  draw.Initialize();
  events.clear();
  draw.Surface()->Fill(5);
  draw.Primary()->MarkLost();
  EXPECT_TRUE(draw.ReadyToDraw());
  EXPECT_EQ(events, std::vector<std::string>{"RestoreSurface"});
  EXPECT_EQ(draw.Surface()->PixelAt(0, 0), 0u);
  ASSERT_NE(item.PatternSurface(0), nullptr);
  EXPECT_EQ(item.PatternSurface(0)->PixelAt(0, 0), 0xFFFFu);
}

TEST_F(DeviceTest, ALibraryCanBuildEachItemOnItsFirstDraw) {
  TDXImageList list(&draw);
  list.Items.SurfacesOnFirstDraw = true;
  TPictureCollectionItem& drawn = list.Items.Add();
  drawn.SetPicture(TPicture{1, 1, {0xFFFFFF}});
  TPictureCollectionItem& idle = list.Items.Add();
  idle.SetPicture(TPicture{1, 1, {0xFFFFFF}});
  draw.Initialize();
  EXPECT_TRUE(drawn.SurfacesPending());
  EXPECT_TRUE(idle.SurfacesPending());
  drawn.Draw(*draw.Surface(), 3, 2, 0);
  EXPECT_EQ(draw.Surface()->PixelAt(3, 2), 0xFFFFu) << "built and drawn by the same call";
  EXPECT_FALSE(drawn.SurfacesPending());
  EXPECT_TRUE(idle.SurfacesPending());
  // A restore rebuilds at once what had been built; the rest still waits.
  draw.Primary()->MarkLost();
  ASSERT_TRUE(draw.ReadyToDraw());
  EXPECT_FALSE(drawn.SurfacesPending());
  EXPECT_FALSE(drawn.Surfaces().Surfaces.empty());
  EXPECT_TRUE(idle.SurfacesPending());
  draw.Finalize();
  EXPECT_FALSE(idle.SurfacesPending());
  EXPECT_EQ(idle.PatternSurface(0), nullptr) << "nothing is built without the device";
}

TEST_F(DeviceTest, AutoInitializeOpensOnTheFirstShowingOnly) {
  draw.AutoInitialize = true;
  draw.FormShown();
  EXPECT_TRUE(draw.Initialized());
  draw.Finalize();
  draw.FormShown();
  EXPECT_FALSE(draw.Initialized());
}

TEST_F(DeviceTest, LibrariesOutliveOrPrecedeTheDevice) {
  auto device = std::make_unique<TDXDraw>(&app);
  TDXImageList list(device.get());
  list.Items.Add().SetPicture(TPicture{2, 2, {1, 2, 3, 4}});
  device->Initialize();
  EXPECT_NE(list.Items.Items(0).PatternSurface(0), nullptr);
  device.reset();
  EXPECT_EQ(list.DXDraw(), nullptr);
  EXPECT_EQ(list.Items.Items(0).PatternSurface(0), nullptr);

  auto later = std::make_unique<TDXImageList>(&draw);
  later->Items.Add().SetPicture(TPicture{2, 2, {1, 2, 3, 4}});
  draw.Initialize();
  later.reset();
  draw.Finalize();
  draw.Initialize();
}

}  // namespace
