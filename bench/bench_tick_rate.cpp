// Ticks per second of the two busiest scenes, in plain loops, so one source measures the native build
// and the browser build alike (Google Benchmark does not run in the page):
//   - a busy fishing trip: Loon_Lake with 30 fish and 3 monsters on screen, every wake slot alive,
//     the boat driving (the scene of bench_frame);
//   - a bowling match with Soft Shadows on: two score rows, the ball and four pins moving, drawing and
//     the flip included (the drawn play tick of bench_bowling).
// Each scene runs for about a second three times; the best run counts, as other jobs share the
// processor. Usage: bench_tick_rate [PROGRAMS_FOLDER] (the folder holding tarnhook/ and bowling/;
// by default bin/ beside the build's bench folder). Prints "tarnhook_ticks_per_second N" and
// "bowling_ticks_per_second N".
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "bowling/bowling_host.h"
#include "bowling/play_components.h"
#include "fishing/fishing_devices.h"
#include "fishing/iso_map.h"
#include "fishing/lake_map.h"
#include "fishing/lake_trip.h"
#include "fishing/trip_context.h"
#include "fishing/trip_host.h"
#include "fishing/trip_setup.h"
#include "fishing/trip_tick.h"
#include "media/application.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/errors.h"
#include "media/ini_file.h"
#include "media/iso_math.h"
#include "media/null_host.h"
#include "media/picture_collection.h"
#include "media/program_paths.h"
#include "media/random.h"
#include "media/surface.h"

namespace {

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
  TTripContext ctx{*trip, devices, tripHost, {}, {}, {}};
  float startX = 0;
  float startY = 0;

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

  // Puts the scene back as it was: boat driving, 30 fish and 3 monsters on screen, full wake.
  void Reset() {
    LakeTrip& t = *trip;
    t.boatX = startX;
    t.boatY = startY;
    t.boatSpeed = 4;
    t.heading = 10;
    t.scrollX = Round(startX) - 320;
    t.scrollY = Round(startY) - 190;
    for (int i = 0; i <= t.lastFish; ++i) {
      FishRecord& fish = t.fish[i];
      fish.x = fish.homeX = startX - 280 + (i % 10) * 60;
      fish.y = fish.homeY = startY - 150 + (i / 10) * 110;
      fish.gone = false;
      fish.mode = i % 2;
      fish.swimSpeed = 1;
    }
    for (int i = 0; i <= t.lastMonster; ++i) {
      FishRecord& monster = t.monsters[i];
      monster.x = monster.homeX = startX - 200 + i * 200;
      monster.y = monster.homeY = startY + 120;
      monster.gone = false;
      monster.swimSpeed = 1;
    }
    for (int i = 0; i < kWakeSlots; ++i) {
      WakeParticle& particle = t.wake[i];
      particle.x = startX - 60 + (i % 16) * 8;
      particle.y = startY - 30 + (i / 16) * 8;
      particle.dir = static_cast<uint8_t>(i * 2);
      particle.life = 32;
    }
  }
};

// The program's components with Vekt bowling on Tradtional against Marla, the ball among the pins.
struct TBusyLaneHosts {
  TNullHost host;
  TPresetBowlingHost bowlingHost;
};

struct TBusyLane : TBusyLaneHosts, TPlayComponents {
  TBowlingState busy;

  explicit TBusyLane(const std::string& folder) : TPlayComponents(host, bowlingHost, folder) {
    bowlingHost.sound = bowlingHost.crowd = false;
    bowlingHost.animations = 0;
    random.Seed(1);
    DXDraw.Initialize();
    graphics.Items.ReadFromFile(paths.Find("graphics.dxg"));
    alley.Items.ReadFromFile(paths.Find("alleys\\Tradtional\\anis.dxg"));
    TFrontState& front = state.front;
    TMatchState& match = state.match;
    front.alleyName = "Tradtional";
    front.playerCount = 2;
    match.players[1].bowlerName = "Vekt";
    match.players[2].bowlerName = "Marla";
    play.StartMatch();
    // Four frames bowled by each, both rows shown; the ball rolling into the pins, four knocked.
    for (int n = 1; n <= 2; ++n) {
      TPlayer& p = match.players[n];
      for (int k = 1; k <= 4; ++k) {
        p.frameStarted[k] = p.firstThrown[k] = p.secondThrown[k] = true;
        p.firstBall[k] = 7;
        p.secondBall[k] = 2;
      }
      p.frameStarted[5] = true;
    }
    match.frame = 5;
    match.showAllScores = true;
    match.aiming = false;
    match.rolling = true;
    match.power = 60;
    match.accuracy = 96;
    match.ballSpeed = 3.3f;
    match.ballX = 322;
    match.ballY = 170;
    match.ballWeight = 1;
    for (int n : {1, 2, 3, 5}) {
      TPin& pin = match.pins[n];
      pin.standing = false;
      pin.moving = true;
      pin.fallRow = n % 8;
      pin.fallFrame = 12;
      pin.vx = n % 2 ? 1.5f : -1.5f;
      pin.vy = -2;
    }
    busy = state;
  }
};

// The best rate of three runs of about a second each of tick.
double TicksPerSecond(const std::function<void()>& tick) {
  using TClock = std::chrono::steady_clock;
  double best = 0;
  for (int run = 0; run < 3; ++run) {
    int ticks = 0;
    const TClock::time_point start = TClock::now();
    double seconds = 0;
    while (seconds < 1.0) {
      for (int i = 0; i < 10; ++i) tick();
      ticks += 10;
      seconds = std::chrono::duration<double>(TClock::now() - start).count();
    }
    best = std::max(best, ticks / seconds);
  }
  return best;
}

std::string DefaultFolder() { return (std::filesystem::path(ExecutableFolder()) / ".." / "bin").string(); }

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path programs = argc > 1 ? argv[1] : DefaultFolder();
  try {
    TBusyLake lake((programs / "tarnhook").string());
    std::printf("tarnhook_ticks_per_second %.0f\n", TicksPerSecond([&lake] {
                  lake.Reset();
                  TripTick(lake.ctx, "Loon_Lake");
                }));
    TBusyLane lane((programs / "bowling").string());
    std::printf("bowling_ticks_per_second %.0f\n", TicksPerSecond([&lane] {
                  lane.state = lane.busy;
                  lane.play.Step(1, true);
                }));
  } catch (const Exception& error) {
    std::fprintf(stderr, "bench_tick_rate: %s (is the generated data in %s?)\n", error.Message().c_str(),
                 programs.string().c_str());
    return 1;
  }
  return 0;
}
