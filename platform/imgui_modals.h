// The modal boxes the host shows over everything with ImGui: the message box and the open and save
// file dialogs. The host keeps a stack of them and draws the top one each frame until it is done,
// and one frame more in which the box closes; input meanwhile goes to the box only. Enter and
// Escape reach the box from the host, not through ImGui (an edit with the keyboard focus would
// take them): Enter does what the box's default button does, Escape cancels.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "media/host.h"
#include "platform/file_filter.h"

class TModal {
 public:
  virtual ~TModal() = default;
  // Draws the box in the current frame (inside the host's full-screen window); once done, closes it.
  void Draw();
  bool Done() const { return done_; }
  // Enter: what the default button does.
  virtual void PressDefault() = 0;
  // Escape, or the program is closing: ends the box as cancelled.
  void Cancel() { done_ = true; }

 protected:
  // The box's title (UTF-8) and size (0 x 0: fitted to its content).
  virtual std::string Title() const = 0;
  virtual float BoxWidth() const { return 0; }
  virtual float BoxHeight() const { return 0; }
  // The content, drawn while the box is not done.
  virtual void DrawContent() = 0;

  bool done_ = false;

 private:
  bool closed_ = false;
};

// Text with an OK button; Enter, Space or Escape also closes it. Texts are Windows-1252.
class TMessageModal : public TModal {
 public:
  TMessageModal(const std::string& title, const std::string& text);
  void PressDefault() override { done_ = true; }

 protected:
  std::string Title() const override { return title_; }
  void DrawContent() override;

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
  bool Accepted() const { return accepted_; }
  // Takes the typed or chosen name, as the Open or Save button does.
  void PressDefault() override { Accept(); }
  // What is wrong with the name taken last (empty when nothing is).
  const std::string& Error() const { return error_; }

 protected:
  std::string Title() const override;
  float BoxWidth() const override { return 460; }
  float BoxHeight() const override { return 330; }
  void DrawContent() override;

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
