#include "media/folder_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "media/program_paths.h"

namespace fs = std::filesystem;

namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Greedy '*' matching that returns to the last star on a mismatch: linear in practice and never
// more than name length x pattern length steps.
bool MatchesExactly(const std::string& name, const std::string& pattern) {
  size_t n = 0;
  size_t p = 0;
  size_t star = std::string::npos;
  size_t resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

bool CaseBlindLess(const std::string& a, const std::string& b) {
  const auto folded = [](char x, char y) {
    return static_cast<unsigned char>(FoldAscii(x)) < static_cast<unsigned char>(FoldAscii(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded)) return false;
  return a < b;
}

// The folder a search pattern's folder part names, found without regard to case ("." for none).
std::string SearchFolder(std::string folderPart) {
  while (folderPart.size() > 1 && folderPart.back() == '/') folderPart.pop_back();
  if (folderPart.empty()) return ".";
  return FindPathIgnoringCase(folderPart);
}

}  // namespace

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
  if (MatchesExactly(name, pattern)) return true;
  return name.find('.') == std::string::npos && MatchesExactly(name + '.', pattern);
}

std::vector<std::string> FindEntries(const std::string& pattern, uint32_t attributes) {
  const std::string path = ToNativeSeparators(pattern);
  const size_t slash = path.rfind('/');
  const std::string folder = SearchFolder(slash == std::string::npos ? "" : path.substr(0, slash + 1));
  const std::string namePattern = slash == std::string::npos ? path : path.substr(slash + 1);

  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) return names;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) return {};
    std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code statusError;
    const fs::file_status status = it->status(statusError);
    if (statusError) continue;
    const bool folderEntry = fs::is_directory(status);
    if (!folderEntry && !fs::is_regular_file(status)) continue;
    if (folderEntry && (attributes & faDirectory) == 0) continue;
    if (MatchesWildcard(name, namePattern)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), CaseBlindLess);
  return names;
}

std::vector<std::string> FindDataEntries(const TProgramPaths& paths, const std::string& relativePattern,
                                         uint32_t attributes) {
  std::vector<std::string> names;
  for (const std::string& pattern : paths.JoinEach(relativePattern)) {
    const size_t earlier = names.size();
    for (std::string& name : FindEntries(pattern, attributes)) {
      const auto first = names.begin();
      const auto last = names.begin() + static_cast<std::ptrdiff_t>(earlier);
      if (std::none_of(first, last, [&](const std::string& known) { return SameIgnoringCase(known, name); })) {
        names.push_back(std::move(name));
      }
    }
  }
  std::sort(names.begin(), names.end(), CaseBlindLess);
  return names;
}

std::vector<std::string> ListFolder(const std::string& folder, uint32_t attributes) {
  return FindEntries(folder + "/*.*", attributes);
}
