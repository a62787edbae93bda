// Starting a trip: "Fish This Lake". The lake is checked and its map read before the entry fee is
// taken; the fee is returned when a library then fails to load. Once the libraries are in, the
// map is copied into the trip, the boat put at its start, fish and monsters placed, and the
// drawing device opened for play with the frame timer running.
#pragma once

#include <string>

#include "fishing/trip_context.h"

// The "Fish This Lake" action for the lake selected in the lake list. Returns the lake's name when
// play has started, or an empty string when the lake was refused or failed to load (the player is
// then in the menu, having paid nothing).
std::string StartTrip(TTripContext& ctx);

// Looks up every picture and sound play uses (and the map's info stop pictures and image fonts),
// so that a library missing one is refused before play starts. Raises the library's "not found"
// error for the first one missing.
void ResolvePlayMedia(TTripContext& ctx);

// The boat at its start: (300, 300), or the cell of the last "levelstart" object, at rest with no
// throttle; the trip not ending, no message, no fish played, the clock at the lake's time.
void PlaceBoatAtStart(LakeTrip& trip);

// What every initialisation of the drawing device resets: heading, drive keys, wake, reeling, cast
// request, strike meter and the trip counters.
void ResetForDevice(LakeTrip& trip);
