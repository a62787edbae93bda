// The lake list built from the program's catalogue and the player's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "fishing/lake_catalogue.h"

namespace fs = std::filesystem;

namespace {

class LakeCataloguesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("lake_catalogues_test_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& body) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << "[Lakes]\r\n" << body;
    return path;
  }

  fs::path folder_;
};

TEST_F(LakeCataloguesTest, ThePlayersLakesFillTheNumbersAndNamesTheProgramLeavesFree) {
  const std::string installed = Write("installed.ini", "lake1=Birch\r\nlake2=Loon\r\nlake4=NA\r\nlake6=Loon\r\n");
  const std::string own = Write("own.ini",
                                "lake1=Shadowed\r\nlake3=Pond\r\nlake4=Creek\r\nlake5=BIRCH\r\nlake7=Pond\r\n"
                                "lake8=Late\r\n");
  // 1 and 2 are the program's, 3 and 4 the player's, 5 names the program's lake, 6 and 7 repeat a
  // name within one catalogue as a catalogue always could, 8 is not open yet.
  EXPECT_EQ(ReadLakeCatalogues({installed, own}, 7),
            (std::vector<std::string>{"Birch", "Loon", "Pond", "Creek", "Loon", "Pond"}));
  EXPECT_EQ(ReadLakeCatalogues({installed}, 7), ReadLakeCatalogue(installed, 7));
  EXPECT_EQ(ReadLakeCatalogues({(folder_ / "missing.ini").string(), own}, 4),
            (std::vector<std::string>{"Shadowed", "Pond", "Creek"}));
  EXPECT_TRUE(ReadLakeCatalogues({}, 7).empty());
  EXPECT_TRUE(ReadLakeCatalogues({installed, own}, 0).empty());
}

}  // namespace
