// The host's boxes answer Enter as their default button and Escape as their cancel button,
// without a frame drawn: the host calls them straight from the key events.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/imgui_modals.h"

namespace {

TFileDialog SaveGameDialog(const std::filesystem::path& folder, const std::string& name) {
  TFileDialog dialog;
  dialog.Filter = "Tarnhook Save Games|*.sav";
  dialog.DefaultExt = "*.sav";
  dialog.InitialDir = folder.string();
  dialog.FileName = name;
  return dialog;
}

TEST(ModalKeysTest, EnterOpensAnExistingFileOnlyAndEscapeCancels) {
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "modal_keys";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "Ann.sav") << "save";

  TFileDialog missing = SaveGameDialog(folder, "Bob");
  TFileDialogModal open(missing, false);
  open.PressDefault();  // no such file: the box stays, saying why
  EXPECT_FALSE(open.Done());
  EXPECT_EQ(open.Error(), "File not found: Bob.sav");
  open.Cancel();
  EXPECT_TRUE(open.Done());
  EXPECT_FALSE(open.Accepted());
  EXPECT_EQ(missing.FileName, "Bob");

  TFileDialog present = SaveGameDialog(folder, "Ann");
  TFileDialogModal again(present, false);
  again.PressDefault();
  EXPECT_TRUE(again.Done());
  EXPECT_TRUE(again.Accepted());
  EXPECT_EQ(std::filesystem::path(present.FileName).filename(), "Ann.sav");
}

TEST(ModalKeysTest, EnterAndEscapeBothCloseAMessageBox) {
  TMessageModal enter("Tarnhook", "You don't have enough money!");
  enter.PressDefault();
  EXPECT_TRUE(enter.Done());
  TMessageModal escape("Tarnhook", "You don't have enough money!");
  escape.Cancel();
  EXPECT_TRUE(escape.Done());
}

}  // namespace
