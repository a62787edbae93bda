// The bowling program's main form: the backdrop, the notebook of menu pages over it, and the
// full-screen drawing device that the LED shows and play take over. It owns every media component,
// the program's state, the LED sign and play, and is their host.
//
// The handlers are defined beside the concept they serve: start-up, the return to the menu, the game
// modes, the options and leaving the program here (main_form.cpp); bowler and alley choice and the
// start of a match in selection.cpp; the tournament's draw in tournament.cpp.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "bowling/bowling_devices.h"
#include "bowling/bowling_host.h"
#include "bowling/bowling_play.h"
#include "bowling/bowling_state.h"
#include "bowling/led_sign.h"
#include "bowling/menu_pages.h"
#include "forms/controls.h"

class TMainForm : public TForm, public TBowlingHost {
 public:
  // The form of the program whose data lies in programFolder (tests pass a folder of their own).
  explicit TMainForm(THost& host, const std::string& programFolder = ExecutableFolder());
  ~TMainForm() override;

  // Start-up: libraries, options, the bowler and alley lists, the display, the sound device, the
  // music and the intro show.
  void FormCreate() override;
  // Keys and the mouse on the display go to play, which also ends the shows.
  void FormKeyDown(int key, TShiftState shift) override;
  void FormKeyUp(int key, TShiftState shift) override;
  void DXDrawMouseDown(TMouseButton button, int x, int y) override;
  void DXDrawMouseUp(TMouseButton button, int x, int y) override;

  // Back to the menu: the logo in both buffers, the menu on page 0 (page 6 while a tournament goes on).
  void cleanup() override;

  // Game modes (page 0).
  void practiceClick();
  void pvspClick();
  void pvscompClick();
  void tourneyClick();
  void demoClick();
  // Options (page 1).
  void optionClick();
  void backClick();
  void soundClick();
  // Every "Exit": the tournament's keys saved, then the credits until a key or click.
  void quitClick();

  // Bowler and alley choice (selection.cpp).
  void playercomboChange();
  void alleycomboChange();
  void prevcharClick();
  void nextcharClick();
  void prevalleyClick();
  void nextalleyClick();
  void charselClick();
  // Starts a match: the tournament's draw, the loading page, the alley, the first turn.
  void goClick();

  // TBowlingHost
  bool SoundOn() const override;
  bool CrowdReactions() const override;
  bool SoftShadows() const override;
  bool FastRefresh() const override;
  int Animations() const override;
  int TournamentGames() const override;
  void EndProgram() override;

  // Controls, in drawing order.
  TImage& image;
  TMenuPages pages;
  TDrawArea& DXDrawArea;  // the control named "DXDraw": where the device shows

  // Media components and the program's state.
  TProgramPaths paths;
  TRandom random;
  TDXDraw DXDraw;
  TDXSound DXSound;
  TDXImageList graphics;
  TDXImageList LedList;
  TDXImageList alley;
  TDXImageList bowler;
  TDXWaveList music;
  TDXWaveList DXWaveList;
  TDXWaveList noise;
  TDXWaveList speech;
  TDXTimer DXTimer;     // play, 7 ms to begin with
  TDXTimer IntroTimer;  // 100 ms, runs also while inactive
  TDXTimer LEDTimer;    // 100 ms
  TDXTimer goverTimer;  // 100 ms, runs also while inactive
  TSoundSwitch sounds;  // reports to standard error
  TBowlingState state;
  TBowlingDevices devices;
  TLedSign sign;
  TBowlingPlay play;

 private:
  void WireHandlers();
  // Plays or stops a sound of a library while "Sound Enabled" is checked.
  void Play(TDXWaveList& library, const char* name);
  void Stop(TDXWaveList& library, const char* name);
  // Loads one of the program's own libraries; a file that cannot be read is reported and the
  // library stays empty, so the menus go on working.
  template <class TList>
  void LoadOwnLibrary(TList& list, const char* file);
  // The drawing device over the whole form, the pointer hidden over it.
  void ShowDisplay();
  // The mode buttons' common part: "hit", the character page, the flags of players 1 and 2.
  void ChooseMode(uint8_t playerCount, bool firstComputer, bool secondComputer, bool tournament);
  // The bowler and alley lists from the data folders (selection.cpp).
  void FillLists();
  // Says on page 0 which folders hold nothing to play with; the modes are hidden then.
  void ReportMissingData();
  // What stops a match from starting with the current choices, or "" (selection.cpp).
  std::string MatchDataProblems();
  // Shows the picture of a file on a page, or the reason it cannot be shown.
  void ShowPicture(TImage& picture, TLabel& problem, const std::string& relative, bool sizeToPicture);
  // The tournament as it stood before a draw: a start refused after the draw puts it back, so
  // no game is counted that was never bowled.
  struct TTournamentBefore {
    TFrontState front;
    std::array<TPlayer, 5> players;
    int barMin = 0;
    int barMax = 0;
    int barPosition = 0;
  };
  // The tournament's draw of alley, opponent, skill, length and progress (tournament.cpp); returns
  // the tournament as it stood before.
  TTournamentBefore TournamentDraw();
  void UndoTournamentDraw(const TTournamentBefore& before);
};
