// The part of the main loop both hosts share: it turns input into calls of the form's handlers,
// runs the idle slot, and shows any error that escapes a handler or a tick in a message box, after
// which the program goes on. The SDL host feeds it from SDL events and ImGui widgets; the headless
// host from what a test asks for, so tests exercise the same path the program runs.
#pragma once

#include <functional>
#include <string>

#include "forms/controls.h"
#include "media/host.h"

class TFormDispatcher {
 public:
  TFormDispatcher(TForm& form, THost& host) : form_(form), host_(host) {}

  TForm& Form() { return form_; }

  // Runs action; an Exception or std::exception escaping it is shown with its text (anything else
  // with a generic text). False when an error was shown.
  bool Guard(const std::function<void()>& action);

  // Runs FormCreate, then FormShow, each guarded, once.
  void Start();
  bool Started() const { return started_; }

  // Keys as virtual-key codes. The form sees them when it previews keys or no control has the
  // focus; nothing reaches it while a modal box is up. Then, unless the form's handler took it, a
  // modifier is held or a drawing area shows, Enter clicks the form's Default button and Escape
  // its Cancel button (when one was showing and enabled as the key came and still is).
  void KeyDown(int key, TShiftState shift);
  void KeyUp(int key, TShiftState shift);

  // The pointer in form (screen) coordinates. While a drawing area shows, moves and buttons go to
  // the form's DXDraw handlers in the area's coordinates; a release goes to the area that saw the
  // press even when the area has gone meanwhile.
  void MouseMove(int x, int y);
  void MouseDown(TMouseButton button, int x, int y);
  void MouseUp(TMouseButton button, int x, int y);
  TPoint MousePos() const { return mouse_; }

  // The player's actions on controls; each does nothing for a control that is not showing or not
  // enabled, or while a modal box is up.
  void Click(TControl& control);
  void ChangeText(TEdit& edit, const std::string& text);
  void SelectItem(TListBox& list, int index);   // selects, then OnClick
  void SelectItem(TComboBox& combo, int index); // selects, then OnChange
  void SelectTab(TTabControl& tabs, int index); // SetTabIndex, which runs OnChange
  // The topmost showing control under (x, y), or nullptr; while a drawing area shows, that area.
  TControl* ControlAt(int x, int y);
  // The pointer shape at (x, y): the nearest shape set on the control there or its parents.
  TCursorShape CursorAt(int x, int y);

  // The control with the keyboard focus (an edit the player types into), or nullptr.
  TControl* Focused() const { return focused_; }
  void SetFocused(TControl* control) { focused_ = control; }

  // Program focus: tells the application (timers, sound) when it changes.
  void SetActive(bool active);
  // Runs the idle slot (one timer tick at most), guarded. True when a timer wants the loop to spin.
  bool Idle();

  // Modal boxes nest; while one is up the form gets no input.
  void BeginModal() { ++modalDepth_; }
  void EndModal() { if (modalDepth_ > 0) --modalDepth_; }
  bool Modal() const { return modalDepth_ > 0; }

 private:
  bool Accepts(const TControl& control) const;
  bool ControlHasFocus() const;

  TForm& form_;
  THost& host_;
  bool started_ = false;
  int modalDepth_ = 0;
  TControl* focused_ = nullptr;
  TPoint mouse_;
  // The drawing area that saw the last press, for the matching release.
  TDrawArea* pressedArea_ = nullptr;
};
