// One match on the lane: the turn's preparation (setup), the frame timer's tick with its fixed order
// of work, the human bowler's keys and mouse, the ball-finished step, the second ball (spareup),
// the end-of-match hand-over and abandoning with Escape then Enter. Pins, ball, meter, computer
// bowler, scoring and drawing are steps of the same tick, each in its own file.
//
// The tick, in order: help screen (play frozen) -> end-of-match hand-over -> final totals -> pins ->
// ball, hits, stillness, reactions, LED decision, ball finished -> pointer -> keys move the bowler
// -> dragging -> aiming clears the throw -> computer bowler -> meter -> reaction -> pacing -> draw.
#pragma once

#include "bowling/bowling_devices.h"
#include "bowling/bowling_host.h"
#include "bowling/bowling_state.h"
#include "bowling/lane_display.h"
#include "bowling/led_sign.h"
#include "forms/virtual_keys.h"

class TBowlingPlay {
 public:
  TBowlingPlay(TBowlingState& state, TBowlingDevices& devices, TBowlingHost& host, TLedSign& sign);

  // Prepares the turn of the current player: totals, the bowler's libraries and offsets, a fresh
  // rack, the turn's flags, the computer's spot.
  void setup();
  // The first turn of a match, once its players, bowlers and alley are chosen: every sheet
  // cleared, every bowler back in the middle, frame 1 for player 1, its setup and both first
  // frames begun.
  void StartMatch();
  // The second ball of a frame: totals, the knocked pins swept, the throw's state reset.
  void spareup();

  // DXTimer's tick: nothing while the display cannot draw, else one step drawn unless late.
  void DXTimerTimer(int lagCount);
  // One step of play; draw: whether this step may draw at all (the match simulator never draws).
  void Step(int lagCount, bool draw);

  void FormKeyDown(int key, TShiftState shift);
  void FormKeyUp(int key, TShiftState shift);
  void DXDrawMouseDown(TMouseButton button);
  void DXDrawMouseUp();

 private:
  // Keys and buttons first close the help, end the program after the credits, skip an in-play show
  // or end a full-screen show. True when one of them took the input.
  bool ShowsTakeInput();
  void Press();
  void RollingStep();
  void Reactions();
  void LedDecision();
  void BallFinished();
  void EndOfMatch();
  void Abandon();
  void PaceAndDraw(int lagCount, bool draw);
  void Play(TDXWaveList& library, const char* name);
  void Stop(TDXWaveList& library, const char* name);

  TBowlingState& state_;
  TBowlingDevices& devices_;
  TBowlingHost& host_;
  TLedSign& sign_;
  TLaneDisplay display_;
};
