// The base of every window control: a plain record of where it is, whether it shows, what it says
// and what runs when it is clicked. The platform layer draws the visible controls each frame and
// turns the player's input into the calls below; tests make the same calls without a window.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/geometry.h"
#include "media/host.h"

class TControlVisitor;

// A host font request. Height is in pixels (0: the menu font's normal size); Color clNone means the
// menu theme's text colour.
struct TFont {
  std::string Name;
  int Height = 0;
  TColor Color = clNone;
  bool Bold = false;
};

class TControl {
 public:
  explicit TControl(std::string name) : Name(std::move(name)) {}
  // Leaves its parent and lets go of its children, so the tree never points at a dead control.
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  std::string Name;
  // Position relative to the parent's top-left corner, and size, in pixels.
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;
  bool Enabled = true;
  std::string Caption;
  std::string Hint;  // tooltip text; none when empty
  bool ShowHint = true;
  TCursorShape Cursor = TCursorShape::Default;
  TFont Font;
  TColor Color = clNone;  // background; clNone: the theme's
  // Runs when the player clicks the control (see Click for the kinds that change state first).
  std::function<void()> OnClick;

  void SetBounds(int left, int top, int width, int height);
  void SetPosition(int left, int top) { Left = left; Top = top; }
  void Show() { Visible = true; }
  void Hide() { Visible = false; }
  TRect BoundsRect() const { return Bounds(Left, Top, Width, Height); }

  // The tree: children are positioned relative to this control and drawn after it, in order.
  TControl* Parent() const { return parent_; }
  const std::vector<TControl*>& Children() const { return children_; }
  // Moves this control under newParent (nullptr detaches it), as the last child.
  void SetParent(TControl* newParent);
  // Draw order among the siblings: last drawn is on top.
  void BringToFront();
  void SendToBack();

  // Visible with every parent visible.
  bool Showing() const;
  // Enabled with every parent enabled.
  bool EffectivelyEnabled() const;
  // Bounds in the form's coordinates (the root's top-left is 0, 0).
  TRect ScreenRect() const;
  // The deepest showing control under (x, y) in form coordinates, this one included, or nullptr.
  TControl* ControlAt(int x, int y);
  // The first control of this subtree (itself included) with the name, ignoring case, or nullptr.
  TControl* FindByName(const std::string& name);

  // What a click of the player does: the base runs OnClick; check boxes toggle and radio buttons
  // check themselves first.
  virtual void Click();
  // Double dispatch for the platform's drawing.
  virtual void Accept(TControlVisitor& visitor) = 0;

 private:
  TControl* parent_ = nullptr;
  std::vector<TControl*> children_;
};

// Runs a handler when it is set.
inline void Fire(const std::function<void()>& handler) {
  if (handler) handler();
}
