#include "bowling/led_sign.h"

#include "media/errors.h"
#include "media/surface.h"

namespace {

constexpr int kFirstColumn = 13;
constexpr int kLastColumn = 93;
constexpr int kRows = 30;
// A lamp is lit when its frame pixel, in the display's 16-bit format, is above this.
constexpr uint32_t kLitAbove = 128;

// Draws the library's item at (x, y) when the library has it.
void DrawIfPresent(TDXImageList& list, const char* name, TDirectDrawSurface& surface, int x, int y) {
  const int index = list.Items.IndexOf(name);
  if (index >= 0) list.Items.Items(index).Draw(surface, x, y, 0);
}

}  // namespace

void TLedSign::Load(const std::string& name) {
  try {
    devices_.LedList.Items.ReadFromFile(devices_.paths.Find("leds\\" + name + ".led"));
  } catch (const Exception& error) {
    devices_.LedList.Items.Clear();
    devices_.app.Host().ShowMessage(error.Message());
  }
}

void TLedSign::Start(TDXTimer& timer) {
  state_.front.ledFrame = 0;
  for (TDXTimer* other : {&devices_.DXTimer, &devices_.IntroTimer, &devices_.LEDTimer, &devices_.goverTimer}) {
    if (other != &timer) other->SetEnabled(false);
  }
  timer.SetEnabled(true);
}

void TLedSign::IntroTimerTimer(int lagCount) {
  if (!devices_.DXDraw.ReadyToDraw()) return;
  const int frames = devices_.LedList.Items.Count();
  if (frames == 0) {
    EndEmptyShow();
    return;
  }
  TDirectDrawSurface& surface = *devices_.DXDraw.Surface();
  int32_t& ledFrame = state_.front.ledFrame;
  const bool inPlay = state_.match.reacting;
  int top = 0;
  if (!inPlay) {
    if (ledFrame == 0) DrawIfPresent(devices_.graphics, "logo", surface, 0, 0);
  } else {
    if (ledFrame == 0) DrawIfPresent(devices_.graphics, "ledholder", surface, 0, 69);
    top = 60;
  }
  ++ledFrame;
  if (ledFrame > frames - 1) {
    if (!inPlay) {
      ledFrame = 0;
    } else {
      devices_.LEDTimer.SetEnabled(false);
      devices_.DXTimer.SetEnabled(true);
      return;
    }
  }
  if (lagCount > 1) return;
  DrawLamps((150 - top) / 6);
  devices_.DXDraw.Flip();
}

void TLedSign::goverTimerTimer(int lagCount) {
  if (!devices_.DXDraw.ReadyToDraw()) return;
  const int frames = devices_.LedList.Items.Count();
  if (frames == 0) {
    EndEmptyShow();
    return;
  }
  int32_t& ledFrame = state_.front.ledFrame;
  if (ledFrame == 0) DrawIfPresent(devices_.graphics, "logo", *devices_.DXDraw.Surface(), 0, 0);
  ++ledFrame;
  if (ledFrame > frames - 1) ledFrame = 0;
  if (lagCount > 1) return;
  DrawLamps(25);
  devices_.DXDraw.Flip();
}

void TLedSign::DrawLamps(int firstRow) {
  const int lampIndex = devices_.graphics.Items.IndexOf("led");
  if (lampIndex < 0) return;
  TPictureCollectionItem& lamp = devices_.graphics.Items.Items(lampIndex);
  TDirectDrawSurface& target = *devices_.DXDraw.Surface();
  const TDirectDrawSurface* frame = devices_.LedList.Items.Items(state_.front.ledFrame).PatternSurface(0);
  for (int c = kFirstColumn; c <= kLastColumn; ++c) {
    for (int r = firstRow; r < firstRow + kRows; ++r) {
      const bool lit = frame && frame->PixelAt(c - kFirstColumn, r - firstRow) > kLitAbove;
      lamp.Draw(target, 6 * c, 6 * r + 4, lit ? 1 : 0);
    }
  }
}

void TLedSign::EndEmptyShow() {
  if (devices_.LEDTimer.Enabled()) {
    devices_.LEDTimer.SetEnabled(false);
    devices_.DXTimer.SetEnabled(true);
  } else if (state_.front.quitting) {
    host_.EndProgram();
  } else {
    devices_.IntroTimer.SetEnabled(false);
    devices_.goverTimer.SetEnabled(false);
    host_.cleanup();
  }
}
