// A progress bar: the fishing game keeps its gear levels in three of them.
#pragma once

#include "forms/control.h"
#include "forms/control_visitor.h"

class TProgressBar : public TControl {
 public:
  using TControl::TControl;

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Sets the range (max below min is raised to min) and clamps the position into it.
  void SetRange(int min, int max);
  // Clamps to Min..Max.
  void SetPosition(int position);
  // Moves the position by delta, stopping at Min and Max.
  void StepBy(int delta) { SetPosition(position_ + delta); }

  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};
