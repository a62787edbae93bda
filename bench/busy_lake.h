// The busy fishing scene the benchmarks share: a trip on Loon_Lake with 30 fish and 3 monsters on
// screen, every wake slot alive and the boat driving, put back as it was by Reset(), a few pixels
// further along a route that drives back and forth: the view scrolls every tick, as in play.
#pragma once

#include <memory>
#include <string>

#include "fishing/fishing_devices.h"
#include "fishing/iso_map.h"
#include "fishing/lake_map.h"
#include "fishing/lake_trip.h"
#include "fishing/trip_context.h"
#include "fishing/trip_host.h"
#include "fishing/trip_setup.h"
#include "media/application.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/ini_file.h"
#include "media/iso_math.h"
#include "media/null_host.h"
#include "media/program_paths.h"
#include "media/random.h"

class TBenchTripHost : public TTripHost {
 public:
  bool MouseDrive() const override { return true; }
  int GameSpeedIndex() const override { return 2; }
  bool PageFlipping() const override { return false; }
  bool BackgroundSounds() const override { return false; }
  bool SoundOn() const override { return false; }
  int LuresLevel() const override { return 1; }
  int RodLevel() const override { return 1; }
  int BoatLevel() const override { return 2; }
  std::string SelectedLakeName() const override { return "Loon_Lake"; }
  void ShowLoadingBox() override {}
  void HideLoadingBox() override {}
  void AppendLoadingDot() override {}
  void ResetLoadingLabel() override {}
  void HideMenu() override {}
  void ShowDrawArea(bool) override {}
  void SetPlayCursor(bool) override {}
  void ShowMenuAfterTrip() override {}
  void RefillLakeList() override {}
  void UpdateStatus() override {}
  void ShowMessage(const std::string&) override {}
  bool Closing() const override { return false; }
};

// The program's components and a trip on Loon_Lake, set up as "Fish This Lake" leaves them.
struct TBusyLake {
  TNullHost host;
  TApplication app{host};
  TDXDraw draw{&app};
  TDXImageList objects{&draw};
  TDXImageList tiles{&draw};
  TDXSound sound{&app};
  TDXWaveList sounds{&sound};
  TDXWaveList background{&sound};
  TDXTimer timer{app, false};
  TDXTimer castTimer{app, false};
  TRandom random{1};
  TProgramPaths paths;
  TFishingDevices devices{app, draw, objects, tiles, sounds, background, sound, timer, castTimer, random, paths};
  TBenchTripHost tripHost;
  std::unique_ptr<LakeTrip> trip = std::make_unique<LakeTrip>();
  TTripContext ctx{*trip, devices, tripHost, {}, {}, {}, {}, {}};
  float startX = 0;
  float startY = 0;
  int step = 0;

  explicit TBusyLake(const std::string& folder) : paths(folder) {
    const TIniFile ini(paths.Find("lakes\\Loon_Lake.ini"));
    trip->monsterKind = ini.ReadString("Lake Data", "MonsterKind", "Monster");
    trip->imageLib = ini.ReadString("Lake Data", "ImageLib", "canada.dxg");
    trip->lastFish = 29;
    trip->lastMonster = 2;
    trip->limit = 1000;
    trip->Biggest = 24;
    sounds.Items.ReadFromFile(paths.Find("sound.dxw"));
    tiles.Items.ReadFromFile(paths.Find(trip->imageLib));
    objects.Items.ReadFromFile(paths.Find("objects.dxg"));
    LoadLakeMap(*trip, ReadIsoMap(paths.Find("lakes\\Loon_Lake.iso")));
    ResolvePlayMedia(ctx);
    PlaceBoatAtStart(*trip);
    draw.Initialize();
    ResetForDevice(*trip);
    startX = trip->boatX;
    startY = trip->boatY;
    trip->mouseX = 600;
    trip->mouseY = 100;
    trip->throttle = true;
    ctx.text.reserve(64);
  }

  // Puts the scene back as it was (boat driving, 30 fish and 3 monsters on screen, full wake), the
  // next step along the route: 4 pixels right and 2 up a tick for 64 ticks, then back.
  void Reset() {
    LakeTrip& t = *trip;
    const int leg = step++ % 128;
    const int along = leg < 64 ? leg : 128 - leg;
    t.boatX = startX + 4.0f * along;
    t.boatY = startY - 2.0f * along;
    t.boatSpeed = 4;
    t.heading = 10;
    t.scrollX = Round(t.boatX) - 320;
    t.scrollY = Round(t.boatY) - 190;
    for (int i = 0; i <= t.lastFish; ++i) {
      FishRecord& fish = t.fish[i];
      fish.x = fish.homeX = t.boatX - 280 + (i % 10) * 60;
      fish.y = fish.homeY = t.boatY - 150 + (i / 10) * 110;
      fish.gone = false;
      fish.mode = i % 2;
      fish.swimSpeed = 1;
    }
    for (int i = 0; i <= t.lastMonster; ++i) {
      FishRecord& monster = t.monsters[i];
      monster.x = monster.homeX = t.boatX - 200 + i * 200;
      monster.y = monster.homeY = t.boatY + 120;
      monster.gone = false;
      monster.swimSpeed = 1;
    }
    for (int i = 0; i < kWakeSlots; ++i) {
      WakeParticle& particle = t.wake[i];
      particle.x = t.boatX - 60 + (i % 16) * 8;
      particle.y = t.boatY - 30 + (i / 16) * 8;
      particle.dir = static_cast<uint8_t>(i * 2);
      particle.life = 32;
    }
  }
};
