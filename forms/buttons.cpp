#include "forms/buttons.h"

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Fire(OnClick);
}

void TCheckBox::Click() { SetChecked(!checked_); }

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (!checked) return;
  if (TControl* parent = Parent()) {
    for (TControl* sibling : parent->Children()) {
      auto* radio = dynamic_cast<TRadioButton*>(sibling);
      if (radio && radio != this) radio->checked_ = false;
    }
  }
  Fire(OnClick);
}

void TRadioButton::Click() { SetChecked(true); }
