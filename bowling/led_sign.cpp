#include "bowling/led_sign.h"

#include <algorithm>
#include <cstring>

#include "media/errors.h"
#include "media/picture_collection.h"
#include "media/surface.h"

namespace {

constexpr int kFirstColumn = 13;
constexpr int kLastColumn = 93;
constexpr int kRows = 30;
// Lamps stand this many pixels apart, the top row this far below its row's line.
constexpr int kLampPitch = 6;
constexpr int kLampTop = 4;
// A lamp is lit when its frame pixel, in the display's 16-bit format, is above this.
constexpr uint32_t kLitAbove = 128;

// Whether the lamp at column c, row r of the frame is lit (no frame: all dark).
bool Lit(const TDirectDrawSurface* frame, int c, int r) { return frame && frame->PixelAt(c, r) > kLitAbove; }

// The lamps drawn a surface row at a time, lamp pattern rows copied side by side, which gives what
// drawing them lamp by lamp gives when they cannot overlap or show through one another and the whole
// sign lies on the surface; false (nothing drawn) otherwise. Lamp by lamp, a sign costs a call and
// its clipping per lamp, some 2,400 a frame.
bool CopyLampRows(TPictureCollectionItem& lamp, TDirectDrawSurface& target, const TDirectDrawSurface* frame,
                  int firstRow) {
  const int w = lamp.Width();
  const int h = lamp.Height();
  const bool opaque = !lamp.Transparent || lamp.TransparentColor() == clNone;
  const TDirectDrawSurface* dark = lamp.PatternSurface(0);
  const TDirectDrawSurface* bright = lamp.PatternSurface(1);
  const int left = kLampPitch * kFirstColumn;
  const int top = kLampPitch * firstRow + kLampTop;
  if (!opaque || !dark || !bright || w > kLampPitch || h > kLampPitch || left < 0 || top < 0 ||
      left + kLampPitch * (kLastColumn - kFirstColumn) + w > target.Width() ||
      top + kLampPitch * (kRows - 1) + h > target.Height()) {
    return false;
  }
  const TReportedWrite write(target, TRect{left, top, left + kLampPitch * (kLastColumn - kFirstColumn) + w,
                                           top + kLampPitch * (kRows - 1) + h});
  const TRect darkRect = lamp.Surfaces().Patterns[0].Rect;
  const TRect brightRect = lamp.Surfaces().Patterns[1].Rect;
  constexpr int kColumns = kLastColumn - kFirstColumn + 1;
  uint8_t lit[kColumns];  // 1 lit, 0 dark: picks the row to copy without a branch per lamp
  for (int r = 0; r < kRows; ++r) {
    const int frameColumns = frame && r < frame->Height() ? std::min(frame->Width(), kColumns) : 0;
    const uint16_t* frameRow = frameColumns > 0 ? frame->Row(r) : nullptr;
    for (int c = 0; c < kColumns; ++c) lit[c] = c < frameColumns && frameRow[c] > kLitAbove ? 1 : 0;
    for (int y = 0; y < h; ++y) {
      const uint16_t* rows[2] = {dark->Row(darkRect.Top + y) + darkRect.Left,
                                 bright->Row(brightRect.Top + y) + brightRect.Left};
      uint16_t* out = target.Row(top + kLampPitch * r + y) + left;
      if (w == kLampPitch) {
        for (int c = 0; c < kColumns; ++c) std::memcpy(out + kLampPitch * c, rows[lit[c]], kLampPitch * 2);
      } else {
        for (int c = 0; c < kColumns; ++c) std::memcpy(out + kLampPitch * c, rows[lit[c]], static_cast<size_t>(w) * 2);
      }
    }
  }
  return true;
}

// Draws the library's item at (x, y) when the library has it.
void DrawIfPresent(TDXImageList& list, const char* name, TDirectDrawSurface& surface, int x, int y) {
  const int index = list.Items.IndexOf(name);
  if (index >= 0) list.Items.Items(index).Draw(surface, x, y, 0);
}

}  // namespace

void TLedSign::Load(const std::string& name, bool inPlay) {
  devices_.LedList.Items.SurfacesOnFirstDraw = !inPlay;
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

void TLedSign::ShowOpening() {
  if (!devices_.DXDraw.ReadyToDraw()) return;
  const int frames = devices_.LedList.Items.Count();
  if (frames == 0) return;  // the first tick ends the empty show
  DrawIfPresent(devices_.graphics, "logo", *devices_.DXDraw.Surface(), 0, 0);
  DrawLamps(25, frames > 1 ? 1 : 0);
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

void TLedSign::DrawLamps(int firstRow) { DrawLamps(firstRow, state_.front.ledFrame); }

void TLedSign::DrawLamps(int firstRow, int frameIndex) {
  const int lampIndex = devices_.graphics.Items.IndexOf("led");
  if (lampIndex < 0) return;
  TPictureCollectionItem& lamp = devices_.graphics.Items.Items(lampIndex);
  TDirectDrawSurface& target = *devices_.DXDraw.Surface();
  const TDirectDrawSurface* frame = devices_.LedList.Items.Items(frameIndex).PatternSurface(0);
  if (CopyLampRows(lamp, target, frame, firstRow)) return;
  for (int c = kFirstColumn; c <= kLastColumn; ++c) {
    for (int r = firstRow; r < firstRow + kRows; ++r) {
      const int pattern = Lit(frame, c - kFirstColumn, r - firstRow) ? 1 : 0;
      lamp.Draw(target, kLampPitch * c, kLampPitch * r + kLampTop, pattern);
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
