#include "bowling/menu_pages.h"

namespace {

constexpr TColor kRed = RGB(255, 0, 0);

// Controls of the notebook take its red text.
template <class T>
T& AddControl(TForm& form, TControl& parent, const char* name, const char* caption, int left, int top,
              int width, int height) {
  auto& control = form.Add<T>(name, &parent);
  control.Caption = caption;
  control.SetBounds(left, top, width, height);
  control.Font.Color = kRed;
  return control;
}

TButton& AddButton(TForm& form, TControl& parent, const char* name, const char* caption, int left, int top,
                   int width, int height) {
  auto& button = AddControl<TButton>(form, parent, name, caption, left, top, width, height);
  button.Style = TButtonStyle::FlatBlack;
  return button;
}

// Every page but the options has an "Exit" at the same place.
TButton& AddExit(TForm& form, TControl& page, const char* name) {
  return AddButton(form, page, name, "Exit", 430, 4, 32, 21);
}

TComboBox& AddHiddenList(TForm& form, TControl& page, const char* name) {
  auto& list = form.Add<TComboBox>(name, &page);
  list.Hide();
  return list;
}

TMainPage BuildMainPage(TForm& form, TPage& page) {
  auto& missing = AddControl<TLabel>(form, page, "missing", "", 24, 40, 400, 120);
  missing.WordWrap = true;
  missing.Hide();
  return TMainPage{
      AddButton(form, page, "practice", "Open Bowling", 88, 57, 297, 25),
      AddButton(form, page, "pvsp", "Player vs. Player", 88, 89, 297, 25),
      AddButton(form, page, "pvscomp", "Player vs. Computer", 88, 121, 297, 25),
      AddButton(form, page, "tourney", "Bowling Tournament Mode", 88, 153, 297, 25),
      AddButton(form, page, "demo", "Computer vs. Computer (Demo Mode)", 88, 25, 297, 25),
      AddButton(form, page, "option", "Options", 366, 4, 56, 21),
      AddExit(form, page, "quit"),
      missing,
  };
}

TConfigPage BuildConfigPage(TForm& form, TPage& page) {
  auto& shadows = AddControl<TCheckBox>(form, page, "shadows", "Soft Shadows (slower but better looking)", 24, 14, 330, 20);
  shadows.SetChecked(true);
  auto& flip = AddControl<TCheckBox>(form, page, "flip", "Screen Flipping (slower but smoother)", 24, 38, 330, 20);
  auto& mblur = AddControl<TCheckBox>(form, page, "mblur", "Fast Refresh (faster but blurry)", 24, 62, 330, 20);
  auto& sound = AddControl<TCheckBox>(form, page, "sound", "Sound Enabled", 24, 86, 330, 20);
  sound.SetChecked(true);
  auto& speechchk = AddControl<TCheckBox>(form, page, "speechchk", "Crowd Reactions", 24, 110, 330, 20);
  speechchk.SetChecked(true);
  auto& anicombo = AddControl<TComboBox>(form, page, "anicombo", "", 24, 142, 330, 22);
  anicombo.SetItems({"Never play strike/spare animations", "Always play strike/spare animations",
                     "Sometimes play strike/spare animations"});
  anicombo.SetItemIndex(2);
  return TConfigPage{shadows, flip, mblur, sound, speechchk, anicombo,
                     AddButton(form, page, "back", "Back", 366, 4, 56, 21)};
}

TLoadingPage BuildLoadingPage(TForm& form, TPage& page) {
  auto& loading = AddControl<TLabel>(form, page, "loading", "Loading....", 120, 62, 231, 20);
  loading.Alignment = TAlignment::Center;
  auto& loadbar = AddControl<TProgressBar>(form, page, "loadbar", "", 120, 90, 231, 18);
  loadbar.SetRange(0, 3);
  return TLoadingPage{loading, loadbar};
}

TCharacterPage BuildCharacterPage(TForm& form, TPage& page) {
  auto& player = form.Add<TImage>("player", &page);
  player.SetBounds(120, 0, 100, 180);
  player.Center = true;
  auto& poseProblem = AddControl<TLabel>(form, page, "poseproblem", "", 110, 40, 120, 100);
  poseProblem.WordWrap = true;
  poseProblem.Alignment = TAlignment::Center;
  poseProblem.Hide();
  auto& easy = AddControl<TRadioButton>(form, page, "easy", "Rookie", 290, 109, 64, 18);
  auto& normal = AddControl<TRadioButton>(form, page, "normal", "Amateur", 356, 109, 72, 18);
  auto& hard = AddControl<TRadioButton>(form, page, "hard", "Pro", 430, 109, 41, 18);
  easy.SetChecked(true);
  return TCharacterPage{player,
                        poseProblem,
                        AddButton(form, page, "prevchar", "<", 81, 76, 28, 26),
                        AddButton(form, page, "nextchar", ">", 227, 76, 28, 26),
                        AddButton(form, page, "charsel", "Select Player 1", 303, 76, 135, 26),
                        easy,
                        normal,
                        hard,
                        AddHiddenList(form, page, "playercombo"),
                        AddExit(form, page, "charquit")};
}

TAlleyPage BuildAlleyPage(TForm& form, TPage& page) {
  auto& alleyimg = form.Add<TImage>("alleyimg", &page);
  alleyimg.SetBounds(60, 4, 236, 178);
  auto& postcardProblem = AddControl<TLabel>(form, page, "postcardproblem", "", 70, 50, 216, 90);
  postcardProblem.WordWrap = true;
  postcardProblem.Alignment = TAlignment::Center;
  postcardProblem.Hide();
  return TAlleyPage{alleyimg,
                    postcardProblem,
                    AddButton(form, page, "nextalley", "<", 25, 76, 28, 26),
                    AddButton(form, page, "prevalley", ">", 307, 76, 28, 26),
                    AddButton(form, page, "go", "Play", 345, 76, 99, 26),
                    AddHiddenList(form, page, "alleycombo"),
                    AddExit(form, page, "alleyquit")};
}

TTourneyPage BuildTourneyPage(TForm& form, TPage& page) {
  auto& options = AddControl<TGroupBox>(form, page, "tourneyoptions", "Tournament Options...", 16, 16, 313, 153);
  auto& games = AddControl<TGroupBox>(form, options, "gamesgroup", "Games...", 10, 24, 140, 116);
  auto& opponents = AddControl<TGroupBox>(form, options, "opponentsgroup", "Opponents...", 162, 24, 140, 116);
  for (TGroupBox* box : {&options, &games, &opponents}) box->Color = clBlack;
  auto& games3 = AddControl<TRadioButton>(form, games, "games3", "Three Games", 12, 26, 120, 18);
  auto& games5 = AddControl<TRadioButton>(form, games, "games5", "Five Games", 12, 50, 120, 18);
  auto& games7 = AddControl<TRadioButton>(form, games, "games7", "Seven Games", 12, 74, 120, 18);
  auto& teasy = AddControl<TRadioButton>(form, opponents, "teasy", "Rookies", 12, 26, 120, 18);
  auto& tnormal = AddControl<TRadioButton>(form, opponents, "tnormal", "Amateurs", 12, 50, 120, 18);
  auto& thard = AddControl<TRadioButton>(form, opponents, "thard", "Professionals", 12, 74, 120, 18);
  games3.SetChecked(true);
  teasy.SetChecked(true);
  return TTourneyPage{options, games,   opponents, games3, games5, games7, teasy, tnormal, thard,
                      AddButton(form, page, "gotourney", "Play", 345, 76, 99, 26),
                      AddExit(form, page, "tourneyquit")};
}

TContinuePage BuildContinuePage(TForm& form, TPage& page) {
  auto& tcontinue = AddButton(form, page, "tcontinue", "Continue Tournament", 104, 68, 265, 26);
  auto& tproglabel = AddControl<TLabel>(form, page, "tproglabel", "Tournament Progress....", 181, 130, 160, 16);
  auto& tprogbar = AddControl<TProgressBar>(form, page, "tprogbar", "", 162, 149, 147, 16);
  tprogbar.SetRange(0, 100);
  return TContinuePage{tcontinue, tproglabel, tprogbar, AddExit(form, page, "continuequit")};
}

}  // namespace

TMenuPages BuildMenuPages(TForm& form) {
  auto& gui = form.Add<TNotebook>("gui");
  gui.SetBounds(87, 148, 471, 190);
  gui.Color = clBlack;
  gui.Font.Color = kRed;
  TPage* pages[7];
  const char* names[7] = {"main", "config", "loading", "character", "alley", "tourney", "continue"};
  for (int i = 0; i < 7; ++i) {
    pages[i] = &gui.AddPage(names[i]);
    pages[i]->Color = clBlack;
  }
  TMenuPages built{gui,
                   BuildMainPage(form, *pages[0]),
                   BuildConfigPage(form, *pages[1]),
                   BuildLoadingPage(form, *pages[2]),
                   BuildCharacterPage(form, *pages[3]),
                   BuildAlleyPage(form, *pages[4]),
                   BuildTourneyPage(form, *pages[5]),
                   BuildContinuePage(form, *pages[6])};
  gui.SetPageIndex(0);
  return built;
}
