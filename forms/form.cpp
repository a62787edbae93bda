#include "forms/form.h"

#include <functional>
#include <utility>

#include "forms/buttons.h"

TForm::TForm(THost& host, std::string name) : TControl(std::move(name)), application_(host) {
  Color = clBlack;
}

// The owned controls go first, while the form they hang from is still whole.
TForm::~TForm() { owned_.clear(); }

void TForm::SetClientSize(int width, int height) {
  Width = width;
  Height = height;
}

TDrawArea* TForm::ShowingDrawArea() {
  std::function<TDrawArea*(TControl&)> find = [&](TControl& control) -> TDrawArea* {
    if (!control.Visible) return nullptr;
    if (auto* area = dynamic_cast<TDrawArea*>(&control)) return area;
    for (TControl* child : control.Children()) {
      if (TDrawArea* area = find(*child)) return area;
    }
    return nullptr;
  };
  return find(*this);
}

bool TForm::HandleKeyDown(int key, TShiftState shift) {
  keyTaken_ = false;
  FormKeyDown(key, shift);
  return std::exchange(keyTaken_, false);
}

TButton* TForm::DialogButton(int key) {
  if (key != VK_RETURN && key != VK_ESCAPE) return nullptr;
  TButton* found = nullptr;
  // Tree order is drawing order, so the last match is the one on top.
  std::function<void(TControl&)> visit = [&](TControl& control) {
    if (!control.Visible || !control.Enabled) return;
    if (auto* button = dynamic_cast<TButton*>(&control)) {
      if (key == VK_RETURN ? button->Default : button->Cancel) found = button;
    }
    for (TControl* child : control.Children()) visit(*child);
  };
  visit(*this);
  return found;
}
