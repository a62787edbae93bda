// Playing and stopping named sounds the way the bowling program does: only while "Sound Enabled" is
// checked, looked up by name in their library, never waiting. A name the library lacks stays silent
// rather than failing in the middle of play. When the library's file was read, the first time each
// such name is asked of that file it is reported, naming the file and the sound; a library whose
// file could not be read was reported when it was read, and its names stay silent without a word.
#pragma once

#include <ostream>
#include <set>
#include <string>
#include <utility>

#include "media/dx_wave_list.h"

class TSoundSwitch {
 public:
  // Reports go to report (standard error in the program).
  explicit TSoundSwitch(std::ostream& report) : report_(report) {}

  // Starts the sound when soundOn.
  void Play(bool soundOn, TDXWaveList& library, const char* name);
  // Stops every instance of the sound when soundOn.
  void Stop(bool soundOn, TDXWaveList& library, const char* name);

 private:
  // The library's item of that name, or nullptr after reporting it missing.
  TWaveCollectionItem* Find(TDXWaveList& library, const char* name);

  std::ostream& report_;
  std::set<std::pair<std::string, std::string>> reported_;  // file and sound name
};
