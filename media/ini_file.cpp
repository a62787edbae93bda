#include "media/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "media/errors.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Upper-case letters of Windows-1252 mapped to lower case: ASCII, the accented letters C0..DE (but
// not the multiplication sign D7), and the four letters whose pairs sit in 80..9F.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;  // S caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z caron
    case 0x9F: return 0xFF;  // Y diaeresis
    default: return c;
  }
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// One line of the text: where it starts, its content without the line end, and where the next
// line starts.
struct Line {
  size_t begin = 0;
  size_t contentEnd = 0;
  size_t next = 0;
};

class LineWalker {
 public:
  explicit LineWalker(std::string_view text) : text_(text) {}

  bool NextLine(Line& line) {
    if (pos_ >= text_.size()) return false;
    line.begin = pos_;
    const size_t newline = text_.find('\n', pos_);
    line.next = newline == std::string_view::npos ? text_.size() : newline + 1;
    line.contentEnd = newline == std::string_view::npos ? text_.size() : newline;
    if (line.contentEnd > line.begin && text_[line.contentEnd - 1] == '\r') --line.contentEnd;
    pos_ = line.next;
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

enum class LineKind { Other, Section, Key };

// A parsed line. For a key line, valueBegin is the offset in the line where the value starts
// (after the '=' and its blanks).
struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;
  std::string_view value;
  size_t valueBegin = 0;
};

ParsedLine ParseLine(std::string_view content) {
  ParsedLine parsed;
  const std::string_view capped = content.substr(0, kIniMaxLineLength);
  const std::string_view trimmed = Trim(capped);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return parsed;
  if (trimmed.front() == '[') {
    std::string_view name = trimmed.substr(1);
    const size_t close = name.find(']');
    if (close != std::string_view::npos) name = name.substr(0, close);
    parsed.kind = LineKind::Section;
    parsed.name = Trim(name);
    return parsed;
  }
  const size_t equals = capped.find('=');
  if (equals == std::string_view::npos) return parsed;
  parsed.kind = LineKind::Key;
  parsed.name = Trim(capped.substr(0, equals));
  size_t valueBegin = equals + 1;
  while (valueBegin < capped.size() && IsBlank(capped[valueBegin])) ++valueBegin;
  parsed.valueBegin = valueBegin;
  parsed.value = Trim(capped.substr(valueBegin));
  return parsed;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The line end new lines get: the one the file already uses, CR LF for a file without any.
std::string_view LineEndOf(std::string_view text) {
  const size_t newline = text.find('\n');
  if (newline == std::string_view::npos) return "\r\n";
  return newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
}

enum class ReadResult { Missing, Read, Failed };

// O_NONBLOCK keeps a named pipe in place of the file from blocking the open; it is refused below.
ReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<uint64_t>(info.st_size) > kIniMaxFileSize) {
    ::close(fd);
    return ReadResult::Failed;
  }
  // Read until the end rather than trusting the size, which may change while we read; the cap
  // still holds.
  bytes.clear();
  std::vector<char> chunk(64 * 1024);
  for (;;) {
    const ssize_t count = ::read(fd, chunk.data(), chunk.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 || bytes.size() + static_cast<size_t>(count) > kIniMaxFileSize) {
      ::close(fd);
      return ReadResult::Failed;
    }
    if (count == 0) break;
    bytes.append(chunk.data(), static_cast<size_t>(count));
  }
  ::close(fd);
  return ReadResult::Read;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(count));
  }
  return true;
}

// Replaces the file at path with bytes: a temporary file in the same folder is written, flushed
// to disk and renamed over the old one, so a crash leaves either the old or the new file. A
// symbolic link is followed, so the file it names is replaced and the link stays.
bool ReplaceFile(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path target(path);
  if (fs::is_symlink(target, error)) {
    target = fs::weakly_canonical(target, error);
    if (error) return false;
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

  struct stat oldInfo {};
  const bool existed = ::stat(target.c_str(), &oldInfo) == 0;

  static std::atomic<unsigned> counter{0};
  std::string tempName;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    // A hidden name beside the file: ".<name>.<pid>.<count>.tmp".
    std::string hidden(1, '.');
    hidden += target.filename().string();
    hidden += '.' + std::to_string(::getpid()) + '.' + std::to_string(counter++) + ".tmp";
    tempName = (folder / hidden).string();
    fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool ok = WriteAll(fd, bytes);
  if (ok && existed) ok = ::fchmod(fd, oldInfo.st_mode & 07777) == 0;
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(tempName.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tempName.c_str());
    return false;
  }
  // Make the rename itself durable; the new content is already safe, so a failure here is not one
  // of the write.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
  return true;
}

bool HasLineBreak(std::string_view text) {
  return text.find('\n') != std::string_view::npos || text.find('\r') != std::string_view::npos;
}

}  // namespace

std::optional<std::string> IniLookup(std::string_view text, std::string_view section,
                                     std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  if (key.empty()) return std::nullopt;
  LineWalker walker(text);
  Line line;
  bool inSection = false;
  while (walker.NextLine(line)) {
    const ParsedLine parsed = ParseLine(text.substr(line.begin, line.contentEnd - line.begin));
    if (parsed.kind == LineKind::Section) {
      inSection = SameName(parsed.name, section);
    } else if (parsed.kind == LineKind::Key && inSection && SameName(parsed.name, key)) {
      return std::string(Unquote(parsed.value).substr(0, kIniMaxValueLength));
    }
  }
  return std::nullopt;
}

std::optional<std::string> IniWithValue(std::string_view text, std::string_view section,
                                        std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  if (key.empty() || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value) ||
      key.find('=') != std::string_view::npos || section.find(']') != std::string_view::npos ||
      key.front() == '[' || key.front() == ';' || key.front() == '#') {
    return std::nullopt;
  }
  const std::string_view lineEnd = LineEndOf(text);

  // Find the key's line, or the place after the last key line (or the header) of the section.
  LineWalker walker(text);
  Line line;
  bool inSection = false;
  bool sectionFound = false;
  bool insertionDone = false;  // the first matching section has ended
  size_t insertAt = 0;         // start of the line after the one the new key follows
  while (walker.NextLine(line)) {
    const ParsedLine parsed = ParseLine(text.substr(line.begin, line.contentEnd - line.begin));
    if (parsed.kind == LineKind::Section) {
      if (sectionFound) insertionDone = true;
      inSection = SameName(parsed.name, section);
      if (inSection && !sectionFound) {
        sectionFound = true;
        insertAt = line.next;
      }
    } else if (parsed.kind == LineKind::Key && inSection) {
      if (SameName(parsed.name, key)) {
        // Keep the key as spelt and the blanks around '='; replace the rest of the line.
        std::string result(text.substr(0, line.begin + parsed.valueBegin));
        result.append(value);
        result.append(text.substr(line.contentEnd));
        return result;
      }
      if (!insertionDone) insertAt = line.next;
    }
  }

  std::string entry(key);
  entry += '=';
  entry.append(value);
  if (sectionFound) {
    // A new line between whole lines; after a last line without a line end, one is added first.
    std::string result(text.substr(0, insertAt));
    if (!result.empty() && result.back() != '\n') result.append(lineEnd);
    result += entry;
    result.append(lineEnd);
    result.append(text.substr(insertAt));
    return result;
  }
  std::string result(text);
  if (!result.empty() && result.back() != '\n') result.append(lineEnd);
  if (!result.empty()) result.append(lineEnd);
  result += '[';
  result.append(section);
  result += ']';
  result.append(lineEnd);
  result += entry;
  result.append(lineEnd);
  return result;
}

std::optional<int32_t> IniParseInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  uint32_t base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  uint64_t magnitude = 0;
  for (const char c : text) {
    uint32_t digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<uint32_t>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<uint32_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    magnitude = magnitude * base + digit;
    if (magnitude > 0xFFFFFFFFULL) return std::nullopt;
  }
  if (base == 16) {
    // Hexadecimal is a bit pattern: $FFFFFFFF is -1.
    const auto bits = static_cast<uint32_t>(magnitude);
    return static_cast<int32_t>(negative ? 0u - bits : bits);
  }
  if (magnitude > (negative ? 2147483648ULL : 2147483647ULL)) return std::nullopt;
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                       : static_cast<int64_t>(magnitude));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& def) const {
  std::string bytes;
  if (ReadWholeFile(fileName_, bytes) != ReadResult::Read) return def;
  std::optional<std::string> value = IniLookup(bytes, section, key);
  return value ? *value : def;
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  std::string bytes;
  if (ReadWholeFile(fileName_, bytes) != ReadResult::Read) return def;
  const std::optional<std::string> value = IniLookup(bytes, section, key);
  if (!value) return def;
  return IniParseInteger(*value).value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::optional<std::string> TIniFile::ReadText() const {
  std::string bytes;
  if (ReadWholeFile(fileName_, bytes) != ReadResult::Read) return std::nullopt;
  return bytes;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  WriteStrings(section, {{std::string(key), std::string(value)}});
}

void TIniFile::WriteStrings(std::string_view section,
                            const std::vector<std::pair<std::string, std::string>>& values) {
  const auto fail = [this] { return EIniFileException(Fmt("Unable to write to %s", fileName_.c_str())); };
  std::string bytes;
  // A file that exists but cannot be read must not be replaced by one holding only these keys.
  if (ReadWholeFile(fileName_, bytes) == ReadResult::Failed) throw fail();
  for (const auto& [key, value] : values) {
    std::optional<std::string> updated = IniWithValue(bytes, section, key, value);
    if (!updated) throw fail();
    bytes = std::move(*updated);
  }
  if (!ReplaceFile(fileName_, bytes)) throw fail();
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}
