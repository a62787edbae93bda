// The modal boxes the host shows over everything with ImGui: the message box and the open and save
// file dialogs. The host keeps a stack of them and draws the top one each frame until it is done;
// input meanwhile goes to the box only.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "media/host.h"
#include "platform/file_filter.h"

class TModal {
 public:
  virtual ~TModal() = default;
  // Draws the box in the current frame (inside the host's full-screen window).
  virtual void Draw() = 0;
  bool Done() const { return done_; }
  // Ends the box as if cancelled (the program is closing).
  void Cancel() { done_ = true; }

 protected:
  bool done_ = false;
};

// Text with an OK button; Enter, Space or Escape also closes it. Texts are Windows-1252.
class TMessageModal : public TModal {
 public:
  TMessageModal(const std::string& title, const std::string& text);
  void Draw() override;

 private:
  std::string title_;
  std::string text_;
};

// Browses folders, lists the files the chosen filter matches, and returns a path with the default
// extension added to a name typed without one. The preset name (Windows-1252) may carry a folder.
// The chosen path is returned in the file system's own encoding, ready to open.
class TFileDialogModal : public TModal {
 public:
  TFileDialogModal(TFileDialog& dialog, bool save);
  void Draw() override;
  bool Accepted() const { return accepted_; }

 private:
  struct TEntry {
    std::string Name;
    bool Folder;
  };
  void Enter(const std::filesystem::path& folder);
  void Refresh();
  void Accept();

  TFileDialog& dialog_;
  bool save_;
  bool accepted_ = false;
  std::filesystem::path folder_;
  std::string name_;  // UTF-8, as typed
  std::vector<TFileFilter> filters_;
  int filterIndex_ = 0;
  std::vector<TEntry> entries_;
  std::string error_;
};
