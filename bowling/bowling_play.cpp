#include "bowling/bowling_play.h"

#include <algorithm>

#include "bowling/ball.h"
#include "bowling/computer_bowler.h"
#include "bowling/meter.h"
#include "bowling/pins.h"
#include "bowling/scoring.h"
#include "media/surface.h"

namespace {

// Where each pin's light sits on the score display's rack diagram.
constexpr TPoint kPinLights[11] = {{0, 0},     {77, 426},  {64, 400},  {90, 400},  {49, 373}, {77, 373},
                                   {105, 373}, {33, 346},  {63, 346},  {91, 346},  {122, 346}};

// Release offsets far outside the lane would put the ball where it can never finish its roll.
constexpr int32_t kMaxReleaseOffset = 240;

// The mouse rectangles of the lane screen, all edges inclusive.
struct TArea {
  int left, top, right, bottom;
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};
constexpr TArea kHelpButton{597, 439, 640, 480};
constexpr TArea kPlayerLabel{4, 68, 68, 86};
constexpr TArea kMeter{461, 306, 640, 480};
constexpr TArea kApproach{200, 350, 440, 480};

}  // namespace

TBowlingPlay::TBowlingPlay(TBowlingState& state, TBowlingDevices& devices, TBowlingHost& host, TLedSign& sign)
    : state_(state), devices_(devices), host_(host), sign_(sign), display_(state, devices, host) {}

void TBowlingPlay::Play(TDXWaveList& library, const char* name) {
  devices_.sounds.Play(host_.SoundOn(), library, name);
}

void TBowlingPlay::Stop(TDXWaveList& library, const char* name) {
  devices_.sounds.Stop(host_.SoundOn(), library, name);
}

void TBowlingPlay::setup() {
  TMatchState& match = state_.match;
  TPlayer& player = state_.CurrentPlayer();
  ScoreUp(state_);
  if (!player.bowlerName.empty()) {
    const std::string folder = "bowlers\\" + player.bowlerName + "\\";
    host_.LoadLibrary(devices_.bowler.Items, devices_.paths.Find(folder + "anis.dxg"));
    const TPictureCollectionItem& info = devices_.bowler.Items.Find("info");
    player.releaseOffsetX = std::clamp(info.SkipWidth, -kMaxReleaseOffset, kMaxReleaseOffset);
    player.releaseOffsetY = std::clamp(info.SkipHeight, -kMaxReleaseOffset, kMaxReleaseOffset);
    if (host_.SoundOn() && host_.CrowdReactions()) {
      devices_.speech.Items.ReadFromFile(devices_.paths.Find(folder + "speech.dxw"));
    }
  }
  RackPins(match);
  std::copy(std::begin(kPinLights), std::end(kPinLights), match.pinLights.begin());
  ResetPins(match);
  match.aiming = true;
  match.rolling = match.dragging = match.charging = match.pinHit = match.pinsStill = false;
  match.reacting = match.aniPlayed = match.helpShown = false;
  state_.front.quitting = false;
  match.shot = match.pinsDown = match.firstCount = match.secondCount = 0;
  match.meter = match.reactionFrame = 0;
  match.ballX = match.ballY = match.ballVX = match.ballSpeed = match.ballRoll = match.ballHook = 0;
  player.frameStarted[match.frame] = true;
  match.cpuTarget = FirstBallTarget(player, devices_.random);
}

void TBowlingPlay::StartMatch() {
  TMatchState& match = state_.match;
  for (int n = 1; n <= 4; ++n) {
    match.players[n].approachX = 320;
    ClearSheet(match.players[n]);
  }
  match.frame = 1;
  state_.front.currentPlayer = 1;
  match.matchComplete = false;
  match.cpuRelease = false;
  // An Escape pressed on the menus must not make the match's first Enter abandon it.
  match.exitPending = false;
  setup();
  match.players[1].frameStarted[1] = match.players[2].frameStarted[1] = true;
}

void TBowlingPlay::spareup() {
  TMatchState& match = state_.match;
  const TPlayer& player = state_.CurrentPlayer();
  ScoreUp(state_);
  for (int n = 10; n >= 1; --n) {
    if (match.pins[n].standing) match.cpuTarget = SpareTarget(match.pins[n], player);
  }
  SweepPins(match);
  match.aiming = true;
  match.rolling = match.dragging = match.charging = match.pinHit = match.pinsStill = false;
  match.reacting = match.exitPending = match.aniPlayed = false;
  match.meter = match.reactionFrame = 0;
  match.ballX = match.ballY = match.ballVX = match.ballSpeed = match.ballRoll = match.ballHook = 0;
}

void TBowlingPlay::DXTimerTimer(int lagCount) {
  if (!devices_.DXDraw.ReadyToDraw()) return;
  Step(lagCount, true);
}

void TBowlingPlay::Step(int lagCount, bool draw) {
  TMatchState& match = state_.match;
  TFrontState& front = state_.front;
  if (match.helpShown) {
    const TPoint cursor = devices_.app.Host().CursorPos();
    match.mouseX = cursor.X;
    match.mouseY = cursor.Y;
    if (draw) display_.DrawHelp();
    return;
  }
  if (match.players[1].finished && match.players[2].finished && !match.matchComplete) EndOfMatch();
  if (match.matchComplete) {
    front.currentPlayer = 1;
    ScoreUp(state_);
    front.currentPlayer = 2;
    ScoreUp(state_);
  }
  MovePins(match);
  if (match.rolling) RollingStep();

  const TPoint cursor = devices_.app.Host().CursorPos();
  match.mouseX = cursor.X;
  match.mouseY = cursor.Y;
  TPlayer& player = state_.CurrentPlayer();
  const int32_t lowest = 320 - player.releaseOffsetX - 80;
  const int32_t highest = 320 - player.releaseOffsetX + 80;
  // The computer walks to its own spot, which need not lie within a human's limits.
  if (!match.rolling && !match.charging && !player.computer) {
    if (match.keyRight) ++player.approachX;
    if (match.keyLeft) --player.approachX;
    player.approachX = std::clamp(player.approachX, lowest, highest);
  }
  if (match.dragging) player.approachX = std::clamp(match.mouseX, lowest, highest);
  if (match.aiming) {
    match.ballHook = 0;
    match.meter = match.accuracy = match.power = 0;
    match.ballVX = 0;
  }
  if (player.computer && !match.matchComplete) ComputerStep(match, player, devices_.random);
  if (match.charging && MeterStep(match, player)) {
    Play(devices_.DXWaveList, "drop");
    Play(devices_.DXWaveList, "roll");
  }
  if (match.rolling && match.reacting) display_.AdvanceReaction();
  PaceAndDraw(lagCount, draw);
}

void TBowlingPlay::RollingStep() {
  TMatchState& match = state_.match;
  if (BallStep(match, state_.front.bumperAlley)) Play(devices_.DXWaveList, "drop");
  const int first = BallHitsPins(match, devices_.random);
  if (first != 0) {
    Stop(devices_.DXWaveList, "roll");
    if (first == 1) {
      Play(devices_.DXWaveList, match.ballWeight > 0 ? "hit" : "spare");
    } else {
      Play(devices_.DXWaveList, first <= 6 ? "spare" : "single");
    }
  }
  PinsHitPins(match, devices_.random);
  if (match.ballY <= 96) {
    // The ball reached the pins without touching one.
    if (!match.pinHit) Stop(devices_.DXWaveList, "roll");
    match.pinsStill = PinsAreStill(match);
  }
  Reactions();
  LedDecision();
  if ((match.pinsStill && match.ballY < -250) || match.ballY < -750) BallFinished();
}

void TBowlingPlay::Reactions() {
  TMatchState& match = state_.match;
  if (match.ballY > 20 || match.reacting) return;
  const int down = PinsDown(match);
  if (down != 10 && down != 0) return;
  match.reacting = true;
  match.reactionName = down == 10 ? "strike" : "gutter";
  if (host_.CrowdReactions()) Play(devices_.speech, match.reactionName.c_str());
  match.reactionFrame = 0;
}

void TBowlingPlay::LedDecision() {
  TMatchState& match = state_.match;
  const int animations = host_.Animations();
  if (match.reactionFrame <= 30 || match.aniPlayed || animations == 0) return;
  match.aniPlayed = true;
  const int down = PinsDown(match);
  const char* kind = nullptr;
  if (down == 10) kind = match.shot == 0 ? "strike" : "spare";
  if (down == 0) kind = "gutter";
  if (!kind) return;
  sign_.Load(std::string(kind) + std::to_string(devices_.random.Random(3) + 1), true);
  if (devices_.random.Random(animations) == 0) sign_.Start(devices_.LEDTimer);
}

void TBowlingPlay::BallFinished() {
  if (RecordBall(state_) == TAfterBall::SecondBall) {
    spareup();
    return;
  }
  ChangeTurns(state_);
  setup();
}

void TBowlingPlay::EndOfMatch() {
  TFrontState& front = state_.front;
  const TMatchState& match = state_.match;
  // Only the show that plays is opened, so a missing "wingame" says nothing when "winall" plays.
  const char* show = "gameover";
  if (front.tournamentMode) {
    front.tournamentContinues = false;
    if (match.players[1].frameTotal[10] > match.players[2].frameTotal[10]) {
      front.tournamentContinues = true;
      show = "wingame";
      const int games = host_.TournamentGames();
      if (games != 0 && front.tournamentGamesPlayed >= games) {
        front.tournamentContinues = false;
        show = "winall";
      }
    }
  }
  sign_.Load(show);
  if (TDirectDrawSurface* surface = devices_.DXDraw.Surface()) surface->Fill(0);
  devices_.DXDraw.Flip();
  Play(devices_.music, "music");
  Stop(devices_.noise, "noise");
  sign_.Start(devices_.goverTimer);
}

void TBowlingPlay::Abandon() {
  Stop(devices_.DXWaveList, "roll");
  sign_.Load("gameover");
  Play(devices_.music, "music");
  Stop(devices_.noise, "noise");
  state_.front.tournamentContinues = false;
  sign_.Start(devices_.goverTimer);
}

void TBowlingPlay::PaceAndDraw(int lagCount, bool draw) {
  TMatchState& match = state_.match;
  TDXTimer& timer = devices_.DXTimer;
  if (++match.paceCount > 30) {
    match.paceCount = 0;
    if (timer.TickRate() > 65) timer.SetInterval(std::min(15, timer.Interval() + 1));
    if (timer.TickRate() < 55) timer.SetInterval(std::max(0, timer.Interval() - 1));
  }
  if (lagCount > 1) {
    if (match.paceCount == 0) timer.SetInterval(std::max(0, timer.Interval() - 1));
    return;
  }
  if (draw) display_.DrawFrame();
}

bool TBowlingPlay::ShowsTakeInput() {
  TMatchState& match = state_.match;
  if (match.helpShown) {
    match.helpShown = false;
    return true;
  }
  if (state_.front.quitting) {
    host_.EndProgram();
    return true;
  }
  if (match.aniPlayed && devices_.LEDTimer.Enabled()) {
    devices_.LEDTimer.SetEnabled(false);
    devices_.DXTimer.SetEnabled(true);
    return true;
  }
  for (TDXTimer* show : {&devices_.IntroTimer, &devices_.goverTimer}) {
    if (show->Enabled()) {
      show->SetEnabled(false);
      host_.cleanup();
      return true;
    }
  }
  return false;
}

void TBowlingPlay::Press() {
  const TPressEffect effect = HumanPress(state_.match, state_.CurrentPlayer());
  if (effect != TPressEffect::None) Play(devices_.DXWaveList, "single");
}

void TBowlingPlay::FormKeyDown(int key, TShiftState) {
  TMatchState& match = state_.match;
  match.matchComplete = false;
  if (ShowsTakeInput()) return;
  if (key == VK_RETURN && match.exitPending && devices_.DXTimer.Enabled()) Abandon();
  match.exitPending = key == VK_ESCAPE;
  if (key == VK_SHIFT) match.showAllScores = true;
  if (state_.CurrentPlayer().computer) return;
  if (key == VK_LEFT) match.keyLeft = true;
  if (key == VK_RIGHT) match.keyRight = true;
  if (key == VK_SPACE) Press();
}

void TBowlingPlay::FormKeyUp(int key, TShiftState) {
  TMatchState& match = state_.match;
  if (key == VK_LEFT) match.keyLeft = false;
  if (key == VK_RIGHT) match.keyRight = false;
  if (key == VK_SHIFT) match.showAllScores = false;
}

void TBowlingPlay::DXDrawMouseDown(TMouseButton button) {
  TMatchState& match = state_.match;
  match.matchComplete = false;
  match.exitPending = false;
  if (ShowsTakeInput()) return;
  if (state_.CurrentPlayer().computer || button != TMouseButton::Left) return;
  if (match.charging) {
    Press();
    return;
  }
  if (!match.aiming) return;
  const int x = match.mouseX;
  const int y = match.mouseY;
  if (kHelpButton.Contains(x, y)) {
    match.helpShown = true;
  } else if (kPlayerLabel.Contains(x, y)) {
    match.showAllScores = !match.showAllScores;
  } else if (kMeter.Contains(x, y)) {
    Press();
  } else if (kApproach.Contains(x, y)) {
    match.dragging = true;
  }
}

void TBowlingPlay::DXDrawMouseUp() { state_.match.dragging = false; }
