#include "platform/imgui_form_view.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <cmath>

#include "media/pixel_format.h"
#include "platform/form_dispatcher.h"
#include "platform/imgui_fonts.h"
#include "platform/imgui_theme.h"
#include "platform/text_encoding.h"

TImGuiFormView::~TImGuiFormView() { ReleaseTextures(); }

void TImGuiFormView::ReleaseTextures() {
  for (auto& [image, entry] : textures_) {
    if (entry.Texture) SDL_DestroyTexture(entry.Texture);
  }
  textures_.clear();
}

void TImGuiFormView::ApplyStyle() { ApplyMenuTheme(); }

void TImGuiFormView::Draw(TForm& form, TPoint mouse, double uiTime, bool hints, std::vector<TAction>& actions) {
  actions_ = &actions;
  mouse_ = mouse;
  hit_ = form.ControlAt(mouse.X, mouse.Y);
  focusedEdit_ = nullptr;
  DrawTree(form);
  if (hints) {
    Tooltip(uiTime);
  } else {
    hoverControl_ = nullptr;  // the hint's delay starts again once the box is gone
  }
  actions_ = nullptr;
}

void TImGuiFormView::DrawTree(TControl& control) {
  if (!control.Visible) return;
  ImGui::PushID(&control);
  control.Accept(*this);
  for (TControl* child : control.Children()) DrawTree(*child);
  ImGui::PopID();
}

bool TImGuiFormView::Masked(const TControl& control) const {
  const TRect r = control.ScreenRect();
  const bool inside = mouse_.X >= r.Left && mouse_.X < r.Right && mouse_.Y >= r.Top && mouse_.Y < r.Bottom;
  return inside && hit_ != &control;
}

ImFont* TImGuiFormView::FontOf(const TControl& control) const {
  return fonts_.Pick(control.Font.Height, control.Font.Bold);
}

void TImGuiFormView::Begin(TControl& control) {
  ImFont* font = FontOf(control);
  ImGui::PushFont(font ? font : ImGui::GetFont());
  int pushed = 0;
  if (!control.EffectivelyEnabled()) {
    ImGui::BeginDisabled();
    pushed |= 1;
  }
  if (Masked(control)) {
    ImGui::PushItemFlag(ImGuiItemFlags_Disabled, true);
    pushed |= 2;
  }
  pushed_.push_back(pushed);
  const TRect r = control.ScreenRect();
  ImGui::SetCursorScreenPos(ImVec2(static_cast<float>(r.Left), static_cast<float>(r.Top)));
}

void TImGuiFormView::End(TControl&) {
  const int pushed = pushed_.back();
  pushed_.pop_back();
  if (pushed & 2) ImGui::PopItemFlag();
  if (pushed & 1) ImGui::EndDisabled();
  ImGui::PopFont();
}

void TImGuiFormView::ClickArea(TControl& control, const char* id) {
  const TRect r = control.ScreenRect();
  if (r.Width() <= 0 || r.Height() <= 0) return;
  ImGui::SetCursorScreenPos(ImVec2(static_cast<float>(r.Left), static_cast<float>(r.Top)));
  if (ImGui::InvisibleButton(id, ImVec2(static_cast<float>(r.Width()), static_cast<float>(r.Height())))) {
    actions_->push_back([&control](TFormDispatcher& d) { d.Click(control); });
  }
}

void TImGuiFormView::Tooltip(double uiTime) {
  TControl* hover = nullptr;
  for (TControl* c = hit_; c && !hover; c = c->Parent()) {
    if (!c->Hint.empty() && c->ShowHint) hover = c;
  }
  if (hover != hoverControl_) {
    hoverControl_ = hover;
    hoverSince_ = uiTime;
  }
  // As the desktop does: the hint shows after the pointer rests half a second on the control.
  if (!hover || uiTime - hoverSince_ < 0.5 || ImGui::IsAnyMouseDown()) return;
  ImGui::PushStyleColor(ImGuiCol_PopupBg, TooltipColor());
  ImGui::PushStyleColor(ImGuiCol_Text, IM_COL32(0, 0, 0, 255));
  ImGui::SetTooltip("%s", Cp1252ToUtf8(hover->Hint).c_str());
  ImGui::PopStyleColor(2);
}

SDL_Texture* TImGuiFormView::PictureTexture(TImage& image) {
  TPictureTexture& entry = textures_[&image];
  if (entry.Texture && entry.Version == image.PictureVersion()) return entry.Texture;
  if (entry.Texture) SDL_DestroyTexture(entry.Texture);
  entry.Texture = nullptr;
  entry.Version = image.PictureVersion();
  const TPicture& picture = image.Picture();
  if (picture.Empty() || picture.Pixels.size() < static_cast<size_t>(picture.Width) * picture.Height) return nullptr;
  // Picture pixels are 0x00RRGGBB words, which is SDL's XRGB8888 layout.
  entry.Texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STATIC, picture.Width,
                                    picture.Height);
  if (!entry.Texture) return nullptr;
  SDL_UpdateTexture(entry.Texture, nullptr, picture.Pixels.data(), picture.Width * 4);
  return entry.Texture;
}

void TImGuiFormView::Visit(TImage& image) {
  Begin(image);
  const TRect area = image.ScreenRect();
  const TRect dest = image.PictureRect();
  if (SDL_Texture* texture = PictureTexture(image)) {
    // Enlarged pictures keep hard pixel edges; reduced ones are smoothed.
    const bool enlarged = dest.Width() >= image.Picture().Width && dest.Height() >= image.Picture().Height;
    SDL_SetTextureScaleMode(texture, enlarged ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    ImDrawList* list = ImGui::GetWindowDrawList();
    list->PushClipRect(ImVec2(area.Left, area.Top), ImVec2(area.Right, area.Bottom), true);
    list->AddImage(texture, ImVec2(dest.Left, dest.Top), ImVec2(dest.Right, dest.Bottom));
    list->PopClipRect();
  }
  if (image.OnClick) ClickArea(image, "##image");
  End(image);
}

void TImGuiFormView::Visit(TCoolButton& button) {
  Begin(button);
  ClickArea(button, "##hot");
  End(button);
}

void TImGuiFormView::Visit(TButton& button) {
  Begin(button);
  const TRect r = button.ScreenRect();
  const ImVec2 size(static_cast<float>(r.Width()), static_cast<float>(r.Height()));
  const bool wingdings = SameFontName(button.Font.Name, "Wingdings");
  const bool flat = button.Style == TButtonStyle::FlatBlack;
  int colors = 0;
  if (flat) {
    ImGui::PushStyleColor(ImGuiCol_Button, IM_COL32(0, 0, 0, 255));
    // Maroon under the pointer, the button the player is about to press.
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, IM_COL32(128, 0, 0, 255));
    ImGui::PushStyleColor(ImGuiCol_ButtonActive, IM_COL32(160, 0, 0, 255));
    ImGui::PushStyleColor(ImGuiCol_Border, IM_COL32(255, 0, 0, 255));
    ImGui::PushStyleColor(ImGuiCol_Text, ImColorOf(button.Font.Color, IM_COL32(255, 0, 0, 255)));
    colors = 5;
  } else if (button.Font.Color != clNone) {
    ImGui::PushStyleColor(ImGuiCol_Text, ImColorOf(button.Font.Color, 0));
    colors = 1;
  }
  const std::string label = (wingdings ? std::string() : Cp1252ToUtf8(button.Caption)) + "##button";
  if (ImGui::Button(label.c_str(), size)) {
    actions_->push_back([&button](TFormDispatcher& d) { d.Click(button); });
  }
  if (wingdings) DrawWingdingsSymbol(ImGui::GetWindowDrawList(), button.Caption, r, !button.EffectivelyEnabled());
  // As on the desktop, the button that Enter clicks has a heavier frame.
  if (button.Default && !flat) {
    ImGui::GetWindowDrawList()->AddRect(ImVec2(r.Left, r.Top), ImVec2(r.Right, r.Bottom), IM_COL32(0, 0, 0, 255), 0.0f,
                                        0, 2.0f);
  }
  ImGui::PopStyleColor(colors);
  End(button);
}

void TImGuiFormView::Visit(TCheckBox& box) {
  Begin(box);
  // A box with a text colour of its own marks its state in that colour too, so the mark stays
  // visible on any page colour.
  const int colors = box.Font.Color != clNone ? 2 : 0;
  if (colors) {
    ImGui::PushStyleColor(ImGuiCol_Text, ImColorOf(box.Font.Color, 0));
    ImGui::PushStyleColor(ImGuiCol_CheckMark, ImColorOf(box.Font.Color, 0));
  }
  bool checked = box.Checked();
  const std::string label = Cp1252ToUtf8(box.Caption) + "##check";
  if (ImGui::Checkbox(label.c_str(), &checked)) {
    actions_->push_back([&box](TFormDispatcher& d) { d.Click(box); });
  }
  ImGui::PopStyleColor(colors);
  End(box);
}

void TImGuiFormView::Visit(TRadioButton& radio) {
  Begin(radio);
  const int colors = radio.Font.Color != clNone ? 2 : 0;
  if (colors) {
    ImGui::PushStyleColor(ImGuiCol_Text, ImColorOf(radio.Font.Color, 0));
    ImGui::PushStyleColor(ImGuiCol_CheckMark, ImColorOf(radio.Font.Color, 0));
  }
  const std::string label = Cp1252ToUtf8(radio.Caption) + "##radio";
  if (ImGui::RadioButton(label.c_str(), radio.Checked())) {
    actions_->push_back([&radio](TFormDispatcher& d) { d.Click(radio); });
  }
  ImGui::PopStyleColor(colors);
  End(radio);
}

void TImGuiFormView::Visit(TPanel& panel) {
  Begin(panel);
  const TRect r = panel.ScreenRect();
  ImDrawList* list = ImGui::GetWindowDrawList();
  list->AddRectFilled(ImVec2(r.Left, r.Top), ImVec2(r.Right, r.Bottom), ImColorOf(panel.Color, FaceColor()));
  if (panel.Bevel) DrawBevel(list, r, true);
  const std::string text = Cp1252ToUtf8(panel.Caption);
  const ImVec2 size = ImGui::CalcTextSize(text.c_str());
  list->PushClipRect(ImVec2(r.Left, r.Top), ImVec2(r.Right, r.Bottom), true);
  list->AddText(ImVec2(r.Left + (r.Width() - size.x) / 2, r.Top + (r.Height() - size.y) / 2),
                ImColorOf(panel.Font.Color, IM_COL32(0, 0, 0, 255)), text.c_str());
  list->PopClipRect();
  if (panel.OnClick) ClickArea(panel, "##panel");
  End(panel);
}

void TImGuiFormView::Visit(TGroupBox& box) {
  Begin(box);
  const TRect r = box.ScreenRect();
  ImDrawList* list = ImGui::GetWindowDrawList();
  list->AddRectFilled(ImVec2(r.Left, r.Top), ImVec2(r.Right, r.Bottom), ImColorOf(box.Color, FaceColor()));
  const std::string text = Cp1252ToUtf8(box.Caption);
  const ImVec2 size = ImGui::CalcTextSize(text.c_str());
  const float frameTop = std::floor(r.Top + size.y / 2);
  DrawEtchedFrame(list, ImVec2(r.Left, frameTop), ImVec2(r.Right, r.Bottom));
  if (!text.empty()) {
    list->AddRectFilled(ImVec2(r.Left + 6, r.Top), ImVec2(r.Left + 10 + size.x, r.Top + size.y),
                        ImColorOf(box.Color, FaceColor()));
    list->AddText(ImVec2(r.Left + 8, r.Top), ImColorOf(box.Font.Color, IM_COL32(0, 0, 0, 255)), text.c_str());
  }
  if (box.OnClick) ClickArea(box, "##group");
  End(box);
}

void TImGuiFormView::Visit(TNotebook& notebook) {
  // Only its active page's controls show, over the notebook's own colour when it has one.
  if (notebook.Color == clNone) return;
  const TRect r = notebook.ScreenRect();
  ImGui::GetWindowDrawList()->AddRectFilled(ImVec2(r.Left, r.Top), ImVec2(r.Right, r.Bottom), ImColorOf(notebook.Color, 0));
}

void TImGuiFormView::Visit(TPage& page) {
  if (page.OnClick) {
    Begin(page);
    ClickArea(page, "##page");
    End(page);
  }
}

void TImGuiFormView::Visit(TDrawArea&) {
  // Do nothing: while a drawing area shows, the host shows the device's surface instead of the menus.
}

void TImGuiFormView::Visit(TForm& form) {
  if (form.OnClick) {
    Begin(form);
    ClickArea(form, "##form");
    End(form);
  }
}
