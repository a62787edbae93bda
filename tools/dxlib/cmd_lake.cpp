// dxlib lake make | text | palette | draw: lakes for the fishing game from a text map or a painted
// picture, and any lake back as a text map or as a picture of the whole lake. The work is done by
// the lake maker library (tools/lakemaker), which the world generator shares.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fishing/iso_map.h"
#include "media/errors.h"
#include "tools/dxlib/command.h"
#include "tools/lakemaker/lake_files.h"
#include "tools/lakemaker/lake_rules.h"
#include "tools/lakemaker/lake_text.h"
#include "tools/lakemaker/tile_key.h"

// The picture commands (cmd_lake_pictures.cpp); each returns the exit code.
int RunLakePalette(const std::string& outPng, TCommandOutput& out);
int RunLakeDraw(const std::string& isoPath, const std::string& tilesPath, const std::string& outPng, bool objects,
                TCommandOutput& out);

namespace {

namespace fs = std::filesystem;

int Make(const std::string& source, const std::string& outDir, TCommandOutput& out) {
  const TMadeLake made = MakeLakeFiles(source, outDir);
  for (const std::string& note : made.notes) out.Print("Note: %s\n", note.c_str());
  out.Print("made %s.iso, %s.ini and %s.bmp in %s\n%s\n", made.name.c_str(), made.name.c_str(), made.name.c_str(),
            outDir.c_str(), made.catalogueLine.c_str());
  return 0;
}

int Text(const std::string& isoPath, const std::string& outTxt, TCommandOutput& out) {
  const TIsoMap map = ReadIsoMap(isoPath);
  fs::path ini = fs::path(isoPath).replace_extension(".ini");
  TLakeRules rules;
  std::vector<std::string> notes;
  if (fs::is_regular_file(ini)) {
    rules = ReadLakeRules(ini.string());
  } else {
    notes.push_back("there is no " + ini.string() + "; the rules are the defaults.");
  }
  const std::string text = LakeSourceText(map, rules, notes);
  const std::string temporary = outTxt + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
    if (!file) throw EStreamError(Fmt("Cannot create file %s", outTxt.c_str()));
  }
  if (std::rename(temporary.c_str(), outTxt.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw EStreamError(Fmt("Cannot create file %s", outTxt.c_str()));
  }
  for (const std::string& note : notes) out.Print("Note: %s\n", note.c_str());
  out.Print("wrote %s (%d x %d cells)\n", outTxt.c_str(), map.lastCol + 1, map.lastRow + 1);
  return 0;
}

int RunLake(const std::vector<std::string>& args, TCommandOutput& out) {
  if (args.empty()) throw TUsageError("lake needs make, text, palette or draw");
  const std::string& what = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (what == "make") {
    RequireArguments(rest, 2);
    return Make(rest[0], rest[1], out);
  }
  if (what == "text") {
    RequireArguments(rest, 2);
    return Text(rest[0], rest[1], out);
  }
  if (what == "palette") {
    RequireArguments(rest, 1);
    return RunLakePalette(rest[0], out);
  }
  if (what == "draw") {
    const bool objects = rest.size() == 4 && rest[3] == "--objects";
    if (rest.size() != 3 && !objects) throw TUsageError("lake draw LAKE.iso TILES.dxg OUT.png [--objects]");
    return RunLakeDraw(rest[0], rest[1], rest[2], objects, out);
  }
  throw TUsageError("lake knows make, text, palette and draw, not " + what);
}

std::string KeyHelp() {
  std::string text;
  int column = 0;
  for (const TTileKind& kind : TileKinds()) {
    char cell[48];
    std::snprintf(cell, sizeof cell, "    %c  %06X  %-22s", kind.symbol, kind.colour, kind.name);
    text += cell;
    if (++column % 2 == 0) text += "\n";
  }
  if (column % 2) text += "\n";
  return text;
}

const TCommandRegistrar kLake({"lake", "lake make|text|palette|draw",
                               "make a fishing lake from a text map or a picture; draw or write one back",
                               "lake: the fishing game's lakes (docs/making-lakes.md has the whole story)\n"
                               "  lake make SOURCE OUTDIR      SOURCE's NAME.iso, NAME.ini and NAME.bmp into\n"
                               "                               OUTDIR; every problem is listed with its line\n"
                               "                               and column (or pixel) and nothing is written\n"
                               "  lake text LAKE.iso OUT.txt   any lake back as a source (rules from LAKE.ini)\n"
                               "  lake palette OUT.png         the colours to paint a [Picture] map with\n"
                               "  lake draw LAKE.iso TILES.dxg OUT.png [--objects]\n"
                               "                               the whole lake as play draws it; --objects\n"
                               "                               labels each map object\n"
                               "  the key, one character and one colour a kind of cell (grass and sand\n"
                               "  take their shore pieces from the water around them):\n" +
                                   KeyHelp(),
                               RunLake});

}  // namespace
