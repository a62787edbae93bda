// The busy bowling scene the benchmarks share: Vekt bowling on Tradtional against Marla, two score
// rows shown, the ball rolling into the pins and four pins falling; busy holds it for putting back.
#pragma once

#include <string>

#include "bowling/bowling_host.h"
#include "bowling/play_components.h"
#include "media/null_host.h"

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
