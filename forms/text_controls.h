// Text on the form: static labels, one-line edits and read-only multi-line memos.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/control_visitor.h"

enum class TAlignment { LeftJustify, Center, RightJustify };

// Static text (Caption) in Font; WordWrap breaks it at the control's width.
class TLabel : public TControl {
 public:
  using TControl::TControl;
  TAlignment Alignment = TAlignment::LeftJustify;
  bool WordWrap = false;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};

// A one-line text edit. Text is in Windows-1252, as the programs store it.
class TEdit : public TControl {
 public:
  using TControl::TControl;

  const std::string& Text() const { return text_; }
  // Replaces the text; when it differs, runs OnChange (so every edit of the player runs it too).
  void SetText(const std::string& text);
  // Longest text the player may type (0: no limit).
  int MaxLength = 0;
  bool ReadOnly = false;
  std::function<void()> OnChange;

  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }

 private:
  std::string text_;
};

// Multi-line text, one string per line, shown read-only with a scroll bar when it is long.
class TMemo : public TControl {
 public:
  using TControl::TControl;
  std::vector<std::string> Lines;
  bool WordWrap = true;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};
