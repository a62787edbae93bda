// The programs keep text in Windows-1252 bytes; ImGui shows and edits UTF-8. These convert at
// that border only.
#pragma once

#include <string>

// Every byte becomes its character; the five bytes 1252 leaves undefined map to U+FFFD.
std::string Cp1252ToUtf8(const std::string& text);
// Characters 1252 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(const std::string& text);
