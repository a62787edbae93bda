// Sounds a library lacks: silent, and told once per file and name when the library's file was read.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "bowling/sound_switch.h"
#include "data_fixture.h"
#include "media/errors.h"

namespace bowling_test {
namespace {

TEST(SoundSwitch, ANameALoadedLibraryLacksIsToldOnceNamingTheFile) {
  const std::string folder = FreshFolder("ANameALoadedLibraryLacksIsToldOnceNamingTheFile");
  WriteProgramFolder(folder);
  std::ostringstream report;
  TSoundSwitch sounds(report);
  TDXWaveList effects;
  effects.Items.ReadFromFile(folder + "sound.dxw");
  sounds.Play(true, effects, "hit");
  EXPECT_EQ(report.str(), "") << "a sound the library has";
  sounds.Play(false, effects, "crash");
  EXPECT_EQ(report.str(), "") << "with sound off nothing is looked up";
  sounds.Play(true, effects, "crash");
  sounds.Stop(true, effects, "crash");
  sounds.Play(true, effects, "crash");
  sounds.Stop(true, effects, "thud");
  EXPECT_EQ(report.str(), "bowling: " + folder + "sound.dxw has no sound \"crash\"; the game goes on without it.\n" +
                              "bowling: " + folder + "sound.dxw has no sound \"thud\"; the game goes on without it.\n");

  // Reading the same file again, as play does with a bowler's sounds every turn, tells nothing new;
  // another file's missing names are its own.
  effects.Items.ReadFromFile(folder + "sound.dxw");
  sounds.Play(true, effects, "crash");
  TDXWaveList music;
  music.Items.ReadFromFile(folder + "music.dxw");
  report.str("");
  sounds.Play(true, music, "crash");
  EXPECT_EQ(report.str(), "bowling: " + folder + "music.dxw has no sound \"crash\"; the game goes on without it.\n");

  // A file that could not be read was reported when it was read: its library stays silent.
  std::ofstream(folder + "broken.dxw") << "TPF0 not a library";
  TDXWaveList broken;
  EXPECT_THROW(broken.Items.ReadFromFile(folder + "broken.dxw"), Exception);
  report.str("");
  sounds.Play(true, broken, "hit");
  EXPECT_EQ(report.str(), "");
}

}  // namespace
}  // namespace bowling_test
