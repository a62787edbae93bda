#include "forms/control.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

TControl::~TControl() {
  if (parent_) std::erase(parent_->children_, this);
  for (TControl* child : children_) child->parent_ = nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

void TControl::SetParent(TControl* newParent) {
  if (newParent == parent_) return;
  for (TControl* p = newParent; p; p = p->parent_) {
    if (p == this) return;  // a control cannot hold its own ancestor
  }
  if (parent_) std::erase(parent_->children_, this);
  parent_ = newParent;
  if (parent_) parent_->children_.push_back(this);
}

void TControl::BringToFront() {
  if (!parent_) return;
  std::erase(parent_->children_, this);
  parent_->children_.push_back(this);
}

void TControl::SendToBack() {
  if (!parent_) return;
  std::erase(parent_->children_, this);
  parent_->children_.insert(parent_->children_.begin(), this);
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->Visible) return false;
  }
  return true;
}

bool TControl::EffectivelyEnabled() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->Enabled) return false;
  }
  return true;
}

TRect TControl::ScreenRect() const {
  int x = 0;
  int y = 0;
  // The root (the form) is the coordinate origin, so its own Left/Top do not count.
  for (const TControl* c = this; c->parent_; c = c->parent_) {
    x += c->Left;
    y += c->Top;
  }
  return Bounds(x, y, Width, Height);
}

TControl* TControl::ControlAt(int x, int y) {
  if (!Visible) return nullptr;
  const TRect r = ScreenRect();
  const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
  if (!inside && parent_) return nullptr;
  // Later children are drawn on top, so they are hit first.
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    if (TControl* hit = (*it)->ControlAt(x, y)) return hit;
  }
  return inside ? this : nullptr;
}

TControl* TControl::FindByName(const std::string& name) {
  if (SameText(Name, name)) return this;
  for (TControl* child : children_) {
    if (TControl* found = child->FindByName(name)) return found;
  }
  return nullptr;
}

void TControl::Click() { Fire(OnClick); }
