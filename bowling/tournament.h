// The tournament's draw at the start of each game: an alley other than the last game's and not a
// bumper alley, and an opponent other than the player's own bowler and the last opponent, each
// drawn again until it qualifies (a list too short to choose from takes the first draw).
#pragma once

#include <string>
#include <vector>

#include "media/random.h"

// The alley of the next game; with no other non-bumper alley to move to it takes any non-bumper
// alley, and with none at all the first drawn. "" for an empty list.
std::string DrawTournamentAlley(const std::vector<std::string>& alleys, const std::string& lastAlley,
                                TRandom& random);
// The opponent bowler of the next game; "" for an empty list.
std::string DrawTournamentOpponent(const std::vector<std::string>& bowlers, const std::string& playerBowler,
                                   const std::string& lastOpponent, TRandom& random);
