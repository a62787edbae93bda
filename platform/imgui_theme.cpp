#include "platform/imgui_theme.h"

#include <imgui.h>

#include <algorithm>
#include <cctype>

#include "media/pixel_format.h"

namespace {

constexpr ImU32 kFace = IM_COL32(212, 208, 200, 255);
constexpr ImU32 kHighlight = IM_COL32(255, 255, 255, 255);
constexpr ImU32 kShadow = IM_COL32(128, 128, 128, 255);

ImVec4 Rgb(int r, int g, int b) { return ImVec4(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f); }

}  // namespace

void ApplyMenuTheme() {
  ImGui::StyleColorsLight();
  ImGuiStyle& style = ImGui::GetStyle();
  style.WindowRounding = 0;
  style.ChildRounding = 0;
  style.FrameRounding = 0;
  style.PopupRounding = 0;
  style.GrabRounding = 0;
  style.TabRounding = 0;
  style.ScrollbarRounding = 0;
  style.WindowBorderSize = 1;
  style.FrameBorderSize = 1;
  style.PopupBorderSize = 1;
  style.FramePadding = ImVec2(3, 2);
  style.ItemSpacing = ImVec2(6, 4);
  style.ItemInnerSpacing = ImVec2(4, 2);
  style.WindowPadding = ImVec2(10, 8);
  style.DisabledAlpha = 0.5f;
  ImVec4* c = style.Colors;
  c[ImGuiCol_Text] = Rgb(0, 0, 0);
  c[ImGuiCol_TextDisabled] = Rgb(128, 128, 128);
  c[ImGuiCol_WindowBg] = Rgb(212, 208, 200);
  c[ImGuiCol_PopupBg] = Rgb(212, 208, 200);
  c[ImGuiCol_Border] = Rgb(64, 64, 64);
  c[ImGuiCol_FrameBg] = Rgb(255, 255, 255);
  c[ImGuiCol_FrameBgHovered] = Rgb(255, 255, 255);
  c[ImGuiCol_FrameBgActive] = Rgb(255, 255, 255);
  c[ImGuiCol_TitleBg] = Rgb(10, 36, 106);
  c[ImGuiCol_TitleBgActive] = Rgb(10, 36, 106);
  c[ImGuiCol_Button] = Rgb(212, 208, 200);
  c[ImGuiCol_ButtonHovered] = Rgb(226, 223, 216);
  c[ImGuiCol_ButtonActive] = Rgb(180, 176, 168);
  c[ImGuiCol_CheckMark] = Rgb(0, 0, 0);
  c[ImGuiCol_Header] = Rgb(10, 36, 106);
  c[ImGuiCol_HeaderHovered] = Rgb(190, 205, 235);
  c[ImGuiCol_HeaderActive] = Rgb(10, 36, 106);
  c[ImGuiCol_PlotHistogram] = Rgb(10, 36, 106);
  c[ImGuiCol_TextSelectedBg] = Rgb(10, 36, 106);
  c[ImGuiCol_ModalWindowDimBg] = ImVec4(0, 0, 0, 0.35f);
  c[ImGuiCol_NavHighlight] = Rgb(10, 36, 106);
}

ImU32 FaceColor() { return kFace; }

ImU32 TooltipColor() { return IM_COL32(255, 255, 225, 255); }

ImU32 ImColorOf(TColor color, ImU32 fallback) {
  if (color == clNone) return fallback;
  const TColor rgb = ResolveSystemColor(color);
  // ImGui's packed colour is 0xAABBGGRR: the colour value with an opaque alpha.
  return (rgb & 0x00FFFFFF) | 0xFF000000;
}

bool SameFontName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// Edges are one-pixel filled rectangles: lines on whole coordinates would straddle two pixels.
void DrawBevel(ImDrawList* list, const TRect& r, bool raised) {
  const ImU32 light = raised ? kHighlight : kShadow;
  const ImU32 dark = raised ? kShadow : kHighlight;
  const float l = r.Left;
  const float t = r.Top;
  const float right = r.Right;
  const float bottom = r.Bottom;
  list->AddRectFilled(ImVec2(l, t), ImVec2(right - 1, t + 1), light);
  list->AddRectFilled(ImVec2(l, t), ImVec2(l + 1, bottom - 1), light);
  list->AddRectFilled(ImVec2(l, bottom - 1), ImVec2(right, bottom), dark);
  list->AddRectFilled(ImVec2(right - 1, t), ImVec2(right, bottom), dark);
}

void DrawEtchedFrame(ImDrawList* list, const ImVec2& min, const ImVec2& max) {
  auto frame = [list](ImVec2 a, ImVec2 b, ImU32 color) {
    list->AddRectFilled(a, ImVec2(b.x, a.y + 1), color);
    list->AddRectFilled(ImVec2(a.x, b.y - 1), b, color);
    list->AddRectFilled(a, ImVec2(a.x + 1, b.y), color);
    list->AddRectFilled(ImVec2(b.x - 1, a.y), b, color);
  };
  frame(ImVec2(min.x + 1, min.y + 1), max, kHighlight);
  frame(min, ImVec2(max.x - 1, max.y - 1), kShadow);
}

void DrawWingdingsSymbol(ImDrawList* list, const std::string& caption, const TRect& r, bool disabled) {
  if (caption.empty()) return;
  const float side = std::max(6.0f, std::min(r.Width(), r.Height()) * 0.7f);
  const float x = r.Left + (r.Width() - side) / 2;
  const float y = r.Top + (r.Height() - side) / 2;
  const ImU32 ink = disabled ? kShadow : IM_COL32(0, 0, 0, 255);
  if (caption[0] == '<') {
    // A floppy disk: the body with a cut corner, the metal shutter at the top, the label below.
    const ImVec2 body[] = {ImVec2(x, y), ImVec2(x + side * 0.85f, y), ImVec2(x + side, y + side * 0.15f),
                           ImVec2(x + side, y + side), ImVec2(x, y + side)};
    list->AddConvexPolyFilled(body, 5, disabled ? kShadow : IM_COL32(40, 40, 40, 255));
    list->AddRectFilled(ImVec2(x + side * 0.25f, y), ImVec2(x + side * 0.75f, y + side * 0.35f),
                        IM_COL32(190, 190, 190, 255));
    list->AddRectFilled(ImVec2(x + side * 0.55f, y + side * 0.05f), ImVec2(x + side * 0.68f, y + side * 0.3f),
                        IM_COL32(40, 40, 40, 255));
    list->AddRectFilled(ImVec2(x + side * 0.15f, y + side * 0.5f), ImVec2(x + side * 0.85f, y + side * 0.95f),
                        IM_COL32(250, 250, 250, 255));
    list->AddLine(ImVec2(x + side * 0.22f, y + side * 0.65f), ImVec2(x + side * 0.78f, y + side * 0.65f), ink);
    list->AddLine(ImVec2(x + side * 0.22f, y + side * 0.8f), ImVec2(x + side * 0.78f, y + side * 0.8f), ink);
  } else if (caption[0] == '1') {
    // An open folder: the back with its tab, and the front flap tilted open.
    const ImU32 back = disabled ? kFace : IM_COL32(214, 170, 40, 255);
    const ImU32 front = disabled ? kFace : IM_COL32(250, 214, 90, 255);
    list->AddRectFilled(ImVec2(x, y + side * 0.15f), ImVec2(x + side * 0.4f, y + side * 0.3f), back);
    list->AddRectFilled(ImVec2(x, y + side * 0.25f), ImVec2(x + side * 0.85f, y + side * 0.9f), back);
    list->AddRect(ImVec2(x, y + side * 0.25f), ImVec2(x + side * 0.85f, y + side * 0.9f), ink);
    const ImVec2 flap[] = {ImVec2(x + side * 0.15f, y + side * 0.45f), ImVec2(x + side, y + side * 0.45f),
                           ImVec2(x + side * 0.85f, y + side * 0.9f), ImVec2(x, y + side * 0.9f)};
    list->AddConvexPolyFilled(flap, 4, front);
    list->AddPolyline(flap, 4, ink, ImDrawFlags_Closed, 1.0f);
  }
}
