// Folder searches for the bowler and alley folders: attribute mask, hidden and system entries,
// wildcards, case-blind folders and the order of the list.
#include "media/folder_listing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "media/program_paths.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

class FolderListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = (fs::temp_directory_path() / ("folder_listing_test_" + std::to_string(::getpid()))).string();
    root_ += "/";
    fs::remove_all(root_);
    for (const char* folder : {"Bowlers/Vekt", "Bowlers/alice", "Bowlers/Big Al", "Bowlers/.trash"}) {
      fs::create_directories(root_ + folder);
    }
    for (const char* file : {"Bowlers/notes.txt", "Bowlers/README", "Bowlers/.settings"}) {
      std::ofstream(root_ + file) << "x";
    }
    ASSERT_EQ(::mkfifo((root_ + "Bowlers/pipe").c_str(), 0600), 0);
    fs::create_directory_symlink(root_ + "Bowlers/alice", root_ + "Bowlers/zed");
    fs::create_symlink(root_ + "Bowlers/missing", root_ + "Bowlers/broken");
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string root_;
};

TEST_F(FolderListingTest, FoldersAndFilesButNeverHiddenOrSystemEntries) {
  // The program folder ends in a separator and the name starts with one, as the bowling program
  // joins them; the folder's case differs from the disk's.
  const TProgramPaths paths(root_);
  const Names all{"alice", "Big Al", "notes.txt", "README", "Vekt", "zed"};
  EXPECT_EQ(FindEntries(paths.Folder() + "\\bowlers\\*.*", faDirectory), all);
  EXPECT_EQ(FindEntries(root_ + "BOWLERS/*.*", 0), (Names{"notes.txt", "README"}));
  EXPECT_EQ(ListFolder(paths.Join("bowlers")), all);
  EXPECT_EQ(ListFolder(root_ + "Bowlers\\", 0), (Names{"notes.txt", "README"}));
}

TEST_F(FolderListingTest, AMissingFolderGivesAnEmptyList) {
  EXPECT_TRUE(FindEntries(root_ + "alleys\\*.*", faDirectory).empty());
  EXPECT_TRUE(ListFolder(root_ + "alleys").empty());
  EXPECT_TRUE(FindEntries(root_ + "Bowlers\\notes.txt\\*.*", faDirectory).empty());
  EXPECT_TRUE(FindEntries(root_ + "Bowlers\\", faDirectory).empty());
}

TEST_F(FolderListingTest, RelativePatternsSearchTheCurrentFolder) {
  const fs::path current = fs::current_path();
  fs::current_path(root_ + "Bowlers");
  const Names here = FindEntries("*.*", faDirectory);
  const Names named = FindEntries("..\\bowlers\\b*", faDirectory);
  fs::current_path(current);
  EXPECT_EQ(here, (Names{"alice", "Big Al", "notes.txt", "README", "Vekt", "zed"}));
  EXPECT_EQ(named, Names{"Big Al"});
}

TEST(FolderWildcards, StarsQuestionMarksAndTheImplicitDot) {
  EXPECT_TRUE(MatchesWildcard("Vekt", "*.*"));
  EXPECT_TRUE(MatchesWildcard("Vekt", "*"));
  EXPECT_TRUE(MatchesWildcard("Vekt", "*."));
  EXPECT_FALSE(MatchesWildcard("notes.txt", "*."));
  EXPECT_TRUE(MatchesWildcard("notes.TXT", "*.txt"));
  EXPECT_TRUE(MatchesWildcard("VEKT", "v?kt"));
  EXPECT_FALSE(MatchesWildcard("Vekt", "v?k"));
  EXPECT_TRUE(MatchesWildcard("a.b.c", "*.c"));
  EXPECT_TRUE(MatchesWildcard("aaab", "*a*b"));
  EXPECT_FALSE(MatchesWildcard("aaa", "*a*b"));
  EXPECT_TRUE(MatchesWildcard("", "*"));
  EXPECT_FALSE(MatchesWildcard("x", ""));
  // A long name against many stars ends quickly.
  EXPECT_FALSE(MatchesWildcard(std::string(4000, 'a'), std::string(200, '*') + "b"));
}

}  // namespace
