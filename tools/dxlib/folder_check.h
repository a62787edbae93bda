// What the program folder checks share: files found the way the program finds them, problems
// written one per line and counted, notes that do not count, libraries loaded with the reason
// they cannot be, and the closing line.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "media/errors.h"
#include "media/program_paths.h"
#include "tools/dxlib/command.h"

class TFolderCheck {
 protected:
  TFolderCheck(const std::string& folder, TCommandOutput& out) : paths_(folder), out_(out) {}

  void Problem(const std::string& text) {
    out_.Write(text + "\n");
    ++problems_;
  }
  void Note(const std::string& text) { out_.Write("Note: " + text + "\n"); }

  // The existing file the program opens for a relative name, or "" after reporting it missing.
  std::string Existing(const std::string& relative) {
    const std::string path = paths_.Find(relative);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path;
    Problem(Fmt("%s is missing.", relative.c_str()));
    return "";
  }

  // Loads a library, reporting why it cannot be read; nullptr then.
  template <typename Collection>
  std::unique_ptr<Collection> Load(const std::string& relative) {
    const std::string path = Existing(relative);
    if (path.empty()) return nullptr;
    auto collection = std::make_unique<Collection>();
    try {
      collection->ReadFromFile(path);
    } catch (const Exception& e) {
      Problem(Fmt("%s cannot be read: %s", relative.c_str(), e.Message().c_str()));
      return nullptr;
    }
    return collection;
  }

  // The last line, allWell (after the folder's name) when nothing was wrong, else the count of
  // problems; the exit code.
  int Finish(const std::string& allWell) {
    if (problems_ == 0) {
      out_.Print("%s: %s\n", paths_.Folder().c_str(), allWell.c_str());
      return 0;
    }
    out_.Print("%d problem%s found\n", problems_, problems_ == 1 ? "" : "s");
    return 1;
  }

  TProgramPaths paths_;

 private:
  TCommandOutput& out_;
  int problems_ = 0;
};
