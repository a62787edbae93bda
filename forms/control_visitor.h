// One Visit per control kind, so the platform draws each kind without asking for its type.
#pragma once

class TImage;
class TCoolButton;
class TButton;
class TCheckBox;
class TRadioButton;
class TPanel;
class TGroupBox;
class TTabControl;
class TNotebook;
class TPage;
class TLabel;
class TEdit;
class TMemo;
class TListBox;
class TComboBox;
class TProgressBar;
class TDrawArea;
class TForm;

class TControlVisitor {
 public:
  virtual ~TControlVisitor() = default;
  virtual void Visit(TImage& control) = 0;
  virtual void Visit(TCoolButton& control) = 0;
  virtual void Visit(TButton& control) = 0;
  virtual void Visit(TCheckBox& control) = 0;
  virtual void Visit(TRadioButton& control) = 0;
  virtual void Visit(TPanel& control) = 0;
  virtual void Visit(TGroupBox& control) = 0;
  virtual void Visit(TTabControl& control) = 0;
  virtual void Visit(TNotebook& control) = 0;
  virtual void Visit(TPage& control) = 0;
  virtual void Visit(TLabel& control) = 0;
  virtual void Visit(TEdit& control) = 0;
  virtual void Visit(TMemo& control) = 0;
  virtual void Visit(TListBox& control) = 0;
  virtual void Visit(TComboBox& control) = 0;
  virtual void Visit(TProgressBar& control) = 0;
  virtual void Visit(TDrawArea& control) = 0;
  virtual void Visit(TForm& control) = 0;
};
