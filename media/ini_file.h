// Ini files: "[section]" header lines and "key=value" lines, read and written the way the host's
// private-profile services treat them.
//
//   - Section and key names match without regard to letter case (Windows-1252 letters).
//   - Names and values are trimmed of surrounding blanks and tabs; a value enclosed in a matching
//     pair of double or single quotes loses them. A value reads as at most 2047 characters.
//   - Lines may end in LF or CR LF, the last one may have no line end. A line starting with '['
//     names a section up to its ']' (or up to the line end when the ']' is missing). Lines starting
//     with ';' or '#', other lines without '=' and keys before the first section are kept as they
//     are but never read. Only the first 64 KiB of a line are looked at.
//   - When a section or a key appears twice, the first occurrence is the one read and written.
//   - Every call reads the file afresh, so two objects on one file see each other's writes.
//   - A write changes only the line of its key (or adds the key at the end of its section, or a new
//     section at the end of the file) and keeps every other byte. The new file is written beside the
//     old one, flushed to disk and renamed over it, so the old content survives any failure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The longest value a read returns; longer values are cut.
constexpr size_t kIniMaxValueLength = 2047;
// The part of a line that is parsed; the rest of a longer line is kept but ignored.
constexpr size_t kIniMaxLineLength = 64 * 1024;
// Files larger than this are not ini files: reads give defaults and writes fail.
constexpr size_t kIniMaxFileSize = 16 * 1024 * 1024;

// The value of key in section within ini text, trimmed and cut to 2047 characters; nothing when the
// section or key is missing.
std::optional<std::string> IniLookup(std::string_view text, std::string_view section,
                                     std::string_view key);
// The ini text with key in section set to value, every other byte unchanged. Returns nothing when
// the names or value cannot be stored (a line break anywhere, '=' in the key, ']' in the section, a
// key that is empty after trimming, or blanks around the value that trimming would lose).
std::optional<std::string> IniWithValue(std::string_view text, std::string_view section,
                                        std::string_view key, std::string_view value);
// Parses an integer value: decimal, or hexadecimal after "$" or "0x", with an optional sign; hex
// values up to FFFFFFFF wrap to negative numbers. Nothing for anything else or out of range.
std::optional<int32_t> IniParseInteger(std::string_view text);

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  // The value, or def when the file, the section or the key is missing.
  std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;
  // The value as an integer (see IniParseInteger), or def when missing or not a number.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  // The value read as an integer, non-zero meaning true; def when missing or not a number.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  // The whole text of the file; nothing when it is missing, unreadable or too large to be an ini file.
  std::optional<std::string> ReadText() const;

  // Set one key, creating the file, section or key when missing. Each raises EIniFileException
  // "Unable to write to %s" (the file name) when the file cannot be replaced; the old file stays.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  // Writes "1" or "0".
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Sets every key of section in one replacement of the file, so either all or none are written.
  void WriteStrings(std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& values);

 private:
  std::string fileName_;
};
