#include "bowling/bowling_options.h"

#include "media/ini_file.h"

namespace {

constexpr int kDefaultAnimation = 2;  // "Sometimes play strike/spare animations"

std::string Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

void ReadBowlingIni(const std::string& path, TConfigPage& config, TTourneyPage& tourney) {
  const TIniFile ini(path);
  config.sound.SetChecked(ini.ReadBool("Options", "Sound", true));
  config.speechchk.SetChecked(ini.ReadBool("Options", "Speech", true));
  // An index the list does not have would leave no choice at all.
  const int32_t animation = ini.ReadInteger("Options", "Animation", kDefaultAnimation);
  config.anicombo.SetItemIndex(animation >= 0 && animation < config.anicombo.Count() ? animation : kDefaultAnimation);
  config.mblur.SetChecked(ini.ReadBool("Configuration", "FastRefresh", false));
  config.flip.SetChecked(ini.ReadBool("Configuration", "ScreenFlip", false));
  config.shadows.SetChecked(ini.ReadBool("Configuration", "SoftShadows", true));
  tourney.games3.SetChecked(ini.ReadBool("Tournament", "3Games", true));
  tourney.games5.SetChecked(ini.ReadBool("Tournament", "5Games", false));
  tourney.games7.SetChecked(ini.ReadBool("Tournament", "7Games", false));
  tourney.teasy.SetChecked(ini.ReadBool("Tournament", "Easy", true));
  tourney.tnormal.SetChecked(ini.ReadBool("Tournament", "Normal", false));
  tourney.thard.SetChecked(ini.ReadBool("Tournament", "Hard", false));
}

void WriteOptionKeys(const std::string& path, const TConfigPage& config) {
  TIniFile ini(path);
  ini.WriteStrings("Options", {{"Sound", Flag(config.sound.Checked())},
                               {"Speech", Flag(config.speechchk.Checked())},
                               {"Animation", std::to_string(config.anicombo.ItemIndex())}});
  ini.WriteStrings("Configuration", {{"FastRefresh", Flag(config.mblur.Checked())},
                                     {"ScreenFlip", Flag(config.flip.Checked())},
                                     {"SoftShadows", Flag(config.shadows.Checked())}});
}

void WriteTournamentKeys(const std::string& path, const TTourneyPage& tourney) {
  TIniFile(path).WriteStrings("Tournament", {{"3Games", Flag(tourney.games3.Checked())},
                                             {"5Games", Flag(tourney.games5.Checked())},
                                             {"7Games", Flag(tourney.games7.Checked())},
                                             {"Easy", Flag(tourney.teasy.Checked())},
                                             {"Normal", Flag(tourney.tnormal.Checked())},
                                             {"Hard", Flag(tourney.thard.Checked())}});
}
