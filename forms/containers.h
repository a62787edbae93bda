// Controls that hold others: panels, group boxes, the tab control and the notebook with its pages.
// Children sit at positions relative to their container's top-left corner.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/control_visitor.h"

// A raised area with one line of centred caption text (in Font) and optional children.
class TPanel : public TControl {
 public:
  using TControl::TControl;
  bool Bevel = true;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};

// A framed box with its caption in the top edge.
class TGroupBox : public TControl {
 public:
  using TControl::TControl;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};

// A row of tabs over an area that holds children (the same children whatever the tab).
class TTabControl : public TControl {
 public:
  using TControl::TControl;

  const std::vector<std::string>& Tabs() const { return tabs_; }
  // Replaces the tabs; the index is clamped to them, without running OnChange.
  void SetTabs(std::vector<std::string> tabs);
  int TabIndex() const { return tabIndex_; }
  // Clamps the index to the tabs present (-1 when there are none) and always runs OnChange, even
  // when the index stays the same.
  void SetTabIndex(int index);
  std::function<void()> OnChange;

  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }

 private:
  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
};

// One page of a notebook: a container that shows only while it is the active page.
class TPage : public TControl {
 public:
  using TControl::TControl;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};

// Stacked pages, one shown at a time; the pages are its TPage children, in order.
class TNotebook : public TControl {
 public:
  using TControl::TControl;

  // Creates a page as the last child, filling the notebook; the first page becomes active.
  TPage& AddPage(const std::string& name);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TPage& Page(int index) { return *pages_.at(static_cast<size_t>(index)); }
  int PageIndex() const { return pageIndex_; }
  // Shows that page and hides the others; an index outside the pages changes nothing.
  void SetPageIndex(int index);
  // Activates the page with the name (ignoring case); an unknown name changes nothing.
  void SetActivePage(const std::string& name);

  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }

 private:
  std::vector<std::unique_ptr<TPage>> pages_;
  int pageIndex_ = -1;
};
