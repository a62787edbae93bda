// The lake maker: every shipped lake written as a text map and made again gives the same files;
// a map that breaks the shore rule or uses numbers without a character still comes back exact;
// each kind of bad source is refused with its place and leaves the output folder empty.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fishing/iso_map.h"
#include "media/errors.h"
#include "tests/tools/world_data.h"
#include "tools/lakemaker/lake_build.h"
#include "tools/lakemaker/lake_files.h"
#include "tools/lakemaker/lake_source.h"
#include "tools/lakemaker/lake_text.h"

#include "stb/stb_image_write.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Spit(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

fs::path Scratch(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("lake_maker_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder / "out");
  return folder;
}

TEST(LakeMaker, EveryShippedLakeComesBackFromItsTextMap) {
  WORLD_NEEDS_DATA();
  const fs::path dxlib = fs::path(TH_BIN_DIR) / "dxlib";
  const fs::path folder = Scratch("round_trip");
  for (const std::string& name : world_test::LakeNames()) {
    const fs::path text = folder / (name + ".txt");
    const std::string write = dxlib.string() + " lake text " + world_test::LakeFile(name, ".iso") + " " +
                              text.string() + " > /dev/null";
    ASSERT_EQ(std::system(write.c_str()), 0) << write;
    const std::string make = dxlib.string() + " lake make " + text.string() + " " + (folder / "out").string() +
                             " > /dev/null";
    ASSERT_EQ(std::system(make.c_str()), 0) << make;
    for (const char* extension : {".iso", ".ini", ".bmp"}) {
      EXPECT_EQ(Slurp(folder / "out" / (name + extension)), Slurp(world_test::LakeFile(name, extension)))
          << name << extension;
    }
  }
  fs::remove_all(folder);
}

TEST(LakeMaker, CellsTheKeyCannotSayComeBackThroughTheTilesSection) {
  WORLD_NEEDS_DATA();
  TIsoMap map = ReadIsoMap(world_test::LakeFile("Birch_Pond", ".iso"));
  map.Cell(0, 0) = 77;           // a number no character stands for
  map.Cell(1, 0) = -1;           // no tile
  map.Cell(5, 40) = 4 + 15;      // a shore piece where the rule gives another
  map.objects[40] = {10, 50, "buoy", "", 1, "NO MARKER UNDER ME"};  // on plain water, no marker
  std::vector<std::string> notes;
  const std::string text = LakeSourceText(map, TLakeRules{}, notes);
  EXPECT_NE(text.find("[Tiles]"), std::string::npos);
  TSourceProblems problems;
  const TLakeSource source = ParseLakeSource(text, problems);
  EXPECT_TRUE(problems.Empty()) << problems.Text("");
  // The empty records between the last object and record 40 move it up, as the note says.
  ASSERT_EQ(notes.size(), 1u);
  map.objects[8] = map.objects[40];
  map.objects[40] = {};
  EXPECT_EQ(EncodeIsoMap(*AssembleLakeMap(source)), EncodeIsoMap(map));
}

// A 10 x 14 lake: land all round, a pond inside, the boat in the middle of it (cell 4, 7).
std::string Source(const std::string& rules, const std::string& map, const std::string& objects) {
  return "[Lake Data]\nMaxmonster=0\n" + rules + "\n[Map]\n" + map + "[Objects]\nlevelstart 5 8\n" + objects;
}

const std::string kMap =
    "..........\n"
    ".TT.......\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..~~~~~~..\n"
    "..........\n"
    "..........\n";

std::string With(std::string map, int row, int col, char ch) {
  map[static_cast<size_t>(row) * 11 + col] = ch;
  return map;
}

struct TBadSource {
  const char* what;
  std::string text;
  const char* message;
};

TEST(LakeMaker, BadSourcesNameTheirPlaceAndWriteNothing) {
  const fs::path folder = Scratch("bad");
  Spit(folder / "Good_Lake.txt", Source("", kMap, "buoy 3 4 : HELLO\n"));
  EXPECT_EQ(MakeLakeFiles((folder / "Good_Lake.txt").string(), (folder / "good").string()).name, "Good_Lake");
  // The map starts on line 5 of every source below.
  const TBadSource cases[] = {
      {"character not in the key", Source("", With(kMap, 3, 4, 'Q'), ""),
       "line 8, column 5: 'Q' is not in the key"},
      {"object off the map", Source("", kMap, "buoy 10 3 : HELLO\n"), "buoy at column 10, row 3 is off the map"},
      {"object on land", Source("", kMap, "treasure 1 1 50\n"),
       "treasure at column 1, row 1 stands on 'T' (pine) (line 6, column 2); it must be on water"},
      {"fish on land", Source("", kMap, "singlefish 0 0 2\n"), "it must be water"},
      {"not a whole number", Source("MaxFish=lots", kMap, ""), "line 3: MaxFish is \"lots\", which is not a whole number"},
      {"over the format's limits", Source("", std::string(514, '.') + "\n" + kMap, ""),
       "line 5: the map is 514 cells wide, more than the 513"},
      {"start on land", "[Map]\n" + kMap + "[Objects]\nlevelstart 1 1\n", "put the levelstart object on water"},
      {"start cut off", Source("", With(With(With(With(kMap, 6, 4, 'R'), 6, 5, 'R'), 8, 4, 'R'), 8, 5, 'R'), ""),
       "No water is reachable from the boat's start"},
      {"water on the edge", Source("", With(kMap, 0, 5, '~'), ""), "line 5, column 6: '~' (plain water) on the edge"},
      {"too little plain water", Source("MaxFish=61", kMap, ""), "60 plain-water cells"},
  };
  for (const TBadSource& bad : cases) {
    const fs::path source = folder / "Bad_Lake.txt";
    Spit(source, bad.text);
    try {
      MakeLakeFiles(source.string(), (folder / "out").string());
      ADD_FAILURE() << bad.what << ": made a lake";
    } catch (const EDataError& e) {
      EXPECT_NE(e.Message().find(bad.message), std::string::npos) << bad.what << ":\n" << e.Message();
      EXPECT_NE(e.Message().find("no file was written"), std::string::npos) << bad.what;
    }
    EXPECT_TRUE(fs::is_empty(folder / "out")) << bad.what;
  }

  // A picture painted in a colour outside the palette.
  std::vector<uint8_t> rgb(10 * 14 * 3, 0);
  for (size_t i = 0; i < rgb.size(); i += 3) {
    rgb[i] = 0x60, rgb[i + 1] = 0x98, rgb[i + 2] = 0x3E;  // grass
  }
  rgb[(1 * 10 + 2) * 3] = 0x12;
  ASSERT_TRUE(stbi_write_png((folder / "painted.png").c_str(), 10, 14, 3, rgb.data(), 30));
  Spit(folder / "Bad_Lake.txt", "[Picture]\npainted.png\n");
  try {
    MakeLakeFiles((folder / "Bad_Lake.txt").string(), (folder / "out").string());
    ADD_FAILURE() << "made a lake of a wrongly painted picture";
  } catch (const EDataError& e) {
    EXPECT_NE(e.Message().find("pixel (2, 1) has the colour #12983E, which is not in the palette"), std::string::npos)
        << e.Message();
  }
  EXPECT_TRUE(fs::is_empty(folder / "out"));
  fs::remove_all(folder);
}

}  // namespace
