#include "bowling/tournament.h"

#include <algorithm>

#include "bowling/data_names.h"
#include "bowling/main_form.h"

namespace {

// Draws entries until one satisfies accept; the caller makes sure one does.
template <class TAccept>
std::string DrawUntil(const std::vector<std::string>& entries, TRandom& random, TAccept accept) {
  for (;;) {
    const std::string& entry = entries[static_cast<size_t>(random.Random(static_cast<int32_t>(entries.size())))];
    if (accept(entry)) return entry;
  }
}

}  // namespace

std::string DrawTournamentAlley(const std::vector<std::string>& alleys, const std::string& lastAlley,
                                TRandom& random) {
  if (alleys.empty()) return std::string();
  if (alleys.size() < 2) return alleys[static_cast<size_t>(random.Random(static_cast<int32_t>(alleys.size())))];
  const auto fresh = [&](const std::string& alley) { return !IsBumperAlley(alley) && alley != lastAlley; };
  if (std::any_of(alleys.begin(), alleys.end(), fresh)) return DrawUntil(alleys, random, fresh);
  // No other plain alley to move to: the best left is any plain alley, then any alley at all.
  const auto plain = [](const std::string& alley) { return !IsBumperAlley(alley); };
  if (std::any_of(alleys.begin(), alleys.end(), plain)) return DrawUntil(alleys, random, plain);
  return DrawUntil(alleys, random, [](const std::string&) { return true; });
}

std::string DrawTournamentOpponent(const std::vector<std::string>& bowlers, const std::string& playerBowler,
                                   const std::string& lastOpponent, TRandom& random) {
  if (bowlers.empty()) return std::string();
  if (bowlers.size() < 3) return bowlers[static_cast<size_t>(random.Random(static_cast<int32_t>(bowlers.size())))];
  const auto other = [&](const std::string& bowler) { return bowler != playerBowler && bowler != lastOpponent; };
  // Names in a folder listing are distinct, but a list given twice the same name must still end.
  if (std::none_of(bowlers.begin(), bowlers.end(), other)) return bowlers.front();
  return DrawUntil(bowlers, random, other);
}

TMainForm::TTournamentBefore TMainForm::TournamentDraw() {
  TFrontState& front = state.front;
  TPlayer& opponent = state.match.players[2];
  const TTourneyPage& tourney = pages.tourney;
  TProgressBar& bar = pages.progress.tprogbar;
  TTournamentBefore before{front, state.match.players, bar.Min(), bar.Max(), bar.Position()};
  ++front.tournamentGamesPlayed;
  front.alleyName = DrawTournamentAlley(pages.alley.alleycombo.Items(), front.lastTournamentAlley, random);
  front.lastTournamentAlley = front.alleyName;
  front.bumperAlley = IsBumperAlley(front.alleyName);
  opponent.bowlerName = DrawTournamentOpponent(pages.character.playercombo.Items(), state.match.players[1].bowlerName,
                                               front.lastTournamentOpponent, random);
  front.lastTournamentOpponent = opponent.bowlerName;
  opponent.rookie = tourney.teasy.Checked();
  opponent.amateur = tourney.tnormal.Checked();
  opponent.pro = tourney.thard.Checked();
  // The skill goes to the current player's record, which is the opponent's whenever a game starts.
  TPlayer& current = state.CurrentPlayer();
  if (tourney.teasy.Checked()) current.level = 8;
  if (tourney.tnormal.Checked()) current.level = 4;
  if (tourney.thard.Checked()) current.level = 1;
  front.tournamentLength = 1;
  if (tourney.games3.Checked()) front.tournamentLength = 3;
  if (tourney.games5.Checked()) front.tournamentLength = 5;
  if (tourney.games7.Checked()) front.tournamentLength = 7;
  bar.SetRange(0, front.tournamentLength);
  bar.SetPosition(front.tournamentGamesPlayed);
  return before;
}

void TMainForm::UndoTournamentDraw(const TTournamentBefore& before) {
  state.front = before.front;
  state.match.players = before.players;
  TProgressBar& bar = pages.progress.tprogbar;
  bar.SetRange(before.barMin, before.barMax);
  bar.SetPosition(before.barPosition);
}
