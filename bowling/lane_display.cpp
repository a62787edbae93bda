#include "bowling/lane_display.h"

#include <algorithm>

#include "bowling/scoring.h"
#include "media/iso_math.h"
#include "media/surface.h"
#include "media/turbopixels.h"

namespace {

// The pit: over it the masking unit ("over") is drawn and it is darkened, unless the alley's
// overlay switches that off with a non-zero SkipHeight.
constexpr TRect kPit{225, 60, 403, 100};
// The ball is drawn in the pit, behind the masking unit, from this height on.
constexpr float kPitBallY = 86;
constexpr int kScreenHeight = 480;

int PinPattern(const TPin& pin) { return pin.fallRow * 16 + pin.fallFrame / 4; }

}  // namespace

void TLaneDisplay::DrawFrame() {
  TMatchState& match = state_.match;
  TDirectDrawSurface& surface = *devices_.DXDraw.Surface();
  match.blurFrame = host_.FastRefresh() ? !match.blurFrame : true;
  if (match.blurFrame) {
    frame_.Draw(surface, devices_.alley.Items.Find("alley"), 0, 0, 0, kLaneLayers - 1,
                [&](int layer) { DrawLayer(static_cast<TLaneLayer>(layer + 1), surface); });
  } else {
    for (int layer = 1; layer < kLaneLayers; ++layer) DrawLayer(static_cast<TLaneLayer>(layer), surface);
  }
  devices_.DXDraw.Flip();
}

void TLaneDisplay::DrawLayer(TLaneLayer layer, TDirectDrawSurface& surface) {
  const TMatchState& match = state_.match;
  TPictureCollection& alley = devices_.alley.Items;
  TPictureCollection& graphics = devices_.graphics.Items;
  switch (layer) {
    case TLaneLayer::Lane:
      alley.Find("alley").Draw(surface, 0, 0, 0);
      return;
    case TLaneLayer::PitPins:
      DrawPins(surface, true);
      return;
    case TLaneLayer::PitBall:
      if (Overlay() && match.rolling && match.ballY < kPitBallY) {
        devices_.bowler.Items.Find("ball").Draw(surface, Round(match.ballX) - 14, 78, Round(match.ballRoll));
      }
      return;
    case TLaneLayer::PitShade:
      if (Overlay()) surface.FillRectBlended(kPit, clBlack, 192);
      return;
    case TLaneLayer::Deck:
      alley.Find("under").Draw(surface, 225, 94, 0);
      return;
    case TLaneLayer::PinShadows:
      DrawPinShadows(surface);
      return;
    case TLaneLayer::Pins:
      DrawPins(surface, false);
      return;
    case TLaneLayer::Ball:
      DrawBall(surface);
      return;
    case TLaneLayer::Over:
      if (Overlay()) alley.Find("over").Draw(surface, 225, 0, 0);
      return;
    case TLaneLayer::Bowler:
      DrawBowler(surface);
      return;
    case TLaneLayer::Meter:
      DrawMeter(surface);
      return;
    case TLaneLayer::Display:
      DrawDisplay(surface);
      return;
    case TLaneLayer::ScoreSheet:
      sheet_.Draw(surface);
      return;
    case TLaneLayer::Banner:
      DrawBanner(surface);
      return;
    case TLaneLayer::HelpButton:
      graphics.Find("helpbutton").Draw(surface, 597, 439, 0);
      return;
    case TLaneLayer::Pointer:
      DrawPointer(surface);
      return;
  }
}

bool TLaneDisplay::Overlay() { return devices_.alley.Items.Find("over").SkipHeight == 0; }

void TLaneDisplay::DrawPinShadows(TDirectDrawSurface& surface) {
  if (!host_.SoftShadows()) return;
  const TMatchState& match = state_.match;
  TPictureCollectionItem& shadow = devices_.alley.Items.Find("pinshadow");
  const int w = shadow.PatternWidth;
  const int h = shadow.PatternHeight;
  for (int n = 10; n >= 1; --n) {
    const TPin& pin = match.pins[n];
    if (pin.inPit) continue;
    shadow.DrawBlended(surface, Bounds(Round(pin.x) - w / 2, Round(pin.y) - h, w, h), PinPattern(pin), 96);
  }
}

void TLaneDisplay::DrawPins(TDirectDrawSurface& surface, bool inPit) {
  const TMatchState& match = state_.match;
  TPictureCollectionItem& image = devices_.alley.Items.Find("pin");
  const int w = image.PatternWidth;
  const int h = image.PatternHeight;
  if (inPit) {
    for (int n = 10; n >= 1; --n) {
      const TPin& pin = match.pins[n];
      if (pin.inPit) image.Draw(surface, Round(pin.x) - w / 2, Round(pin.y) - h, PinPattern(pin));
    }
    return;
  }
  // Back to front: rows further up the lane first; within a row pin 10 before pin 1. Pins whose
  // base lies off the deck rows (swept pins) are not drawn.
  int32_t rows[11];
  for (int n = 1; n <= 10; ++n) rows[n] = Round(match.pins[n].y);
  for (int row = 0; row <= 152; ++row) {
    for (int n = 10; n >= 1; --n) {
      const TPin& pin = match.pins[n];
      if (pin.inPit || rows[n] != row) continue;
      image.Draw(surface, Round(pin.x) - w / 2, row - h, PinPattern(pin));
    }
  }
}

void TLaneDisplay::DrawBall(TDirectDrawSurface& surface) {
  const TMatchState& match = state_.match;
  if (!match.rolling || match.ballY < kPitBallY) return;
  TPictureCollectionItem& ball = devices_.bowler.Items.Find("ball");
  const int x = Round(match.ballX) - 14;
  const int y = Round(match.ballY);
  if (match.blurFrame && host_.SoftShadows()) {
    devices_.bowler.Items.Find("ballshadow").DrawBlended(surface, Bounds(x, y - 12, ball.Width(), ball.Height()), 0, 128);
  }
  const int spin = match.accuracy < 88 ? 8 : match.accuracy > 104 ? 16 : 0;
  ball.Draw(surface, x, y - 14, Round(match.ballRoll) + spin);
}

void TLaneDisplay::DrawBowler(TDirectDrawSurface& surface) {
  const TMatchState& match = state_.match;
  const TPlayer& player = state_.CurrentPlayer();
  TPictureCollection& bowler = devices_.bowler.Items;
  const int approach = player.approachX;
  if (match.blurFrame && host_.SoftShadows()) {
    TPictureCollectionItem& shadow = bowler.Find("charshadow");
    const TPictureCollectionItem& info = bowler.Find("info");
    const int w = shadow.Width();
    const int h = shadow.Height();
    const int top = kScreenHeight - h / 2 - std::max(0, match.meter - 64) + info.PatternHeight;
    shadow.DrawBlended(surface, Bounds(approach - w / 2 + info.PatternWidth, top, w, h), 0, 32);
  }
  TPictureCollectionItem* image = nullptr;
  int pattern = 0;
  TPictureCollectionItem& figure = bowler.Find("char");
  if (match.rolling) {
    if (match.reacting) {
      image = &bowler.Find(match.reactionName);
      pattern = match.reactionFrame / 2;
    } else {
      image = &figure;
      pattern = figure.PatternTotal() - 1;
    }
  } else if (match.aiming) {
    image = &figure;
  } else if (match.charging) {
    image = &figure;
    pattern = match.meter > 64 ? std::min(match.meter - 64, figure.PatternTotal() - 1) : 0;
  }
  if (image) image->Draw(surface, approach - image->Width() / 2, kScreenHeight - image->Height(), pattern);
}

void TLaneDisplay::DrawMeter(TDirectDrawSurface& surface) {
  const TMatchState& match = state_.match;
  TPictureCollectionItem& meter = devices_.graphics.Items.Find("power");
  if (match.charging) {
    if (match.power != 0) meter.Draw(surface, 461, 306, match.power);
    meter.Draw(surface, 461, 306, match.accuracy != 0 ? match.accuracy : match.meter);
  } else {
    meter.Draw(surface, 461, 306, match.power);
    meter.Draw(surface, 461, 306, match.accuracy);
  }
}

void TLaneDisplay::DrawDisplay(TDirectDrawSurface& surface) {
  const TMatchState& match = state_.match;
  TPictureCollection& graphics = devices_.graphics.Items;
  graphics.Find("display").Draw(surface, 13, 310, 0);
  TPictureCollectionItem& lite = graphics.Find("lite");
  for (int n = 10; n >= 1; --n) {
    if (match.pins[n].standing) lite.Draw(surface, match.pinLights[n].X, match.pinLights[n].Y, 0);
  }
}

void TLaneDisplay::DrawBanner(TDirectDrawSurface& surface) {
  BuildBanner(state_);
  const TMatchState& match = state_.match;
  if (match.banner.empty()) return;
  const int length = static_cast<int>(match.banner.size());
  DrawImageText(surface, devices_.graphics, "bigfont", 320 - 14 * length, 220, match.banner, TFontLookup::IndexOf);
}

void TLaneDisplay::DrawPointer(TDirectDrawSurface& surface) {
  const TMatchState& match = state_.match;
  if (match.charging) return;
  TPictureCollection& graphics = devices_.graphics.Items;
  if (!state_.CurrentPlayer().computer || match.matchComplete) {
    graphics.Find("mouse").Draw(surface, match.mouseX, match.mouseY, 0);
  } else {
    graphics.Find("think").Draw(surface, match.mouseX - 16, match.mouseY - 16, 0);
  }
}

void TLaneDisplay::DrawHelp() {
  const TMatchState& match = state_.match;
  TDirectDrawSurface& surface = *devices_.DXDraw.Surface();
  TPictureCollection& graphics = devices_.graphics.Items;
  graphics.Find("help").Draw(surface, 0, 0, 0);
  graphics.Find("mouse").Draw(surface, match.mouseX, match.mouseY, 0);
  devices_.DXDraw.Flip();
}

void TLaneDisplay::AdvanceReaction() {
  TMatchState& match = state_.match;
  const int index = devices_.bowler.Items.IndexOf(match.reactionName);
  const int patterns = index >= 0 ? devices_.bowler.Items.Items(index).PatternTotal() : 1;
  match.reactionFrame = std::min(match.reactionFrame + 1, 2 * (patterns - 1));
}
