// A lake's rules, the section "Lake Data" of lakes\NAME.ini: every key with the value the lake
// panel reads for it, the default when the key is missing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TLakeRules {
  std::string Description = "No Description";
  int32_t MaxFish = 16;
  int32_t Maxmonster = 3;
  std::string MonsterKind = "Monster";
  int32_t Biggest = 24;
  int32_t Difficulty = 10;
  bool Timed = false;
  int32_t Time = 0;
  std::string ImageLib = "canada.dxg";
  int32_t EntryFee = 0;
  int32_t PrizeMoney = 0;
  int32_t Limit = 6;
  int32_t WinIf = 1;
  int32_t Level = 1;
};

// The keys in the order of the lake file.
const std::vector<std::string>& LakeRuleKeys();

// Sets the rule named key (letter case ignored) from its text. Returns the reason in plain words
// when the key is not a rule, a number is not a whole number, or a value is one play refuses.
std::optional<std::string> SetLakeRule(TLakeRules& rules, const std::string& key, const std::string& value);
// The value of a rule as the lake file holds it.
std::string LakeRuleText(const TLakeRules& rules, const std::string& key);

// The rules as the lake panel reads them from an ini file (defaults for what is missing).
TLakeRules ReadLakeRules(const std::string& iniPath);
// The lake file's text: section "Lake Data" with every key, lines ending in CR LF.
std::string LakeRulesIniText(const TLakeRules& rules);
