// A picture on the form: a backdrop, a title screen, a map or a portrait.
#pragma once

#include <cstdint>
#include <functional>

#include "forms/control.h"
#include "forms/control_visitor.h"
#include "media/picture.h"

class TImage : public TControl {
 public:
  using TControl::TControl;

  // Scale the picture to the control's size; otherwise draw it at its own size.
  bool Stretch = false;
  // Centre an unscaled picture in the control; otherwise put it at the top-left corner.
  bool Center = false;

  const TPicture& Picture() const;
  void SetPicture(TPicture picture);
  // A picture made when it is first needed (drawn or measured), for one a screen may never show.
  void SetPicture(std::function<TPicture()> make);
  // Grows on every SetPicture, so a drawer can tell when to rebuild what it made from the picture.
  uint32_t PictureVersion() const { return version_; }
  // Where the picture lands in form coordinates (after Stretch and Center), clipped to nothing.
  TRect PictureRect() const;

  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }

 private:
  mutable TPicture picture_;
  mutable std::function<TPicture()> make_;
  uint32_t version_ = 0;
};
