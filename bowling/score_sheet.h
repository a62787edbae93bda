// The score sheet at the top of the lane: one row of ten frame boxes per shown player (normally the
// one bowling; every player while Shift is held or the match is over), each box marked for strikes
// and spares, with the pins of each ball where no mark stands for them, and each frame's running
// total once it no longer waits for a bonus ball.
#pragma once

#include "bowling/bowling_devices.h"
#include "bowling/bowling_state.h"

class TDirectDrawSurface;

// The box pattern of "scoretrans" for a frame: 0 open, 1 spare, 2 strike; the tenth frame's
// patterns 3..9 follow the marks of frames 10, 11 and 12.
int FrameBoxPattern(const TPlayer& player, int frame);
// Whether frame k's total is drawn while the match is in frame `current`.
bool FrameTotalShown(const TPlayer& player, int k, int current);

class TScoreSheet {
 public:
  TScoreSheet(TBowlingState& state, TBowlingDevices& devices) : state_(state), devices_(devices) {}
  void Draw(TDirectDrawSurface& surface);

 private:
  void DrawRow(TDirectDrawSurface& surface, int player, int row);
  void DrawNumber(TDirectDrawSurface& surface, int x, int y, int32_t value);

  TBowlingState& state_;
  TBowlingDevices& devices_;
  TPictureCollectionItem* numbers_ = nullptr;  // the digit font, while a sheet is drawn
};
