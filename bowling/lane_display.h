// Draws one frame of the lane on the back surface and flips, back to front: the lane, the pit with
// its pins and ball, the pin deck, shadows, pins, ball, the masking unit, the bowler and its shadow,
// the meter, the score display with its pin lights, the score sheet, the banner, the help button and
// the pointer. Also the help screen, and the bowler's strike and gutter reactions, which play at half
// the tick rate and hold their last picture.
//
// Soft Shadows blends the pin, ball and bowler shadows; Fast Refresh repaints the lane only every
// other frame (moving sprites leave trails), and the ball's and bowler's shadows with it. A repainted
// frame is drawn as a retained frame (media/retained_frame.h): only where it differs from the last.
#pragma once

#include "bowling/bowling_devices.h"
#include "bowling/bowling_host.h"
#include "bowling/bowling_state.h"
#include "bowling/score_sheet.h"
#include "media/retained_frame.h"

// The layers of a frame, back to front.
enum class TLaneLayer {
  Lane,        // the alley's picture
  PitPins,     // pins swept into the pit
  PitBall,     // the ball in the pit, behind the masking unit
  PitShade,    // the pit darkened
  Deck,        // the pin deck ("under")
  PinShadows,  // with Soft Shadows
  Pins,        // the standing and falling pins, back to front
  Ball,        // the rolling ball and, with Soft Shadows, its shadow
  Over,        // the masking unit
  Bowler,      // the bowler and, with Soft Shadows, its shadow
  Meter,       // power and accuracy
  Display,     // the score display and its pin lights
  ScoreSheet,
  Banner,
  HelpButton,
  Pointer,
};
constexpr int kLaneLayers = static_cast<int>(TLaneLayer::Pointer) + 1;

class TLaneDisplay {
 public:
  TLaneDisplay(TBowlingState& state, TBowlingDevices& devices, TBowlingHost& host)
      : state_(state), devices_(devices), host_(host), sheet_(state, devices) {}

  // The frame, flipped.
  void DrawFrame();
  // One layer of the frame, drawn whole.
  void DrawLayer(TLaneLayer layer, TDirectDrawSurface& surface);
  // The help screen with the pointer, flipped.
  void DrawHelp();
  // One tick of the running reaction.
  void AdvanceReaction();

 private:
  // Whether the alley's masking unit is drawn and the pit darkened (its "over" has no SkipHeight).
  bool Overlay();
  void DrawPins(TDirectDrawSurface& surface, bool inPit);
  void DrawPinShadows(TDirectDrawSurface& surface);
  void DrawBall(TDirectDrawSurface& surface);
  void DrawBowler(TDirectDrawSurface& surface);
  void DrawMeter(TDirectDrawSurface& surface);
  void DrawDisplay(TDirectDrawSurface& surface);
  void DrawBanner(TDirectDrawSurface& surface);
  void DrawPointer(TDirectDrawSurface& surface);

  TBowlingState& state_;
  TBowlingDevices& devices_;
  TBowlingHost& host_;
  TScoreSheet sheet_;
  // The lane and the layers over it, redrawn where they change.
  TRetainedFrame frame_;
};
