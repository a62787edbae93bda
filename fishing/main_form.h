// The fishing program's main form: the title screen, the menu bar over the background picture, the
// player, options and lake panels, the quit and loading boxes, and the drawing device that play
// takes over. It owns every media component, the trip record and the play, and is the trip's host.
//
// The handlers are defined beside the concept they serve: the menu and the window's life here
// (main_form.cpp), the options in options_panel.cpp, the angler, gear and save games in
// player_panel.cpp, the lake list and lake details in lake_panel.cpp. The file formats live apart
// (options_panel.h, save_game.h, lake_catalogue.h), free of the form.
#pragma once

#include <memory>
#include <string>

#include "fishing/fishing_devices.h"
#include "fishing/fishing_play.h"
#include "fishing/lake_panel.h"
#include "fishing/lake_trip.h"
#include "fishing/options_panel.h"
#include "fishing/player_panel.h"
#include "fishing/trip_host.h"
#include "forms/controls.h"
#include "media/application.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/program_paths.h"
#include "media/random.h"

class TFormPictures;

// The status line: the angler's name, four blanks, then the cash.
std::string StatusText(const std::string& playerName, int32_t cash);

class TMainForm : public TForm, public TTripHost {
 public:
  // The form of the program whose executable lies in programFolder: its data lies there or in the
  // installed data folder, its own files are written there or per user (see program_paths.h). Tests
  // pass a folder of their own that holds the data.
  explicit TMainForm(THost& host, const std::string& programFolder = ExecutableFolder());
  ~TMainForm() override;

  // Window life: start-up (libraries, options, lake list), and the device's first initialisation.
  void FormCreate() override;
  void FormShow() override;
  // Keys and the mouse over the drawing device go to play, which only records them.
  void FormKeyDown(int key, TShiftState shift) override;
  void FormKeyUp(int key, TShiftState shift) override;
  void DXDrawMouseDown(TMouseButton button, int x, int y) override;
  void DXDrawMouseUp(TMouseButton button, int x, int y) override;
  void DXDrawMouseMove(int x, int y) override;

  // Every initialisation of the drawing device: trip reset, status, sound device, title music.
  void DXDrawInitialize();
  // Every finalisation: play's clean-up (sound device closed when sound is on).
  void DXDrawFinalize();

  // The title screen and the menu bar.
  void titleClick();
  void playerClick();
  void optionClick();
  void showgoClick();
  void quitClick();
  void noquitClick();
  void okquitClick();

  // The options panel (options_panel.cpp).
  void soundonClick();   // both sound radio buttons: opens or closes the sound device
  void defaultClick();   // every option back to its default, nothing written
  void applyClick();     // "Save Options": the seven options into "tarnhook.ini"

  // The player panel (player_panel.cpp).
  void playernameChange();
  void playertabTabChanged();
  void upluresClick();
  void uprodClick();
  void upboatClick();
  // The save and load dialogs open in the current folder, or in the per-user save folder when the
  // program keeps its files per user.
  void savebuttonClick();
  void loadbuttonClick();

  // The lake panel (lake_panel.cpp).
  void lakesClick();     // the selected lake's description, values and map
  void FillLakeList();   // lakes 1..lakesOpen from the catalogue; nothing selected afterwards

  // TTripHost
  bool MouseDrive() const override;
  int GameSpeedIndex() const override;
  bool PageFlipping() const override;
  bool BackgroundSounds() const override;
  bool SoundOn() const override;
  int LuresLevel() const override;
  int RodLevel() const override;
  int BoatLevel() const override;
  std::string SelectedLakeName() const override;
  void ShowLoadingBox() override;
  void HideLoadingBox() override;
  void AppendLoadingDot() override;
  void ResetLoadingLabel() override;
  void HideMenu() override;
  void ShowDrawArea(bool visible) override;
  void SetPlayCursor(bool hidden) override;
  void ShowMenuAfterTrip() override;
  void RefillLakeList() override;  // keeps the selected lake selected when it is still listed
  void UpdateStatus() override;
  void ShowMessage(const std::string& text) override;
  bool Closing() const override;

  // Controls, in drawing order (a later one lies on top).
  TImage& image;         // menu background with the painted menu bar
  TCoolButton& player;   // hot buttons over the menu bar
  TCoolButton& option;
  TCoolButton& go;
  TCoolButton& quit;
  TPanel& status;
  TPlayerPanel playerPanel;    // group box "players"
  TOptionsPanel optionsPanel;  // group box "options"
  TLakePanel lakePanel;        // group box "tarnhook"
  TGroupBox& quitbox;
  TLabel& quitText;
  TButton& noquit;
  TButton& okquit;
  TGroupBox& loadingbox;
  TLabel& loading;
  TImage& title;
  TDrawArea& DXDrawArea;       // the control named "DXDraw": where the device shows

  // Media components and the program's state.
  TProgramPaths paths;
  TRandom random;
  TDXDraw DXDraw;
  TDXSound DXSound;
  TDXWaveList sounds;      // "sound.dxw": effects
  TDXWaveList background;  // "music.dxw": title music and lake ambiences
  TDXImageList objects;
  TDXImageList DXTileList;
  TDXTimer DXTimer;        // play, interval 0
  TDXTimer DXCastTimer;    // strike meter, interval 15
  std::unique_ptr<LakeTrip> trip;
  TFishingDevices devices;
  TFishingPlay play;

 private:
  TMainForm(THost& host, const std::string& programFolder, TFormPictures&& pictures);
  // Connects the controls, timers and device events to the handlers.
  void WireHandlers();
};
