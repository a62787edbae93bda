// The text, list, tab and progress controls of TImGuiFormView. Lists and memos are drawn into the
// form's own window (an ImGui child window would always lie on top of later siblings), with their
// own scroll position.
#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>

#include "platform/form_dispatcher.h"
#include "platform/imgui_form_view.h"
#include "platform/imgui_theme.h"
#include "platform/text_encoding.h"

namespace {

constexpr float kScrollBarWidth = 16;
constexpr ImU32 kBlack = IM_COL32(0, 0, 0, 255);
constexpr ImU32 kWhite = IM_COL32(255, 255, 255, 255);
constexpr ImU32 kSelection = IM_COL32(10, 36, 106, 255);

ImVec2 V(float x, float y) { return ImVec2(x, y); }

// A vertical scroll bar in bar (a track with a thumb): a click above or below the thumb pages.
// Returns the new first row.
int ScrollBar(const TRect& bar, int first, int total, int visible, bool interactive) {
  ImDrawList* list = ImGui::GetWindowDrawList();
  list->AddRectFilled(V(bar.Left, bar.Top), V(bar.Right, bar.Bottom), IM_COL32(232, 230, 226, 255));
  const float trackH = static_cast<float>(bar.Height());
  const float thumbH = std::max(12.0f, trackH * visible / std::max(total, 1));
  const int range = std::max(total - visible, 1);
  const float thumbY = bar.Top + (trackH - thumbH) * first / range;
  list->AddRectFilled(V(bar.Left, thumbY), V(bar.Right, thumbY + thumbH), FaceColor());
  DrawBevel(list, Bounds(bar.Left, static_cast<int>(thumbY), bar.Width(), static_cast<int>(thumbH)), true);
  if (!interactive) return first;
  ImGui::SetCursorScreenPos(V(bar.Left, bar.Top));
  if (ImGui::InvisibleButton("##scroll", V(bar.Width(), bar.Height()))) {
    const float y = ImGui::GetIO().MousePos.y;
    first += y < thumbY ? -visible : y > thumbY + thumbH ? visible : 0;
  }
  return first;
}

}  // namespace

void TImGuiFormView::Visit(TLabel& label) {
  Begin(label);
  const TRect r = label.ScreenRect();
  ImDrawList* list = ImGui::GetWindowDrawList();
  if (label.Color != clNone) {
    list->AddRectFilled(V(r.Left, r.Top), V(r.Right, r.Bottom), ImColorOf(label.Color, 0));
  }
  const std::string text = Cp1252ToUtf8(label.Caption);
  ImFont* font = ImGui::GetFont();
  const float size = ImGui::GetFontSize();
  const float wrap = label.WordWrap ? static_cast<float>(r.Width()) : 0.0f;
  const ImVec2 extent = font->CalcTextSizeA(size, FLT_MAX, wrap, text.c_str());
  float x = static_cast<float>(r.Left);
  if (label.Alignment == TAlignment::Center) x += (r.Width() - extent.x) / 2;
  if (label.Alignment == TAlignment::RightJustify) x += r.Width() - extent.x;
  // An auto-sized label is as large as its text, so it is not clipped to its bounds.
  const ImU32 color = ImColorOf(label.Font.Color, kBlack);
  list->AddText(font, size, V(x, r.Top), label.EffectivelyEnabled() ? color : IM_COL32(128, 128, 128, 255),
                text.c_str(), nullptr, wrap);
  if (label.OnClick) ClickArea(label, "##label");
  End(label);
}

void TImGuiFormView::Visit(TEdit& edit) {
  Begin(edit);
  const TRect r = edit.ScreenRect();
  const float padY = std::max(1.0f, (r.Height() - ImGui::GetFontSize()) / 2);
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, V(3, padY));
  if (edit.Font.Color != clNone) ImGui::PushStyleColor(ImGuiCol_Text, ImColorOf(edit.Font.Color, 0));
  if (edit.Color != clNone) ImGui::PushStyleColor(ImGuiCol_FrameBg, ImColorOf(edit.Color, 0));
  ImGui::SetNextItemWidth(static_cast<float>(r.Width()));
  std::string& buffer = editBuffers_[&edit];
  buffer = Cp1252ToUtf8(edit.Text());
  const ImGuiInputTextFlags flags = edit.ReadOnly ? ImGuiInputTextFlags_ReadOnly : 0;
  if (ImGui::InputText("##edit", &buffer, flags)) {
    const std::string text = Utf8ToCp1252(buffer);
    actions_->push_back([&edit, text](TFormDispatcher& d) { d.ChangeText(edit, text); });
  }
  if (ImGui::IsItemActive()) focusedEdit_ = &edit;
  if (edit.Color != clNone) ImGui::PopStyleColor();
  if (edit.Font.Color != clNone) ImGui::PopStyleColor();
  ImGui::PopStyleVar();
  End(edit);
}

void TImGuiFormView::Visit(TMemo& memo) {
  Begin(memo);
  const TRect r = memo.ScreenRect();
  ImDrawList* list = ImGui::GetWindowDrawList();
  list->AddRectFilled(V(r.Left, r.Top), V(r.Right, r.Bottom), ImColorOf(memo.Color, kWhite));
  DrawBevel(list, r, false);
  ImFont* font = ImGui::GetFont();
  const float size = ImGui::GetFontSize();
  const float lineH = size + 1;
  const int visible = std::max(1, static_cast<int>((r.Height() - 4) / lineH));
  // Break the lines where they would pass the text width (leaving room for the scroll bar).
  const float textW = r.Width() - 8 - kScrollBarWidth;
  std::vector<std::string> rows;
  for (const std::string& line : memo.Lines) {
    const std::string utf8 = Cp1252ToUtf8(line);
    const char* start = utf8.c_str();
    const char* end = start + utf8.size();
    if (!memo.WordWrap || start == end) {
      rows.emplace_back(start, end);
      continue;
    }
    while (start < end) {
      const char* cut = font->CalcWordWrapPositionA(size / font->FontSize, start, end, textW);
      if (cut == start) cut = start + 1;
      rows.emplace_back(start, cut);
      start = cut;
      while (start < end && *start == ' ') ++start;
    }
  }
  TScrollState& scroll = scrolls_[&memo];
  const bool hovered = !Masked(memo) && mouse_.X >= r.Left && mouse_.X < r.Right && mouse_.Y >= r.Top &&
                       mouse_.Y < r.Bottom && memo.EffectivelyEnabled();
  if (hovered) scroll.First -= static_cast<int>(ImGui::GetIO().MouseWheel * 3);
  const int total = static_cast<int>(rows.size());
  if (total > visible) {
    scroll.First = ScrollBar(Bounds(r.Right - 2 - static_cast<int>(kScrollBarWidth), r.Top + 2,
                                    static_cast<int>(kScrollBarWidth), r.Height() - 4),
                             std::clamp(scroll.First, 0, total - visible), total, visible, memo.EffectivelyEnabled());
  }
  scroll.First = std::clamp(scroll.First, 0, std::max(0, total - visible));
  list->PushClipRect(V(r.Left + 2, r.Top + 2), V(r.Right - 2, r.Bottom - 2), true);
  for (int i = 0; i < visible && scroll.First + i < total; ++i) {
    list->AddText(font, size, V(r.Left + 4, r.Top + 2 + i * lineH), ImColorOf(memo.Font.Color, kBlack),
                  rows[static_cast<size_t>(scroll.First + i)].c_str());
  }
  list->PopClipRect();
  End(memo);
}

void TImGuiFormView::Visit(TListBox& box) {
  Begin(box);
  const TRect r = box.ScreenRect();
  ImDrawList* list = ImGui::GetWindowDrawList();
  list->AddRectFilled(V(r.Left, r.Top), V(r.Right, r.Bottom), ImColorOf(box.Color, kWhite));
  DrawBevel(list, r, false);
  const float rowH = ImGui::GetFontSize() + 3;
  const int visible = std::max(1, static_cast<int>((r.Height() - 4) / rowH));
  const int total = box.Count();
  TScrollState& scroll = scrolls_[&box];
  // As the desktop list does: a selection made from code is scrolled into view.
  if (box.ItemIndex() != scroll.LastIndex && box.ItemIndex() >= 0) {
    if (box.ItemIndex() < scroll.First) scroll.First = box.ItemIndex();
    if (box.ItemIndex() >= scroll.First + visible) scroll.First = box.ItemIndex() - visible + 1;
  }
  scroll.LastIndex = box.ItemIndex();
  const bool hovered = !Masked(box) && mouse_.X >= r.Left && mouse_.X < r.Right && mouse_.Y >= r.Top &&
                       mouse_.Y < r.Bottom && box.EffectivelyEnabled();
  if (hovered) scroll.First -= static_cast<int>(ImGui::GetIO().MouseWheel * 3);
  const bool bar = total > visible;
  if (bar) {
    scroll.First = ScrollBar(Bounds(r.Right - 2 - static_cast<int>(kScrollBarWidth), r.Top + 2,
                                    static_cast<int>(kScrollBarWidth), r.Height() - 4),
                             std::clamp(scroll.First, 0, total - visible), total, visible, box.EffectivelyEnabled());
  }
  scroll.First = std::clamp(scroll.First, 0, std::max(0, total - visible));
  const float rowW = r.Width() - 4 - (bar ? kScrollBarWidth : 0);
  list->PushClipRect(V(r.Left + 2, r.Top + 2), V(r.Right - 2, r.Bottom - 2), true);
  for (int i = 0; i < visible && scroll.First + i < total; ++i) {
    const int index = scroll.First + i;
    const float y = r.Top + 2 + i * rowH;
    const bool selected = index == box.ItemIndex();
    if (selected) list->AddRectFilled(V(r.Left + 2, y), V(r.Left + 2 + rowW, y + rowH), kSelection);
    list->AddText(V(r.Left + 4, y + 1), selected ? kWhite : ImColorOf(box.Font.Color, kBlack),
                  Cp1252ToUtf8(box.Items()[static_cast<size_t>(index)]).c_str());
    ImGui::SetCursorScreenPos(V(r.Left + 2, y));
    ImGui::PushID(index);
    if (ImGui::InvisibleButton("##item", V(std::max(rowW, 1.0f), rowH))) {
      actions_->push_back([&box, index](TFormDispatcher& d) { d.SelectItem(box, index); });
    }
    ImGui::PopID();
  }
  list->PopClipRect();
  End(box);
}

void TImGuiFormView::Visit(TComboBox& combo) {
  Begin(combo);
  const TRect r = combo.ScreenRect();
  ImGui::SetNextItemWidth(static_cast<float>(r.Width()));
  const std::string preview = Cp1252ToUtf8(combo.Selected());
  if (ImGui::BeginCombo("##combo", preview.c_str())) {
    for (int i = 0; i < combo.Count(); ++i) {
      ImGui::PushID(i);
      const std::string item = Cp1252ToUtf8(combo.Items()[static_cast<size_t>(i)]);
      const bool selected = i == combo.ItemIndex();
      if (selected) ImGui::PushStyleColor(ImGuiCol_Text, kWhite);
      if (ImGui::Selectable(item.c_str(), selected)) {
        actions_->push_back([&combo, i](TFormDispatcher& d) { d.SelectItem(combo, i); });
      }
      if (selected) ImGui::PopStyleColor();
      ImGui::PopID();
    }
    ImGui::EndCombo();
  }
  End(combo);
}

void TImGuiFormView::Visit(TProgressBar& bar) {
  Begin(bar);
  const TRect r = bar.ScreenRect();
  const int span = bar.Max() - bar.Min();
  const float fraction = span > 0 ? static_cast<float>(bar.Position() - bar.Min()) / span : 0.0f;
  ImGui::ProgressBar(fraction, V(r.Width(), r.Height()), "");
  End(bar);
}

void TImGuiFormView::Visit(TTabControl& tabs) {
  Begin(tabs);
  const TRect r = tabs.ScreenRect();
  ImDrawList* list = ImGui::GetWindowDrawList();
  const float stripH = ImGui::GetFontSize() + 8;
  const TRect body = Bounds(r.Left, r.Top + static_cast<int>(stripH) - 2, r.Width(),
                            r.Height() - static_cast<int>(stripH) + 2);
  list->AddRectFilled(V(body.Left, body.Top), V(body.Right, body.Bottom), ImColorOf(tabs.Color, FaceColor()));
  DrawBevel(list, body, true);
  float x = static_cast<float>(r.Left + 2);
  for (int i = 0; i < static_cast<int>(tabs.Tabs().size()); ++i) {
    const std::string caption = Cp1252ToUtf8(tabs.Tabs()[static_cast<size_t>(i)]);
    const float w = ImGui::CalcTextSize(caption.c_str()).x + 14;
    const bool selected = i == tabs.TabIndex();
    // The selected tab stands out a little and joins the body below it.
    const TRect tab = Bounds(static_cast<int>(selected ? x - 2 : x), r.Top + (selected ? 0 : 2),
                             static_cast<int>(selected ? w + 4 : w), static_cast<int>(stripH) - (selected ? 0 : 2));
    list->AddRectFilled(V(tab.Left, tab.Top), V(tab.Right, tab.Bottom), ImColorOf(tabs.Color, FaceColor()));
    DrawBevel(list, tab, true);
    if (selected) {
      list->AddLine(V(tab.Left + 1, tab.Bottom - 1), V(tab.Right - 1, tab.Bottom - 1), ImColorOf(tabs.Color, FaceColor()),
                    2.0f);
    }
    list->AddText(V(x + 7, r.Top + 4), ImColorOf(tabs.Font.Color, kBlack), caption.c_str());
    ImGui::SetCursorScreenPos(V(tab.Left, tab.Top));
    ImGui::PushID(i);
    if (ImGui::InvisibleButton("##tab", V(tab.Width(), tab.Height()))) {
      actions_->push_back([&tabs, i](TFormDispatcher& d) { d.SelectTab(tabs, i); });
    }
    ImGui::PopID();
    x += w;
  }
  End(tabs);
}
