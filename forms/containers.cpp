#include "forms/containers.h"

#include <algorithm>
#include <cctype>

void TTabControl::SetTabs(std::vector<std::string> tabs) {
  tabs_ = std::move(tabs);
  tabIndex_ = std::clamp(tabIndex_, tabs_.empty() ? -1 : 0, static_cast<int>(tabs_.size()) - 1);
}

void TTabControl::SetTabIndex(int index) {
  tabIndex_ = tabs_.empty() ? -1 : std::clamp(index, 0, static_cast<int>(tabs_.size()) - 1);
  Fire(OnChange);
}

TPage& TNotebook::AddPage(const std::string& name) {
  pages_.push_back(std::make_unique<TPage>(name));
  TPage& page = *pages_.back();
  page.SetParent(this);
  page.SetBounds(0, 0, Width, Height);
  if (pageIndex_ < 0) {
    pageIndex_ = 0;
  } else {
    page.Hide();
  }
  return page;
}

void TNotebook::SetPageIndex(int index) {
  if (index < 0 || index >= PageCount()) return;
  pageIndex_ = index;
  for (int i = 0; i < PageCount(); ++i) {
    TPage& page = Page(i);
    page.Visible = i == index;
    page.SetBounds(0, 0, Width, Height);
  }
}

void TNotebook::SetActivePage(const std::string& name) {
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  for (int i = 0; i < PageCount(); ++i) {
    if (lower(Page(i).Name) == lower(name)) {
      SetPageIndex(i);
      return;
    }
  }
}
