#include "tools/lakemaker/lake_text.h"

#include "fishing/lake_map.h"
#include "media/errors.h"
#include "tools/lakemaker/lake_build.h"
#include "tools/lakemaker/lake_source.h"
#include "tools/lakemaker/tile_key.h"

namespace {

constexpr char kNoKind = 'x';  // numbers without a character: land, like "no tile"

bool HasBlank(const std::string& text) { return text.find_first_of(" \t") != std::string::npos; }

// One object line, or nothing when the record cannot be written as one.
std::string ObjectLine(const TIsoObject& object, int index, std::vector<std::string>& notes) {
  std::string name = object.name;
  if (HasBlank(name) || name.find(':') != std::string::npos) {
    name = NormalizedObjectName(name);
    notes.push_back(Fmt("object %d: the name \"%s\" is written as \"%s\".", index, object.name.c_str(), name.c_str()));
  }
  if (name.empty() || HasBlank(name)) {
    notes.push_back(Fmt("object %d: the name \"%s\" cannot be written; the object is left out.", index,
                        object.name.c_str()));
    return {};
  }
  std::string line = name + " " + std::to_string(object.col) + " " + std::to_string(object.row);
  if (!object.param.empty()) {
    if (HasBlank(object.param) || object.param.find(':') != std::string::npos) {
      notes.push_back(Fmt("object %d (%s): the value \"%s\" holds a blank or ':' and is left out.", index,
                          name.c_str(), object.param.c_str()));
    } else {
      line += " " + object.param;
    }
  }
  if (!object.text.empty()) {
    std::string text = object.text;
    for (char& ch : text) {
      if (ch == '\n' || ch == '\r') ch = ' ';
    }
    if (text != object.text) notes.push_back(Fmt("object %d (%s): line breaks in the text became blanks.", index, name.c_str()));
    line += " : " + text;
  }
  if (!object.active) notes.push_back(Fmt("object %d (%s) was used up; the source makes it new.", index, name.c_str()));
  return line + "\n";
}

}  // namespace

std::string LakeSourceText(const TIsoMap& map, const TLakeRules& rules, std::vector<std::string>& notes) {
  std::string text =
      "# A lake source: dxlib lake make turns it into the lake's .iso, .ini and .bmp files.\n"
      "# The key of the map's characters: dxlib lake --help.\n\n[Lake Data]\n";
  for (const std::string& key : LakeRuleKeys()) text += key + "=" + LakeRuleText(rules, key) + "\n";
  text += "\n[Map]\n";
  for (int32_t r = 0; r <= map.lastRow; ++r) {
    for (int32_t c = 0; c <= map.lastCol; ++c) {
      const TTileKind* kind = KindOfTile(map.Cell(c, r));
      text += kind ? kind->symbol : kNoKind;
    }
    text += "\n";
  }
  text += "\n[Objects]\n";
  int gap = -1;
  for (int i = 0; i < kMapObjectCount; ++i) {
    const TIsoObject& object = map.objects[i];
    if (object.name.empty()) {
      if (gap < 0) gap = i;
      continue;
    }
    if (gap >= 0) {
      notes.push_back(Fmt("object records %d..%d are empty; the objects after them move up.", gap, i - 1));
      gap = -1;
    }
    text += ObjectLine(object, i, notes);
  }

  // What make gives for this text, compared cell by cell with the map.
  TSourceProblems ignored;
  const TLakeSource source = ParseLakeSource(text, ignored);
  const std::unique_ptr<TIsoMap> made = AssembleLakeMap(source);
  std::string tiles;
  if (made->cells.size() == map.cells.size()) {
    for (int32_t c = 0; c <= map.lastCol; ++c) {
      for (int32_t r = 0; r <= map.lastRow; ++r) {
        if (made->Cell(c, r) != map.Cell(c, r)) tiles += Fmt("%d %d %d\n", c, r, map.Cell(c, r));
      }
    }
  }
  if (!tiles.empty()) text += "\n# Cells that differ from what the characters and the shore rule give.\n[Tiles]\n" + tiles;
  return text;
}
