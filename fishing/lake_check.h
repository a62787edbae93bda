// The checks that refuse a lake play cannot run, made before the entry fee is taken. Each raises
// EDataError with the reason in plain words; the lake's files and values are left untouched.
#pragma once

#include "fishing/iso_map.h"
#include "fishing/lake_trip.h"

// The lake values from its ini file: fish and monster counts that fit the 257 slots, a Difficulty
// below 100 (fish turn with chance 1 in 100 - Difficulty) and a Biggest of at least 3 (lengths are
// 3 .. Biggest - 1 inches).
void CheckLakeValues(const LakeTrip& trip);

// The map against the lake values: object params that are whole numbers in range, object positions
// on the grid, and water where the random placement of fish and monsters can find it (monsters also
// more than 100 pixels from the boat's start), so that placement always ends.
void CheckLakeMap(const LakeTrip& trip, const TIsoMap& map);
