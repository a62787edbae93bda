// A lake painted in the lake palette, made by dxlib lake make, passes dxlib check tarnhook and
// plays: the boat starts where levelstart was put and a buoy painted into the cove stops it with
// its text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "fishing/lake_map.h"
#include "media/iso_math.h"
#include "play_rig.h"
#include "stb/stb_image_write.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kGrass = 0x60983E;
constexpr uint32_t kWater = 0x3050C8;
constexpr uint32_t kPine = 0x1E5A28;

// A copy of the generated program folder, seen through links, whose catalogue holds one lake.
fs::path ProgramFolderWithOneLake(const fs::path& data, const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder / "lakes");
  for (const auto& entry : fs::directory_iterator(data)) {
    const fs::path name = entry.path().filename();
    if (name != "tarnhook" && name != "lakes") fs::create_symlink(entry.path(), folder / name);
  }
  std::ofstream(folder / "lakes" / "lakes.ini") << "[Lakes]\r\nlake1=Painted_Cove\r\n";
  return folder;
}

TEST(LakeMakerTrip, PaintedLakeIsCheckedAndPlayed) {
  const fs::path data = fs::path(TH_BIN_DIR) / "tarnhook";
  const fs::path dxlib = fs::path(TH_BIN_DIR) / "dxlib";
  if (!fs::exists(data / "lakes" / "lakes.ini") || !fs::exists(dxlib)) GTEST_SKIP() << "no data folder or dxlib";
  const fs::path work = fs::temp_directory_path() / "lake_maker_trip";
  const fs::path folder = ProgramFolderWithOneLake(data, work / "program");

  // 14 x 30 cells: grass round a cove of water, two pines on the shore.
  constexpr int kCols = 14, kRows = 30;
  std::vector<uint8_t> rgb;
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols; ++col) {
      uint32_t colour = col >= 2 && col < kCols - 2 && row >= 3 && row < kRows - 3 ? kWater : kGrass;
      if (row == 1 && (col == 4 || col == 9)) colour = kPine;
      rgb.insert(rgb.end(), {uint8_t(colour >> 16), uint8_t(colour >> 8), uint8_t(colour)});
    }
  }
  ASSERT_TRUE(stbi_write_png((work / "cove.png").c_str(), kCols, kRows, 3, rgb.data(), kCols * 3));
  // The boat starts at pixel (6 * 64, 20 * 16), the middle of cell (5, 19); the buoy floats
  // straight up the screen from it, in cell (5, 11).
  std::ofstream(work / "Painted_Cove.txt") << "[Lake Data]\nDescription=A PAINTED COVE\nMaxFish=6\nMaxmonster=0\n"
                                              "[Picture]\ncove.png\n[Objects]\nlevelstart 6 20\n"
                                              "buoy 5 11 : HELLO FROM THE COVE\n";
  const std::string make = dxlib.string() + " lake make " + (work / "Painted_Cove.txt").string() + " " +
                           (folder / "lakes").string() + " > /dev/null";
  ASSERT_EQ(std::system(make.c_str()), 0) << make;
  const std::string check = dxlib.string() + " check tarnhook " + folder.string() + " > /dev/null";
  EXPECT_EQ(std::system(check.c_str()), 0) << check;

  play_test::TPlayRig rig(folder);
  rig.trip->cash = 50;
  rig.tripHost.lakeName = "Painted_Cove";
  rig.SelectLake("Painted_Cove");
  ASSERT_TRUE(rig.Start());
  LakeTrip& trip = *rig.trip;
  EXPECT_EQ(trip.boatX, 6 * 64);
  EXPECT_EQ(trip.boatY, 20 * 16);
  EXPECT_EQ(TileAt(trip, Round(trip.boatX), Round(trip.boatY)), (TCell{5, 19}));
  EXPECT_EQ(trip.cells[5][11].tile, 53);  // the buoy's marker, put there by the maker
  EXPECT_EQ(trip.cells[1][11].tile, 4 + 2 + 4);  // grass with water on its two right-hand edges

  // Drive straight up the screen until the boat meets the buoy.
  rig.tripHost.mouseDrive = false;
  trip.heading = 192;
  rig.play->FormKeyDown(VK_UP);
  for (int tick = 0; tick < 600 && rig.pauses == 0; ++tick) rig.Tick();
  EXPECT_EQ(rig.pauses, 1);
  EXPECT_EQ(trip.mapObjects[1].name, "buoy");
  EXPECT_EQ(trip.mapObjects[1].text, "HELLO FROM THE COVE");
  EXPECT_EQ(trip.mapObjects[1].active, 0);
  EXPECT_EQ(TileAt(trip, Round(trip.boatX), Round(trip.boatY)).col, 5);
  fs::remove_all(work);
}

}  // namespace
