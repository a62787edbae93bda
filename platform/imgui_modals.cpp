#include "platform/imgui_modals.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/text_encoding.h"

namespace fs = std::filesystem;

namespace {

bool KeyPressed(ImGuiKey key) { return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), false); }

// Opens the popup the first time and begins it; centred on the screen.
bool BeginModalBox(const std::string& title, const void* id, ImVec2 size) {
  const std::string label = title + "##modal" + std::to_string(reinterpret_cast<uintptr_t>(id));
  if (!ImGui::IsPopupOpen(label.c_str())) ImGui::OpenPopup(label.c_str());
  const ImVec2 display = ImGui::GetIO().DisplaySize;
  ImGui::SetNextWindowPos(ImVec2(display.x / 2, display.y / 2), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
  if (size.x > 0) ImGui::SetNextWindowSize(size, ImGuiCond_Always);
  const ImGuiWindowFlags flags = ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings |
                                 ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoResize |
                                 (size.x > 0 ? 0 : ImGuiWindowFlags_AlwaysAutoResize);
  return ImGui::BeginPopupModal(label.c_str(), nullptr, flags);
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

void TModal::Draw() {
  if (closed_) return;
  if (!BeginModalBox(Title(), this, ImVec2(BoxWidth(), BoxHeight()))) return;
  if (!done_) DrawContent();
  if (done_) {
    ImGui::CloseCurrentPopup();
    closed_ = true;
  }
  ImGui::EndPopup();
}

TMessageModal::TMessageModal(const std::string& title, const std::string& text)
    : title_(Cp1252ToUtf8(title.empty() ? std::string(" ") : title)), text_(Cp1252ToUtf8(text)) {}

void TMessageModal::DrawContent() {
  ImGui::PushTextWrapPos(ImGui::GetFontSize() * 30);
  ImGui::TextUnformatted(text_.c_str());
  ImGui::PopTextWrapPos();
  ImGui::Spacing();
  const float buttonW = 75;
  const float avail = std::max(ImGui::GetContentRegionAvail().x, buttonW);
  ImGui::SetCursorPosX(ImGui::GetCursorPosX() + (avail - buttonW) / 2);
  if (ImGui::IsWindowAppearing()) ImGui::SetKeyboardFocusHere();
  // Space presses the button, which has the keyboard focus.
  if (ImGui::Button("OK", ImVec2(buttonW, 0)) || KeyPressed(ImGuiKey_Space)) done_ = true;
}

TFileDialogModal::TFileDialogModal(TFileDialog& dialog, bool save)
    : dialog_(dialog), save_(save), filters_(ParseFileFilter(dialog.Filter)) {
  if (filters_.empty()) filters_.push_back(TFileFilter{"All files", {"*.*"}});
  std::error_code ec;
  fs::path start = dialog.InitialDir.empty() ? fs::current_path(ec) : fs::path(dialog.InitialDir);
  const fs::path preset(Cp1252ToUtf8(dialog.FileName));
  if (preset.has_parent_path() && fs::is_directory(preset.parent_path(), ec)) start = preset.parent_path();
  name_ = preset.filename().string();
  if (!fs::is_directory(start, ec)) start = fs::current_path(ec);
  Enter(start);
}

void TFileDialogModal::Enter(const fs::path& folder) {
  std::error_code ec;
  const fs::path absolute = fs::weakly_canonical(fs::absolute(folder, ec), ec);
  folder_ = ec ? folder : absolute;
  Refresh();
}

void TFileDialogModal::Refresh() {
  entries_.clear();
  error_.clear();
  std::error_code ec;
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code typeEc;
    const bool folder = it->is_directory(typeEc);
    if (folder || MatchesFileFilter(name, filters_[static_cast<size_t>(filterIndex_)])) {
      entries_.push_back(TEntry{name, folder});
    }
  }
  if (ec) error_ = "This folder cannot be read.";
  std::sort(entries_.begin(), entries_.end(), [](const TEntry& a, const TEntry& b) {
    if (a.Folder != b.Folder) return a.Folder;
    return Lower(a.Name) < Lower(b.Name);
  });
}

void TFileDialogModal::Accept() {
  if (name_.empty()) return;
  std::error_code ec;
  const fs::path typed(name_);
  const fs::path full = typed.is_absolute() ? typed : folder_ / typed;
  if (fs::is_directory(full, ec)) {
    name_.clear();
    Enter(full);
    return;
  }
  const fs::path path(WithDefaultExt(full.string(), dialog_.DefaultExt));
  if (!save_ && !fs::is_regular_file(path, ec)) {
    error_ = "File not found: " + path.filename().string();
    return;
  }
  if (save_ && !fs::is_directory(path.parent_path(), ec)) {
    error_ = "The folder does not exist.";
    return;
  }
  dialog_.FileName = path.string();
  accepted_ = true;
  done_ = true;
}

std::string TFileDialogModal::Title() const {
  return dialog_.Title.empty() ? (save_ ? "Save As" : "Open") : Cp1252ToUtf8(dialog_.Title);
}

void TFileDialogModal::DrawContent() {
  ImGui::TextUnformatted("Look in:");
  ImGui::SameLine();
  ImGui::PushTextWrapPos(ImGui::GetContentRegionMax().x - 50);
  ImGui::TextUnformatted(folder_.string().c_str());
  ImGui::PopTextWrapPos();
  ImGui::SameLine(ImGui::GetContentRegionMax().x - 40);
  if (ImGui::Button("Up", ImVec2(40, 0)) && folder_.has_parent_path()) Enter(folder_.parent_path());

  const float footer = ImGui::GetFrameHeightWithSpacing() * 3 + ImGui::GetTextLineHeightWithSpacing();
  fs::path enterFolder;
  bool acceptNow = false;
  if (ImGui::BeginListBox("##files", ImVec2(-1, -footer))) {
    for (const TEntry& entry : entries_) {
      const std::string label = entry.Folder ? "[" + entry.Name + "]" : entry.Name;
      if (ImGui::Selectable(label.c_str(), !entry.Folder && entry.Name == name_,
                            ImGuiSelectableFlags_AllowDoubleClick)) {
        const bool twice = ImGui::IsMouseDoubleClicked(ImGuiMouseButton_Left);
        if (entry.Folder) {
          if (twice) enterFolder = folder_ / entry.Name;
        } else {
          name_ = entry.Name;
          acceptNow = twice;
        }
      }
    }
    ImGui::EndListBox();
  }
  if (!enterFolder.empty()) Enter(enterFolder);

  ImGui::AlignTextToFramePadding();
  ImGui::TextUnformatted("File name:");
  ImGui::SameLine(90);
  ImGui::SetNextItemWidth(-90);
  if (ImGui::IsWindowAppearing()) ImGui::SetKeyboardFocusHere();
  ImGui::InputText("##name", &name_);
  ImGui::SameLine();
  if (ImGui::Button(save_ ? "Save" : "Open", ImVec2(80, 0))) acceptNow = true;

  ImGui::AlignTextToFramePadding();
  ImGui::TextUnformatted("Files of type:");
  ImGui::SameLine(90);
  ImGui::SetNextItemWidth(-90);
  const std::string current = Cp1252ToUtf8(filters_[static_cast<size_t>(filterIndex_)].Description);
  if (ImGui::BeginCombo("##type", current.c_str())) {
    for (int i = 0; i < static_cast<int>(filters_.size()); ++i) {
      ImGui::PushID(i);
      if (ImGui::Selectable(Cp1252ToUtf8(filters_[static_cast<size_t>(i)].Description).c_str(), i == filterIndex_)) {
        filterIndex_ = i;
        Refresh();
      }
      ImGui::PopID();
    }
    ImGui::EndCombo();
  }
  ImGui::SameLine();
  const bool cancel = ImGui::Button("Cancel", ImVec2(80, 0));
  if (!error_.empty()) ImGui::TextColored(ImVec4(0.6f, 0, 0, 1), "%s", error_.c_str());

  if (acceptNow) Accept();
  if (cancel) Cancel();
}
