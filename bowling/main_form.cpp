#include "bowling/main_form.h"

#include <functional>
#include <iostream>

#include "bowling/bowling_options.h"
#include "bowling/display_failure.h"
#include "bowling/form_pictures.h"
#include "media/errors.h"
#include "media/picture_collection.h"
#include "media/surface.h"

namespace {

// The menu backdrop the program carries inside itself.
TPicture Backdrop() {
  TPictureCollection library;
  library.ReadFromLastingBytes(kBowlingFormPictures, kBowlingFormPicturesSize);
  return library.Find("image").Dib().Decode();
}

// The backdrop is made when the menu first shows it: the first frame is the intro show.
TImage& AddBackdrop(TForm& form) {
  auto& image = form.Add<TImage>("image");
  image.SetBounds(0, 0, 640, 480);
  image.SetPicture(std::function<TPicture()>(Backdrop));
  return image;
}

}  // namespace

// The members are created in declaration order, which is the drawing order of the controls.
TMainForm::TMainForm(THost& host, const std::string& programFolder)
    : TForm(host, "MainForm"),
      image(AddBackdrop(*this)),
      pages(BuildMenuPages(*this)),
      DXDrawArea(Add<TDrawArea>("DXDraw")),
      paths(TProgramPaths::ForProgram("bowling", programFolder, "graphics.dxg")),
      DXDraw(&Application()),
      DXSound(&Application()),
      graphics(&DXDraw),
      LedList(&DXDraw),
      alley(&DXDraw),
      bowler(&DXDraw),
      music(&DXSound),
      DXWaveList(&DXSound),
      noise(&DXSound),
      speech(&DXSound),
      DXTimer(Application(), false),
      IntroTimer(Application(), false),
      LEDTimer(Application(), false),
      goverTimer(Application(), false),
      sounds(std::cerr),
      devices{Application(), DXDraw, graphics, LedList, alley, bowler, music, DXWaveList, noise, speech,
              DXSound, DXTimer, IntroTimer, LEDTimer, goverTimer, random, paths, sounds},
      sign(state, devices, *this),
      play(state, devices, *this, sign) {
  Caption = "Bowling";
  KeyPreview = true;
  DXDrawArea.SetBounds(0, 0, 640, 480);
  DXDrawArea.Hide();
  DXDraw.Options = TDXDrawOptions{doFullScreen, doAllowReboot, doSystemMemory, doRetainedMode};
  DXDraw.Display.SetBitCount(16);
  // The title draws a few of the program's pictures; goClick builds the rest before play starts.
  graphics.Items.SurfacesOnFirstDraw = true;
  DXTimer.SetInterval(7);
  IntroTimer.SetInterval(100);
  IntroTimer.ActiveOnly = false;
  LEDTimer.SetInterval(100);
  goverTimer.SetInterval(100);
  goverTimer.ActiveOnly = false;
  WireHandlers();
}

TMainForm::~TMainForm() {
  DXDraw.Finalize();
  DXSound.Finalize();
}

void TMainForm::WireHandlers() {
  TMainPage& main = pages.main;
  main.practice.OnClick = [this] { practiceClick(); };
  main.pvsp.OnClick = [this] { pvspClick(); };
  main.pvscomp.OnClick = [this] { pvscompClick(); };
  main.tourney.OnClick = [this] { tourneyClick(); };
  main.demo.OnClick = [this] { demoClick(); };
  main.option.OnClick = [this] { optionClick(); };
  pages.config.back.OnClick = [this] { backClick(); };
  pages.config.sound.OnClick = [this] { soundClick(); };
  TCharacterPage& character = pages.character;
  character.prevchar.OnClick = [this] { prevcharClick(); };
  character.nextchar.OnClick = [this] { nextcharClick(); };
  character.charsel.OnClick = [this] { charselClick(); };
  character.playercombo.OnChange = [this] { playercomboChange(); };
  TAlleyPage& alleyPage = pages.alley;
  // The left arrow is named nextalley and steps back; the right one is named prevalley.
  alleyPage.nextalley.OnClick = [this] { prevalleyClick(); };
  alleyPage.prevalley.OnClick = [this] { nextalleyClick(); };
  alleyPage.alleycombo.OnChange = [this] { alleycomboChange(); };
  for (TButton* go : {&alleyPage.go, &pages.tourney.gotourney, &pages.progress.tcontinue}) {
    go->OnClick = [this] { goClick(); };
  }
  for (TButton* exit : {&main.quit, &character.quit, &alleyPage.quit, &pages.tourney.quit, &pages.progress.quit}) {
    exit->OnClick = [this] { quitClick(); };
  }
  DXTimer.OnTimer = [this](int lagCount) { play.DXTimerTimer(lagCount); };
  IntroTimer.OnTimer = [this](int lagCount) { sign.IntroTimerTimer(lagCount); };
  LEDTimer.OnTimer = [this](int lagCount) { sign.IntroTimerTimer(lagCount); };
  goverTimer.OnTimer = [this](int lagCount) { sign.goverTimerTimer(lagCount); };
}

void TMainForm::Play(TDXWaveList& library, const char* name) { sounds.Play(SoundOn(), library, name); }

void TMainForm::Stop(TDXWaveList& library, const char* name) { sounds.Stop(SoundOn(), library, name); }

template <class TList>
void TMainForm::LoadOwnLibrary(TList& list, const char* file) {
  try {
    list.Items.ReadFromFile(paths.Find(file));
  } catch (const Exception& error) {
    list.Items.Clear();
    Host().ShowMessage(error.Message());
  }
}

void TMainForm::FormCreate() {
  Color = clBlack;
  SetClientSize(640, 480);
  TFrontState& front = state.front;
  front.currentPlayer = 1;
  front.bumperAlley = front.tournamentMode = front.tournamentContinues = false;
  front.lastTournamentAlley.clear();
  front.lastTournamentOpponent.clear();
  front.tournamentGamesPlayed = 0;
  random.Randomize(Host().WallClock());
  front.programFolder = paths.Folder();
  LoadOwnLibrary(graphics, "graphics.dxg");
  LoadOwnLibrary(music, "music.dxw");
  LoadOwnLibrary(DXWaveList, "sound.dxw");
  cleanup();
  ReadBowlingIni(paths.FindOwnFile(kBowlingIni), pages.config, pages.tourney);
  FillLists();

  image.Hide();
  pages.gui.Hide();
  if (pages.config.flip.Checked()) DXDraw.Options.Include(doFlip);
  ShowDisplay();
  try {
    DXDraw.Initialize();
  } catch (const Exception& error) {
    Host().ShowMessage(DisplayFailureMessage(error.Message()));
    Close();
  }
  try {
    DXSound.Initialize();
  } catch (const Exception&) {
    pages.config.sound.SetChecked(false);
    pages.config.sound.Enabled = false;
  }
  Play(music, "music");
  sign.Load("intro");
  front.ledFrame = 0;
  IntroTimer.SetEnabled(true);
  sign.ShowOpening();
}

void TMainForm::ShowDisplay() {
  DXDrawArea.SetBounds(0, 0, ClientWidth(), ClientHeight());
  DXDrawArea.Cursor = TCursorShape::None;
  DXDrawArea.Show();
}

void TMainForm::cleanup() {
  if (TDirectDrawSurface* surface = DXDraw.Surface(); surface && graphics.Items.IndexOf("logo") >= 0) {
    TPictureCollectionItem& logo = graphics.Items.Find("logo");
    logo.Draw(*surface, 0, 0, 0);
    DXDraw.Flip();
    logo.Draw(*surface, 0, 0, 0);
  }
  DXDrawArea.Hide();
  image.Show();
  pages.gui.Show();
  pages.gui.SetPageIndex(6);
  TMatchState& match = state.match;
  // The last ball leaves its phase set; kept, Space on a menu page would start the meter.
  match.aiming = match.charging = match.rolling = match.dragging = false;
  match.reacting = match.aniPlayed = match.helpShown = match.exitPending = false;
  match.keyLeft = match.keyRight = match.showAllScores = false;
  match.players[1].finished = match.players[2].finished = false;
  if (state.front.tournamentContinues) return;
  for (int n = 1; n <= 4; ++n) {
    match.players[n].finished = true;
    match.players[n].computer = false;
  }
  state.front.currentPlayer = 1;
  state.front.playerCount = 1;
  pages.gui.SetPageIndex(0);
}

void TMainForm::ChooseMode(uint8_t playerCount, bool firstComputer, bool secondComputer, bool tournament) {
  Play(DXWaveList, "hit");
  pages.gui.SetPageIndex(3);
  TMatchState& match = state.match;
  match.players[1].computer = firstComputer;
  match.players[1].finished = false;
  if (playerCount == 2) {
    match.players[2].computer = secondComputer;
    match.players[2].finished = false;
  }
  state.front.playerCount = playerCount;
  state.front.tournamentMode = tournament;
}

void TMainForm::practiceClick() {
  ChooseMode(1, false, false, false);
  playercomboChange();
}

void TMainForm::pvspClick() {
  ChooseMode(2, false, false, false);
  playercomboChange();
}

void TMainForm::pvscompClick() {
  ChooseMode(2, false, true, false);
  playercomboChange();
}

void TMainForm::tourneyClick() {
  ChooseMode(2, false, true, true);
  state.front.tournamentContinues = false;
  state.front.tournamentGamesPlayed = 0;
  playercomboChange();
}

void TMainForm::demoClick() {
  ChooseMode(2, true, true, false);
  pages.character.charsel.Caption = "Select Computer Player 1";
}

void TMainForm::optionClick() {
  Play(DXWaveList, "single");
  pages.gui.SetPageIndex(1);
}

void TMainForm::backClick() {
  WriteOptionKeys(paths.OwnFileToWrite(kBowlingIni), pages.config);
  Play(DXWaveList, "single");
  pages.gui.SetPageIndex(0);
}

void TMainForm::soundClick() {
  if (pages.config.sound.Checked()) {
    Play(music, "music");
  } else if (music.Items.IndexOf("music") >= 0) {
    // Not gated by the box, which is unticked by now.
    music.Items.Find("music").Stop();
  }
}

void TMainForm::quitClick() {
  WriteTournamentKeys(paths.OwnFileToWrite(kBowlingIni), pages.tourney);
  Play(DXWaveList, "hit");
  state.front.quitting = true;
  sign.Load("credits");
  image.Hide();
  pages.gui.Hide();
  ShowDisplay();
  sign.Start(goverTimer);
}

void TMainForm::EndProgram() {
  DXSound.Finalize();
  DXDraw.Finalize();
  Close();
}

void TMainForm::FormKeyDown(int key, TShiftState shift) { play.FormKeyDown(key, shift); }

void TMainForm::FormKeyUp(int key, TShiftState shift) { play.FormKeyUp(key, shift); }

void TMainForm::DXDrawMouseDown(TMouseButton button, int, int) { play.DXDrawMouseDown(button); }

void TMainForm::DXDrawMouseUp(TMouseButton, int, int) { play.DXDrawMouseUp(); }

bool TMainForm::SoundOn() const { return pages.config.sound.Checked(); }
bool TMainForm::CrowdReactions() const { return pages.config.speechchk.Checked(); }
bool TMainForm::SoftShadows() const { return pages.config.shadows.Checked(); }
bool TMainForm::FastRefresh() const { return pages.config.mblur.Checked(); }
int TMainForm::Animations() const { return pages.config.anicombo.ItemIndex(); }

int TMainForm::TournamentGames() const {
  const TTourneyPage& tourney = pages.tourney;
  if (tourney.games3.Checked()) return 3;
  if (tourney.games5.Checked()) return 5;
  if (tourney.games7.Checked()) return 7;
  return 0;
}
