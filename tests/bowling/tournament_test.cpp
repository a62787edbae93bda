// The tournament: the draw of alley and opponent at each game, and whole tournaments through the
// real form and loop, the games' results set on the sheets at the end of each game.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "bowling/data_names.h"
#include "bowling/main_form.h"
#include "bowling/tournament.h"
#include "forms/virtual_keys.h"
#include "front_rig.h"
#include "media/library_writer.h"

namespace bowling_test {
namespace {

TEST(TournamentDraw, ConsecutiveGamesNeverShareTheAlleyOrTheOpponent) {
  TRandom random(4);
  const std::vector<std::string> alleys{"Tradtional", "Neon", "Sunset", "KidsBumper"};
  const std::vector<std::string> bowlers{"Vekt", "Marla", "Oskar", "Tess"};
  std::string lastAlley;
  std::string lastOpponent;
  std::set<std::string> seen;
  for (int game = 0; game < 200; ++game) {
    const std::string alley = DrawTournamentAlley(alleys, lastAlley, random);
    EXPECT_NE(alley, lastAlley);
    EXPECT_FALSE(IsBumperAlley(alley));
    const std::string opponent = DrawTournamentOpponent(bowlers, "Vekt", lastOpponent, random);
    EXPECT_NE(opponent, lastOpponent);
    EXPECT_NE(opponent, "Vekt");
    lastAlley = alley;
    lastOpponent = opponent;
    seen.insert(alley);
  }
  EXPECT_EQ(seen.size(), 3u) << "every plain alley comes up";
}

TEST(TournamentDraw, ShortListsTakeWhatTheyHave) {
  TRandom random(8);
  EXPECT_EQ(DrawTournamentAlley({"KidsBumper"}, "KidsBumper", random), "KidsBumper") << "one alley only";
  EXPECT_EQ(DrawTournamentAlley({}, "", random), "");
  // Two bowlers may repeat, the player's own one included.
  std::set<std::string> opponents;
  for (int i = 0; i < 50; ++i) opponents.insert(DrawTournamentOpponent({"Vekt", "Marla"}, "Vekt", "Marla", random));
  EXPECT_EQ(opponents.size(), 2u);
  // With no other plain alley to move to, the draw takes a plain alley, then any alley, and ends.
  EXPECT_EQ(DrawTournamentAlley({"Tradtional", "KidsBumper"}, "Tradtional", random), "Tradtional");
  const std::string any = DrawTournamentAlley({"BumperOne", "BumperTwo"}, "BumperOne", random);
  EXPECT_TRUE(any == "BumperOne" || any == "BumperTwo");
}

// Ends the game in play as if it had been bowled in open frames: player 1 scoring `one`, the
// computer `two` (multiples of 10 up to 90).
void FinishGame(TMainForm& form, int one, int two) {
  TMatchState& match = form.state.match;
  for (int n = 1; n <= 2; ++n) {
    TPlayer& p = match.players[n];
    const int score = n == 1 ? one : two;
    for (int k = 1; k <= 10; ++k) {
      p.frameStarted[k] = p.firstThrown[k] = p.secondThrown[k] = true;
      p.firstBall[k] = score / 10;
      p.secondBall[k] = 0;
      p.strike[k] = p.spare[k] = false;
    }
    p.finished = true;
  }
  match.frame = 11;
  match.matchComplete = true;
}

struct TTournamentRig : TFrontRig {
  // The tournament mode chosen, player 1 confirmed, on the tournament page.
  TTournamentRig() {
    Start();
    Key(VK_SPACE);
    Click("tourney");
    Click("charsel");
  }
  // Plays a game to its end show with the given scores; returns the page the end show leads to once
  // dismissed. The show's name is kept in shows.
  int PlayGame(const char* button, int one, int two) {
    TMainForm& f = *form;
    Click(button);
    EXPECT_TRUE(f.DXTimer.Enabled()) << button;
    host.Advance(20);
    Step();
    FinishGame(f, one, two);
    host.Advance(20);
    Step();  // the result shows, totals worked out
    Key('K');  // dismisses the result
    host.Advance(20);
    Step();
    EXPECT_TRUE(f.goverTimer.Enabled());
    const std::string frame = f.LedList.Items.Count() > 0 ? f.LedList.Items.Items(0).Name() : "";
    shows.push_back(frame.substr(0, frame.find('-')));
    progress.push_back(f.pages.progress.tprogbar.Position());
    Key('K');  // dismisses the show
    return f.pages.gui.PageIndex();
  }
  std::vector<std::string> shows;
  std::vector<int> progress;
};

TEST(Tournament, ThreeWonGamesEndWithWinAllAndTheMainPage) {
  TTournamentRig rig;
  TMainForm& form = *rig.form;
  ASSERT_EQ(form.pages.gui.PageIndex(), 5);
  EXPECT_EQ(rig.PlayGame("gotourney", 90, 70), 6);
  EXPECT_EQ(form.pages.progress.tprogbar.Max(), 3);
  EXPECT_EQ(rig.PlayGame("tcontinue", 90, 70), 6);
  // The won tournament opens only its own show: a missing "wingame" says nothing then.
  std::filesystem::remove(rig.folder + "leds/wingame.led");
  EXPECT_EQ(rig.PlayGame("tcontinue", 90, 70), 0);
  EXPECT_TRUE(rig.host.Messages().empty()) << rig.host.Messages().front();
  EXPECT_EQ(rig.progress, (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(form.state.front.tournamentContinues);
  EXPECT_EQ(form.state.front.tournamentGamesPlayed, 3);
  EXPECT_EQ(rig.shows, (std::vector<std::string>{"wingame", "wingame", "winall"}));
  // The last ball left its turn aiming; back on the menu no key reaches play.
  rig.Key(VK_SPACE);
  rig.Key(VK_UNNAMED + 55);
  EXPECT_FALSE(form.state.match.charging);
  EXPECT_FALSE(rig.Sounding(form.DXWaveList, "single"));
}

TEST(Tournament, ARefusedStartLeavesTheTournamentAsItWas) {
  TTournamentRig rig;
  TMainForm& form = *rig.form;
  // Both plain alleys unreadable: every draw lands on one of them and the start is refused.
  const std::string good = rig.folder + "tradtional-anis.dxg";
  std::filesystem::copy_file(rig.folder + "alleys/Tradtional/anis.dxg", good);
  for (const char* alley : {"Tradtional", "Neon"}) WritePictureLibrary(rig.folder + "alleys/" + alley + "/anis.dxg", {});
  const TPlayer opponent = form.state.match.players[2];
  for (int attempt = 1; attempt <= 3; ++attempt) {
    rig.Click("gotourney");
    ASSERT_EQ(rig.host.Messages().size(), static_cast<size_t>(attempt));
    EXPECT_EQ(form.pages.gui.PageIndex(), 5);
  }
  EXPECT_EQ(form.state.front.tournamentGamesPlayed, 0);
  EXPECT_EQ(form.pages.progress.tprogbar.Position(), 0);
  EXPECT_EQ(form.state.front.lastTournamentAlley, "");
  EXPECT_EQ(form.state.front.lastTournamentOpponent, "");
  EXPECT_EQ(form.state.match.players[2].bowlerName, opponent.bowlerName);
  EXPECT_EQ(form.state.match.players[2].level, opponent.level);
  // Mended, the first game bowled is game 1 of 3, and winning it does not win the tournament.
  std::filesystem::copy_file(good, rig.folder + "alleys/Tradtional/anis.dxg",
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::copy_file(good, rig.folder + "alleys/Neon/anis.dxg", std::filesystem::copy_options::overwrite_existing);
  EXPECT_EQ(rig.PlayGame("gotourney", 90, 70), 6);
  EXPECT_EQ(rig.progress, (std::vector<int>{1}));
  EXPECT_EQ(rig.shows, (std::vector<std::string>{"wingame"}));
}

TEST(Tournament, ALossAtGameTwoOrATieEndsIt) {
  TTournamentRig rig;
  TMainForm& form = *rig.form;
  EXPECT_EQ(rig.PlayGame("gotourney", 80, 60), 6);
  EXPECT_EQ(rig.PlayGame("tcontinue", 60, 80), 0);
  EXPECT_FALSE(form.state.front.tournamentContinues);
  EXPECT_EQ(rig.shows, (std::vector<std::string>{"wingame", "gameover"}));

  TTournamentRig tie;
  EXPECT_EQ(tie.PlayGame("gotourney", 70, 70), 0) << "a tie counts as a loss";
  EXPECT_EQ(tie.shows, (std::vector<std::string>{"gameover"}));
}

TEST(Tournament, AbandoningEndsItAndConsecutiveGamesChangeAlleyAndOpponent) {
  TTournamentRig rig;
  TMainForm& form = *rig.form;
  EXPECT_EQ(rig.PlayGame("gotourney", 80, 60), 6);
  const std::string firstAlley = form.state.front.alleyName;
  const std::string firstOpponent = form.state.match.players[2].bowlerName;
  rig.Click("tcontinue");
  EXPECT_NE(form.state.front.alleyName, firstAlley);
  EXPECT_FALSE(form.state.front.bumperAlley);
  EXPECT_NE(form.state.match.players[2].bowlerName, firstOpponent);
  EXPECT_NE(form.state.match.players[2].bowlerName, form.state.match.players[1].bowlerName);
  EXPECT_EQ(form.state.match.players[2].level, 8) << "Rookies by default";
  rig.Key(VK_ESCAPE);
  rig.Key(VK_RETURN);
  EXPECT_TRUE(form.goverTimer.Enabled());
  EXPECT_FALSE(form.state.front.tournamentContinues);
  rig.Key('K');
  EXPECT_EQ(form.pages.gui.PageIndex(), 0);
}

TEST(Tournament, NoGamesButtonChosenGoesOnWhileGamesAreWon) {
  TTournamentRig rig;
  TMainForm& form = *rig.form;
  form.pages.tourney.games3.SetChecked(false);
  for (int game = 0; game < 4; ++game) {
    EXPECT_EQ(rig.PlayGame(game == 0 ? "gotourney" : "tcontinue", 80, 60), 6) << "game " << game + 1;
  }
  EXPECT_EQ(form.pages.progress.tprogbar.Max(), 1);
  EXPECT_EQ(form.state.front.tournamentLength, 1);
}

}  // namespace
}  // namespace bowling_test
