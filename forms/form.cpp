#include "forms/form.h"

#include <functional>

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
