#include "tests/tools/bowling_people_data.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "media/library_writer.h"
#include "tools/assetgen/bowling_people/people_folders.h"

namespace bowling_people_test {

namespace {

using Cache = std::map<std::string, std::unique_ptr<TPictureCollection>>;

TPictureCollection& Cached(Cache& cache, const std::string& name,
                           std::vector<TPictureItemData> (*make)(const std::string&)) {
  auto& entry = cache[name];
  if (!entry) {
    entry = std::make_unique<TPictureCollection>();
    const std::vector<uint8_t> bytes = EncodePictureLibrary(make(name));
    entry->ReadFromStream(bytes.data(), bytes.size());
  }
  return *entry;
}

}  // namespace

TPictureCollection& BowlerAnis(const std::string& name) {
  static Cache cache;
  return Cached(cache, name, bowling_people::BowlerLibrary);
}

TPictureCollection& AlleyAnis(const std::string& name) {
  static Cache cache;
  return Cached(cache, name, bowling_people::AlleyLibrary);
}

bool Drawn(const TPictureCollectionItem& item, int pattern, int x, int y) {
  return !Keyed(item, PixelOf(item, pattern, x, y));
}

int ColourDistance(uint32_t a, uint32_t b) {
  int d = 0;
  for (int shift : {16, 8, 0}) {
    d += std::abs(static_cast<int>((a >> shift) & 255) - static_cast<int>((b >> shift) & 255));
  }
  return d;
}

}  // namespace bowling_people_test
