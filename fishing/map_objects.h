// The map objects the boat runs over during a trip: info stops ("buoy", "talk"), treasure and extra
// time. Fish and monster spots ("singlefish", "monster") and the boat start ("levelstart") are read
// when the trip starts; every other name is inert.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "fishing/lake_map.h"
#include "fishing/trip_context.h"

// An object param as a whole number: decimal, or hexadecimal after "$" or "0x", with an optional
// sign and surrounding blanks; nothing for anything else or a value outside int32.
std::optional<int32_t> WholeNumber(const std::string& param);

// Tick step 9: every active object on the cell the boat tried to enter acts, in index order.
void MapObjectsUnderBoat(TTripContext& ctx, TCell boatCell);
