// The drawing device's place on the form. While it is showing, the host shows the device's front
// surface on the whole screen instead of the menus and sends the mouse to the form's DXDraw
// handlers; set Cursor to None to hide the pointer over it.
#pragma once

#include "forms/control.h"
#include "forms/control_visitor.h"

class TDrawArea : public TControl {
 public:
  using TControl::TControl;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};
