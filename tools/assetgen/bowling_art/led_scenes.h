// Building blocks of the LED shows: a builder that collects frames (frame 0 blank, as the program
// never shows it in play and ends each full-screen loop on it), and the scenes several shows
// share: marquees, text sliding in, blinking and flashing, a ball knocking pins, fireworks.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/bowling_art/led_frame.h"

namespace bowling_art {

class ShowBuilder {
 public:
  ShowBuilder(std::string name, bool inPlay);

  // Appends a frame.
  void Add(const LedFrame& frame, int times = 1);
  // Appends `frames` copies of the last frame (blank frames when there is none).
  void Hold(int frames);
  // Appends blank frames.
  void Pause(int frames);
  // A copy: the show's frames move as it grows, so a reference would not outlive the next Add.
  LedFrame Last() const { return show_.Frames.back(); }
  int Count() const { return static_cast<int>(show_.Frames.size()); }
  LedShow Take() { return std::move(show_); }

 private:
  LedShow show_;
};

// Text running in from the right edge and out at the left, `step` lamps a frame, over `base`.
void Marquee(ShowBuilder& b, const std::string& text, int y, int scale, int step,
             const LedFrame& base = {});
// Text running in from the right edge until it stands centred, `step` lamps a frame.
void SlideIn(ShowBuilder& b, const std::string& text, int y, int scale, int step,
             const LedFrame& base = {});
// The frame shown `on` frames, then `off` blank frames, `times` times.
void Blink(ShowBuilder& b, const LedFrame& frame, int times, int on, int off);
// The frame and its negative in turn, `times` pairs.
void Flash(ShowBuilder& b, const LedFrame& frame, int times);
// Lines of text rising from below the sign to above it, one lamp a frame, `gap` rows apart.
void RollUp(ShowBuilder& b, const std::vector<std::string>& lines, int gap);

// The ball rolling in from the left along the lane at the bottom, `speed` lamps a frame, and
// knocking down `pins` pins that stand at the right; they tumble away and the scene ends when
// the sign has emptied.
void BallKnocksPins(ShowBuilder& b, int pins, double speed, int seed);
// Rockets rising and bursting over `base` for `frames` frames; `bursts` of them, staggered.
void Fireworks(ShowBuilder& b, const LedFrame& base, int frames, int bursts, int seed);

// A frame holding one line of text centred at row y.
LedFrame TextFrame(const std::string& text, int y, int scale);
// A frame holding two centred lines: `top` at row 0 and `bottom` at row 16, both doubled.
LedFrame TwoLines(const std::string& top, const std::string& bottom);

}  // namespace bowling_art
