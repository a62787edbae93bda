// Ini files read and written whole, for callers that look up many keys or must change several keys
// together (the lake catalogue, save games, options). The value rules are those of media/ini_file.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The file's text, or nothing when it is missing, unreadable or too large to be an ini file.
std::optional<std::string> ReadIniText(const std::string& path);

// Sets every key of section in the file (created when missing), keeping every other byte, and
// replaces the file in one step. Raises EIniFileException "Unable to write to %s" when the file
// cannot be read or replaced, or a value cannot be stored; the file is then unchanged.
void WriteIniKeys(const std::string& path, std::string_view section,
                  const std::vector<std::pair<std::string, std::string>>& values);
