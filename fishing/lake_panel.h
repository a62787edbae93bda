// The lake panel: the list of opened lakes, the chosen lake's description and map, and "Fish This
// Lake".
#pragma once

#include <functional>

#include "forms/controls.h"
#include "media/picture.h"

struct TLakePanel {
  TGroupBox& tarnhook;
  TListBox& lakes;
  TMemo& lakeinfo;
  TImage& map;       // the default map until a lake with its own map is shown
  TButton& showgo;   // hidden until a lake has been shown
};

// Creates the panel (hidden) on the form with its start-up text and the default map; no handler
// is set.
TLakePanel BuildLakePanel(TForm& form, std::function<TPicture()> defaultMap);
