// Where a program finds its data and writes its own files: run from its own folder, installed under
// a prefix, or kept per user in the XDG folders.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "media/folder_listing.h"
#include "media/program_paths.h"
#include "tests/platform/scoped_env.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteText(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A prefix with the program installed (<root>/usr/games/, <root>/usr/share/game/) and a home whose
// per-user folders do not exist yet.
class ProgramLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = (fs::temp_directory_path() / ("program_layout_test_" + std::to_string(::getpid()))).string() + "/";
    fs::remove_all(root_);
    games_ = root_ + "usr/games/";
    installed_ = root_ + "usr/share/game/";
    fs::create_directories(games_);
    WriteText(games_ + "game", "");
    WriteText(installed_ + "Data.dxg", "");
    user_.config = root_ + "home/config/";
    user_.data = root_ + "home/data/";
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(root_ + "own", fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(root_);
  }

  TProgramPaths Installed() const { return TProgramPaths::ForProgram("game", games_, "data.dxg", user_); }

  std::string root_;
  std::string games_;
  std::string installed_;
  TUserFolders user_;
};

TEST_F(ProgramLayoutTest, AnOwnFolderWithTheDataIsUsedAloneAndWrittenInPlace) {
  const std::string own = root_ + "usr/bin/game/";
  WriteText(own + "DATA.DXG", "");
  // Even with an install beside it, the folder that holds the data wins.
  const TProgramPaths paths = TProgramPaths::ForProgram("game", own, "data.dxg", user_);
  EXPECT_EQ(paths.DataFolders(), std::vector<std::string>{own});
  EXPECT_FALSE(paths.PerUser());
  EXPECT_EQ(paths.FindOwnFile("game.ini"), own + "game.ini");
  EXPECT_EQ(paths.OwnFileToWrite("game.ini"), own + "game.ini");
  EXPECT_EQ(paths.SaveGameFolder(), "");
  EXPECT_EQ(paths.SaveGameFolderToWrite(), "");
  EXPECT_FALSE(fs::exists(root_ + "home"));
  // Without the data or an install, the program folder is still its own folder.
  const TProgramPaths bare = TProgramPaths::ForProgram("other", root_, "data.dxg", user_);
  EXPECT_EQ(bare.DataFolders(), std::vector<std::string>{root_});
  EXPECT_FALSE(bare.PerUser());
}

TEST_F(ProgramLayoutTest, AnInstalledProgramFindsItsDataFromItsFolderAndKeepsItsFilesPerUser) {
  const TProgramPaths paths = Installed();
  EXPECT_EQ(paths.Folder(), installed_);
  EXPECT_EQ(paths.DataFolders(), (std::vector<std::string>{installed_, user_.data + "game/"}));
  EXPECT_TRUE(paths.PerUser());
  EXPECT_EQ(paths.SaveGameFolder(), user_.data + "game/");
  EXPECT_EQ(TProgramPaths::ForProgram("game", root_ + "usr/bin", "data.dxg", user_).Folder(), installed_);
  EXPECT_FALSE(fs::exists(root_ + "home")) << "finding the folders creates none";
  EXPECT_EQ(InstalledDataFolder("/usr/games/", "game"), "/usr/share/game/");
  EXPECT_EQ(InstalledDataFolder("/opt/games/./bin", "game"), "/opt/games/share/game/");
  EXPECT_EQ(InstalledDataFolder("/", "game"), "");
  // Without a home there is nowhere else to write.
  EXPECT_FALSE(TProgramPaths::ForProgram("game", games_, "data.dxg", TUserFolders{}).PerUser());
}

TEST_F(ProgramLayoutTest, TheProgramsDataIsSearchedBeforeThePlayersAndWinsOnAClash) {
  WriteText(installed_ + "lakes/Lake1.ini", "installed");
  WriteText(user_.data + "game/LAKES/lake1.ini", "own");
  WriteText(user_.data + "game/LAKES/Mine.ini", "mine");
  const TProgramPaths paths = Installed();
  EXPECT_EQ(paths.Find("lakes\\LAKE1.INI"), installed_ + "lakes/Lake1.ini");
  EXPECT_EQ(paths.Find("Lakes\\mine.ini"), user_.data + "game/LAKES/Mine.ini");
  EXPECT_EQ(paths.FindEach("lakes\\lake1.ini"),
            (std::vector<std::string>{installed_ + "lakes/Lake1.ini", user_.data + "game/LAKES/lake1.ini"}));
  EXPECT_EQ(paths.Find("lakes\\none.ini"), installed_ + "lakes/none.ini");
  EXPECT_EQ(paths.JoinEach("lakes"), (std::vector<std::string>{installed_ + "lakes", user_.data + "game/lakes"}));
}

TEST_F(ProgramLayoutTest, OwnFilesAreReadFromTheUsersCopyFirstAndCopiedOnTheFirstWrite) {
  WriteText(installed_ + "game.ini", "[A]\r\nshipped=1\r\n");
  const TProgramPaths paths = Installed();
  EXPECT_EQ(paths.FindOwnFile("game.ini"), installed_ + "game.ini");
  EXPECT_FALSE(fs::exists(user_.config)) << "reading creates nothing";

  const std::string own = user_.config + "game/game.ini";
  EXPECT_EQ(paths.OwnFileToWrite("game.ini"), own);
  EXPECT_EQ(ReadText(own), "[A]\r\nshipped=1\r\n") << "the keys not written keep their installed values";
  struct stat info {};
  ASSERT_EQ(::stat(user_.config.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  ASSERT_EQ(::stat((user_.config + "game").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  WriteText(own, "[A]\r\nshipped=0\r\n");
  EXPECT_EQ(paths.FindOwnFile("GAME.INI"), own);
  EXPECT_EQ(paths.OwnFileToWrite("Game.ini"), own);
  EXPECT_EQ(ReadText(own), "[A]\r\nshipped=0\r\n") << "a copy is made once";
  // A file the install does not have is simply written new.
  EXPECT_EQ(paths.OwnFileToWrite("other.ini"), user_.config + "game/other.ini");
  EXPECT_FALSE(fs::exists(user_.config + "game/other.ini"));
}

TEST_F(ProgramLayoutTest, TheSaveFolderIsCreatedOnlyForWriting) {
  const TProgramPaths paths = Installed();
  EXPECT_FALSE(fs::exists(paths.SaveGameFolder()));
  EXPECT_EQ(paths.SaveGameFolderToWrite(), user_.data + "game/");
  EXPECT_TRUE(fs::is_directory(user_.data + "game"));
}

TEST_F(ProgramLayoutTest, AnOwnFolderThatCannotBeWrittenKeepsTheFilesPerUser) {
  if (::geteuid() == 0) GTEST_SKIP() << "every folder can be written by root";
  const std::string own = root_ + "own/";
  WriteText(own + "data.dxg", "");
  fs::permissions(own, fs::perms::owner_read | fs::perms::owner_exec);
  const TProgramPaths paths = TProgramPaths::ForProgram("game", own, "data.dxg", user_);
  EXPECT_EQ(paths.DataFolders(), (std::vector<std::string>{own, user_.data + "game/"}));
  EXPECT_EQ(paths.OwnFileToWrite("game.ini"), user_.config + "game/game.ini");
}

TEST_F(ProgramLayoutTest, ListsMergeTheDataFoldersAndKeepTheProgramsEntryOnAClash) {
  for (const char* folder : {"usr/share/game/bowlers/Vekt", "usr/share/game/bowlers/Zed", "home/data/game/bowlers/vekt",
                             "home/data/game/bowlers/Mine", "home/data/game/bowlers/.hidden"}) {
    fs::create_directories(root_ + folder);
  }
  EXPECT_EQ(FindDataEntries(Installed(), "bowlers\\*.*", faDirectory),
            (std::vector<std::string>{"Mine", "Vekt", "Zed"}));
  // One folder lists as it always has, names differing only in case included.
  fs::create_directories(installed_ + "bowlers/zed");
  EXPECT_EQ(FindDataEntries(TProgramPaths(installed_), "bowlers\\*.*", faDirectory),
            (std::vector<std::string>{"Vekt", "Zed", "zed"}));
}

TEST(UserFolders, FollowTheXdgVariablesAndFallBackToTheHomeFolder) {
  TScopedEnv home("HOME", "/home/ann");
  TScopedEnv config("XDG_CONFIG_HOME", "/cfg");
  TScopedEnv data("XDG_DATA_HOME", "/var/ann/");
  TUserFolders user = UserFoldersFromEnvironment();
  EXPECT_EQ(user.config, "/cfg/");
  EXPECT_EQ(user.data, "/var/ann/");
  // Relative or empty values are not XDG folders.
  config.Set("relative/cfg");
  data.Set("");
  user = UserFoldersFromEnvironment();
  EXPECT_EQ(user.config, "/home/ann/.config/");
  EXPECT_EQ(user.data, "/home/ann/.local/share/");
  // Without $HOME, the account's own home folder.
  home.Set(nullptr);
  config.Set(nullptr);
  user = UserFoldersFromEnvironment();
  ASSERT_FALSE(user.config.empty());
  EXPECT_EQ(user.config.front(), '/');
  EXPECT_EQ(user.config.substr(user.config.size() - 9), "/.config/");
}

}  // namespace
