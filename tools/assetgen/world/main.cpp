// assetgen_world OUTDIR [--preview DIR]: writes the lake tile libraries, the lake catalogue with
// every generated lake's ini file, map picture and map, and the program's options file into OUTDIR
// (the lakes made from text maps are listed in the catalogue; the build makes their files). With
// --preview it also draws each lake as play shows it into PNG files in DIR.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "fishing/iso_map.h"
#include "fishing/lake_check.h"
#include "fishing/lake_trip.h"
#include "media/library_writer.h"
#include "tools/assetgen/world/lake_catalogue.h"
#include "tools/assetgen/world/map_preview.h"
#include "tools/assetgen/world/output_files.h"
#include "tools/lakemaker/lake_overview.h"

namespace {

// The same checks play makes before it takes the entry fee, so a lake that play would refuse
// never leaves the generator.
void CheckAsPlayWould(const TLakeDefinition& lake, const TIsoMap& map) {
  // The trip record holds the whole fixed grid, too big for the stack.
  auto trip = std::make_unique<LakeTrip>();
  trip->lastFish = lake.maxFish - 1;
  trip->lastMonster = lake.maxMonster - 1;
  trip->Biggest = lake.biggest;
  trip->Difficulty = lake.difficulty;
  CheckLakeValues(*trip);
  CheckLakeMap(*trip, map);
}

int Run(const std::filesystem::path& out, const std::string& previewDir) {
  std::filesystem::create_directories(out / "lakes");
  std::map<std::string, std::vector<TPictureItemData>> libraries;
  for (const TLook* look : {&CanadaLook(), &TropicLook()}) {
    libraries[look->library] = BuildTileItems(*look);
    WritePictureLibrary((out / look->library).string(), libraries[look->library]);
  }
  const std::vector<TLakeDefinition> lakes = CampaignLakes();
  for (const TLakeDefinition& lake : lakes) {
    if (lake.fromTextMap) continue;
    const TIsoMap map = GenerateLakeMap(lake.shape, *lake.look, lake.objects);
    CheckAsPlayWould(lake, map);
    const std::filesystem::path stem = out / "lakes" / lake.name;
    WriteIsoMap(stem.string() + ".iso", map);
    const TPicture overview = DrawLakeOverview(map, OverviewColoursFor(lake.look->library));
    WriteWholeFile(stem.string() + ".bmp", EncodeBmp24(overview));
    WriteWholeFile(stem.string() + ".ini", LakeIniText(lake));
    if (!previewDir.empty()) {
      std::filesystem::create_directories(previewDir);
      WriteLakePreviews(map, libraries[lake.look->library], previewDir + "/" + lake.name);
      WritePicturePng(overview, previewDir + "/" + lake.name + "-overview.png");
    }
  }
  WriteWholeFile((out / "lakes" / "lakes.ini").string(), CatalogueIniText(lakes));
  WriteWholeFile((out / "tarnhook.ini").string(), OptionsIniText());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string previewDir;
  if (argc == 4 && std::string(argv[2]) == "--preview") previewDir = argv[3];
  if (argc != 2 && previewDir.empty()) {
    std::fprintf(stderr, "usage: assetgen_world OUTDIR [--preview DIR]\n");
    return 2;
  }
  try {
    return Run(argv[1], previewDir);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen_world: %s\n", e.what());
    return 1;
  }
}
