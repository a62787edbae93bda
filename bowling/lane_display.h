// Draws one frame of the lane on the back surface and flips, back to front: the lane, the pit with
// its pins and ball, the pin deck, shadows, pins, ball, the masking unit, the bowler and its shadow,
// the meter, the score display with its pin lights, the score sheet, the banner, the help button and
// the pointer. Also the help screen, and the bowler's strike and gutter reactions, which play at half
// the tick rate and hold their last picture.
//
// Soft Shadows blends the pin, ball and bowler shadows; Fast Refresh repaints the lane only every
// other frame (moving sprites leave trails), and the ball's and bowler's shadows with it.
#pragma once

#include "bowling/bowling_devices.h"
#include "bowling/bowling_host.h"
#include "bowling/bowling_state.h"
#include "bowling/score_sheet.h"

class TLaneDisplay {
 public:
  TLaneDisplay(TBowlingState& state, TBowlingDevices& devices, TBowlingHost& host)
      : state_(state), devices_(devices), host_(host), sheet_(state, devices) {}

  // The frame, flipped.
  void DrawFrame();
  // The help screen with the pointer, flipped.
  void DrawHelp();
  // One tick of the running reaction.
  void AdvanceReaction();

 private:
  void DrawLane(TDirectDrawSurface& surface, bool overlay);
  void DrawPins(TDirectDrawSurface& surface, bool inPit);
  void DrawBall(TDirectDrawSurface& surface);
  void DrawBowler(TDirectDrawSurface& surface);
  void DrawMeter(TDirectDrawSurface& surface);
  void DrawPointer(TDirectDrawSurface& surface);

  TBowlingState& state_;
  TBowlingDevices& devices_;
  TBowlingHost& host_;
  TScoreSheet sheet_;
};
