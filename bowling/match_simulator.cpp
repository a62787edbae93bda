#include "bowling/match_simulator.h"

#include <map>

#include "bowling/ball.h"
#include "bowling/bowling_host.h"
#include "bowling/data_names.h"
#include "bowling/play_components.h"
#include "bowling/split_leave.h"
#include "media/errors.h"
#include "media/iso_math.h"
#include "media/null_host.h"
#include "media/picture_collection.h"

namespace {

// Options of a silent match without shows. Without a display, play reads nothing of a bowler's
// library but its "info" picture's numbers, so each file is read once and every later turn gets a
// library of just that item.
class TQuietHost : public TPresetBowlingHost {
 public:
  TQuietHost() {
    sound = crowd = shadows = false;
    animations = 0;
    games = 0;
  }
  void LoadLibrary(TPictureCollection& library, const std::string& path) override {
    auto known = info_.find(path);
    if (known == info_.end()) {
      TPictureCollection whole;
      whole.ReadFromFile(path);
      const TPictureCollectionItem& info = whole.Find("info");
      known = info_.emplace(path, TInfo{info.PatternWidth, info.PatternHeight, info.SkipWidth, info.SkipHeight}).first;
    }
    library.Clear();
    TPictureCollectionItem& info = library.Add();
    info.SetName("info");
    info.PatternWidth = known->second.patternWidth;
    info.PatternHeight = known->second.patternHeight;
    info.SkipWidth = known->second.skipWidth;
    info.SkipHeight = known->second.skipHeight;
  }

 private:
  struct TInfo {
    int32_t patternWidth, patternHeight, skipWidth, skipHeight;
  };
  std::map<std::string, TInfo> info_;
};

// A match is over long before this: about 40 balls of a few hundred ticks each.
constexpr int64_t kMaxTicks = 1000000;

}  // namespace

struct TMatchSimulator::TRig {
  explicit TRig(const std::string& folder) : parts(host, quiet, folder) {}

  TNullHost host;  // ticks are driven by the simulator itself
  TQuietHost quiet;
  TPlayComponents parts;
};

TMatchSimulator::TMatchSimulator(const std::string& programFolder) : rig_(std::make_unique<TRig>(programFolder)) {}

TMatchSimulator::~TMatchSimulator() = default;

void TMatchSimulator::Seed(uint64_t seed) { rig_->parts.random.Seed(seed); }

namespace {

// A ball reaching the pins outside the lane's edges is in a gutter.
bool InGutter(const TMatchState& match, bool bumperAlley) {
  if (bumperAlley) return false;
  const int32_t x = Round(match.ballX);
  const int32_t y = Round(match.ballY);
  return LineSide(212, 407, 253, 96, x, y) < 0 || LineSide(423, 407, 382, 96, x, y) > 0;
}

bool SplitLeft(const TMatchState& match) {
  std::array<bool, 11> standing{};
  for (int n = 1; n <= 10; ++n) standing[n] = match.pins[n].standing;
  return IsSplit(standing);
}

}  // namespace

TMatchResult TMatchSimulator::Play(const std::string& firstBowler, const std::string& secondBowler, int level,
                                   const std::string& alleyName) {
  TBowlingState& state = rig_->parts.state;
  TFrontState& front = state.front;
  TMatchState& match = state.match;
  front.playerCount = 2;
  front.alleyName = alleyName;
  front.bumperAlley = IsBumperAlley(alleyName);
  front.tournamentMode = false;
  for (int n = 1; n <= 4; ++n) {
    TPlayer& player = match.players[n];
    player.computer = n <= 2;
    player.finished = n > 2;
    player.level = static_cast<uint8_t>(level);
  }
  match.players[1].bowlerName = firstBowler;
  match.players[2].bowlerName = secondBowler;
  TBowlingPlay& play = rig_->parts.play;
  play.StartMatch();

  TMatchResult result;
  result.players[0].bowler = firstBowler;
  result.players[1].bowler = secondBowler;
  bool judged = false;  // the rolling ball's gutter has been judged
  while (!match.matchComplete) {
    if (++result.ticks > kMaxTicks) throw Exception("A simulated match did not end.");
    const int bowling = front.currentPlayer;
    TGameResult& game = result.players[static_cast<size_t>(bowling - 1)];
    const bool wasRolling = match.rolling;
    if (match.rolling && !judged && match.ballY <= 96) {
      judged = true;
      if (InGutter(match, front.bumperAlley)) ++game.gutterBalls;
    }
    play.Step(1, false);
    if (wasRolling && !match.rolling) {
      ++game.balls;
      judged = false;
      // A first ball that is not a strike is followed by spareup, which keeps the standing pins
      // where they stood and leaves the frame's count of balls at one.
      if (match.shot == 1 && match.aiming && match.frame <= 10 && SplitLeft(match)) ++game.splits;
    }
  }
  // The program puts both players' final totals on the sheet in the tick after the match is
  // complete; without it the last bonus ball of whoever bowled before the last ball is missing.
  ++result.ticks;
  play.Step(1, false);
  for (int n = 1; n <= 2; ++n) {
    const TPlayer& player = match.players[n];
    TGameResult& game = result.players[static_cast<size_t>(n - 1)];
    game.score = player.frameTotal[10];
    for (int frame = 1; frame <= 10; ++frame) {
      game.strikes += player.strike[frame] ? 1 : 0;
      game.spares += player.spare[frame] ? 1 : 0;
      game.firstBallPins += player.firstBall[frame];
    }
    for (int frame = 1; frame <= 12; ++frame) {
      if (player.firstThrown[frame]) game.pins.push_back(player.firstBall[frame]);
      if (player.secondThrown[frame]) game.pins.push_back(player.secondBall[frame]);
    }
  }
  return result;
}
