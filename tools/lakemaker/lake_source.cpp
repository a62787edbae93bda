#include "tools/lakemaker/lake_source.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "fishing/iso_map.h"
#include "media/errors.h"
#include "tools/lakemaker/tile_key.h"

#include "stb_image.h"

namespace {

constexpr int kMaxCols = kMaxMapCol + 1;
constexpr int kMaxRows = kMaxMapRow + 1;
constexpr int kMinSide = 3;  // a ring of land around at least one cell
constexpr size_t kShortStringMax = 36;
constexpr size_t kTextMax = 255;
constexpr int kShownProblems = 50;

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string Lower(std::string text) {
  for (char& ch : text) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
  return text;
}

bool IsComment(const std::string& trimmed) { return !trimmed.empty() && (trimmed[0] == '#' || trimmed[0] == ';'); }

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

bool Decimal(const std::string& word, int32_t& value) {
  const char* end = word.data() + word.size();
  const auto result = std::from_chars(word.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

// A printable form of a byte for messages.
std::string Shown(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  if (byte < 32 || byte == 127) return Fmt("the byte 0x%02X", byte);
  return std::string("'") + ch + "'";
}

enum class TSection { None, Rules, Map, Picture, Objects, Tiles, Unknown };

class TParser {
 public:
  TParser(TLakeSource& source, TSourceProblems& problems) : s_(source), problems_(problems) {}

  void Parse(std::string_view text) {
    int line = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) end = text.size();
      std::string_view raw = text.substr(pos, end - pos);
      if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
      ++line;
      Line(raw, line);
      if (end == text.size()) break;
      pos = end + 1;
    }
    FinishMap();
    if (seen_["picture"] && s_.picture.empty()) problems_.Add("The [Picture] section names no picture file.");
    if (!sawMap_) problems_.Add("The source has no [Map] or [Picture] section, so there is no map.");
  }

 private:
  void Problem(int line, const std::string& what) { problems_.Add(Fmt("line %d: ", line) + what); }

  void Line(std::string_view raw, int line) {
    const std::string trimmed = Trim(raw);
    if (!trimmed.empty() && trimmed[0] == '[') {
      if (section_ == TSection::Map) FinishMap();
      StartSection(trimmed, line);
      return;
    }
    if (section_ == TSection::Map) {
      MapRow(raw, line);
      return;
    }
    if (trimmed.empty() || IsComment(trimmed)) return;
    switch (section_) {
      case TSection::None: Problem(line, "text before the first section; a source starts with [Lake Data] or [Map]."); break;
      case TSection::Rules: Rule(trimmed, line); break;
      case TSection::Picture: PictureName(trimmed, line); break;
      case TSection::Objects: Object(raw, line); break;
      case TSection::Tiles: Tile(trimmed, line); break;
      case TSection::Map:
      case TSection::Unknown: break;
    }
  }

  void StartSection(const std::string& trimmed, int line) {
    if (trimmed.back() != ']') {
      Problem(line, "a section name must end with ']'.");
      section_ = TSection::Unknown;
      return;
    }
    const std::string name = Lower(Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2)));
    static const std::map<std::string, TSection> kSections = {{"lake data", TSection::Rules},
                                                              {"map", TSection::Map},
                                                              {"picture", TSection::Picture},
                                                              {"objects", TSection::Objects},
                                                              {"tiles", TSection::Tiles}};
    const auto found = kSections.find(name);
    if (found == kSections.end()) {
      Problem(line, "\"" + trimmed + "\" is not a section of a lake source ([Lake Data], [Map], [Picture], "
                    "[Objects], [Tiles]).");
      section_ = TSection::Unknown;
      return;
    }
    section_ = found->second;
    if (seen_[name]++) Problem(line, "the section " + trimmed + " comes a second time.");
    if (section_ == TSection::Map || section_ == TSection::Picture) {
      if (sawMap_) Problem(line, "the source already has a map; give either [Map] or [Picture], once.");
      sawMap_ = true;
      if (section_ == TSection::Map) s_.mapLine = line + 1;
    }
  }

  void Rule(const std::string& trimmed, int line) {
    const size_t eq = trimmed.find('=');
    if (eq == std::string::npos) {
      Problem(line, "a rule is written Key=value.");
      return;
    }
    const std::string key = Trim(std::string_view(trimmed).substr(0, eq));
    const std::string value = Trim(std::string_view(trimmed).substr(eq + 1));
    const int first = ruleLines_[Lower(key)];
    if (first) {
      Problem(line, Fmt("%s is given a second time (first on line %d).", key.c_str(), first));
      return;
    }
    if (auto reason = SetLakeRule(s_.rules, key, value)) {
      Problem(line, *reason + ".");
      return;
    }
    ruleLines_[Lower(key)] = line;
  }

  void MapRow(std::string_view raw, int line) {
    if (raw.empty() || Trim(raw).empty()) {
      if (!rows_.empty()) pendingBlank_ = pendingBlank_ ? pendingBlank_ : line;
      return;
    }
    if (pendingBlank_) {
      Problem(pendingBlank_, "an empty line inside the map; every row needs its cells.");
      pendingBlank_ = 0;
    }
    if (tooTall_) return;
    if (static_cast<int>(rows_.size()) >= kMaxRows) {
      Problem(line, Fmt("the map has more than %d rows, the most a lake can have.", kMaxRows));
      tooTall_ = true;
      return;
    }
    if (rows_.empty() && raw.size() > static_cast<size_t>(kMaxCols)) {
      Problem(line, Fmt("the map is %zu cells wide, more than the %d a lake can have.", raw.size(), kMaxCols));
      tooTall_ = true;
      return;
    }
    if (!rows_.empty() && raw.size() != rows_.front().size()) {
      Problem(line, Fmt("the row is %zu cells wide, but the first row of the map is %zu.", raw.size(),
                        rows_.front().size()));
    }
    rows_.emplace_back(raw.substr(0, std::min(raw.size(), static_cast<size_t>(kMaxCols))));
    rowLines_.push_back(line);
  }

  void FinishMap() {
    pendingBlank_ = 0;
    if (rows_.empty()) {
      if (section_ == TSection::Map && s_.cells.empty() && !tooTall_) {
        Problem(s_.mapLine - 1, "the [Map] section has no rows.");
      }
      return;
    }
    const auto cols = static_cast<int32_t>(rows_.front().size());
    const auto rows = static_cast<int32_t>(rows_.size());
    if (cols < kMinSide || rows < kMinSide) {
      Problem(rowLines_.front(), Fmt("the map is %d x %d cells; a lake needs at least %d x %d (land all round "
                                     "and water inside).", cols, rows, kMinSide, kMinSide));
    }
    s_.cols = cols;
    s_.rows = rows;
    s_.cells.assign(static_cast<size_t>(cols) * rows, -1);
    for (int32_t r = 0; r < rows; ++r) {
      const std::string& row = rows_[r];
      for (int32_t c = 0; c < cols && c < static_cast<int32_t>(row.size()); ++c) {
        const TTileKind* kind = KindOfSymbol(row[c]);
        if (!kind) {
          problems_.Add(Fmt("line %d, column %d: ", rowLines_[r], c + 1) + Shown(row[c]) +
                        " is not in the key (dxlib lake --help lists it).");
          continue;
        }
        s_.cells[static_cast<size_t>(c) * rows + r] = kind->tile;
      }
    }
    rows_.clear();
  }

  void PictureName(const std::string& trimmed, int line) {
    if (!s_.picture.empty()) {
      Problem(line, "[Picture] names one file, on one line.");
      return;
    }
    s_.picture = trimmed;
    s_.pictureLine = line;
  }

  void Object(std::string_view raw, int line) {
    const size_t colon = raw.find(':');
    const std::vector<std::string> words = Words(raw.substr(0, colon));
    TSourceObject object;
    object.line = line;
    if (colon != std::string_view::npos) {
      std::string_view text = raw.substr(colon + 1);
      if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
      object.text = std::string(text);
    }
    if (words.size() < 3 || words.size() > 4) {
      Problem(line, "an object is written NAME COL ROW, then its value if it has one, then ': ' and its text.");
      return;
    }
    object.name = words[0];
    if (!Decimal(words[1], object.col) || !Decimal(words[2], object.row)) {
      Problem(line, "the column and row of " + object.name + " must be whole numbers (\"" + words[1] + " " +
                        words[2] + "\").");
      return;
    }
    if (words.size() == 4) object.param = words[3];
    if (object.name.size() > kShortStringMax) Problem(line, Fmt("the name is longer than %zu characters.", kShortStringMax));
    if (object.param.size() > kShortStringMax) Problem(line, Fmt("the value is longer than %zu characters.", kShortStringMax));
    if (object.text.size() > kTextMax) Problem(line, Fmt("the text is %zu characters long, more than %zu.", object.text.size(), kTextMax));
    if (s_.objects.size() == static_cast<size_t>(kMapObjectCount)) {
      Problem(line, Fmt("a lake holds at most %d objects.", kMapObjectCount));
    }
    s_.objects.push_back(object);
  }

  void Tile(const std::string& trimmed, int line) {
    const std::vector<std::string> words = Words(trimmed);
    TTileOverride tile;
    tile.line = line;
    if (words.size() != 3 || !Decimal(words[0], tile.col) || !Decimal(words[1], tile.row) ||
        !Decimal(words[2], tile.tile)) {
      Problem(line, "a tile is written COL ROW NUMBER, three whole numbers.");
      return;
    }
    s_.tiles.push_back(tile);
  }

  TLakeSource& s_;
  TSourceProblems& problems_;
  TSection section_ = TSection::None;
  std::map<std::string, int> seen_;
  std::map<std::string, int> ruleLines_;
  bool sawMap_ = false;
  std::vector<std::string> rows_;
  std::vector<int> rowLines_;
  int pendingBlank_ = 0;
  bool tooTall_ = false;
};

}  // namespace

void TSourceProblems::Add(const std::string& problem) {
  if (count_++ < kShownProblems) lines_.push_back(problem);
}

std::string TSourceProblems::Text(const std::string& prefix) const {
  std::string text;
  for (const std::string& line : lines_) text += prefix + line + "\n";
  if (count_ > kShownProblems) text += Fmt("... and %d more problems.\n", count_ - kShownProblems);
  return text;
}

std::string TLakeSource::Where(int col, int row) const {
  if (mapLine > 0) return Fmt("line %d, column %d", mapLine + row, col + 1);
  return Fmt("pixel (%d, %d)", col, row);
}

TLakeSource ParseLakeSource(std::string_view text, TSourceProblems& problems) {
  TLakeSource source;
  TParser(source, problems).Parse(text);
  return source;
}

void SetMapFromPixels(TLakeSource& source, int width, int height, const std::vector<uint32_t>& pixels,
                      TSourceProblems& problems) {
  const std::string picture = source.picture;
  if (width > kMaxCols || height > kMaxRows) {
    problems.Add(Fmt("%s: the picture is %d x %d pixels, more than the %d x %d cells a lake can have.",
                     picture.c_str(), width, height, kMaxCols, kMaxRows));
    return;
  }
  if (width < kMinSide || height < kMinSide) {
    problems.Add(Fmt("%s: the picture is %d x %d pixels; a lake needs at least %d x %d.", picture.c_str(), width,
                     height, kMinSide, kMinSide));
    return;
  }
  source.cols = width;
  source.rows = height;
  source.cells.assign(static_cast<size_t>(width) * height, -1);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t colour = pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF;
      const TTileKind* kind = KindOfColour(colour);
      if (!kind) {
        problems.Add(Fmt("%s: pixel (%d, %d) has the colour #%06X, which is not in the palette (dxlib lake palette "
                         "paints it).", picture.c_str(), x, y, colour));
        continue;
      }
      source.cells[static_cast<size_t>(x) * height + y] = kind->tile;
    }
  }
}

TLakeSource ReadLakeSourceFile(const std::string& path, TSourceProblems& problems) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFOpenError(Fmt("Cannot open file %s", path.c_str()));
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  TLakeSource source = ParseLakeSource(text, problems);
  if (source.picture.empty() || source.mapLine > 0) return source;
  const std::filesystem::path picture = std::filesystem::path(path).parent_path() / source.picture;
  int width = 0;
  int height = 0;
  int channels = 0;
  // The size is known from the header; a picture too big for a lake is refused before its pixels
  // are unpacked.
  if (stbi_info(picture.string().c_str(), &width, &height, &channels) &&
      (width > kMaxCols || height > kMaxRows)) {
    SetMapFromPixels(source, width, height, {}, problems);
    return source;
  }
  const std::unique_ptr<unsigned char, void (*)(void*)> data(
      stbi_load(picture.string().c_str(), &width, &height, &channels, 3), stbi_image_free);
  if (!data) {
    problems.Add(Fmt("line %d: the picture %s cannot be read (%s).", source.pictureLine, picture.string().c_str(),
                     stbi_failure_reason()));
    return source;
  }
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < pixels.size(); ++i) {
    const unsigned char* p = data.get() + i * 3;
    pixels[i] = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
  }
  SetMapFromPixels(source, width, height, pixels, problems);
  return source;
}
