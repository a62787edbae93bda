// The menu notebook `gui` and its seven pages, built as plain controls: black pages with red text and
// flat black buttons with red borders. Each page's controls are gathered in a record so the form's
// handlers reach them by name.
//
//   0 main       the five game modes, "Options", "Exit"
//   1 config     the six options and "Back"
//   2 loading    "Loading...." and its progress bar
//   3 character  the bowler's portrait, arrows, "Select Player 1", the three skill buttons
//   4 alley      the alley's postcard, arrows, "Play"
//   5 tourney    the tournament's options and "Play"
//   6 continue   "Continue Tournament" and the tournament's progress
#pragma once

#include "forms/controls.h"

struct TMainPage {
  TButton& practice;
  TButton& pvsp;
  TButton& pvscomp;
  TButton& tourney;
  TButton& demo;
  TButton& option;
  TButton& quit;
  TLabel& missing;  // says which data folders hold nothing to play with
};

struct TConfigPage {
  TCheckBox& shadows;
  TCheckBox& flip;
  TCheckBox& mblur;
  TCheckBox& sound;
  TCheckBox& speechchk;
  TComboBox& anicombo;
  TButton& back;
};

struct TLoadingPage {
  TLabel& loading;
  TProgressBar& loadbar;
};

struct TCharacterPage {
  TImage& player;
  TLabel& poseProblem;  // why the portrait is empty, when it is
  TButton& prevchar;
  TButton& nextchar;
  TButton& charsel;
  TRadioButton& easy;
  TRadioButton& normal;
  TRadioButton& hard;
  TComboBox& playercombo;
  TButton& quit;
};

struct TAlleyPage {
  TImage& alleyimg;
  TLabel& postcardProblem;  // why the postcard is empty, when it is
  TButton& nextalley;  // the left arrow: steps back
  TButton& prevalley;  // the right arrow: steps forward
  TButton& go;
  TComboBox& alleycombo;
  TButton& quit;
};

struct TTourneyPage {
  TGroupBox& options;
  TGroupBox& games;
  TGroupBox& opponents;
  TRadioButton& games3;
  TRadioButton& games5;
  TRadioButton& games7;
  TRadioButton& teasy;
  TRadioButton& tnormal;
  TRadioButton& thard;
  TButton& gotourney;
  TButton& quit;
};

struct TContinuePage {
  TButton& tcontinue;
  TLabel& tproglabel;
  TProgressBar& tprogbar;
  TButton& quit;
};

struct TMenuPages {
  TNotebook& gui;
  TMainPage main;
  TConfigPage config;
  TLoadingPage loading;
  TCharacterPage character;
  TAlleyPage alley;
  TTourneyPage tourney;
  TContinuePage progress;
};

// The notebook at (87, 148), 471 x 190, with every page and control at its place and default.
TMenuPages BuildMenuPages(TForm& form);
