#include "forms/list_controls.h"

void TItemList::Clear() {
  items_.clear();
  itemIndex_ = -1;
}

void TItemList::Add(const std::string& item) { items_.push_back(item); }

void TItemList::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
}

void TItemList::SetItemIndex(int index) { itemIndex_ = index >= 0 && index < Count() ? index : -1; }

std::string TItemList::Selected() const {
  return itemIndex_ >= 0 ? items_[static_cast<size_t>(itemIndex_)] : std::string();
}
