#include "bowling/scoring.h"

#include <algorithm>

#include "bowling/pins.h"

TAfterBall RecordBall(TBowlingState& state) {
  TMatchState& match = state.match;
  TPlayer& player = state.CurrentPlayer();
  const int frame = match.frame;
  match.pinsDown = static_cast<uint8_t>(PinsDown(match));
  ++match.shot;
  if (match.shot == 1) {
    player.firstThrown[frame] = true;
    match.firstCount = match.pinsDown;
    player.firstBall[frame] = match.firstCount;
    if (match.firstCount == 10) {
      player.strike[frame] = true;
      if (frame == 11 && player.spare[10]) player.finished = true;
      if (frame == 12) player.finished = true;
      return TAfterBall::NextTurn;
    }
    // The bonus ball after a tenth-frame spare, or the third ball after two tenth-frame strikes.
    if ((frame == 11 && !player.strike[10]) || frame == 12) {
      player.finished = true;
      return TAfterBall::NextTurn;
    }
    return TAfterBall::SecondBall;
  }
  player.secondThrown[frame] = true;
  match.secondCount = static_cast<uint8_t>(match.pinsDown - match.firstCount);
  player.secondBall[frame] = match.secondCount;
  if (player.firstBall[frame] + player.secondBall[frame] == 10) {
    player.spare[frame] = true;
    if (frame == 11) player.finished = true;
  } else if (frame >= 10) {
    player.finished = true;
  }
  return TAfterBall::NextTurn;
}

void ChangeTurns(TBowlingState& state) {
  TFrontState& front = state.front;
  TMatchState& match = state.match;
  if (front.currentPlayer == 2 || (front.currentPlayer == 1 && match.players[2].finished)) {
    match.frame = static_cast<uint8_t>(std::min(match.frame + 1, 13));
    if (!match.players[1].finished) front.currentPlayer = 1;
  } else {
    front.currentPlayer = 2;
  }
}

void ComputeFrameTotals(TPlayer& p, int frame) {
  if (frame <= 1) return;
  for (int i = 1; i <= 10; ++i) {
    p.frameTotal[i] = 0;
    if (p.strike[i]) {
      p.frameTotal[i] = p.strike[i + 1] ? 10 + p.firstBall[i + 1] + p.firstBall[i + 2]
                                        : 10 + p.firstBall[i + 1] + p.secondBall[i + 1];
    }
    if (p.spare[i]) p.frameTotal[i] = 10 + p.firstBall[i + 1];
    if (!p.strike[i] && !p.spare[i]) p.frameTotal[i] = p.firstBall[i] + p.secondBall[i];
    if (i > 1) p.frameTotal[i] += p.frameTotal[i - 1];
  }
}

void ScoreUp(TBowlingState& state) {
  TMatchState& match = state.match;
  ComputeFrameTotals(state.CurrentPlayer(), match.frame);
  if (match.players[1].finished && match.players[2].finished) match.matchComplete = true;
}

namespace {

void AppendNumber(std::string& text, int n) {
  char digits[12];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0);
  while (count > 0) text += digits[--count];
}

void BuildResult(TBowlingState& state) {
  TMatchState& match = state.match;
  std::string& banner = match.banner;
  if (state.front.playerCount == 1) {
    banner = "GAME OVER";
  } else if (state.front.playerCount == 2) {
    const int32_t one = match.players[1].frameTotal[10];
    const int32_t two = match.players[2].frameTotal[10];
    if (one > two) banner = match.players[1].computer ? "COMPUTER PLAYER 1 WINS" : "PLAYER 1 WINS";
    if (two > one) banner = match.players[2].computer ? "COMPUTER PLAYER 2 WINS" : "PLAYER 2 WINS";
    if (one == two) banner = "MATCH TIED";
  }
}

void BuildPrompt(TBowlingState& state) {
  const TMatchState& match = state.match;
  std::string& banner = state.match.banner;
  banner = "PLAYER ";
  AppendNumber(banner, state.front.currentPlayer);
  if (match.frame >= 11) {
    banner += " EXTRA BALL";
  } else if (match.shot == 1) {
    banner += " 2ND SHOT";
  } else {
    banner += match.frame == 10 ? " 10TH FRAME" : " UP";
  }
}

}  // namespace

void BuildBanner(TBowlingState& state) {
  TMatchState& match = state.match;
  match.banner.clear();
  if (match.matchComplete) {
    BuildResult(state);
  } else if (match.aiming && !state.CurrentPlayer().computer) {
    BuildPrompt(state);
  }
  if (match.exitPending) match.banner = "PRESS ENTER CONFIRM EXIT";
}

void ClearSheet(TPlayer& player) {
  player.firstBall.fill(0);
  player.secondBall.fill(0);
  player.frameTotal.fill(0);
  player.strike.fill(false);
  player.spare.fill(false);
  player.frameStarted.fill(false);
  player.firstThrown.fill(false);
  player.secondThrown.fill(false);
}
