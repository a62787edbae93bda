// Reads arbitrary bytes as an ini file: looks up fixed names and the names the input itself uses,
// parses the values as integers, sets one key in memory and through a real file, and checks that
// the write is read back while every other value stays as it was.
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "media/errors.h"
#include "media/ini_file.h"

namespace {

constexpr std::string_view kWrittenKey = "Written";
constexpr std::string_view kWrittenValue = "v123";

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string_view Trimmed(std::string_view text) {
  const size_t begin = text.find_first_not_of(" \t\r");
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// kWrittenKey is ASCII, and only ASCII letters fold to ASCII letters.
bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// The first section name and the first key the input spells, so the fuzzer can steer the names.
std::pair<std::string, std::string> NamesFrom(std::string_view text) {
  std::string section;
  std::string key;
  const size_t open = text.find('[');
  if (open != std::string_view::npos) {
    const size_t end = text.find_first_of("]\n", open + 1);
    section = std::string(text.substr(open + 1, std::min<size_t>(end - open - 1, 64)));
  }
  const size_t equals = text.find('=');
  if (equals != std::string_view::npos) {
    const size_t lineStart = text.rfind('\n', equals);
    const size_t begin = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    key = std::string(text.substr(begin, std::min<size_t>(equals - begin, 64)));
  }
  return {section, key};
}

// A scratch file in memory-backed storage when there is some. It is removed after every input,
// because the fuzzer ends without running destructors.
std::string ScratchPath() {
  std::error_code error;
  const std::filesystem::path shm("/dev/shm");
  const std::filesystem::path folder =
      std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
  return (folder / ("fuzz_ini_file_" + std::to_string(::getpid()) + ".ini")).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto [inputSection, inputKey] = NamesFrom(text);
  const std::vector<std::pair<std::string, std::string>> lookups = {
      {"Tarnhook", "speed"}, {"Lake Data", "entryFee"}, {"", "k"}, {inputSection, inputKey},
      {inputSection, "flip"}};

  std::vector<std::optional<std::string>> before;
  for (const auto& [section, key] : lookups) {
    std::optional<std::string> value = IniLookup(text, section, key);
    if (value) {
      Check(value->size() <= kIniMaxValueLength);
      IniParseInteger(*value);
    }
    before.push_back(std::move(value));
  }

  const std::optional<std::string> updated =
      IniWithValue(text, inputSection, kWrittenKey, kWrittenValue);
  if (updated) {
    Check(IniLookup(*updated, inputSection, kWrittenKey) == std::string(kWrittenValue));
    for (size_t i = 0; i < lookups.size(); ++i) {
      if (SameAscii(Trimmed(lookups[i].second), kWrittenKey)) continue;  // the key just written
      Check(IniLookup(*updated, lookups[i].first, lookups[i].second) == before[i]);
    }
  }
  const std::optional<std::string> rewritten = IniWithValue(text, inputSection, inputKey, "x");
  if (rewritten) Check(IniLookup(*rewritten, inputSection, inputKey) == std::string("x"));

  // The same through a file: the reads must agree with the text and the write with the memory.
  static const std::string path = ScratchPath();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(text.data(), static_cast<std::streamsize>(size));
  TIniFile ini(path);
  Check(ini.ReadString(lookups[3].first, lookups[3].second, "\x01") == before[3].value_or("\x01"));
  ini.ReadInteger("Tarnhook", "speed", 2);
  ini.ReadBool(inputSection, "flip", true);
  try {
    ini.WriteString(inputSection, kWrittenKey, kWrittenValue);
    Check(updated.has_value());
    std::ifstream in(path, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Check(written == *updated);
  } catch (const EIniFileException&) {
    Check(!updated.has_value());
  }
  std::error_code error;
  std::filesystem::remove(path, error);
  return 0;
}
