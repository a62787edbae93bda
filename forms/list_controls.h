// Lists the player picks from: the list box and the drop-down combo box.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/control_visitor.h"

// The items and the selected index shared by both list kinds.
class TItemList {
 public:
  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Empties the list; nothing is selected afterwards.
  void Clear();
  void Add(const std::string& item);
  // Replaces all items; the selection is cleared.
  void SetItems(std::vector<std::string> items);
  // -1 when nothing is selected.
  int ItemIndex() const { return itemIndex_; }
  // Selects an item; an index outside the items selects nothing (-1). Runs no handler.
  void SetItemIndex(int index);
  // The selected item's text, or "" when nothing is selected.
  std::string Selected() const;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

// A list box: the player's click selects an item and then runs OnClick.
class TListBox : public TControl, public TItemList {
 public:
  using TControl::TControl;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};

// A drop-down list: the player's choice selects an item and then runs OnChange.
class TComboBox : public TControl, public TItemList {
 public:
  using TControl::TControl;
  std::function<void()> OnChange;
  void Accept(TControlVisitor& visitor) override { visitor.Visit(*this); }
};
