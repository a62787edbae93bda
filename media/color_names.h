// Colour identifiers that library files may use for a colour ("clFuchsia"), and the fixed host
// colours that the 25 system colours (0x80000000 + role) stand for.
#pragma once

#include <string>
#include <string_view>

#include "media/geometry.h"

// The colour an identifier names, compared without regard to letter case; false when it names none.
bool IdentToColor(std::string_view ident, TColor& color);
// The identifier of a colour value that has one ("clFuchsia" for 0xFF00FF); false when it has none.
bool ColorToIdent(TColor color, std::string& ident);
// A system colour resolved to its host colour; every other value is returned unchanged.
TColor ResolveColor(TColor color);
