// The ball and the pins: the sounds of a throw in "sound.dxw", and the parts of them that the
// alley ambiences play again from other lanes.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio::bowling {

// One pin struck by the ball or by another pin: a hollow, wooden clack whose pitch is near hz.
Signal PinKnock(Noise& noise, double hz, double hardness);
// The heavy ball's own contact: a deep thump; weight 0..1 from a light touch to a full blow.
Signal BallThud(Noise& noise, double weight);

// A ball going through the rack: the ball's blow, pins knocking on pins, pins landing on the deck
// and in the pit, over about spread seconds.
struct Crash {
  int knocks = 20;  // pin-on-pin and ball-on-pin contacts
  double spread = 0.5;
  double weight = 1.0;   // of the ball's blow, 0..1
  double clatter = 0.4;  // level of the wash of small contacts under the knocks
  double seconds = 1.2;  // length, room for the tail included
};
Signal PinCrash(Noise& noise, const Crash& crash);

// The rumble of a ball rolling on the boards, seconds long, steady, without its rotation.
Signal RollBed(Noise& noise, double seconds);
// Adds the ball's finger holes thumping once a rotation, rotations a second, from the start on;
// wrap adds them round a loop.
void AddRotation(Signal& roll, Noise& noise, double rotationsPerSecond, double level, bool wrap);

// The items of "sound.dxw".
Signal HitSound();     // a big crash: a strong ball on the head pin
Signal SpareSound();   // a medium crash
Signal SingleSound();  // one pin's knock
Signal DropSound();    // the ball landing on the lane, or dropping into a gutter
Signal RollLoop();     // the ball rolling down the lane, loops

}  // namespace audio::bowling
