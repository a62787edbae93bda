// The base of a program's main form: the window's properties, the tree of controls it owns, the
// application object (idle slot and focus), and the handlers the host calls for keys, the mouse on
// the drawing area and the window's life. A program's TMainForm derives from it and overrides the
// handlers it needs.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/control.h"
#include "forms/control_visitor.h"
#include "forms/draw_area.h"
#include "forms/virtual_keys.h"
#include "media/application.h"

class TButton;

class TForm : public TControl {
 public:
  explicit TForm(THost& host, std::string name = "Form");
  ~TForm() override;

  // The window title (the control's Caption is the same text).
  std::string& WindowCaption() { return Caption; }
  // The client area in pixels; the form's Width and Height.
  int ClientWidth() const { return Width; }
  int ClientHeight() const { return Height; }
  void SetClientSize(int width, int height);
  // The form's handlers see every key before the control with the focus does.
  bool KeyPreview = false;

  TApplication& Application() { return application_; }
  THost& Host() { return application_.Host(); }

  // Creates a control owned by the form, as the last child of parent (the form itself when null).
  template <class T, class... Args>
  T& Add(const std::string& name, TControl* parent = nullptr, Args&&... args) {
    auto control = std::make_unique<T>(name, std::forward<Args>(args)...);
    T& ref = *control;
    ref.SetParent(parent ? parent : this);
    owned_.push_back(std::move(control));
    return ref;
  }
  // The control with the name (ignoring case) anywhere on the form, or nullptr.
  TControl* FindControl(const std::string& name) { return FindByName(name); }
  // The first showing drawing area of the form, or nullptr while the menus are shown.
  TDrawArea* ShowingDrawArea();

  // Asks the host to end the program's loop after the current handler.
  void Close() { closeRequested_ = true; }
  bool CloseRequested() const { return closeRequested_; }

  // Window life, called by the host's loop (not by constructors, so errors are reported like any
  // handler's): FormCreate once before the window shows; FormShow when it first shows (where a
  // drawing device with AutoInitialize is told the form is shown).
  virtual void FormCreate() {}
  virtual void FormShow() {}
  // The window goes away: the application's drawing and sound devices finalise, firing their
  // events, while every member of the form is still alive. The host calls it when its loop ends;
  // a form's destructor may call it first thing too (a second call does nothing). A device
  // destroyed while still initialised finalises without events instead, since the members its
  // handlers use may already be gone.
  void WindowDestroyed() { application_.WindowDestroyed(); }
  // Keys (virtual-key codes), with KeyPreview also while a control has the focus.
  virtual void FormKeyDown(int key, TShiftState shift) { (void)key, (void)shift; }
  virtual void FormKeyUp(int key, TShiftState shift) { (void)key, (void)shift; }
  // Called by a key handler that answers Enter or Escape itself, so that no Default or Cancel
  // button answers the same press.
  void TakeKey() { keyTaken_ = true; }
  // Runs FormKeyDown; true when the handler took the key.
  bool HandleKeyDown(int key, TShiftState shift);
  // The button that answers a dialog key: for Enter the Default button, for Escape the Cancel
  // button, among the showing and enabled ones; the topmost (last drawn) when several show.
  // nullptr for other keys or when none shows.
  TButton* DialogButton(int key);
  // The mouse over the drawing area, in its coordinates.
  virtual void DXDrawMouseDown(TMouseButton button, int x, int y) { (void)button, (void)x, (void)y; }
  virtual void DXDrawMouseUp(TMouseButton button, int x, int y) { (void)button, (void)x, (void)y; }
  virtual void DXDrawMouseMove(int x, int y) { (void)x, (void)y; }

  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }

 private:
  TApplication application_;
  std::vector<std::unique_ptr<TControl>> owned_;
  bool closeRequested_ = false;
  bool keyTaken_ = false;
};
