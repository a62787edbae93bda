// The look of the menus: a classic desktop theme for ImGui, the colours and frames the control
// drawing shares, and the two symbol-font pictures the fishing form's buttons use.
#pragma once

#include <string>

#include "media/geometry.h"

struct ImDrawList;
struct ImVec2;
using ImU32 = unsigned int;

// Sets the theme on the current ImGui context.
void ApplyMenuTheme();
// The face of buttons, panels and boxes, and the tooltip background.
ImU32 FaceColor();
ImU32 TooltipColor();
// A colour value (0x00BBGGRR, or a system colour) as ImGui's colour; fallback for clNone.
ImU32 ImColorOf(TColor color, ImU32 fallback);
// Font names compare without regard to case.
bool SameFontName(const std::string& a, const std::string& b);
// A raised (or sunken) 3D edge around r.
void DrawBevel(ImDrawList* list, const TRect& r, bool raised);
// The etched line around a group box.
void DrawEtchedFrame(ImDrawList* list, const ImVec2& min, const ImVec2& max);
// The picture a symbol font shows for the caption: "<" a floppy disk, "1" an open folder; other
// characters draw nothing.
void DrawWingdingsSymbol(ImDrawList* list, const std::string& caption, const TRect& r, bool disabled);
