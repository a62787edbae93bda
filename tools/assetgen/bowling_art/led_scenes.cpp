#include "tools/assetgen/bowling_art/led_scenes.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/bowling_art/led_figures.h"
#include "tools/assetgen/bowling_art/led_font.h"

namespace bowling_art {

namespace {

constexpr int kFloor = LedFrame::kHeight;  // pins stand with their base on the bottom row's edge
constexpr double kBallRadius = 4.2;

}  // namespace

ShowBuilder::ShowBuilder(std::string name, bool inPlay) {
  show_.Name = std::move(name);
  show_.InPlay = inPlay;
  show_.Frames.emplace_back();
}

void ShowBuilder::Add(const LedFrame& frame, int times) {
  for (int i = 0; i < times; ++i) show_.Frames.push_back(frame);
}

void ShowBuilder::Hold(int frames) {
  const LedFrame last = show_.Frames.size() > 1 ? show_.Frames.back() : LedFrame{};
  Add(last, frames);
}

void ShowBuilder::Pause(int frames) { Add(LedFrame{}, frames); }

void Marquee(ShowBuilder& b, const std::string& text, int y, int scale, int step, const LedFrame& base) {
  const int width = LedTextWidth(text, scale);
  for (int x = LedFrame::kWidth; x > -width; x -= step) {
    LedFrame f = base;
    DrawLedText(f, x, y, text, scale);
    b.Add(f);
  }
}

void SlideIn(ShowBuilder& b, const std::string& text, int y, int scale, int step, const LedFrame& base) {
  const int target = (LedFrame::kWidth - LedTextWidth(text, scale) + 1) / 2;
  for (int x = LedFrame::kWidth; x > target; x -= step) {
    LedFrame f = base;
    DrawLedText(f, x, y, text, scale);
    b.Add(f);
  }
  LedFrame f = base;
  DrawLedText(f, target, y, text, scale);
  b.Add(f);
}

void Blink(ShowBuilder& b, const LedFrame& frame, int times, int on, int off) {
  for (int i = 0; i < times; ++i) {
    b.Add(frame, on);
    b.Pause(off);
  }
}

void Flash(ShowBuilder& b, const LedFrame& frame, int times) {
  LedFrame negative = frame;
  negative.Invert();
  for (int i = 0; i < times; ++i) {
    b.Add(frame);
    b.Add(negative);
  }
}

void RollUp(ShowBuilder& b, const std::vector<std::string>& lines, int gap) {
  const int total = static_cast<int>(lines.size()) * gap;
  for (int t = 0; t <= LedFrame::kHeight + total; ++t) {
    LedFrame f;
    for (size_t i = 0; i < lines.size(); ++i) {
      DrawLedTextCentred(f, LedFrame::kHeight + static_cast<int>(i) * gap - t, lines[i]);
    }
    b.Add(f);
  }
}

void BallKnocksPins(ShowBuilder& b, int pins, double speed, int seed) {
  struct Pin {
    double X, Y, Vx = 0, Vy = 0, Angle = 0, Spin = 0;
    bool Hit = false;
  };
  std::vector<Pin> rack;
  const int spacing = pins > 2 ? 7 : 8;
  const int first = LedFrame::kWidth - 8 - spacing * (pins - 1);
  for (int i = 0; i < pins; ++i) rack.push_back({static_cast<double>(first + i * spacing), kFloor});
  LedRandom random(static_cast<uint32_t>(seed));
  // The ball starts a short run before the pins, so the scene gets to the crash quickly.
  double ballX = std::max(-kBallRadius - 1, first - 45.0), ballSpeed = speed, turn = 0;
  for (int t = 0; t < 40; ++t) {
    ballX += ballSpeed;
    turn += ballSpeed / kBallRadius;
    // The ball, or a pin already flying, knocks each pin it reaches.
    for (size_t i = 0; i < rack.size(); ++i) {
      Pin& p = rack[i];
      if (p.Hit) continue;
      bool reached = ballX + kBallRadius >= p.X - 2;
      for (size_t j = 0; j < i; ++j) reached = reached || (rack[j].Hit && rack[j].X + 3 >= p.X - 2);
      if (!reached) continue;
      p.Hit = true;
      // Knocked pins burst up and away towards the pit, spinning.
      p.Vx = 1.0 + random.Below(26) / 10.0;
      p.Vy = -(2.5 + random.Below(20) / 10.0);
      p.Spin = (random.Below(2) ? 1 : -1) * (0.35 + random.Below(5) / 10.0);
      ballSpeed = std::max(speed * 0.6, ballSpeed * 0.85);
    }
    for (Pin& p : rack) {
      if (!p.Hit) continue;
      p.X += p.Vx;
      p.Y += p.Vy;
      p.Vy += 0.6;
      p.Angle += p.Spin;
      if (p.Y > kFloor + 2 && p.Vy > 0) {
        p.Y = kFloor + 2;
        p.Vy *= -0.5;
        p.Vx += 1.5;  // a pin that lands skids on towards the pit
      }
    }
    LedFrame f;
    f.Line(0, LedFrame::kHeight - 1, LedFrame::kWidth - 1, LedFrame::kHeight - 1);
    bool visible = ballX - kBallRadius < LedFrame::kWidth;
    DrawLedBall(f, ballX, kFloor - kBallRadius - 1, kBallRadius, turn);
    for (const Pin& p : rack) {
      DrawLedPin(f, p.X, p.Y - 1, p.Angle);
      visible = visible || (p.X > -8 && p.X < LedFrame::kWidth + 8);
    }
    b.Add(f);
    if (!visible) break;
  }
}

void Fireworks(ShowBuilder& b, const LedFrame& base, int frames, int bursts, int seed) {
  struct Rocket {
    int Start, X, Top;
  };
  LedRandom random(static_cast<uint32_t>(seed));
  std::vector<Rocket> rockets;
  for (int k = 0; k < bursts; ++k) {
    // Over a blank sign anywhere; beside lettering, at the sides in turn so the words stay clear.
    const int x = base.Blank() ? 10 + random.Below(61) : (k % 2 ? 64 + random.Below(10) : 6 + random.Below(10));
    rockets.push_back({k * std::max(1, frames - 12) / std::max(1, bursts), x, 8 + random.Below(8)});
  }
  constexpr int kRise = 5, kGrow = 6, kFade = 4;
  for (int t = 0; t < frames; ++t) {
    LedFrame f = base;
    for (size_t k = 0; k < rockets.size(); ++k) {
      const Rocket& r = rockets[k];
      const int age = t - r.Start;
      if (age < 0) continue;
      if (age < kRise) {
        // A spark climbing with a short tail.
        const int y = LedFrame::kHeight - 1 - (LedFrame::kHeight - 1 - r.Top) * (age + 1) / kRise;
        f.Set(r.X, y);
        f.Set(r.X, y + 1);
        f.Set(r.X, y + 3);
      } else if (age < kRise + kGrow + kFade) {
        const int since = age - kRise;
        const double radius = std::min(since, kGrow - 1) * 2.0;
        const double fade = since < kGrow ? 0.0 : (since - kGrow + 1) / static_cast<double>(kFade + 1);
        DrawLedBurst(f, r.X, r.Top, radius, fade, seed + static_cast<int>(k));
      }
    }
    b.Add(f);
  }
}

LedFrame TextFrame(const std::string& text, int y, int scale) {
  LedFrame f;
  DrawLedTextCentred(f, y, text, scale);
  return f;
}

LedFrame TwoLines(const std::string& top, const std::string& bottom) {
  LedFrame f;
  DrawLedTextCentred(f, 0, top, 2);
  DrawLedTextCentred(f, 16, bottom, 2);
  return f;
}

}  // namespace bowling_art
