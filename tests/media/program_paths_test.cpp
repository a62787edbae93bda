#include "media/program_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class ProgramPathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = (fs::temp_directory_path() / ("program_paths_test_" + std::to_string(::getpid())))
                  .string() + "/";
    fs::remove_all(folder_);
    fs::create_directories(folder_ + "lakes");
    fs::create_directories(folder_ + "Bowlers/Big Al");
    std::ofstream(folder_ + "lakes/lake1.ini") << "[Lake Data]\n";
    std::ofstream(folder_ + "lakes/Lake2.INI") << "";
    std::ofstream(folder_ + "lakes/lake2.ini") << "";
    std::ofstream(folder_ + "Bowlers/Big Al/pose.bmp") << "";
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string folder_;
};

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
  const std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), '/');
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(fs::exists(folder + "media_tests"));
  EXPECT_EQ(TProgramPaths().Folder(), folder);
}

TEST(ProgramFolder, JoinsBackslashNamesAndKeepsAbsoluteOnes) {
  TProgramPaths paths("/opt/game");
  EXPECT_EQ(paths.Folder(), "/opt/game/");
  EXPECT_EQ(paths.Join("lakes\\lakes.ini"), "/opt/game/lakes/lakes.ini");
  EXPECT_EQ(paths.Join("tarnhook.ini"), "/opt/game/tarnhook.ini");
  EXPECT_EQ(paths.Join("/home/al/save1.sav"), "/home/al/save1.sav");
  paths.SetFolder("");
  EXPECT_EQ(paths.Join("sound.dxw"), "./sound.dxw");
}

TEST_F(ProgramPathsTest, FindsNamesWrittenInAnotherCase) {
  const TProgramPaths paths(folder_);
  EXPECT_EQ(paths.Find("Lakes\\LAKE1.INI"), folder_ + "lakes/lake1.ini");
  EXPECT_EQ(paths.Find("lakes\\lake1.ini"), folder_ + "lakes/lake1.ini");
  EXPECT_EQ(paths.Find("BOWLERS\\big al\\Pose.bmp"), folder_ + "Bowlers/Big Al/pose.bmp");
  EXPECT_EQ(paths.Find("bowlers\\BIG AL"), folder_ + "Bowlers/Big Al");
  // Several case-blind matches: the exact one, else the first in sorted order.
  EXPECT_EQ(paths.Find("lakes\\lake2.ini"), folder_ + "lakes/lake2.ini");
  EXPECT_EQ(paths.Find("lakes\\LAKE2.ini"), folder_ + "lakes/Lake2.INI");
  EXPECT_EQ(paths.Find("LAKES\\.\\..\\lakes\\Lake1.ini"), folder_ + "lakes/./../lakes/lake1.ini");
}

TEST_F(ProgramPathsTest, MissingNamesComeBackConverted) {
  const TProgramPaths paths(folder_);
  EXPECT_EQ(paths.Find("lakes\\lake9.ini"), folder_ + "lakes/lake9.ini");
  EXPECT_EQ(paths.Find("nowhere\\LAKE1.INI"), folder_ + "nowhere/LAKE1.INI");
  // The program folder itself is taken as it is.
  const TProgramPaths upper(folder_.substr(0, folder_.size() - 1) + "_X");
  EXPECT_EQ(upper.Find("lakes\\lake1.ini"), upper.Folder() + "lakes/lake1.ini");
}

TEST_F(ProgramPathsTest, AnyPathCanBeFoundIgnoringCase) {
  std::string upper = folder_ + "lakes/lake1.ini";
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(FindPathIgnoringCase(upper), folder_ + "lakes/lake1.ini");
  EXPECT_EQ(FindPathIgnoringCase(folder_ + "lakes/none.ini"), folder_ + "lakes/none.ini");
  const fs::path current = fs::current_path();
  fs::current_path(folder_);
  EXPECT_EQ(FindPathIgnoringCase("BOWLERS/big al/POSE.BMP"), "Bowlers/Big Al/pose.bmp");
  fs::current_path(current);
}

}  // namespace
