#include "media/surface.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>

#include "media/blend_rows.h"

namespace {

std::atomic<uint64_t> surfacesMade{0};

}  // namespace

TDirectDrawSurface::TDirectDrawSurface(int width, int height, TPixelFormat format,
                                       bool systemMemory)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      format_(format),
      systemMemory_(systemMemory),
      id_(++surfacesMade),
      damage_(width_, height_),
      pixels_(static_cast<size_t>(width_) * height_, 0) {}

TDirectDrawSurface::~TDirectDrawSurface() {
  if (holdingFor_) holdingFor_->TakeAllPending();
  if (pendingOn_) Unlink();
}

std::unique_ptr<TDirectDrawSurface> TDirectDrawSurface::Create(int width, int height,
                                                               TPixelFormat format,
                                                               bool systemMemory) {
  if (width > kMaxSide || height > kMaxSide) return nullptr;
  try {
    return std::make_unique<TDirectDrawSurface>(width, height, format, systemMemory);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

bool TDirectDrawSurface::Lock() {
  if (Empty()) return false;
  ++lockCount_;
  return true;
}

void TDirectDrawSurface::Unlock() {
  if (lockCount_ > 0) --lockCount_;
}

bool TDirectDrawSurface::ExchangeInto(TDirectDrawSurface& to, const TDamageCover* differing) {
  if (&to == this || to.width_ != width_ || to.height_ != height_ || to.format_ != format_ || Locked() ||
      to.Locked()) {
    return false;
  }
  SettleAll();
  to.SettleAll();
  pixels_.swap(to.pixels_);
  if (differing) {
    pending_.Set(*differing);
  } else {
    pending_.SetAll(TRect{0, 0, width_, height_});
  }
  if (pending_.Any()) {
    pendingOn_ = &to;
    to.holdingFor_ = this;
  }
  return true;
}

void TDirectDrawSurface::BeforeWriting(const TRect& rect, TWriteKind kind) {
  if (holdingFor_) holdingFor_->TakeAllPending();
  if (!pendingOn_ || !pending_.MayOverlap(rect)) return;
  const TRect within = Intersection(rect, TRect{0, 0, width_, height_});
  if (kind != TWriteKind::Overwrite || !pending_.Drop(within)) {
    pending_.Take(within, [this](const TRect& pending) { CopyIn(pending); });
  }
  if (!pending_.Any()) Unlink();
}

void TDirectDrawSurface::SettleAll() {
  if (pendingOn_) TakeAllPending();
  if (holdingFor_) holdingFor_->TakeAllPending();
}

void TDirectDrawSurface::TakeAllPending() const {
  auto& self = const_cast<TDirectDrawSurface&>(*this);
  self.pending_.TakeAll([&self](const TRect& pending) { self.CopyIn(pending); });
  self.Unlink();
}

void TDirectDrawSurface::CopyIn(const TRect& rect) {
  const size_t bytes = static_cast<size_t>(rect.Width()) * 2;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    const size_t at = static_cast<size_t>(y) * width_ + rect.Left;
    std::memcpy(pixels_.data() + at, pendingOn_->pixels_.data() + at, bytes);
  }
}

void TDirectDrawSurface::Unlink() {
  if (pendingOn_) pendingOn_->holdingFor_ = nullptr;
  pendingOn_ = nullptr;
}

void TDirectDrawSurface::Fill(uint32_t rawColor) {
  if (recording_) recording_->Spoil();
  if (holdingFor_) holdingFor_->TakeAllPending();
  if (pendingOn_) {
    pending_.Clear();
    Unlink();
  }
  DrawnAll();
  std::fill(pixels_.begin(), pixels_.end(), static_cast<uint16_t>(rawColor));
}

void TDirectDrawSurface::FillRectBlended(const TRect& rect, TColor color, int alpha) {
  if (Empty()) return;
  const int left = std::max(rect.Left, 0);
  const int top = std::max(rect.Top, 0);
  const int right = std::min(rect.Right, width_);
  const int bottom = std::min(rect.Bottom, height_);
  if (left >= right || top >= bottom) return;
  if (recording_) {
    TDrawRecord record;
    record.kind = TDrawRecord::TKind::Shade;
    record.dest = rect;
    record.alpha = alpha;
    record.color = color;
    record.changes = TRect{left, top, right, bottom};
    recording_->Add(record);
    return;
  }
  if (!Lock()) return;
  const TReportedWrite write(*this, TRect{left, top, right, bottom});
  const uint16_t color16 = PackColor(color, format_);
  for (int y = top; y < bottom; ++y) FillRowBlended(Row(y) + left, right - left, color16, alpha, format_);
  Unlock();
}

uint32_t TDirectDrawSurface::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return Row(y)[x];
}
