// Buttons: the invisible hot areas over a painted menu bar, push buttons, check boxes and radio
// buttons.
#pragma once

#include "forms/control.h"
#include "forms/control_visitor.h"

// An invisible click area over a picture: a hand pointer and the Hint as its tooltip.
class TCoolButton : public TControl {
 public:
  explicit TCoolButton(std::string name) : TControl(std::move(name)) { Cursor = TCursorShape::HandPoint; }
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};

enum class TButtonStyle {
  Standard,   // the theme's push button
  FlatBlack,  // black face, red border, red caption
};

// A push button. With the font "Wingdings" the platform draws the symbol the caption character
// stands for in that font: "<" a floppy disk, "1" an open folder.
class TButton : public TControl {
 public:
  using TControl::TControl;
  TButtonStyle Style = TButtonStyle::Standard;
  // Enter clicks the showing, enabled Default button of the form, Escape its Cancel button
  // (TForm::DialogButton).
  bool Default = false;
  bool Cancel = false;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};

// A check box. Changing Checked, by the player or from code, runs OnClick.
class TCheckBox : public TControl {
 public:
  using TControl::TControl;

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // The player's click: toggles Checked (which runs OnClick).
  void Click() override;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }

 private:
  bool checked_ = false;
};

// A radio button. Its group is the radio buttons with the same parent: checking one, by the player
// or from code, unchecks the others of the group and runs its OnClick. Unchecking runs nothing.
class TRadioButton : public TControl {
 public:
  using TControl::TControl;

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // The player's click: checks it; a click on the checked one changes nothing and runs nothing.
  void Click() override;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }

 private:
  bool checked_ = false;
};
