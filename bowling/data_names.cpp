#include "bowling/data_names.h"

std::string UpperCaseAscii(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

bool IsBumperAlley(const std::string& alleyName) {
  return UpperCaseAscii(alleyName).find("BUMPER") != std::string::npos;
}

int DefaultEntry(const std::vector<std::string>& entries, const std::string& defaultName) {
  int index = static_cast<int>(entries.size()) - 1;
  while (index > 0 && UpperCaseAscii(entries[static_cast<size_t>(index)]) != defaultName) --index;
  return index;
}
