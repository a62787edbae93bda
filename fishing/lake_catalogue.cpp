#include "fishing/lake_catalogue.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>
#include <string_view>

#include "media/ini_file.h"

namespace {

int32_t ClampToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The number of a line "lake<digits> = ..." (blanks allowed around the name, any letter case), when
// it is 1..limit and written without leading zeros; 0 otherwise.
int32_t LakeKeyNumber(std::string_view line, int32_t limit) {
  size_t i = line.find_first_not_of(" \t");
  if (i == std::string_view::npos || line.size() - i < 5) return 0;
  static constexpr std::string_view kWord = "lake";
  for (size_t k = 0; k < kWord.size(); ++k) {
    if (std::tolower(static_cast<unsigned char>(line[i + k])) != kWord[k]) return 0;
  }
  i += kWord.size();
  if (line[i] < '1' || line[i] > '9') return 0;
  int64_t number = 0;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
    number = number * 10 + (line[i] - '0');
    if (number > limit) return 0;
    ++i;
  }
  const size_t equals = line.find_first_not_of(" \t", i);
  if (equals == std::string_view::npos || line[equals] != '=') return 0;
  return static_cast<int32_t>(number);
}

struct TCatalogueEntry {
  int32_t number;
  std::string name;
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The lakes 1..lakesOpen a catalogue names, in number order, gaps and "NA" skipped; nothing for a
// missing or unreadable catalogue. Reads the file once, whatever lakesOpen is.
std::vector<TCatalogueEntry> ReadCatalogueEntries(const std::string& path, int32_t lakesOpen) {
  std::vector<TCatalogueEntry> entries;
  if (lakesOpen < 1) return entries;
  const std::optional<std::string> text = TIniFile(path).ReadText();
  if (!text) return entries;
  // Only numbers that appear as key names can name a lake, so the keys of the file are gathered
  // first: asking for every number up to lakesOpen would take forever with a huge lakesOpen. The
  // lookups then apply the ini rules (the section, letter case, the first of equal keys).
  std::vector<int32_t> numbers;
  std::string_view rest = *text;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    if (const int32_t number = LakeKeyNumber(line, lakesOpen)) numbers.push_back(number);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  for (const int32_t number : numbers) {
    std::string value = IniLookup(*text, kCatalogueSection, "lake" + std::to_string(number)).value_or("NA");
    if (value != "NA") entries.push_back(TCatalogueEntry{number, std::move(value)});
  }
  return entries;
}

}  // namespace

std::vector<std::string> ReadLakeCatalogue(const std::string& path, int32_t lakesOpen) {
  std::vector<std::string> names;
  for (TCatalogueEntry& entry : ReadCatalogueEntries(path, lakesOpen)) names.push_back(std::move(entry.name));
  return names;
}

std::vector<std::string> ReadLakeCatalogues(const std::vector<std::string>& paths, int32_t lakesOpen) {
  std::map<int32_t, std::string> listed;
  std::vector<std::string> earlierNames;
  for (const std::string& path : paths) {
    std::vector<std::string> names;
    for (TCatalogueEntry& entry : ReadCatalogueEntries(path, lakesOpen)) {
      const auto same = [&](const std::string& known) { return SameIgnoringCase(known, entry.name); };
      if (listed.count(entry.number) != 0 || std::any_of(earlierNames.begin(), earlierNames.end(), same)) continue;
      names.push_back(entry.name);
      listed.emplace(entry.number, std::move(entry.name));
    }
    earlierNames.insert(earlierNames.end(), names.begin(), names.end());
  }
  std::vector<std::string> names;
  for (auto& [number, name] : listed) names.push_back(std::move(name));
  return names;
}

std::string ReadLakeFile(const std::string& path, LakeTrip& trip) {
  const TIniFile ini(path);
  const std::string description = ini.ReadString(kLakeSection, "Description", "No Description");
  trip.lastFish = ClampToInt32(int64_t{ini.ReadInteger(kLakeSection, "MaxFish", 16)} - 1);
  trip.lastMonster = ClampToInt32(int64_t{ini.ReadInteger(kLakeSection, "Maxmonster", 3)} - 1);
  trip.monsterKind = ini.ReadString(kLakeSection, "MonsterKind", "Monster");
  trip.Biggest = ini.ReadInteger(kLakeSection, "Biggest", 24);
  trip.Difficulty = ini.ReadInteger(kLakeSection, "Difficulty", 10);
  trip.timed = ini.ReadBool(kLakeSection, "Timed", false);
  trip.ticksTotal = ClampToInt32(int64_t{ini.ReadInteger(kLakeSection, "Time", 0)} * 30);
  trip.imageLib = ini.ReadString(kLakeSection, "ImageLib", "canada.dxg");
  trip.entryFee = ini.ReadInteger(kLakeSection, "EntryFee", 0);
  trip.prizeMoney = ini.ReadInteger(kLakeSection, "PrizeMoney", 0);
  trip.limit = ini.ReadInteger(kLakeSection, "Limit", 6);
  trip.winIf = ini.ReadInteger(kLakeSection, "WinIf", 1);
  trip.lakeLevel = ini.ReadInteger(kLakeSection, "Level", 1);
  return description;
}
