#include "platform/form_dispatcher.h"

#include <exception>

#include "forms/buttons.h"

bool TFormDispatcher::Guard(const std::function<void()>& action) {
  std::string error;
  try {
    action();
    return true;
  } catch (const std::exception& e) {
    error = e.what();
  } catch (...) {
    error = "An unknown error occurred.";
  }
  // The box is shown outside the catch block: showing it may pump messages and run handlers.
  host_.ShowMessage(error);
  return false;
}

void TFormDispatcher::Start() {
  if (started_) return;
  started_ = true;
  Guard([this] { form_.FormCreate(); });
  Guard([this] { form_.FormShow(); });
}

// A control that was hidden or disabled since it took the focus no longer holds it.
bool TFormDispatcher::ControlHasFocus() const {
  return focused_ && focused_->Showing() && focused_->EffectivelyEnabled();
}

void TFormDispatcher::KeyDown(int key, TShiftState shift) {
  if (Modal()) return;
  // The answering button is the one showing when the key comes: a handler that brings up a box
  // on this key does not have the same press answer it. While a drawing area shows, the screen is
  // play's and no control shows on it.
  const bool plain = (shift & (ssShift | ssAlt | ssCtrl)) == 0;
  TButton* answer = plain && !form_.ShowingDrawArea() ? form_.DialogButton(key) : nullptr;
  bool taken = false;
  if (form_.KeyPreview || !ControlHasFocus()) {
    if (!Guard([&] { taken = form_.HandleKeyDown(key, shift); })) return;
  }
  if (answer && !taken) Click(*answer);
}

void TFormDispatcher::KeyUp(int key, TShiftState shift) {
  if (Modal()) return;
  if (form_.KeyPreview || !ControlHasFocus()) Guard([&] { form_.FormKeyUp(key, shift); });
}

void TFormDispatcher::MouseMove(int x, int y) {
  mouse_ = TPoint{x, y};
  if (Modal()) return;
  TDrawArea* area = pressedArea_ ? pressedArea_ : form_.ShowingDrawArea();
  if (!area) return;
  const TRect r = area->ScreenRect();
  Guard([&] { form_.DXDrawMouseMove(x - r.Left, y - r.Top); });
}

void TFormDispatcher::MouseDown(TMouseButton button, int x, int y) {
  mouse_ = TPoint{x, y};
  if (Modal()) return;
  TDrawArea* area = form_.ShowingDrawArea();
  if (!area || !area->EffectivelyEnabled()) return;
  const TRect r = area->ScreenRect();
  if (x < r.Left || y < r.Top || x >= r.Right || y >= r.Bottom) return;
  pressedArea_ = area;
  Guard([&] { form_.DXDrawMouseDown(button, x - r.Left, y - r.Top); });
}

void TFormDispatcher::MouseUp(TMouseButton button, int x, int y) {
  mouse_ = TPoint{x, y};
  TDrawArea* area = pressedArea_;
  pressedArea_ = nullptr;
  if (Modal() || !area) return;
  const TRect r = area->ScreenRect();
  Guard([&] { form_.DXDrawMouseUp(button, x - r.Left, y - r.Top); });
}

bool TFormDispatcher::Accepts(const TControl& control) const {
  return !Modal() && control.Showing() && control.EffectivelyEnabled();
}

void TFormDispatcher::Click(TControl& control) {
  if (!Accepts(control)) return;
  Guard([&] { control.Click(); });
}

void TFormDispatcher::ChangeText(TEdit& edit, const std::string& text) {
  if (!Accepts(edit) || edit.ReadOnly) return;
  std::string limited = text;
  if (edit.MaxLength > 0 && static_cast<int>(limited.size()) > edit.MaxLength) limited.resize(edit.MaxLength);
  Guard([&] { edit.SetText(limited); });
}

void TFormDispatcher::SelectItem(TListBox& list, int index) {
  if (!Accepts(list) || index < 0 || index >= list.Count()) return;
  list.SetItemIndex(index);
  Guard([&] { Fire(list.OnClick); });
}

void TFormDispatcher::SelectItem(TComboBox& combo, int index) {
  if (!Accepts(combo) || index < 0 || index >= combo.Count()) return;
  combo.SetItemIndex(index);
  Guard([&] { Fire(combo.OnChange); });
}

void TFormDispatcher::SelectTab(TTabControl& tabs, int index) {
  if (!Accepts(tabs)) return;
  Guard([&] { tabs.SetTabIndex(index); });
}

TControl* TFormDispatcher::ControlAt(int x, int y) {
  if (TDrawArea* area = form_.ShowingDrawArea()) return area;
  return form_.ControlAt(x, y);
}

TCursorShape TFormDispatcher::CursorAt(int x, int y) {
  if (Modal()) return TCursorShape::Default;
  for (TControl* c = ControlAt(x, y); c; c = c->Parent()) {
    if (c->Cursor != TCursorShape::Default) return c->Cursor;
  }
  return TCursorShape::Default;
}

void TFormDispatcher::SetActive(bool active) {
  if (active == form_.Application().Active()) return;
  Guard([&] { form_.Application().SetActive(active); });
}

bool TFormDispatcher::Idle() {
  bool spin = false;
  Guard([&] { spin = form_.Application().Idle(); });
  return spin;
}
