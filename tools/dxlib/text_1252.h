// Names in library files are Windows-1252 bytes; the command line, manifests and JSON use UTF-8.
#pragma once

#include <string>

// Windows-1252 bytes as UTF-8 (the five unassigned bytes become U+FFFD).
std::string Utf8From1252(const std::string& text);
// UTF-8 as Windows-1252 bytes; false when a character has no Windows-1252 byte or the UTF-8 is
// malformed.
bool Utf8To1252(const std::string& text, std::string& out);
// A JSON string literal (with the quotes) of Windows-1252 text.
std::string JsonString(const std::string& text1252);
