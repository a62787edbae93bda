// Fishing play through the real form and loop on the headless host, on the generated program
// folder: from the menu into a lake, driving with the mouse and the keys, casting, answering the
// strike on the meter, landing fish to the contest's limit, and back to the menu with the prize.
// With TH_PLAY_SHOTS set to a folder, the frames of the main moments are written there (PPM).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "fishing/lake_map.h"
#include "fishing/main_form.h"
#include "media/iso_math.h"
#include "media/dx_image_list.h"
#include "media/surface.h"
#include "platform/headless_host.h"

namespace {

// The headless host, with a player who answers the pauses inside a tick: once a pause has pumped
// its 256 messages and waits, a key is pressed.
class TPlayerHost : public THeadlessHost {
 public:
  void ProcessMessages() override {
    if (++pumps_ > 256 && form && !form->trip->inputSeen) {
      ++pausesAnswered;
      pumps_ = 0;
      if (onPause) onPause();
      PressKey(VK_SHIFT);
    }
    THeadlessHost::ProcessMessages();
  }
  // One pass of the loop.
  void Pass(uint32_t milliseconds) {
    pumps_ = 0;
    Advance(milliseconds);
    Step();
  }

  TMainForm* form = nullptr;
  int pausesAnswered = 0;
  // Called while a pause waits, before its key is pressed (the frame shows the pause).
  std::function<void()> onPause;

 private:
  long pumps_ = 0;
};

class PlayEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::path(TH_BIN_DIR) / "tarnhook";
    if (!std::filesystem::exists(folder / "lakes" / "Loon_Lake.iso") ||
        !std::filesystem::exists(folder / "objects.dxg")) {
      GTEST_SKIP() << "no generated program folder at " << folder;
    }
    host.SetClock(5000);
    // The seed of the trips' draws: with it Loon_Lake's five fish weigh enough to win the contest.
    host.SetWallClock(5000);
    form = std::make_unique<TMainForm>(host, folder.string());
    host.form = form.get();
    host.Attach(*form);
    host.Start();
    host.Pass(0);
    host.onPause = [this] { Shot("pause_" + std::to_string(host.pausesAnswered)); };
  }

  LakeTrip& trip() { return *form->trip; }

  // Runs passes of the loop until done() or maxPasses; whether done.
  bool RunUntil(const std::function<bool()>& done, int maxPasses) {
    for (int i = 0; i < maxPasses; ++i) {
      if (done()) return true;
      host.Pass(interval);
    }
    return done();
  }
  void Passes(int count) {
    for (int i = 0; i < count; ++i) host.Pass(interval);
  }

  // From the title to the lake panel, then "Fish This Lake" on the lake at index in the list.
  void FishLake(int index) {
    host.ClickAt(320, 240);
    host.Pass(0);
    host.ClickAt(265, 50);  // the "go" button on the menu bar
    host.Pass(0);
    ASSERT_TRUE(form->lakePanel.tarnhook.Showing());
    host.SelectItem("lakes", index);
    host.Pass(0);
    host.Click("showgo");
    host.Pass(0);
    ASSERT_TRUE(form->DXTimer.Enabled()) << (host.Messages().empty() ? "" : host.Messages().back());
    interval = static_cast<uint32_t>(std::max(form->DXTimer.Interval(), 1));
  }

  // Screen position of a world point in the current view.
  TPoint OnScreen(float x, float y) {
    return {Round(x) - trip().scrollX, Round(y) - trip().scrollY};
  }

  void Shot(const std::string& name) {
    const char* dir = std::getenv("TH_PLAY_SHOTS");
    if (!dir) return;
    std::ofstream out(std::filesystem::path(dir) / (name + ".ppm"), std::ios::binary);
    out << "P6\n" << host.FrameWidth() << ' ' << host.FrameHeight() << "\n255\n";
    for (uint16_t pixel : host.LastFrame()) {
      const char rgb[3] = {static_cast<char>((pixel >> 11) << 3), static_cast<char>(((pixel >> 5) & 63) << 2),
                           static_cast<char>((pixel & 31) << 3)};
      out.write(rgb, 3);
    }
  }

  // How many opaque pixels of a sprite pattern drawn at (x, y) show in the last frame as they are in
  // the sprite, out of those in its rows from firstRow on.
  double SpriteMatch(const std::string& name, int pattern, int x, int y, int firstRow) {
    TPictureCollectionItem& item = form->objects.Items.Find(name);
    const TPatternEntry& entry = item.Surfaces().Patterns.at(static_cast<size_t>(pattern));
    const TDirectDrawSurface& source = *item.Surfaces().Surfaces.at(static_cast<size_t>(entry.SurfaceIndex));
    int opaque = 0;
    int shown = 0;
    for (int row = firstRow; row < entry.Rect.Height(); ++row) {
      for (int col = 0; col < entry.Rect.Width(); ++col) {
        const uint16_t value = source.Row(entry.Rect.Top + row)[entry.Rect.Left + col];
        if (value == source.ColorKey()) continue;
        const int fx = x + col;
        const int fy = y + row;
        if (fx < 0 || fy < 0 || fx >= host.FrameWidth() || fy >= host.FrameHeight()) continue;
        ++opaque;
        shown += host.FramePixel(fx, fy) == value ? 1 : 0;
      }
    }
    return opaque ? static_cast<double>(shown) / opaque : 0;
  }

  // A spot on open water between 160 and 250 pixels from the boat, on screen above the dashboard.
  TPoint CastSpot() {
    const TPoint boat = OnScreen(trip().boatX, trip().boatY);
    for (int step = 0; step < 64; ++step) {
      const uint8_t dir = static_cast<uint8_t>(step * 4 + 2);
      for (int distance : {200, 170, 240}) {
        const TPoint spot{boat.X + Round(StepCos(dir) * distance), boat.Y + Round(StepSin(dir) * distance / 2)};
        if (spot.X < 20 || spot.X > 620 || spot.Y < 20 || spot.Y > 360) continue;
        if (WaterUnder(trip(), trip().scrollX + spot.X, trip().scrollY + spot.Y)) return spot;
      }
    }
    return {};
  }

  std::filesystem::path folder;
  TPlayerHost host;
  std::unique_ptr<TMainForm> form;
  uint32_t interval = 16;
};

TEST_F(PlayEndToEnd, PayLoadAndDriveWithMouseAndKeys) {
  const int32_t cash = trip().cash;
  FishLake(1);  // Loon_Lake, $25
  EXPECT_EQ(form->SelectedLakeName(), "Loon_Lake");
  EXPECT_EQ(trip().cash, cash - 25);
  EXPECT_FALSE(form->image.Visible);
  EXPECT_TRUE(form->DXDrawArea.Visible);

  // Mouse drive: hold the left button with the pointer up and to the right of the boat.
  host.MouseMove(500, 100);
  host.MouseDown(TMouseButton::Left, 500, 100);
  Passes(150);
  host.MouseUp(TMouseButton::Left, 500, 100);
  const float afterMouseX = trip().boatX;
  const float afterMouseY = trip().boatY;
  Shot("drive_mouse");
  // Keys: the up arrow with the left arrow turning.
  host.KeyDown(VK_UP);
  host.KeyDown(VK_LEFT);
  Passes(80);
  host.KeyUp(VK_LEFT);
  Passes(80);
  host.KeyUp(VK_UP);
  EXPECT_NE(trip().boatX, afterMouseX);
  EXPECT_NE(trip().boatY, afterMouseY);
  EXPECT_TRUE(WaterUnder(trip(), Round(trip().boatX), Round(trip().boatY)));

  // Come to rest; the wake fades.
  ASSERT_TRUE(RunUntil([&] { return trip().boatSpeed == 0; }, 100));
  Passes(40);
  Shot("at_rest");
  ASSERT_EQ(host.FrameWidth(), 640);
  // The boat and the angler are where the view puts them, the dashboard at the bottom.
  TPictureCollectionItem& boat = form->objects.Items.Find(trip().boatImage);
  const TPoint at = OnScreen(trip().boatX, trip().boatY);
  const int pattern = 31 - (trip().heading - 4) / 8;
  EXPECT_GT(SpriteMatch(trip().boatImage, pattern, at.X - boat.PatternWidth / 2, at.Y - boat.PatternHeight / 2,
                        boat.PatternHeight / 2 + 2),
            0.8);
  TPictureCollectionItem& dash = form->objects.Items.Find("fishdash");
  EXPECT_GT(SpriteMatch("fishdash", 0, 0, 480 - dash.Height(), 0), 0.6);
  // The lake fills the view: many colours, no black.
  int black = 0;
  for (int y = 0; y < 480 - dash.Height(); y += 4) {
    for (int x = 0; x < 640; x += 4) black += host.FramePixel(x, y) == 0 ? 1 : 0;
  }
  EXPECT_EQ(black, 0);
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(PlayEndToEnd, WinAContestAndOpenTheNextLake) {
  FishLake(1);  // Loon_Lake: 5 fish of 16 pounds in all win $200 and open lakes up to 3
  const int32_t cashAtStart = trip().cash;
  // The serpent keeps to itself, so the outcome depends on the angler alone.
  for (FishRecord& monster : trip().monsters) monster.gone = true;
  const int middle = (form->objects.Items.Find("powerbar").PatternTotal() + 2) / 2;
  int shots = 0;
  while (trip().fishCaught < trip().limit) {
    ASSERT_TRUE(RunUntil([&] { return trip().boatSpeed == 0 && !trip().reeling && !trip().casting; }, 400));
    // Cast with a right click on water.
    const TPoint spot = CastSpot();
    ASSERT_NE(spot.X, 0);
    host.MouseMove(spot.X, spot.Y);
    host.MouseDown(TMouseButton::Right, spot.X, spot.Y);
    host.MouseUp(TMouseButton::Right, spot.X, spot.Y);
    ASSERT_TRUE(RunUntil([&] { return trip().casting; }, 10));
    if (shots == 0) {
      Passes(8);
      Shot("casting");
    }
    ASSERT_TRUE(RunUntil([&] { return trip().reeling; }, 200));
    // A fish swims up to the lure.
    int slot = -1;
    for (int i = 0; i <= trip().lastFish && slot < 0; ++i) {
      if (!trip().fish[i].gone) slot = i;
    }
    ASSERT_GE(slot, 0);
    FishRecord& fish = trip().fish[slot];
    fish.mode = 0;
    fish.swimSpeed = 0;
    fish.x = fish.homeX = trip().lureX;
    fish.y = fish.homeY = trip().lureY;
    ASSERT_TRUE(RunUntil([&] { return form->DXCastTimer.Enabled(); }, 5));
    interval = static_cast<uint32_t>(form->DXCastTimer.Interval());
    // Stop the bar at its middle: the click lands with the next tick's step.
    ASSERT_TRUE(RunUntil([&] { return trip().meter == middle - 1 && trip().meterStep == 1; }, 200));
    if (shots == 0) Shot("strike");
    host.MouseDown(TMouseButton::Left, 300, 200);
    host.MouseUp(TMouseButton::Left, 300, 200);
    ASSERT_TRUE(RunUntil([&] { return form->DXTimer.Enabled(); }, 5));
    interval = static_cast<uint32_t>(std::max(form->DXTimer.Interval(), 1));
    EXPECT_TRUE(trip().fishOn);
    EXPECT_EQ(trip().meter, middle);
    const int caught = trip().fishCaught;
    const int pauses = host.pausesAnswered;
    ASSERT_TRUE(RunUntil([&] { return !trip().reeling; }, 600));
    EXPECT_EQ(trip().fishCaught, caught + 1);
    EXPECT_EQ(host.pausesAnswered, pauses + 1);  // the "caught" picture waited for a key
    if (shots++ == 0) {
      Passes(1);
      Shot("caught");
    }
  }
  // The limit ends the contest: the result shows and the prize is paid once.
  EXPECT_GE(trip().poundsCaught, trip().winIf);
  Passes(1);
  EXPECT_TRUE(trip().ending);
  EXPECT_EQ(trip().cash, cashAtStart + 200);
  Passes(5);
  Shot("contest_won");
  ASSERT_TRUE(RunUntil([&] { return !form->DXTimer.Enabled(); }, 200));
  host.Pass(0);
  EXPECT_EQ(trip().cash, cashAtStart + 200);
  EXPECT_EQ(trip().lakesOpen, 3);
  EXPECT_TRUE(form->image.Visible);
  EXPECT_FALSE(form->DXDrawArea.Visible);
  const std::vector<std::string>& lakes = form->lakePanel.lakes.Items();
  ASSERT_EQ(lakes.size(), 3u);
  EXPECT_EQ(lakes[2], "Cedar_River");
  EXPECT_EQ(form->status.Caption.substr(form->status.Caption.find("Cash")), "Cash: $" + std::to_string(cashAtStart + 200));
  Shot("menu_after");
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(PlayEndToEnd, InfoStopAndMonster) {
  FishLake(1);
  Passes(2);
  // Run the boat onto the lake's first info stop.
  int stop = -1;
  for (int i = 0; i < kMapObjects && stop < 0; ++i) {
    const MapObject& object = trip().mapObjects[i];
    if ((object.name == "buoy" || object.name == "talk") && object.active) stop = i;
  }
  ASSERT_GE(stop, 0);
  const MapObject& object = trip().mapObjects[stop];
  trip().boatX = static_cast<float>(object.col * trip().tileWidth + (object.row % 2) * (trip().tileWidth / 2) +
                                    trip().tileWidth / 2);
  trip().boatY = static_cast<float>(object.row * (trip().tileHeight / 2) + trip().tileHeight / 2);
  ASSERT_EQ(TileAt(trip(), Round(trip().boatX), Round(trip().boatY)), (TCell{object.col, object.row}));
  host.Pass(interval);
  EXPECT_EQ(host.pausesAnswered, 1);
  EXPECT_EQ(object.active, 0);
  EXPECT_TRUE(form->DXTimer.Enabled());

  // The serpent comes up beside the boat and eats the catch.
  trip().fishCaught = 2;
  trip().poundsCaught = 7;
  FishRecord& serpent = trip().monsters[0];
  serpent.gone = false;
  serpent.x = serpent.homeX = trip().boatX + 30;
  serpent.y = serpent.homeY = trip().boatY;
  host.Pass(interval);
  EXPECT_EQ(host.pausesAnswered, 2);
  EXPECT_TRUE(serpent.gone);
  EXPECT_EQ(trip().fishCaught, 0);
  EXPECT_EQ(trip().message, "THE SERPENT ATE YOUR FISH");
  Passes(1);
  Shot("eaten");
  EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
