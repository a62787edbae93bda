#include "tools/lakemaker/lake_rules.h"

#include "media/errors.h"
#include "media/ini_file.h"

namespace {

constexpr int kSwimmerSlots = 257;  // fish and monster slots of a trip

std::string Lower(const std::string& text) {
  std::string lower;
  for (const char ch : text) lower += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
  return lower;
}

int32_t* NumberField(TLakeRules& rules, const std::string& lowerKey) {
  if (lowerKey == "maxfish") return &rules.MaxFish;
  if (lowerKey == "maxmonster") return &rules.Maxmonster;
  if (lowerKey == "biggest") return &rules.Biggest;
  if (lowerKey == "difficulty") return &rules.Difficulty;
  if (lowerKey == "time") return &rules.Time;
  if (lowerKey == "entryfee") return &rules.EntryFee;
  if (lowerKey == "prizemoney") return &rules.PrizeMoney;
  if (lowerKey == "limit") return &rules.Limit;
  if (lowerKey == "winif") return &rules.WinIf;
  if (lowerKey == "level") return &rules.Level;
  return nullptr;
}

// The ranges play accepts (the rest of the numbers take any value).
std::optional<std::string> OutOfRange(const std::string& lowerKey, int32_t value) {
  if ((lowerKey == "maxfish" || lowerKey == "maxmonster") && (value < 0 || value > kSwimmerSlots)) {
    return Fmt("%d is outside 0..%d, the slots a lake has", value, kSwimmerSlots);
  }
  if (lowerKey == "biggest" && value < 3) return Fmt("%d is below 3 (fish are at least 3 inches long)", value);
  if (lowerKey == "difficulty" && value >= 100) return Fmt("%d is not below 100", value);
  return std::nullopt;
}

}  // namespace

const std::vector<std::string>& LakeRuleKeys() {
  static const std::vector<std::string> keys = {"Description", "MaxFish",  "Maxmonster", "MonsterKind", "Biggest",
                                                "Difficulty",  "Timed",    "Time",       "ImageLib",    "EntryFee",
                                                "PrizeMoney",  "Limit",    "WinIf",      "Level"};
  return keys;
}

std::optional<std::string> SetLakeRule(TLakeRules& rules, const std::string& key, const std::string& value) {
  const std::string lower = Lower(key);
  if (lower == "description") {
    rules.Description = value;
    return std::nullopt;
  }
  if (lower == "monsterkind" || lower == "imagelib") {
    if (value.empty()) return key + " is empty";
    (lower == "monsterkind" ? rules.MonsterKind : rules.ImageLib) = value;
    return std::nullopt;
  }
  int32_t* field = NumberField(rules, lower);
  if (!field && lower != "timed") {
    std::string known;
    for (const std::string& name : LakeRuleKeys()) known += (known.empty() ? "" : ", ") + name;
    return "\"" + key + "\" is not a lake rule (the rules are " + known + ")";
  }
  const std::optional<int32_t> number = IniParseInteger(value);
  if (!number) return key + " is \"" + value + "\", which is not a whole number";
  if (!field) {
    rules.Timed = *number != 0;
    return std::nullopt;
  }
  if (auto reason = OutOfRange(lower, *number)) return key + ": " + *reason;
  *field = *number;
  return std::nullopt;
}

std::string LakeRuleText(const TLakeRules& rules, const std::string& key) {
  const std::string lower = Lower(key);
  if (lower == "description") return rules.Description;
  if (lower == "monsterkind") return rules.MonsterKind;
  if (lower == "imagelib") return rules.ImageLib;
  if (lower == "timed") return rules.Timed ? "1" : "0";
  TLakeRules copy = rules;
  const int32_t* field = NumberField(copy, lower);
  return field ? std::to_string(*field) : std::string();
}

TLakeRules ReadLakeRules(const std::string& iniPath) {
  const TIniFile ini(iniPath);
  const TLakeRules d;
  TLakeRules r;
  const char* s = "Lake Data";
  r.Description = ini.ReadString(s, "Description", d.Description);
  r.MaxFish = ini.ReadInteger(s, "MaxFish", d.MaxFish);
  r.Maxmonster = ini.ReadInteger(s, "Maxmonster", d.Maxmonster);
  r.MonsterKind = ini.ReadString(s, "MonsterKind", d.MonsterKind);
  r.Biggest = ini.ReadInteger(s, "Biggest", d.Biggest);
  r.Difficulty = ini.ReadInteger(s, "Difficulty", d.Difficulty);
  r.Timed = ini.ReadBool(s, "Timed", d.Timed);
  r.Time = ini.ReadInteger(s, "Time", d.Time);
  r.ImageLib = ini.ReadString(s, "ImageLib", d.ImageLib);
  r.EntryFee = ini.ReadInteger(s, "EntryFee", d.EntryFee);
  r.PrizeMoney = ini.ReadInteger(s, "PrizeMoney", d.PrizeMoney);
  r.Limit = ini.ReadInteger(s, "Limit", d.Limit);
  r.WinIf = ini.ReadInteger(s, "WinIf", d.WinIf);
  r.Level = ini.ReadInteger(s, "Level", d.Level);
  return r;
}

std::string LakeRulesIniText(const TLakeRules& rules) {
  std::string text = "[Lake Data]\r\n";
  for (const std::string& key : LakeRuleKeys()) text += key + "=" + LakeRuleText(rules, key) + "\r\n";
  return text;
}
