// The player panel: the angler's name and figure, the save and load buttons, and the fishing gear
// with its three level bars and upgrade buttons.
#pragma once

#include <functional>

#include "forms/controls.h"
#include "media/picture.h"

struct TPlayerPanel {
  TGroupBox& players;
  TLabel& nameLabel;
  TEdit& playername;
  TTabControl& playertab;  // one tab per angler figure; only "Man" is offered
  TImage& player1;         // the angler portrait, shown for the first figure
  TButton& savebutton;
  TButton& loadbutton;
  TGroupBox& gear;
  TProgressBar& luresbar;  // 0..4
  TButton& uplures;
  TProgressBar& rodbar;    // 0..4
  TButton& uprod;
  TProgressBar& boatbar;   // 0..3
  TButton& upboat;
};

// Creates the panel (hidden) on the form with the start-up name, figure, gear and captions; no
// handler is set.
TPlayerPanel BuildPlayerPanel(TForm& form, std::function<TPicture()> portrait);
