// "bowling.ini": the options and the tournament's choices, kept between runs.
//
//   [Options]        Sound, Speech (booleans), Animation (the animation list's index)
//   [Configuration]  FastRefresh, ScreenFlip, SoftShadows (booleans)
//   [Tournament]     3Games, 5Games, 7Games, Easy, Normal, Hard (booleans)
//
// Booleans are written as 1 and 0 and read as integers, non-zero being true; a missing key or one
// that is not a number reads as the control's default. All twelve keys are read at start-up; the
// options are written when the options page is left, the tournament's keys when the program is left.
#pragma once

#include <string>

#include "bowling/menu_pages.h"

inline constexpr const char* kBowlingIni = "bowling.ini";

// Sets every control from its key, in the order of the table above.
void ReadBowlingIni(const std::string& path, TConfigPage& config, TTourneyPage& tourney);
// The "Options" and "Configuration" keys from the options page.
void WriteOptionKeys(const std::string& path, const TConfigPage& config);
// The "Tournament" keys from the tournament page.
void WriteTournamentKeys(const std::string& path, const TTourneyPage& tourney);
