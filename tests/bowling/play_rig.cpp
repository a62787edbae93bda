#include "play_rig.h"

#include "media/surface.h"

namespace bowling_test {

TPlayRig::TPlayRig(const std::string& folder)
    : TPlayComponents(host, bowlingHost, folder.empty() ? std::string("./") : folder) {
  host.cursor = {320, 240};
  random.Seed(7);
  DXTimer.SetInterval(7);
  for (TDXTimer* show : {&IntroTimer, &LEDTimer, &goverTimer}) show->SetInterval(100);
}

TPlayRig::~TPlayRig() {
  DXDraw.Finalize();
  DXSound.Finalize();
}

void TPlayRig::OpenDevices(const std::string& alleyName) {
  DXDraw.Initialize();
  DXSound.Initialize();
  graphics.Items.ReadFromFile(paths.Find("graphics.dxg"));
  DXWaveList.Items.ReadFromFile(paths.Find("sound.dxw"));
  music.Items.ReadFromFile(paths.Find("music.dxw"));
  alley.Items.ReadFromFile(paths.Find("alleys\\" + alleyName + "\\anis.dxg"));
  noise.Items.ReadFromFile(paths.Find("alleys\\" + alleyName + "\\noise.dxw"));
  state.front.alleyName = alleyName;
}

void TPlayRig::StartMatch(int players, bool firstComputer, bool secondComputer) {
  TMatchState& match = state.match;
  for (int n = 1; n <= 4; ++n) {
    match.players[n].finished = true;
    match.players[n].computer = false;
  }
  state.front.playerCount = static_cast<uint8_t>(players);
  match.players[1].computer = firstComputer;
  match.players[1].finished = false;
  if (players == 2) {
    match.players[2].computer = secondComputer;
    match.players[2].finished = false;
  }
  play.StartMatch();
  DXTimer.SetEnabled(true);
}

bool TPlayRig::TickUntil(const std::function<bool()>& done, int maxTicks, bool draw) {
  for (int i = 0; i < maxTicks; ++i) {
    if (done()) return true;
    play.Step(1, draw);
  }
  return done();
}

uint16_t TPlayRig::FrontPixel(int x, int y) const {
  const TDirectDrawSurface* front = host.display;
  return front ? static_cast<uint16_t>(front->PixelAt(x, y)) : 0;
}

}  // namespace bowling_test
