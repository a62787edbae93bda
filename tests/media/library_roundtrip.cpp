// read(write(x)) == x for image and sound libraries made by the library writer.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "media/library_writer.h"
#include "media/picture_collection.h"
#include "media/wave_collection.h"

namespace {

TPictureItemData ImageItem(const char* name, int width, int height, uint32_t colors) {
  TPictureItemData item;
  item.Name = name;
  item.Picture.Width = width;
  item.Picture.Height = height;
  for (int i = 0; i < width * height; ++i) {
    item.Picture.Pixels.push_back((static_cast<uint32_t>(i / 3) % colors) * 0x0A0B0C & 0xFFFFFF);
  }
  return item;
}

TEST(LibraryRoundTrip, ImageItemsComeBackFieldByField) {
  std::vector<TPictureItemData> items;
  items.push_back(ImageItem("runs", 64, 16, 3));
  items.back().PatternWidth = 16;
  items.back().PatternHeight = 16;
  items.back().SkipWidth = 2;
  items.back().SkipHeight = -1;
  items.back().TransparentColor = clFuchsia;
  items.push_back(ImageItem("Rich \xE9", 40, 30, 5000));
  items.back().Transparent = false;
  items.back().SystemMemory = true;
  items.back().TransparentColor = 0x80000005;  // clWindow
  items.push_back(ImageItem("odd key", 3, 3, 9));
  items.back().TransparentColor = 0x123456;
  items.push_back(TPictureItemData{});  // no name, no picture
  const std::vector<uint8_t> bytes = EncodePictureLibrary(items);

  TPictureCollection images;
  images.ReadFromStream(bytes.data(), bytes.size());
  ASSERT_EQ(images.Count(), static_cast<int>(items.size()));
  for (int i = 0; i < images.Count(); ++i) {
    const TPictureCollectionItem& got = images.Items(i);
    const TPictureItemData& want = items[i];
    EXPECT_EQ(got.Name(), want.Name);
    EXPECT_EQ(got.PatternWidth, want.PatternWidth);
    EXPECT_EQ(got.PatternHeight, want.PatternHeight);
    EXPECT_EQ(got.SkipWidth, want.SkipWidth);
    EXPECT_EQ(got.SkipHeight, want.SkipHeight);
    EXPECT_EQ(got.SystemMemory, want.SystemMemory);
    EXPECT_EQ(got.Transparent, want.Transparent);
    EXPECT_EQ(got.TransparentColor(), want.TransparentColor);
    EXPECT_EQ(got.Picture(), want.Picture) << want.Name;
  }
  EXPECT_EQ(images.Items(0).PatternTotal(), 3);  // (64 + 2) div 18 columns, one row
}

// Pictures loaded from a file point into its bytes; from memory they copy them. Either way they
// stay whole after the library that loaded them, and the memory it read from, are gone.
TEST(LibraryRoundTrip, PicturesOutliveTheirLibrary) {
  std::vector<TPictureItemData> items;
  items.push_back(ImageItem("runs", 64, 16, 3));
  items.push_back(ImageItem("rich", 40, 30, 5000));
  items.push_back(ImageItem("few", 17, 9, 40));
  const std::string path = testing::TempDir() + "library_roundtrip_outlive.dxg";
  WritePictureLibrary(path, items);

  std::vector<TDib> kept;
  {
    TPictureCollection fromFile;
    fromFile.ReadFromFile(path);
    std::vector<uint8_t> bytes = EncodePictureLibrary(items);
    TPictureCollection fromMemory;
    fromMemory.ReadFromStream(bytes.data(), bytes.size());
    bytes.assign(bytes.size(), 0xCD);
    for (int i = 0; i < 3; ++i) {
      kept.push_back(fromFile.Items(i).Dib());
      kept.push_back(fromMemory.Items(i).Dib());
    }
  }
  std::remove(path.c_str());
  for (size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(kept[i].Decode(), items[i / 2].Picture) << i;
}

TEST(LibraryRoundTrip, SoundItemsComeBackFieldByField) {
  std::vector<TWaveItemData> items(3);
  items[0].Name = "reel";
  items[0].Looped = true;
  items[0].MaxPlayingCount = 300;
  items[0].Wave.Format = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0};
  items[0].Wave.Data.assign(70001, 3);
  items[1].Name = "format only";
  items[1].Wave.Format = {1, 0};
  items[2].Name = "data only";
  items[2].Wave.Data = {9};
  const std::vector<uint8_t> bytes = EncodeWaveLibrary(items);
  TWaveCollection waves;
  waves.ReadFromStream(bytes.data(), bytes.size());
  ASSERT_EQ(waves.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(waves.Items(i).Name(), items[i].Name);
    EXPECT_EQ(waves.Items(i).Looped(), items[i].Looped);
    EXPECT_EQ(waves.Items(i).MaxPlayingCount(), items[i].MaxPlayingCount);
    EXPECT_EQ(waves.Items(i).Wave(), items[i].Wave);
  }
}

}  // namespace
