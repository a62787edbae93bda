// Image and sound collections: lookup by name, the name index, positions, pattern geometry and
// loading from files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "media/library_writer.h"
#include "media/name_index.h"
#include "media/picture_collection.h"
#include "media/wave_collection.h"
#include "tests/media/library_streams.h"
#include "tests/support/test_pictures.h"

namespace {

std::vector<uint8_t> NamedImages(const std::vector<std::string>& names) {
  std::vector<TPictureItemData> items;
  for (const std::string& name : names) {
    TPictureItemData item;
    item.Name = name;
    item.Picture = Solid(2, 2, 0x123456);
    items.push_back(item);
  }
  return EncodePictureLibrary(items);
}

void Load(TPictureCollection& images, const std::vector<uint8_t>& bytes) {
  images.ReadFromStream(bytes.data(), bytes.size());
}

TEST(LibraryNameIndex, BucketFollowsLengthFirstAndSecondToLastCharacter) {
  EXPECT_EQ(TNameIndex::Bucket(""), 0);
  EXPECT_EQ(TNameIndex::Bucket("a"), 16);
  // "fish": 4 * 16 + 'f' + 's' = 64 + 102 + 115 = 281 -> 25
  EXPECT_EQ(TNameIndex::Bucket("fish"), 25);
  EXPECT_EQ(TNameIndex::Bucket("ab"), (32 + 'a' + 'a') % 256);
  EXPECT_EQ(LowerCaseName("FiSH\xC4"), "fish\xE4");
}

TEST(LibraryCollection, FindIgnoresCaseAndRaisesForMissingNames) {
  TPictureCollection images;
  Load(images, NamedImages({"boat", "Fish", "lure"}));
  ASSERT_EQ(images.Count(), 3);
  EXPECT_EQ(&images.Find("Fish"), &images.Find("FISH"));
  EXPECT_EQ(images.Find("fish").Index(), 1);
  EXPECT_EQ(images.IndexOf("LURE"), 2);
  EXPECT_EQ(images.IndexOf("pike"), -1);
  EXPECT_EQ(ErrorOf([&] { images.Find("pike"); }), "Image 'pike' not found");
  EXPECT_THROW(images.Find("pike"), EPictureCollectionError);
}

TEST(LibraryCollection, LaterItemOfEqualNameWinsAndRenamesMoveToTheHead) {
  TPictureCollection images;
  Load(images, NamedImages({"cast", "other", "CAST"}));
  EXPECT_EQ(images.Find("cast").Index(), 2);
  EXPECT_EQ(images.IndexOf("Cast"), 2);
  // Renaming the first one puts it at the head of the chain: it is found first now.
  images.Items(0).SetName("cast");
  EXPECT_EQ(images.IndexOf("cast"), 0);
  // A renamed item is no longer found under its old name.
  images.Items(0).SetName("net");
  EXPECT_EQ(images.IndexOf("cast"), 2);
  EXPECT_EQ(images.IndexOf("net"), 0);
}

TEST(LibraryCollection, ItemsChecksItsIndexAndDeleteRenumbers) {
  TPictureCollection images;
  Load(images, NamedImages({"a", "b", "c", "d"}));
  EXPECT_EQ(ErrorOf([&] { images.Items(4); }), "List index out of bounds (4)");
  EXPECT_EQ(ErrorOf([&] { images.Items(-1); }), "List index out of bounds (-1)");
  EXPECT_THROW(images.Items(-1), EListError);
  images.Delete(1);
  ASSERT_EQ(images.Count(), 3);
  EXPECT_EQ(images.Items(1).Name(), "c");
  EXPECT_EQ(images.Items(1).Index(), 1);
  EXPECT_EQ(images.Items(2).Index(), 2);
  EXPECT_EQ(images.IndexOf("b"), -1);
  EXPECT_EQ(images.IndexOf("d"), 2);
  images.Clear();
  EXPECT_EQ(images.Count(), 0);
  EXPECT_EQ(images.IndexOf("a"), -1);
}

TEST(LibraryCollection, EmptyListLoadsNoItems) {
  TPictureCollection images;
  Load(images, NamedImages({"old"}));
  Load(images, TLibraryBuilder().BeginList().Finish());
  EXPECT_EQ(images.Count(), 0);
  EXPECT_EQ(ErrorOf([&] { images.Find("old"); }), "Image 'old' not found");

  TWaveCollection waves;
  const auto bytes = TLibraryBuilder("TWaveCollectionComponent").BeginList().Finish();
  waves.ReadFromStream(bytes.data(), bytes.size());
  EXPECT_EQ(waves.Count(), 0);
  EXPECT_EQ(ErrorOf([&] { waves.Find("splash"); }), "Wave 'splash' not found");
  EXPECT_THROW(waves.Find("splash"), EWaveCollectionError);
}

TEST(LibraryPatterns, GridFollowsPatternAndSkipSizes) {
  TPictureCollection images;
  TPictureCollectionItem& item = images.Add();
  item.SetPicture(Solid(160, 32, 0));
  EXPECT_EQ(item.PatternTotal(), 1);
  EXPECT_EQ(item.Width(), 160);
  EXPECT_EQ(item.Height(), 32);

  item.PatternWidth = 32;
  item.PatternHeight = 32;
  EXPECT_EQ(item.PatternTotal(), 5);
  EXPECT_EQ(item.PatternRect(4), Bounds(128, 0, 32, 32));
  EXPECT_EQ(item.PatternRect(5), TRect{});

  item.SetPicture(Solid(166, 32, 0));
  item.SkipWidth = 2;
  EXPECT_EQ(item.PatternTotal(), 4);  // (166 + 2) div 34
  EXPECT_EQ(item.PatternRect(3), Bounds(102, 0, 32, 32));

  item.SetPicture(Solid(64, 70, 0));
  item.SkipWidth = 0;
  item.SkipHeight = 3;
  EXPECT_EQ(item.PatternTotal(), 4);  // 2 columns, (70 + 3) div 35 = 2 rows
  EXPECT_EQ(item.PatternRect(3), Bounds(32, 35, 32, 32));

  // A stride that is not positive gives no patterns rather than a division by zero.
  item.SkipWidth = -32;
  EXPECT_EQ(item.PatternTotal(), 0);
  EXPECT_EQ(item.PatternRect(0), TRect{});
}

TEST(LibraryFiles, MissingFileKeepsThePreviousItems) {
  const std::string path = testing::TempDir() + "library_collection_fish.dxg";
  TPictureItemData fish;
  fish.Name = "fish";
  fish.Picture = Solid(3, 1, 0xFF00FF);
  WritePictureLibrary(path, {fish});

  TPictureCollection images;
  images.ReadFromFile(path);
  ASSERT_EQ(images.Count(), 1);
  const std::string missing = testing::TempDir() + "no_such_library.dxg";
  EXPECT_EQ(ErrorOf([&] { images.ReadFromFile(missing); }), "Cannot open file " + missing);
  EXPECT_THROW(images.ReadFromFile(missing), EFOpenError);
  ASSERT_EQ(images.Count(), 1);
  EXPECT_EQ(images.Find("FISH").Picture(), fish.Picture);
  // A folder cannot be read as a library either.
  EXPECT_THROW(images.ReadFromFile(testing::TempDir()), EFOpenError);
  std::remove(path.c_str());
}

TEST(LibraryFiles, WriterReplacesTheFileWhole) {
  const std::string path = testing::TempDir() + "library_collection_sounds.dxw";
  TWaveItemData splash;
  splash.Name = "splash";
  splash.Wave.Data = {1, 2, 3};
  WriteWaveLibrary(path, {splash});
  WriteWaveLibrary(path, {splash, splash});
  TWaveCollection waves;
  waves.ReadFromFile(path);
  EXPECT_EQ(waves.Count(), 2);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  const std::string bad = testing::TempDir() + "no_such_folder/x.dxw";
  EXPECT_EQ(ErrorOf([&] { WriteWaveLibrary(bad, {splash}); }), "Cannot create file " + bad);
  std::remove(path.c_str());
}

}  // namespace
