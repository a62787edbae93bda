#include "tools/dxlib/manifest.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "media/color_names.h"
#include "media/errors.h"
#include "media/file_bytes.h"
#include "media/riff_wave.h"
#include "tools/dxlib/png_file.h"
#include "tools/dxlib/text_1252.h"

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

class TManifestReader {
 public:
  explicit TManifestReader(const std::string& path)
      : path_(path), folder_(std::filesystem::path(path).parent_path()) {}

  TManifest Read() {
    const std::vector<uint8_t> bytes = ReadFileBytes(path_);
    const std::string text(bytes.begin(), bytes.end());
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      ++line_;
      ReadLine(Trim(text.substr(start, end - start)));
      start = end + 1;
    }
    if (!kindSeen_) Fail("no 'kind = image' or 'kind = sound' line");
    return std::move(manifest_);
  }

 private:
  [[noreturn]] void Fail(const std::string& reason) const {
    throw EDataError(Fmt("%s:%d: %s", path_.c_str(), line_, reason.c_str()));
  }

  void ReadLine(const std::string& line) {
    if (line.empty() || line[0] == '#' || line[0] == ';') return;
    if (line[0] == '[') {
      if (Lower(line) != "[item]") Fail("unknown section " + line + " (only [item] is known)");
      if (!kindSeen_) Fail("'kind = image' or 'kind = sound' must come before the first [item]");
      if (manifest_.Sound) {
        manifest_.Sounds.emplace_back();
      } else {
        manifest_.Images.emplace_back();
      }
      inItem_ = true;
      return;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) Fail("expected 'key = value'");
    const std::string key = Lower(Trim(line.substr(0, equals)));
    const std::string value = Trim(line.substr(equals + 1));
    if (!inItem_) {
      if (key != "kind") Fail("'" + key + "' belongs inside an [item]");
      const std::string kind = Lower(value);
      if (kind != "image" && kind != "sound") Fail("kind must be image or sound");
      if (kindSeen_) Fail("kind given twice");
      kindSeen_ = true;
      manifest_.Sound = kind == "sound";
      return;
    }
    if (manifest_.Sound) {
      SoundSetting(manifest_.Sounds.back(), key, value);
    } else {
      ImageSetting(manifest_.Images.back(), key, value);
    }
  }

  std::string Name(const std::string& value) const {
    std::string name;
    if (!Utf8To1252(value, name)) Fail("the name has characters a library name cannot hold");
    return name;
  }

  int32_t Integer(const std::string& value) const {
    char* end = nullptr;
    const long long number = std::strtoll(value.c_str(), &end, 0);
    if (value.empty() || *end != '\0' || number < INT32_MIN || number > UINT32_MAX) {
      Fail("'" + value + "' is not a whole number");
    }
    return static_cast<int32_t>(static_cast<uint32_t>(number));
  }

  bool Boolean(const std::string& value) const {
    const std::string v = Lower(value);
    if (v == "1" || v == "true") return true;
    if (v == "0" || v == "false") return false;
    Fail("'" + value + "' is not 1/0 or true/false");
  }

  TColor Color(const std::string& value) const {
    TColor color = clBlack;
    if (!value.empty() && std::isalpha(static_cast<unsigned char>(value[0]))) {
      if (!IdentToColor(value, color)) Fail("unknown colour '" + value + "'");
      return color;
    }
    return static_cast<TColor>(Integer(value));
  }

  std::string Source(const std::string& value) const {
    const std::filesystem::path source(value);
    return (source.is_absolute() ? source : folder_ / source).string();
  }

  template <class F>
  auto Load(const std::string& value, F&& load) const {
    try {
      return load(Source(value));
    } catch (const Exception& error) {
      Fail(error.Message());
    }
  }

  void ImageSetting(TPictureItemData& item, const std::string& key, const std::string& value) {
    if (key == "name") {
      item.Name = Name(value);
    } else if (key == "source") {
      item.Picture = Load(value, [](const std::string& path) { return ReadPictureFile(path); });
    } else if (key == "patternwidth") {
      item.PatternWidth = Integer(value);
    } else if (key == "patternheight") {
      item.PatternHeight = Integer(value);
    } else if (key == "skipwidth") {
      item.SkipWidth = Integer(value);
    } else if (key == "skipheight") {
      item.SkipHeight = Integer(value);
    } else if (key == "transparent") {
      item.Transparent = Boolean(value);
    } else if (key == "transparentcolor") {
      item.TransparentColor = Color(value);
    } else if (key == "systemmemory") {
      item.SystemMemory = Boolean(value);
    } else {
      Fail("unknown image setting '" + key + "'");
    }
  }

  void SoundSetting(TWaveItemData& item, const std::string& key, const std::string& value) {
    if (key == "name") {
      item.Name = Name(value);
    } else if (key == "source") {
      item.Wave = Load(value, [](const std::string& path) {
        const std::vector<uint8_t> bytes = ReadFileBytes(path);
        return ReadRiffWave(TByteReader(bytes.data(), bytes.size()));
      });
    } else if (key == "looped") {
      item.Looped = Boolean(value);
    } else if (key == "maxplayingcount") {
      item.MaxPlayingCount = Integer(value);
      if (item.MaxPlayingCount < 0) Fail("maxPlayingCount cannot be negative");
    } else {
      Fail("unknown sound setting '" + key + "'");
    }
  }

  std::string path_;
  std::filesystem::path folder_;
  int line_ = 0;
  bool kindSeen_ = false;
  bool inItem_ = false;
  TManifest manifest_;
};

}  // namespace

TManifest ReadManifest(const std::string& path) { return TManifestReader(path).Read(); }
