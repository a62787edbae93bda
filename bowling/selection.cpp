// Bowler and alley choice: the two lists built from the data folders, browsing them with their
// pictures, confirming each player's bowler and skill, and goClick, which turns the choices into a
// running match.
#include <algorithm>
#include <optional>

#include "bowling/data_names.h"
#include "bowling/main_form.h"
#include "media/bitmap_file.h"
#include "media/errors.h"
#include "media/folder_listing.h"
#include "media/surface.h"
#include "media/turbopixels.h"

namespace {

// The largest picture the alley page can show beside its arrows.
constexpr int kMaxPostcardWidth = 240;
constexpr int kMaxPostcardHeight = 182;

// Images each library must hold for play to draw a match.
const char* const kGraphicsImages[] = {"help", "helpbutton", "mouse", "think", "display", "lite",
                                       "power", "scoretrans", "numbers", "bigfont"};
const char* const kAlleyImages[] = {"alley", "pin", "pinshadow", "under", "over"};
const char* const kBowlerImages[] = {"char", "charshadow", "ball", "ballshadow", "strike", "gutter", "info"};

// Reads a library to see that play can use it; the problem in words, or "".
template <class TCollection, size_t N>
std::string LibraryProblem(const std::string& path, const std::string& shown, const char* const (&names)[N]) {
  TCollection library;
  try {
    library.ReadFromFile(path);
  } catch (const Exception& error) {
    return shown + ": " + error.Message();
  }
  std::string missing;
  for (const char* name : names) {
    if (library.IndexOf(name) < 0) missing += std::string(missing.empty() ? "" : ", ") + "\"" + name + "\"";
  }
  return missing.empty() ? std::string() : shown + " has no " + missing + ".";
}

void AddProblem(std::string& problems, const std::string& problem) {
  if (problem.empty()) return;
  if (!problems.empty()) problems += "\n";
  problems += problem;
}

// Steps a list's selection one entry back or on, wrapping at either end.
void Browse(TComboBox& list, int step) {
  const int count = list.Count();
  if (count == 0) return;
  const int index = list.ItemIndex();
  if (step < 0) list.SetItemIndex(index <= 0 ? count - 1 : index - 1);
  else list.SetItemIndex(index >= count - 1 ? 0 : index + 1);
}

// The folder name within every data folder, as the report names them: "A", or "A and B".
std::string SearchedFolders(const TProgramPaths& paths, const std::string& name) {
  std::string text;
  for (const std::string& folder : paths.JoinEach(name)) text += (text.empty() ? "" : " and ") + folder;
  return text;
}

}  // namespace

void TMainForm::FillLists() {
  TComboBox& bowlers = pages.character.playercombo;
  bowlers.SetItems(FindDataEntries(paths, "bowlers\\*.*", faDirectory));
  bowlers.SetItemIndex(DefaultEntry(bowlers.Items(), "VEKT"));
  state.CurrentPlayer().bowlerName = bowlers.Selected();
  playercomboChange();
  TComboBox& alleys = pages.alley.alleycombo;
  alleys.SetItems(FindDataEntries(paths, "alleys\\*.*", faDirectory));
  alleys.SetItemIndex(DefaultEntry(alleys.Items(), "TRADTIONAL"));
  state.front.alleyName = alleys.Selected();
  alleycomboChange();
  ReportMissingData();
}

void TMainForm::ReportMissingData() {
  std::string report;
  if (pages.character.playercombo.Count() == 0) {
    report += "No bowlers were found. The game looked for bowler folders in " + SearchedFolders(paths, "bowlers") +
              ".\n\n";
  }
  if (pages.alley.alleycombo.Count() == 0) {
    report += "No alleys were found. The game looked for alley folders in " + SearchedFolders(paths, "alleys") +
              ".\n\n";
  }
  TMainPage& main = pages.main;
  const bool playable = report.empty();
  for (TButton* mode : {&main.practice, &main.pvsp, &main.pvscomp, &main.tourney, &main.demo}) mode->Visible = playable;
  main.missing.Caption = playable ? std::string() : report + "Add them and start the game again to play.";
  main.missing.Visible = !playable;
}

void TMainForm::ShowPicture(TImage& picture, TLabel& problem, const std::string& relative, bool sizeToPicture) {
  try {
    TPicture loaded = ReadBitmapFile(paths.Find(relative));
    if (sizeToPicture) {
      const bool fits = loaded.Width <= kMaxPostcardWidth && loaded.Height <= kMaxPostcardHeight;
      picture.Stretch = !fits;
      picture.Width = fits ? loaded.Width : kMaxPostcardWidth;
      picture.Height = fits ? loaded.Height : kMaxPostcardHeight;
    }
    picture.SetPicture(std::move(loaded));
    problem.Hide();
  } catch (const Exception& error) {
    picture.SetPicture(TPicture{});
    problem.Caption = "No picture: " + error.Message();
    problem.Show();
  }
}

void TMainForm::playercomboChange() {
  TComboBox& list = pages.character.playercombo;
  if (list.ItemIndex() < 0) list.SetItemIndex(0);
  state.CurrentPlayer().bowlerName = list.Selected();
  if (list.Count() == 0) return;
  ShowPicture(pages.character.player, pages.character.poseProblem, "bowlers\\" + list.Selected() + "\\pose.bmp", false);
}

void TMainForm::alleycomboChange() {
  TComboBox& list = pages.alley.alleycombo;
  if (list.ItemIndex() < 0) list.SetItemIndex(0);
  state.front.alleyName = list.Selected();
  if (list.Count() > 0) {
    ShowPicture(pages.alley.alleyimg, pages.alley.postcardProblem, "alleys\\" + list.Selected() + "\\postcard.bmp",
                true);
  }
  state.front.bumperAlley = IsBumperAlley(state.front.alleyName);
}

void TMainForm::prevcharClick() {
  Play(DXWaveList, "single");
  Browse(pages.character.playercombo, -1);
  playercomboChange();
}

void TMainForm::nextcharClick() {
  Play(DXWaveList, "single");
  Browse(pages.character.playercombo, 1);
  playercomboChange();
}

void TMainForm::prevalleyClick() {
  Play(DXWaveList, "single");
  Browse(pages.alley.alleycombo, -1);
  alleycomboChange();
}

void TMainForm::nextalleyClick() {
  Play(DXWaveList, "single");
  Browse(pages.alley.alleycombo, 1);
  alleycomboChange();
}

void TMainForm::charselClick() {
  Play(DXWaveList, "hit");
  TFrontState& front = state.front;
  TCharacterPage& page = pages.character;
  TPlayer& player = state.CurrentPlayer();
  player.rookie = page.easy.Checked();
  player.amateur = page.normal.Checked();
  player.pro = page.hard.Checked();
  if (player.computer) {
    if (player.rookie) player.level = 8;
    if (player.amateur) player.level = 4;
    if (player.pro) player.level = 1;
  }
  if (front.currentPlayer < front.playerCount) {
    ++front.currentPlayer;
    TPlayer& next = state.CurrentPlayer();
    page.charsel.Caption =
        std::string(next.computer ? "Select Computer Player " : "Select Player ") + std::to_string(front.currentPlayer);
    // The list is not moved, so by default the next player gets the same bowler.
    next.bowlerName = page.playercombo.Selected();
  } else {
    pages.gui.SetPageIndex(4);
    page.charsel.Caption = "Select Player 1";
  }
  if (front.tournamentMode) {
    pages.gui.SetPageIndex(5);
    page.charsel.Caption = "Select Player 1";
  }
}

std::string TMainForm::MatchDataProblems() {
  std::string problems;
  TPictureCollection& own = graphics.Items;
  std::string missing;
  for (const char* name : kGraphicsImages) {
    if (own.IndexOf(name) < 0) missing += std::string(missing.empty() ? "" : ", ") + "\"" + name + "\"";
  }
  for (int n = 1; n <= state.front.playerCount; ++n) {
    const std::string label = "player" + std::to_string(n);
    if (own.IndexOf(label) < 0) missing += std::string(missing.empty() ? "" : ", ") + "\"" + label + "\"";
  }
  if (!missing.empty()) AddProblem(problems, "graphics.dxg has no " + missing + ".");

  const std::string& alleyName = state.front.alleyName;
  if (alleyName.empty()) {
    AddProblem(problems, "No alley is chosen.");
  } else {
    const std::string folder = "alleys\\" + alleyName + "\\";
    AddProblem(problems, LibraryProblem<TPictureCollection>(paths.Find(folder + "anis.dxg"), folder + "anis.dxg",
                                                            kAlleyImages));
    const char* const kNoise[] = {"noise"};
    AddProblem(problems, LibraryProblem<TWaveCollection>(paths.Find(folder + "noise.dxw"), folder + "noise.dxw", kNoise));
  }
  for (int n = 1; n <= state.front.playerCount; ++n) {
    const std::string& bowlerName = state.match.players[n].bowlerName;
    if (bowlerName.empty()) continue;
    const std::string folder = "bowlers\\" + bowlerName + "\\";
    AddProblem(problems, LibraryProblem<TPictureCollection>(paths.Find(folder + "anis.dxg"), folder + "anis.dxg",
                                                            kBowlerImages));
    if (SoundOn() && CrowdReactions()) {
      const char* const kSpeech[] = {"strike", "gutter"};
      AddProblem(problems,
                 LibraryProblem<TWaveCollection>(paths.Find(folder + "speech.dxw"), folder + "speech.dxw", kSpeech));
    }
  }
  return problems;
}

void TMainForm::goClick() {
  Play(DXWaveList, "hit");
  TFrontState& front = state.front;
  std::optional<TTournamentBefore> beforeDraw;
  if (front.tournamentMode) beforeDraw = TournamentDraw();
  if (const std::string problems = MatchDataProblems(); !problems.empty()) {
    if (beforeDraw) UndoTournamentDraw(*beforeDraw);
    Host().ShowMessage("This match cannot start:\n" + problems);
    return;
  }
  TProgressBar& loadbar = pages.loading.loadbar;
  loadbar.SetPosition(0);
  pages.gui.SetPageIndex(2);
  Application().ProcessMessages();
  loadbar.StepBy(1);
  const std::string folder = "alleys\\" + front.alleyName + "\\";
  noise.Items.ReadFromFile(paths.Find(folder + "noise.dxw"));
  Play(noise, "noise");
  Application().ProcessMessages();
  alley.Items.ReadFromFile(paths.Find(folder + "anis.dxg"));
  loadbar.StepBy(1);
  Application().ProcessMessages();
  if (TDirectDrawSurface* surface = DXDraw.Surface()) PreloadImages(*surface, alley);
  loadbar.StepBy(1);
  Application().ProcessMessages();
  if (TDirectDrawSurface* surface = DXDraw.Surface()) PreloadImages(*surface, graphics);
  loadbar.StepBy(1);
  Application().ProcessMessages();
  image.Hide();
  pages.gui.Hide();
  play.StartMatch();
  ShowDisplay();
  DXTimer.SetEnabled(true);
  Stop(music, "music");
}
