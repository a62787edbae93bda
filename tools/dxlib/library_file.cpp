#include "tools/dxlib/library_file.h"

#include <algorithm>
#include <cctype>

#include "media/file_bytes.h"

namespace {

// The class name of the root object, or "" when the bytes do not get that far.
std::string RootClassName(const std::vector<uint8_t>& bytes) {
  size_t at = 4;
  if (bytes.size() < at + 1 || std::string(bytes.begin(), bytes.begin() + 4) != "TPF0") return "";
  if ((bytes[at] & 0xF0) == 0xF0) {
    const bool hasPosition = bytes[at] & 2;
    ++at;
    if (hasPosition) {
      if (at >= bytes.size()) return "";
      const uint8_t type = bytes[at];
      at += 1 + (type == 2 ? 1 : type == 3 ? 2 : 4);
    }
  }
  if (at >= bytes.size()) return "";
  const size_t length = bytes[at];
  if (at + 1 + length > bytes.size()) return "";
  return std::string(bytes.begin() + static_cast<long>(at + 1),
                     bytes.begin() + static_cast<long>(at + 1 + length));
}

}  // namespace

TLibraryKind LibraryKindOf(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string className = RootClassName(bytes);
  if (className == "TWaveCollectionComponent") return TLibraryKind::Sound;
  if (className == "TPictureCollectionComponent") return TLibraryKind::Image;
  std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".dxw" ? TLibraryKind::Sound : TLibraryKind::Image;
}

void LoadLibrary(const std::string& path, TLoadedLibrary& library) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  library.Kind = LibraryKindOf(path, bytes);
  if (library.Kind == TLibraryKind::Sound) {
    library.Sounds.ReadFromStream(bytes.data(), bytes.size());
  } else {
    library.Images.ReadFromStream(bytes.data(), bytes.size());
  }
}
