#include "platform/file_filter.h"

#include <cctype>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

bool WildMatch(const char* pattern, const char* name) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*') {
    for (const char* n = name;; ++n) {
      if (WildMatch(pattern + 1, n)) return true;
      if (*n == '\0') return false;
    }
  }
  if (*name == '\0') return false;
  const bool same = *pattern == '?' ||
                    std::tolower(static_cast<unsigned char>(*pattern)) == std::tolower(static_cast<unsigned char>(*name));
  return same && WildMatch(pattern + 1, name + 1);
}

}  // namespace

std::vector<TFileFilter> ParseFileFilter(const std::string& filter) {
  std::vector<TFileFilter> result;
  if (filter.empty()) return result;
  const std::vector<std::string> parts = Split(filter, '|');
  for (size_t i = 0; i < parts.size(); i += 2) {
    TFileFilter entry;
    entry.Description = parts[i];
    if (i + 1 < parts.size()) {
      for (const std::string& p : Split(parts[i + 1], ';')) {
        if (!p.empty()) entry.Patterns.push_back(p);
      }
    }
    if (entry.Patterns.empty()) entry.Patterns.push_back("*.*");
    result.push_back(std::move(entry));
  }
  return result;
}

bool MatchesFileFilter(const std::string& fileName, const TFileFilter& filter) {
  for (const std::string& pattern : filter.Patterns) {
    // "*.*" means every file, also those without a dot.
    if (pattern == "*.*" || pattern == "*" || WildMatch(pattern.c_str(), fileName.c_str())) return true;
  }
  return false;
}

std::string WithDefaultExt(const std::string& path, const std::string& defaultExt) {
  std::string ext = defaultExt;
  if (ext.rfind("*", 0) == 0) ext.erase(0, 1);
  if (ext.rfind(".", 0) == 0) ext.erase(0, 1);
  if (ext.empty() || ext.find_first_of("*?") != std::string::npos) return path;
  const size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + "." + ext;
}
