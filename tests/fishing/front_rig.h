// A rig for the fishing front end: a temporary program folder with small sound libraries (an effect
// "cast" and a looping "music", both audible), a lake catalogue and lake files written by the test,
// and the real main form on the headless host.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "fishing/main_form.h"
#include "media/mixer.h"
#include "media/wave_collection.h"
#include "platform/headless_host.h"

namespace front_test {

class TFrontRig {
 public:
  // A folder with "sound.dxw", "music.dxw" and a catalogue of five lakes ("Lake1".."Lake5"), each
  // with its ini file; only "Lake1" has a map picture. No "tarnhook.ini".
  TFrontRig();
  ~TFrontRig();

  // Writes a text file at a path relative to the folder (with '/' between folders).
  void WriteFile(const std::string& relative, const std::string& text);
  bool Exists(const std::string& relative) const;
  std::string ReadFile(const std::string& relative) const;
  // The absolute path of a relative name in the folder.
  std::string Path(const std::string& relative) const { return (folder / relative).string(); }

  // Creates the form on the folder and runs its start (FormCreate, then FormShow).
  TMainForm& Start();
  // Runs one pass of the loop, delivering queued input.
  void Step() { host.Step(); }

  // Whether a sound of the form's libraries plays now.
  bool Sounding(TDXWaveList& library, const std::string& name);
  // Whether any of the next frames of mixed audio is not silence.
  bool Audible();

  std::filesystem::path folder;
  THeadlessHost host;
  std::unique_ptr<TMainForm> form;
};

// A catalogue text: section "Lakes" with the given body lines.
std::string Catalogue(const std::string& body);

}  // namespace front_test
