#include "forms/progress_bar.h"

#include <algorithm>

void TProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
}

void TProgressBar::SetPosition(int position) { position_ = std::clamp(position, min_, max_); }
