#include "media/program_paths.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "media/errors.h"
#include "media/file_bytes.h"

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

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// The value of an environment variable when it is an absolute path, ending in '/'; else "".
std::string AbsoluteFolder(const char* value) {
  if (value == nullptr || value[0] != '/') return {};
  return WithSlash(value);
}

// The home folder of the account running the program, from the user database; "" when unknown.
std::string AccountHome() {
  const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
  return AbsoluteFolder(found->pw_dir);
}

bool Writable(const std::string& folder) { return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0; }

// Creates the folder and any missing parents, each new one open to its owner only (the XDG rule).
// Returns whether the folder exists afterwards.
bool CreateUserFolder(const std::string& folder) {
  if (folder.empty()) return false;
  std::string path;
  size_t start = 0;
  for (;;) {
    const size_t slash = folder.find('/', start);
    path = folder.substr(0, slash);
    if (!path.empty() && ::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos || slash + 1 == folder.size()) break;
    start = slash + 1;
  }
  std::error_code error;
  return fs::is_directory(fs::path(folder), error);
}

// Copies a file whole; the copy appears at once or not at all. A failure leaves no copy.
void CopyWhole(const std::string& from, const std::string& to) {
  try {
    WriteFileBytes(to, ReadFileBytes(from));
  } catch (const Exception&) {
    // Do nothing: the caller's write then starts a new file.
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

std::string InstalledDataFolder(const std::string& executableFolder, const std::string& program) {
  fs::path folder = fs::path(executableFolder).lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();
  if (!folder.has_parent_path() || folder == folder.root_path()) return {};
  return WithSlash((folder.parent_path() / "share" / program).string());
}

TUserFolders UserFoldersFromEnvironment() {
  std::string home = AbsoluteFolder(std::getenv("HOME"));
  if (home.empty()) home = AccountHome();
  TUserFolders user;
  user.config = AbsoluteFolder(std::getenv("XDG_CONFIG_HOME"));
  if (user.config.empty() && !home.empty()) user.config = home + ".config/";
  user.data = AbsoluteFolder(std::getenv("XDG_DATA_HOME"));
  if (user.data.empty() && !home.empty()) user.data = home + ".local/share/";
  return user;
}

TProgramPaths TProgramPaths::ForProgram(const std::string& program, const std::string& executableFolder,
                                        const std::string& marker, const TUserFolders& user) {
  TProgramPaths paths(executableFolder);
  const std::string own = paths.Folder();
  const std::string installed = InstalledDataFolder(own, program);
  const bool ownHoldsData = !paths.FindEach(marker).empty();
  const bool installedLayout = !ownHoldsData && !installed.empty() &&
                               ResolveUnder(installed, ToNativeSeparators(marker)).has_value();
  if (installedLayout) paths.SetFolder(installed);
  if (!installedLayout && Writable(own)) return paths;
  if (user.config.empty() || user.data.empty()) return paths;
  paths.configFolder_ = WithSlash(user.config) + program + '/';
  paths.saveFolder_ = WithSlash(user.data) + program + '/';
  paths.folders_.push_back(paths.saveFolder_);
  return paths;
}

void TProgramPaths::SetFolder(std::string folder) {
  if (folder.empty()) folder.push_back('.');
  if (folder.back() != '/') folder += '/';
  folders_.assign(1, std::move(folder));
  configFolder_.clear();
  saveFolder_.clear();
}

std::string TProgramPaths::Join(const std::string& relative) const {
  std::string converted = ToNativeSeparators(relative);
  if (!converted.empty() && converted.front() == '/') return converted;
  return Folder() + converted;
}

std::vector<std::string> TProgramPaths::JoinEach(const std::string& relative) const {
  std::vector<std::string> joined;
  for (const std::string& folder : folders_) joined.push_back(TProgramPaths(folder).Join(relative));
  return joined;
}

std::string TProgramPaths::Find(const std::string& relative) const {
  const std::vector<std::string> found = FindEach(relative);
  return found.empty() ? Join(relative) : found.front();
}

std::vector<std::string> TProgramPaths::FindEach(const std::string& relative) const {
  const std::string converted = ToNativeSeparators(relative);
  std::vector<std::string> found;
  if (converted.empty() || converted.front() == '/') {
    const std::string path = FindPathIgnoringCase(Join(relative));
    if (Exists(path)) found.push_back(path);
    return found;
  }
  for (const std::string& folder : folders_) {
    if (Exists(folder + converted)) {
      found.push_back(folder + converted);
    } else if (std::optional<std::string> match = ResolveUnder(folder, converted)) {
      found.push_back(std::move(*match));
    }
  }
  return found;
}

std::string TProgramPaths::FindOwnFile(const std::string& relative) const {
  if (PerUser()) {
    if (std::optional<std::string> own = ResolveUnder(configFolder_, ToNativeSeparators(relative))) return *own;
  }
  return Find(relative);
}

std::string TProgramPaths::OwnFileToWrite(const std::string& relative) const {
  if (!PerUser()) return Find(relative);
  const std::string converted = ToNativeSeparators(relative);
  if (std::optional<std::string> own = ResolveUnder(configFolder_, converted)) return *own;
  const std::string target = configFolder_ + converted;
  if (!CreateUserFolder(fs::path(target).parent_path().string())) return target;
  const std::string installed = Find(relative);
  std::error_code error;
  if (fs::is_regular_file(fs::path(installed), error)) CopyWhole(installed, target);
  return target;
}

std::string TProgramPaths::SaveGameFolderToWrite() const {
  if (!saveFolder_.empty()) CreateUserFolder(saveFolder_);
  return saveFolder_;
}
