// The options panel: game speed and page flipping, mouse or key drive, sound on or off and the
// background sounds, kept in "tarnhook.ini" (section "Tarnhook") in the program folder, or per user
// when the program cannot write there (see program_paths.h).
#pragma once

#include <string>

#include "forms/controls.h"
#include "media/ini_file.h"

// The options file, beside the program or per user.
constexpr const char* kOptionsFile = "tarnhook.ini";
constexpr const char* kOptionsSection = "Tarnhook";

struct TOptionsPanel {
  TGroupBox& options;
  TGroupBox& video;
  TLabel& speedLabel;
  TComboBox& speed;  // "30FPS", "60FPS", "As fast as possible"
  TCheckBox& flip;
  TGroupBox& controllers;
  TRadioButton& mousedrive;
  TRadioButton& keydrive;
  TGroupBox& sound;
  TRadioButton& soundon;
  TRadioButton& soundoff;
  TCheckBox& bgsound;
  TButton& defaultButton;  // the control named "default"
  TButton& apply;
};

// Creates the panel (hidden) on the form with every option at its default; no handler is set.
TOptionsPanel BuildOptionsPanel(TForm& form);

// The seven options from the file into the controls, each missing or unreadable one at its default.
// Checking a radio button runs its handler, as a click does.
void ReadOptions(const TIniFile& ini, TOptionsPanel& panel);
// The seven options from the controls into the file at path, all in one replacement of the file.
// Raises EIniFileException "Unable to write to %s".
void WriteOptions(const std::string& path, const TOptionsPanel& panel);
// Every option at its default, through the controls (so their handlers run as on a click).
void SetDefaultOptions(TOptionsPanel& panel);
