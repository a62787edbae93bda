// Lake source reader: any text gives a source or a list of problems, never a crash or a hang; a
// source without problems makes a map that encodes, and that map written back as a text map makes
// the same cells again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fishing/iso_map.h"
#include "media/errors.h"
#include "tools/lakemaker/lake_build.h"
#include "tools/lakemaker/lake_source.h"
#include "tools/lakemaker/lake_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TSourceProblems problems;
  const TLakeSource source = ParseLakeSource(text, problems);
  const std::unique_ptr<TIsoMap> map = AssembleLakeMap(source);
  std::vector<std::string> notes;
  if (problems.Empty()) CheckLakeSource(source, *map, problems, notes);
  if (!problems.Empty()) return 0;
  EncodeIsoMap(*map);
  const std::string again = LakeSourceText(*map, source.rules, notes);
  TSourceProblems ignored;
  const std::unique_ptr<TIsoMap> remade = AssembleLakeMap(ParseLakeSource(again, ignored));
  if (remade->cells != map->cells || remade->lastCol != map->lastCol || remade->lastRow != map->lastRow) std::abort();
  return 0;
}
