#include "tools/assetgen/bowling_people/people_folders.h"

#include <filesystem>

#include "media/dib_writer.h"
#include "media/file_bytes.h"
#include "tools/assetgen/bowling_people/alley_pictures.h"
#include "tools/assetgen/bowling_people/bowler_pictures.h"
#include "tools/assetgen/bowling_people/bowler_portrait.h"

namespace bowling_people {

std::vector<TPictureItemData> BowlerLibrary(const std::string& name) {
  return BowlerItems(RenderBowler(BowlerStyleNamed(name)));
}

std::vector<TPictureItemData> AlleyLibrary(const std::string& name) {
  return AlleyItems(RenderAlley(AlleyStyleNamed(name)));
}

void WritePeopleFolders(const std::string& folder) {
  namespace fs = std::filesystem;
  const fs::path root(folder);
  // Each bowler poses in front of one of the alleys, in the same order.
  std::vector<Image> halls;
  for (const AlleyStyle& style : AlleyStyles()) {
    const AlleyPictures pictures = RenderAlley(style);
    const fs::path dir = root / "alleys" / style.Name;
    fs::create_directories(dir);
    WritePictureLibrary((dir / "anis.dxg").string(), AlleyItems(pictures));
    WriteFileBytes((dir / "postcard.bmp").string(), EncodeBitmapFile(AlleyPostcard(style, pictures)));
    halls.push_back(pictures.Hall);
  }
  for (size_t i = 0; i < BowlerStyles().size(); ++i) {
    const BowlerStyle& style = BowlerStyles()[i];
    const fs::path dir = root / "bowlers" / style.Name;
    fs::create_directories(dir);
    WritePictureLibrary((dir / "anis.dxg").string(), BowlerItems(RenderBowler(style)));
    WriteFileBytes((dir / "pose.bmp").string(), EncodeBitmapFile(BowlerPortrait(style, halls[i % halls.size()])));
  }
}

}  // namespace bowling_people
