// Where a program's files are: the folders its data is read from, and where the files the program
// writes itself (its ini file, save games) go. Relative names are written with backslashes
// ("lakes\lakes.ini"), and a name that differs from the file on disk only in letter case is found
// (data made for a case-blind file system).
//
// A program runs in one of two ways:
//   - From its own folder (a build, or a copy unpacked anywhere): the folder of the executable holds
//     the data, which a marker file of the program's shows. While that folder can be written, the
//     program writes its own files there as well and looks nowhere else.
//   - Installed: the executable lies in <prefix>/games/ (or bin/) and the data in
//     <prefix>/share/<program>/, found from the executable's folder, so an install works wherever
//     its prefix is, without an environment variable.
// Installed, or run from an own folder that cannot be written, the program keeps per user, in the
// XDG base folders:
//   - its ini files in $XDG_CONFIG_HOME/<program>/ (by default ~/.config/<program>/), read from there
//     when there is one, else from the data folder. The first write creates the folder and starts
//     from a copy of the data folder's file, so the keys it does not write keep their values;
//   - its save games in $XDG_DATA_HOME/<program>/ (by default ~/.local/share/<program>/);
//   - data of the player's own (lakes, bowlers, alleys, LED shows) in that same folder, which is
//     searched after the program's data folder: on a name clash the program's data wins.
#pragma once

#include <string>
#include <vector>

// The folder of the running executable, ending in '/'; "./" if it cannot be found.
std::string ExecutableFolder();

// The path with every backslash turned into '/'.
std::string ToNativeSeparators(std::string path);

// The existing file or folder that path names without regard to letter case: the exact path when it
// exists, else each component looked up case-blind in its folder (an exact match first, then the
// first in sorted order). When nothing matches, path itself, so the caller's open fails with its
// own error. path uses '/' and may be absolute or relative to the current folder.
std::string FindPathIgnoringCase(const std::string& path);

// Where a program installed in <prefix>/games/ or <prefix>/bin/ (executableFolder) has its data:
// <prefix>/share/<program>/, whether or not it exists; "" for a folder without a parent.
std::string InstalledDataFolder(const std::string& executableFolder, const std::string& program);

// The per-user base folders, each ending in '/', or "" when no home folder is known.
struct TUserFolders {
  std::string config;  // $XDG_CONFIG_HOME, else $HOME/.config/
  std::string data;    // $XDG_DATA_HOME, else $HOME/.local/share/
};

// The base folders of the user running the program. An XDG variable that is unset, empty or not an
// absolute path is ignored; without $HOME the account's home folder is used.
TUserFolders UserFoldersFromEnvironment();

class TProgramPaths {
 public:
  // The folder of the running program as the only data folder, written in place.
  TProgramPaths() : TProgramPaths(ExecutableFolder()) {}
  // folder as the only data folder, written in place (tests and tools).
  explicit TProgramPaths(std::string folder) { SetFolder(std::move(folder)); }

  // The paths of the program named program whose executable lies in executableFolder, following
  // the rules above. marker names a file of the program's data (relative, found case-blind).
  static TProgramPaths ForProgram(const std::string& program, const std::string& executableFolder,
                                  const std::string& marker,
                                  const TUserFolders& user = UserFoldersFromEnvironment());

  // The program's data folder, always ending in '/'.
  const std::string& Folder() const { return folders_.front(); }
  // Makes folder the only data folder, written in place.
  void SetFolder(std::string folder);
  // Every data folder in search order: the program's, then the player's own when kept per user.
  const std::vector<std::string>& DataFolders() const { return folders_; }
  // Whether the program's own files are kept in the per-user folders.
  bool PerUser() const { return !configFolder_.empty(); }

  // Folder() + relative with backslashes converted; an absolute name is returned converted only.
  std::string Join(const std::string& relative) const;
  // Each data folder + relative, in search order.
  std::vector<std::string> JoinEach(const std::string& relative) const;
  // The file relative names in the first data folder that has it, each folder's part looked up
  // without regard to letter case (the folder itself is taken as it is); Join(relative) when none
  // has it. An absolute name is only looked up case-blind.
  std::string Find(const std::string& relative) const;
  // The file in each data folder that has it, in search order.
  std::vector<std::string> FindEach(const std::string& relative) const;

  // Where the program's own file (an ini file) is read from: the per-user copy when there is one,
  // else Find(relative).
  std::string FindOwnFile(const std::string& relative) const;
  // Where the program writes its own file. Kept per user, the per-user folder is created first and
  // given a copy of the data folder's file unless it has one. When the folder cannot be created the
  // path is still returned, so the write fails with its own error.
  std::string OwnFileToWrite(const std::string& relative) const;
  // The folder the save and load dialogs open in: "" (the current folder) when the program writes
  // in place, else the per-user data folder. The second one creates the folder first.
  std::string SaveGameFolder() const { return saveFolder_; }
  std::string SaveGameFolderToWrite() const;

 private:
  std::vector<std::string> folders_;  // never empty
  std::string configFolder_;          // "" while the program writes in place
  std::string saveFolder_;            // likewise
};
