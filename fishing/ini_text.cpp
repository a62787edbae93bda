#include "fishing/ini_text.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "media/errors.h"
#include "media/file_bytes.h"
#include "media/ini_file.h"

std::optional<std::string> ReadIniText(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > kIniMaxFileSize) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return text;
}

void WriteIniKeys(const std::string& path, std::string_view section,
                  const std::vector<std::pair<std::string, std::string>>& values) {
  const auto fail = [&path] { return EIniFileException(Fmt("Unable to write to %s", path.c_str())); };
  std::error_code error;
  std::string text;
  // A file that exists but cannot be read must not be replaced by one holding only these keys.
  if (std::filesystem::exists(path, error)) {
    std::optional<std::string> old = ReadIniText(path);
    if (!old) throw fail();
    text = std::move(*old);
  } else if (error) {
    throw fail();
  }
  for (const auto& [key, value] : values) {
    std::optional<std::string> updated = IniWithValue(text, section, key, value);
    if (!updated) throw fail();
    text = std::move(*updated);
  }
  try {
    WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
  } catch (const Exception&) {
    throw fail();
  }
}
