#include "fishing/options_panel.h"

#include <string>

#include "media/ini_file.h"
#include "fishing/main_form.h"

namespace {

constexpr int kDefaultSpeed = 2;  // "As fast as possible"

}  // namespace

TOptionsPanel BuildOptionsPanel(TForm& form) {
  auto& options = form.Add<TGroupBox>("options");
  options.Caption = "Options ";
  options.SetBounds(48, 96, 537, 177);
  options.Hide();

  auto& video = form.Add<TGroupBox>("video", &options);
  video.Caption = "Video ";
  video.SetBounds(12, 22, 168, 110);
  auto& speedLabel = form.Add<TLabel>("speedlabel", &video);
  speedLabel.Caption = "Game Speed";
  speedLabel.SetBounds(12, 22, 140, 16);
  auto& speed = form.Add<TComboBox>("speed", &video);
  speed.SetBounds(12, 42, 144, 22);
  speed.SetItems({"30FPS", "60FPS", "As fast as possible"});
  speed.SetItemIndex(kDefaultSpeed);
  speed.Hint = "Force faster computers to run slower.";
  auto& flip = form.Add<TCheckBox>("flip", &video);
  flip.Caption = "Page Flipping";
  flip.SetBounds(12, 76, 144, 20);
  flip.Hint = "Slower but smoother video.";

  auto& controllers = form.Add<TGroupBox>("controllers", &options);
  controllers.Caption = "Controllers";
  controllers.SetBounds(188, 22, 160, 110);
  auto& mousedrive = form.Add<TRadioButton>("mousedrive", &controllers);
  mousedrive.Caption = "Mouse Drive";
  mousedrive.SetBounds(12, 30, 136, 20);
  mousedrive.Hint = "Use the left mouse button to drive the boat";
  mousedrive.SetChecked(true);
  auto& keydrive = form.Add<TRadioButton>("keydrive", &controllers);
  keydrive.Caption = "Key Drive";
  keydrive.SetBounds(12, 62, 136, 20);
  keydrive.Hint = "Use the arrow keys to drive the boat";

  auto& sound = form.Add<TGroupBox>("sound", &options);
  sound.Caption = "Sound";
  sound.SetBounds(356, 22, 169, 110);
  auto& soundon = form.Add<TRadioButton>("soundon", &sound);
  soundon.Caption = "Sound ON";
  soundon.SetBounds(12, 22, 145, 20);
  soundon.SetChecked(true);
  auto& soundoff = form.Add<TRadioButton>("soundoff", &sound);
  soundoff.Caption = "Sound OFF";
  soundoff.SetBounds(12, 48, 145, 20);
  auto& bgsound = form.Add<TCheckBox>("bgsound", &sound);
  bgsound.Caption = "Background Sounds";
  bgsound.SetBounds(12, 78, 150, 20);
  bgsound.SetChecked(true);

  auto& defaultButton = form.Add<TButton>("default", &options);
  defaultButton.Caption = "Default";
  defaultButton.SetBounds(290, 140, 110, 27);
  auto& apply = form.Add<TButton>("apply", &options);
  apply.Caption = "Save Options";
  apply.SetBounds(410, 140, 115, 27);

  return TOptionsPanel{options, video, speedLabel, speed, flip, controllers, mousedrive, keydrive,
                       sound, soundon, soundoff, bgsound, defaultButton, apply};
}

void ReadOptions(const TIniFile& ini, TOptionsPanel& panel) {
  panel.flip.SetChecked(ini.ReadBool(kOptionsSection, "flip", false));
  // An index the list does not have would leave no speed chosen at all.
  const int32_t speed = ini.ReadInteger(kOptionsSection, "speed", kDefaultSpeed);
  panel.speed.SetItemIndex(speed >= 0 && speed < panel.speed.Count() ? speed : kDefaultSpeed);
  panel.mousedrive.SetChecked(ini.ReadBool(kOptionsSection, "mousedrive", true));
  panel.keydrive.SetChecked(ini.ReadBool(kOptionsSection, "keydrive", false));
  panel.soundon.SetChecked(ini.ReadBool(kOptionsSection, "soundon", true));
  panel.soundoff.SetChecked(ini.ReadBool(kOptionsSection, "soundoff", false));
  panel.bgsound.SetChecked(ini.ReadBool(kOptionsSection, "bgsound", true));
}

void WriteOptions(const std::string& path, const TOptionsPanel& panel) {
  const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
  TIniFile(path).WriteStrings(kOptionsSection,
               {{"flip", flag(panel.flip.Checked())},
                {"speed", std::to_string(panel.speed.ItemIndex())},
                {"mousedrive", flag(panel.mousedrive.Checked())},
                {"keydrive", flag(panel.keydrive.Checked())},
                {"soundon", flag(panel.soundon.Checked())},
                {"soundoff", flag(panel.soundoff.Checked())},
                {"bgsound", flag(panel.bgsound.Checked())}});
}

void SetDefaultOptions(TOptionsPanel& panel) {
  panel.flip.SetChecked(false);
  panel.speed.SetItemIndex(kDefaultSpeed);
  panel.mousedrive.SetChecked(true);
  panel.keydrive.SetChecked(false);
  panel.soundon.SetChecked(true);
  panel.soundoff.SetChecked(false);
  panel.bgsound.SetChecked(true);
}

void TMainForm::soundonClick() {
  if (optionsPanel.soundon.Checked()) {
    DXSound.Initialize();
  } else {
    DXSound.Finalize();
  }
}

void TMainForm::defaultClick() { SetDefaultOptions(optionsPanel); }

void TMainForm::applyClick() { WriteOptions(paths.OwnFileToWrite(kOptionsFile), optionsPanel); }
