// Reads arbitrary bytes as each of the fishing front end's ini files: the lake catalogue (with the
// smallest, a usual and the largest lake count), a lake file and a save game. Checks that every
// listed lake is a value the catalogue gives under its number and that a larger count lists more.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "fishing/lake_catalogue.h"
#include "fishing/lake_trip.h"
#include "fishing/save_game.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("fuzz_lake_catalogue_" + std::to_string(getpid()) + ".ini");
  {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const std::vector<std::string> none = ReadLakeCatalogue(path.string(), 0);
  const std::vector<std::string> usual = ReadLakeCatalogue(path.string(), 255);
  const std::vector<std::string> all = ReadLakeCatalogue(path.string(), std::numeric_limits<int32_t>::max());
  Check(none.empty());
  Check(usual.size() <= all.size());
  // The first lakes are the same whatever the count: a larger count only adds lakes after them.
  for (size_t i = 0; i < usual.size(); ++i) Check(usual[i] == all[i]);
  for (const std::string& name : all) Check(name != "NA" && name.size() <= size);

  auto trip = std::make_unique<LakeTrip>();
  const std::string description = ReadLakeFile(path.string(), *trip);
  Check(description.size() <= 2047 || description == "No Description");
  const TSaveGame save = ReadSaveGame(path.string());
  Check(save.name.size() <= 2047);

  std::filesystem::remove(path);
  return 0;
}
