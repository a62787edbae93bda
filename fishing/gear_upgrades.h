// The price list of the fishing gear: what the next step of each gear costs and what its upgrade
// button says at each level.
#pragma once

#include <optional>
#include <string>

enum class TGear { Lures, Rod, Boat };

// The top level of each gear's bar (lures and rod 4, boat 3).
int GearMaxLevel(TGear gear);
// The price of the step up from level, or nothing at the top level, at 0 or beyond.
std::optional<int> UpgradePrice(TGear gear, int level);
// The upgrade button's caption at level (the next step's price, or "No More ... Upgrades" at the
// top), or nothing for a level without one (0 or beyond), which leaves the caption as it is.
std::optional<std::string> UpgradeCaption(TGear gear, int level);
// The boat picture of a boat level ("boat1".."boat3"), or nothing for any other level.
std::optional<std::string> BoatImageFor(int level);
