// The temporary install the installed-game tests run on (made by install_tree.cmake before them),
// and the temporary home each test gives the program.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace install_test {

// <root>/prefix/, ending in '/'.
std::string Prefix();
// A fresh, empty folder <root>/<name>/ for a test's home, ending in '/'.
std::string FreshHome(const std::string& name);
// The whole content of a file, "" when it is missing.
std::string ReadText(const std::string& path);
// Writes a text file, creating its folders.
void WriteText(const std::string& path, const std::string& text);
// Copies the files of a folder into a new folder, writable by the test whatever the source's modes.
void CopyFiles(const std::string& from, const std::string& to);
// The width and height a PNG file's header gives; nothing when the file is not a PNG.
std::optional<std::pair<int, int>> PngSize(const std::string& path);
// Expects the desktop entry starting program, its AppStream file, its manual page and its icon
// in every hicolor size under the prefix.
void ExpectDesktopFiles(const std::string& program);

// An environment variable set (or removed, with nullptr) for a test's length.
class TScopedVariable {
 public:
  TScopedVariable(const char* name, const char* value);
  ~TScopedVariable();
  TScopedVariable(const TScopedVariable&) = delete;
  TScopedVariable& operator=(const TScopedVariable&) = delete;

 private:
  void Set(const char* value);
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace install_test
