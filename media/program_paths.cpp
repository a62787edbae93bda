#include "media/program_paths.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::path(path), error);
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

// The entry of folder whose name equals name without regard to case (the first in sorted order
// when several do), or nothing.
std::optional<std::string> FindEntry(const std::string& folder, const std::string& name) {
  std::error_code error;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), error);
  if (error) return std::nullopt;
  std::vector<std::string> matches;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) return std::nullopt;
    std::string entry = it->path().filename().string();
    if (SameIgnoringCase(entry, name)) matches.push_back(std::move(entry));
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

// base ("" for the current folder, else ending in '/') + relative, each component of relative
// found without regard to case; nothing when a component is missing.
std::optional<std::string> ResolveUnder(const std::string& base, const std::string& relative) {
  std::string resolved = base;
  size_t start = 0;
  for (;;) {
    const size_t slash = relative.find('/', start);
    const std::string part =
        relative.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    if (part.empty() || part == "." || part == "..") {
      resolved += part;
    } else if (Exists(resolved + part)) {
      resolved += part;
    } else {
      const std::optional<std::string> entry = FindEntry(resolved, part);
      if (!entry) return std::nullopt;
      resolved += *entry;
    }
    if (slash == std::string::npos) return resolved;
    resolved += '/';
    start = slash + 1;
  }
}

}  // namespace

std::string ExecutableFolder() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (error || !executable.has_parent_path()) return "./";
  std::string folder = executable.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ToNativeSeparators(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string FindPathIgnoringCase(const std::string& path) {
  if (path.empty() || Exists(path)) return path;
  const std::optional<std::string> found =
      path.front() == '/' ? ResolveUnder("/", path.substr(1)) : ResolveUnder("", path);
  return found ? *found : path;
}

void TProgramPaths::SetFolder(std::string folder) {
  if (folder.empty()) folder.push_back('.');
  if (folder.back() != '/') folder += '/';
  folder_ = std::move(folder);
}

std::string TProgramPaths::Join(const std::string& relative) const {
  std::string converted = ToNativeSeparators(relative);
  if (!converted.empty() && converted.front() == '/') return converted;
  return folder_ + converted;
}

std::string TProgramPaths::Find(const std::string& relative) const {
  const std::string joined = Join(relative);
  if (joined.size() <= folder_.size() || joined.compare(0, folder_.size(), folder_) != 0) {
    return FindPathIgnoringCase(joined);
  }
  if (Exists(joined)) return joined;
  const std::optional<std::string> found = ResolveUnder(folder_, joined.substr(folder_.size()));
  return found ? *found : joined;
}
