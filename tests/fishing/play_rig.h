// A test rig for fishing play: the media components of the form, a host whose clock and message
// pump the test controls, a trip host with settable options, and a program folder holding a small
// generated lake (map, tile library, object library). Pictures are solid blocks of colour so a
// frame can be checked pixel by pixel; sounds are short clicks.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fishing/fishing_devices.h"
#include "fishing/fishing_play.h"
#include "fishing/iso_map.h"
#include "fishing/lake_trip.h"
#include "fishing/trip_host.h"
#include "media/application.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/program_paths.h"
#include "media/random.h"
#include "tests/support/rig_host.h"

namespace play_test {

// Colours of the generated pictures (0x00RRGGBB).
constexpr uint32_t kWaterColour = 0x2040C0;
constexpr uint32_t kLandColour = 0x30A030;
constexpr uint32_t kBoatColour = 0xF0F0F0;
constexpr uint32_t kDashColour = 0x806040;

// Patterns of the strike bar; its middle is (20 + 2) div 2 = 11.
constexpr int kPowerbarPatterns = 20;
constexpr int kDashHeight = 100;

// The form side of a trip, recording what play asked of it.
class TRigTripHost : public TTripHost {
 public:
  bool MouseDrive() const override { return mouseDrive; }
  int GameSpeedIndex() const override { return speed; }
  bool PageFlipping() const override { return flip; }
  bool BackgroundSounds() const override { return bgsound; }
  bool SoundOn() const override { return soundOn; }
  int LuresLevel() const override { return lures; }
  int RodLevel() const override { return rod; }
  int BoatLevel() const override { return boat; }
  std::string SelectedLakeName() const override { return lakeName; }
  void ShowLoadingBox() override { loadingShown = true; }
  void HideLoadingBox() override { loadingShown = false; }
  void AppendLoadingDot() override { ++dots; }
  void ResetLoadingLabel() override { dots = 0; }
  void HideMenu() override { menuShown = false; }
  void ShowDrawArea(bool visible) override { drawAreaShown = visible; }
  void SetPlayCursor(bool hidden) override { cursorHidden = hidden; }
  void ShowMenuAfterTrip() override { menuShown = true; }
  void RefillLakeList() override { ++lakeListFills; }
  void UpdateStatus() override { ++statusUpdates; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool Closing() const override { return closing; }

  bool mouseDrive = true;
  int speed = 2;
  bool flip = false;
  bool bgsound = true;
  bool soundOn = true;
  int lures = 1;
  int rod = 1;
  int boat = 1;
  std::string lakeName = "testlake";
  bool loadingShown = false;
  int dots = 0;
  bool menuShown = true;
  bool drawAreaShown = false;
  bool cursorHidden = false;
  int lakeListFills = 0;
  int statusUpdates = 0;
  bool closing = false;
  std::vector<std::string> messages;
};

// A map of open water (tile 3) with a border of grass (tile 4) two cells wide.
TIsoMap WaterMap(int lastCol, int lastRow);
// Sets object slot i of the map.
void SetObject(TIsoMap& map, int i, int col, int row, const std::string& name, const std::string& param,
               const std::string& text = "");

class TPlayRig {
 public:
  // A program folder with the lake "testlake" made from map (WaterMap(40, 120) by default).
  TPlayRig();
  explicit TPlayRig(const TIsoMap& map);
  // An existing program folder (the generated one) with its sound libraries; lakes are chosen
  // with SelectLake.
  explicit TPlayRig(const std::filesystem::path& programFolder);
  ~TPlayRig();

  // Reads a lake's values from "lakes\<name>.ini" as the lake list does, and selects it.
  void SelectLake(const std::string& name);

  // Rewrites the lake's map file.
  void WriteMap(const TIsoMap& map);
  // goClick; true when play has started.
  bool Start();
  // One tick of whichever timer runs (the frame timer, or the strike timer while it runs).
  void Tick();
  void Ticks(int count);
  // The world point at the pointer after moving it to a screen point.
  void PointAt(int screenX, int screenY) { play->DXDrawMouseMove(screenX, screenY); }

  // Whether a sound is playing now; Silence stops every effect so a later play can be seen.
  bool Sounding(const std::string& name);
  void Silence();

  // A pixel of the back surface (after a tick, the frame just drawn) as 0x00RRGGBB with the low
  // bits that the 16-bit format drops cleared.
  uint32_t BackPixel(int x, int y);

  std::filesystem::path folder;
  TRigHost host;  // a pause is answered after its 256 warm-up calls unless onMessages presses a key
  TApplication app{host};
  TDXDraw draw{&app};
  TDXImageList objects{&draw};
  TDXImageList tiles{&draw};
  TDXSound sound{&app};
  TDXWaveList sounds{&sound};
  TDXWaveList background{&sound};
  TDXTimer timer{app, false};
  TDXTimer castTimer{app, false};
  TRandom random{12345};
  TProgramPaths paths;
  TFishingDevices devices{app, draw, objects, tiles, sounds, background, sound, timer, castTimer, random, paths};
  TRigTripHost tripHost;
  std::unique_ptr<LakeTrip> trip = std::make_unique<LakeTrip>();
  std::unique_ptr<TFishingPlay> play;
  // Pauses answered so far (each one a picture waiting for a key).
  int pauses = 0;

 private:
  void Build(const TIsoMap& map);
  // Connects the device events and timers to play, opens the device, answers pauses.
  void Wire();

  bool ownsFolder_ = true;

  // Message calls since the last tick or pause: past 256 a pause is waiting for a key.
  long pumpRun_ = 0;
};

}  // namespace play_test
