// Where the program's data lives: the folder of the running program, relative names written with
// backslashes ("lakes\lakes.ini"), and file names that differ from the files on disk only in letter
// case (data made for a case-blind file system).
#pragma once

#include <string>

// The folder of the running executable, ending in '/'; "./" if it cannot be found.
std::string ExecutableFolder();

// The path with every backslash turned into '/'.
std::string ToNativeSeparators(std::string path);

// The existing file or folder that path names without regard to letter case: the exact path when it
// exists, else each component looked up case-blind in its folder (an exact match first, then the
// first in sorted order). When nothing matches, path itself, so the caller's open fails with its
// own error. path uses '/' and may be absolute or relative to the current folder.
std::string FindPathIgnoringCase(const std::string& path);

// The program folder as the main form holds it. Tests and tools set the folder explicitly.
class TProgramPaths {
 public:
  // The folder of the running program.
  TProgramPaths() : TProgramPaths(ExecutableFolder()) {}
  explicit TProgramPaths(std::string folder) { SetFolder(std::move(folder)); }

  // Always ends in '/'.
  const std::string& Folder() const { return folder_; }
  void SetFolder(std::string folder);

  // Folder() + relative with backslashes converted; an absolute name is returned converted only.
  std::string Join(const std::string& relative) const;
  // Join, then the relative part looked up without regard to letter case (the folder is taken as
  // it is).
  std::string Find(const std::string& relative) const;

 private:
  std::string folder_;
};
