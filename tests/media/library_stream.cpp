// The component stream: every value type, prefix bytes, dotted names, child records, the error
// texts, the nesting limit on a small stack, and clean errors for every truncation of a valid file.
#include <gtest/gtest.h>
#include <pthread.h>

#include <cmath>
#include <string>
#include <vector>

#include "media/component_stream.h"
#include "media/library_writer.h"
#include "media/picture_collection.h"
#include "media/wave_collection.h"
#include "tests/media/library_streams.h"

namespace {

// Writes one value of every type, in type order, as the properties "t0" .. "t19" (no "t0").
void WriteEveryType(TComponentWriter& w) {
  const auto name = [&](int type) { w.WritePropertyName("t" + std::to_string(type)); };
  name(1);
  w.WriteValueType(TValueType::vaList);
  w.WriteInteger(5);
  w.WriteString("x");
  w.WriteListEnd();
  name(2);
  w.WriteInteger(-7);
  name(3);
  w.WriteInteger(-300);
  name(4);
  w.WriteInteger(100000);
  name(5);  // 1.5 as an extended
  w.WriteValueType(TValueType::vaExtended);
  for (uint8_t b : {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}) w.WriteU8(b);
  name(6);
  w.WriteString("short");
  name(7);
  w.WriteIdent("clFuchsia");
  name(8);
  w.WriteBoolean(false);
  name(9);
  w.WriteBoolean(true);
  name(10);
  w.WriteBinary({1, 2, 3});
  name(11);
  w.WriteValueType(TValueType::vaSet);
  w.WriteShortString("fsBold");
  w.WriteShortString("fsItalic");
  w.WriteShortString("");
  name(12);
  w.WriteString(std::string(300, 'L'));
  name(13);
  w.WriteValueType(TValueType::vaNil);
  name(14);
  w.BeginCollection();
  w.WriteInteger(0);
  w.BeginCollectionItem();
  w.WritePropertyName("Inner");
  w.WriteInteger(1);
  w.WriteListEnd();
  w.WriteListEnd();
  name(15);
  w.WriteValueType(TValueType::vaSingle);
  w.WriteU32(0x40200000);  // 2.5f
  name(16);
  w.WriteValueType(TValueType::vaCurrency);
  w.WriteU32(12345);
  w.WriteU32(0);
  name(17);
  w.WriteValueType(TValueType::vaDate);
  w.WriteU32(0);
  w.WriteU32(0x40590000);  // 100.0
  name(18);
  w.WriteValueType(TValueType::vaWString);
  w.WriteU32(2);
  for (uint8_t b : {0x68, 0, 0xAC, 0x20}) w.WriteU8(b);
  name(19);
  w.WriteInteger(int64_t{1} << 40);
}

// Reads each property of WriteEveryType with the matching typed reader and keeps a text of it.
class TEveryTypeObject : public TStreamObject {
 public:
  std::vector<std::string> Seen;
  std::string ClassName() const override { return "TEveryType"; }
  bool ReadProperty(std::string_view name, TComponentReader& r) override {
    const int type = std::stoi(std::string(name.substr(1)));
    std::string text;
    switch (type) {
      case 1: {
        int count = 0;
        r.ReadList([&] { r.SkipValue(); ++count; });
        text = "list of " + std::to_string(count);
        break;
      }
      case 2: case 3: case 4: text = std::to_string(r.ReadInteger()); break;
      case 19: text = std::to_string(r.ReadInt64()); break;
      case 5: case 15: case 17: text = std::to_string(r.ReadFloat()); break;
      case 6: text = r.ReadString(); break;
      case 12: text = std::to_string(r.ReadString().size()); break;
      case 7: text = r.ReadIdent(); break;
      case 8: case 9: text = r.ReadBoolean() ? "true" : "false"; break;
      case 10: text = std::to_string(r.ReadBinary().Size()); break;
      case 11: for (const std::string& m : r.ReadSet()) text += m + ";"; break;
      case 13: text = r.ReadIdent(); break;
      case 14: {
        r.ReadCollection([&]() -> TStreamObject& { return inner_; });
        text = "collection";
        break;
      }
      case 16: text = std::to_string(r.ReadCurrency()); break;
      case 18: text = std::to_string(r.ReadWideString()[1]); break;
      default: return false;
    }
    Seen.push_back(text);
    return true;
  }

 private:
  class TInner : public TStreamObject {
    std::string ClassName() const override { return "TInner"; }
    bool ReadProperty(std::string_view, TComponentReader& r) override {
      r.ReadInteger();
      return true;
    }
  } inner_;
};

std::string LoadImages(TPictureCollection& images, const std::vector<uint8_t>& bytes) {
  return ErrorOf([&] { images.ReadFromStream(bytes.data(), bytes.size()); });
}

TEST(LibraryStream, ReadsEveryValueType) {
  TComponentWriter w;
  w.WriteSignature();
  w.BeginObject("TEveryType", "");
  WriteEveryType(w);
  w.WriteListEnd();
  w.WriteListEnd();
  TComponentReader reader(w.Bytes().data(), w.Bytes().size());
  reader.ReadSignature();
  TEveryTypeObject object;
  reader.ReadRootObject(object);
  const std::vector<std::string> expected{
      "list of 2", "-7", "-300", "100000", "1.500000", "short", "clFuchsia", "false", "true", "3",
      "fsBold;fsItalic;", "300", "nil", "collection", "2.500000", "12345", "100.000000",
      std::to_string(0x20AC), std::to_string(int64_t{1} << 40)};
  EXPECT_EQ(object.Seen, expected);
}

TEST(LibraryStream, SkipsChildRecordsWithEveryValueTypeAndReadsPrefixBytes) {
  TComponentWriter w;
  w.WriteSignature();
  w.WriteU8(0xF2);  // prefix with a child position
  w.WriteInteger(3);
  w.BeginObject("TPictureCollectionComponent", "Images");
  w.WritePropertyName("Name");
  w.WriteString("Images");
  w.WritePropertyName("Tag");
  w.WriteInteger(-1);
  w.WritePropertyName("List");
  w.BeginCollection();
  w.WriteInteger(0);  // item order, ignored
  w.BeginCollectionItem();
  w.WritePropertyName("Name");
  w.WriteString("fish");
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();  // root properties
  w.WriteU8(0xF0);   // a child with a prefix but no position
  w.BeginObject("TSomething", "Child");
  WriteEveryType(w);
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();  // root children
  TPictureCollection images;
  EXPECT_EQ(LoadImages(images, w.Bytes()), "");
  ASSERT_EQ(images.Count(), 1);
  EXPECT_EQ(images.Items(0).Name(), "fish");
}

TEST(LibraryStream, ItemPropertiesAcceptTheirValueTypes) {
  const auto bytes = TLibraryBuilder()
                         .Root([](TComponentWriter& w) {
                           w.WritePropertyName("List.ColorTable");
                           std::vector<uint8_t> table(1030, 0);
                           table[4] = 0xAB;
                           w.WriteBinary(table);
                         })
                         .BeginList()
                         .Item([](TComponentWriter& w) {
                           w.WritePropertyName("Name");
                           w.WriteString(std::string(260, 'n'));  // long string
                           w.WritePropertyName("PatternWidth");
                           w.WriteInteger(-2);
                           w.WritePropertyName("PatternHeight");
                           w.WriteInteger(1000);
                           w.WritePropertyName("SkipWidth");
                           w.WriteInteger(70000);
                           w.WritePropertyName("SystemMemory");
                           w.WriteIdent("TRUE");
                           w.WritePropertyName("Transparent");
                           w.WriteIdent("false");
                           w.WritePropertyName("TransparentColor");
                           w.WriteIdent("clFuchsia");
                         })
                         .Item([](TComponentWriter& w) {
                           w.WritePropertyName("TransparentColor");
                           w.WriteIdent("clBtnFace");
                         })
                         .Item([](TComponentWriter& w) {
                           w.WritePropertyName("TransparentColor");
                           w.WriteInteger(0x00FF00);
                         })
                         .Finish();
  TPictureCollection images;
  ASSERT_EQ(LoadImages(images, bytes), "");
  ASSERT_EQ(images.Count(), 3);
  const TPictureCollectionItem& item = images.Items(0);
  EXPECT_EQ(item.Name(), std::string(260, 'n'));
  EXPECT_EQ(item.PatternWidth, -2);
  EXPECT_EQ(item.PatternHeight, 1000);
  EXPECT_EQ(item.SkipWidth, 70000);
  EXPECT_TRUE(item.SystemMemory);
  EXPECT_FALSE(item.Transparent);
  EXPECT_EQ(item.TransparentColor(), 0xFF00FFu);
  EXPECT_EQ(images.Items(1).TransparentColor(), 0x8000000Fu);
  EXPECT_EQ(images.Items(2).TransparentColor(), 0x00FF00u);
  EXPECT_EQ(images.ColorTable.size(), 1024u);
  EXPECT_EQ(images.ColorTable[4], 0xAB);
  // Defaults of an item created by the load.
  EXPECT_TRUE(images.Items(1).Transparent);
  EXPECT_EQ(images.Items(1).PatternWidth, 0);
}

// One item whose property list is written by `write`, in an image library.
std::string ImageItemError(const std::function<void(TComponentWriter&)>& write) {
  TPictureCollection images;
  return LoadImages(images, TLibraryBuilder().BeginList().Item(write).Finish());
}

TEST(LibraryStream, ErrorTexts) {
  TPictureCollection images;
  EXPECT_EQ(LoadImages(images, {'T', 'P', 'F', '1', 0}), "Invalid stream format");
  EXPECT_EQ(LoadImages(images, {'T', 'P'}), "Stream read error");
  EXPECT_EQ(LoadImages(images, {'T', 'P', 'F', '0', 3, 'T'}), "Stream read error");
  EXPECT_THROW(images.ReadFromStream(nullptr, 0), EReadError);

  const std::string item = "Error reading TPictureCollectionComponent.List: "
                           "Error reading TPictureCollectionItem.";
  EXPECT_EQ(ImageItemError([](TComponentWriter& w) {
              w.WritePropertyName("PatternWidth");
              w.WriteString("wide");
            }),
            item + "PatternWidth: Invalid property value");
  EXPECT_EQ(ImageItemError([](TComponentWriter& w) {
              w.WritePropertyName("Speed");
              w.WriteInteger(3);
            }),
            item + "Speed: Property does not exist");
  EXPECT_EQ(ImageItemError([](TComponentWriter& w) {
              w.WritePropertyName("Picture.Pixels");
              w.WriteBinary({});
            }),
            item + "Picture.Pixels: Property does not exist");
  EXPECT_EQ(ImageItemError([](TComponentWriter& w) {
              w.WritePropertyName("TransparentColor");
              w.WriteIdent("clPlaid");
            }),
            item + "TransparentColor: Invalid property value");
  EXPECT_EQ(ImageItemError([](TComponentWriter& w) {
              w.WritePropertyName("Transparent");
              w.WriteIdent("Maybe");
            }),
            item + "Transparent: Invalid property value");
  EXPECT_EQ(ImageItemError([](TComponentWriter& w) {
              w.WritePropertyName("Picture.Data");
              w.WriteBinary(DibPayload(TBytes().U32(20).Data));
            }),
            item + "Picture.Data: DIB is invalid");
  EXPECT_EQ(ImageItemError([](TComponentWriter& w) {
              w.WritePropertyName("Name");
              w.WriteValueType(static_cast<TValueType>(20));
            }),
            item + "Name: Invalid property value");

  const auto shortTable = TLibraryBuilder()
                              .Root([](TComponentWriter& w) {
                                w.WritePropertyName("List.ColorTable");
                                w.WriteBinary(std::vector<uint8_t>(1023, 0));
                              })
                              .BeginList()
                              .Finish();
  EXPECT_EQ(LoadImages(images, shortTable),
            "Error reading TPictureCollectionComponent.List.ColorTable: Stream read error");
  EXPECT_THROW(images.ReadFromStream(shortTable.data(), shortTable.size()), EReadError);

  TWaveCollection waves;
  const auto badWave = TLibraryBuilder("TWaveCollectionComponent")
                           .BeginList()
                           .Item([](TComponentWriter& w) {
                             w.WritePropertyName("Wave.WAVE");
                             w.WriteBinary(TBytes().Text("RIFF").U32(4).Text("AVI ").Data);
                           })
                           .Finish();
  EXPECT_EQ(ErrorOf([&] { waves.ReadFromStream(badWave.data(), badWave.size()); }),
            "Error reading TWaveCollectionComponent.List: Error reading "
            "TWaveCollectionItem.Wave.WAVE: Wave is invalid");
}

TEST(LibraryStream, ItemsReadBeforeAnErrorStay) {
  const auto bytes = TLibraryBuilder()
                         .BeginList()
                         .Item([](TComponentWriter& w) {
                           w.WritePropertyName("Name");
                           w.WriteString("first");
                         })
                         .Item([](TComponentWriter& w) {
                           w.WritePropertyName("Name");
                           w.WriteString("second");
                           w.WritePropertyName("Bogus");
                           w.WriteBoolean(true);
                         })
                         .Finish();
  TPictureCollection images;
  EXPECT_NE(LoadImages(images, bytes), "");
  ASSERT_EQ(images.Count(), 2);
  EXPECT_EQ(images.Find("first").Index(), 0);
  EXPECT_EQ(images.Find("second").Index(), 1);
}

// Nesting `depth` lists inside one property value (or `depth` collections, or child records).
std::vector<uint8_t> DeepStream(int depth, int kind) {
  TComponentWriter w;
  w.WriteSignature();
  w.BeginObject("TPictureCollectionComponent", "");
  if (kind == 2) {
    w.WriteListEnd();
    for (int i = 0; i < depth; ++i) {
      w.BeginObject("TChild", "");
      w.WriteListEnd();
    }
    for (int i = 0; i < depth + 1; ++i) w.WriteListEnd();
    return w.TakeBytes();
  }
  w.WritePropertyName("Unknown");
  for (int i = 0; i < depth; ++i) {
    if (kind == 0) {
      w.WriteValueType(TValueType::vaList);
    } else {
      w.BeginCollection();
      w.BeginCollectionItem();
      w.WritePropertyName("Deeper");
    }
  }
  w.WriteInteger(1);
  for (int i = 0; i < depth; ++i) {
    w.WriteListEnd();
    if (kind == 1) w.WriteListEnd();
  }
  w.WriteListEnd();
  w.WriteListEnd();
  return w.TakeBytes();
}

struct TDeepRun {
  std::vector<std::string> Errors;
};

void* RunDeepStreams(void* arg) {
  auto* run = static_cast<TDeepRun*>(arg);
  for (int kind = 0; kind < 3; ++kind) {
    for (int depth : {100000, 70}) {
      const std::vector<uint8_t> bytes = DeepStream(depth, kind);
      TPictureCollection images;
      run->Errors.push_back(LoadImages(images, bytes));
    }
  }
  return nullptr;
}

TEST(LibraryStream, DeepNestingFailsCleanlyOnASmallStack) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 256 * 1024);
  TDeepRun run;
  pthread_t thread;
  ASSERT_EQ(pthread_create(&thread, &attributes, RunDeepStreams, &run), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
  ASSERT_EQ(run.Errors.size(), 6u);
  for (const std::string& error : run.Errors) {
    EXPECT_NE(error.find("Invalid stream format"), std::string::npos) << error;
  }
  // Within the limit the same shapes load.
  for (int kind = 0; kind < 3; ++kind) {
    TPictureCollection images;
    const std::string error = LoadImages(images, DeepStream(20, kind));
    if (kind == 2) {
      EXPECT_EQ(error, "");
    } else {
      EXPECT_NE(error.find("Property does not exist"), std::string::npos) << error;
    }
  }
}

std::vector<uint8_t> SampleImageLibrary() {
  TPictureItemData a;
  a.Name = "few colours";
  a.Picture = {5, 3, {1, 2, 3, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2}};
  a.PatternWidth = 5;
  a.SkipHeight = 1;
  TPictureItemData b;
  b.Name = "many colours";
  b.Picture.Width = 20;
  b.Picture.Height = 20;
  for (uint32_t i = 0; i < 400; ++i) b.Picture.Pixels.push_back(i * 0x010203);
  b.TransparentColor = 0x123456;
  return EncodePictureLibrary({a, b});
}

TEST(LibraryStream, EveryTruncationEndsInACleanError) {
  const std::vector<uint8_t> images = SampleImageLibrary();
  TWaveItemData sound;
  sound.Name = "splash";
  sound.Wave.Format = {1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0};
  sound.Wave.Data.assign(50, 0x80);
  const std::vector<uint8_t> waves = EncodeWaveLibrary({sound, sound});
  for (size_t length = 0; length < images.size(); ++length) {
    TPictureCollection collection;
    EXPECT_THROW(collection.ReadFromStream(images.data(), length), Exception) << length;
  }
  for (size_t length = 0; length < waves.size(); ++length) {
    TWaveCollection collection;
    EXPECT_THROW(collection.ReadFromStream(waves.data(), length), Exception) << length;
  }
}

TEST(LibraryStream, ExtendedValuesConvert) {
  const uint8_t one[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(ExtendedToDouble(one), 1.0);
  const uint8_t minusTwo[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0};
  EXPECT_EQ(ExtendedToDouble(minusTwo), -2.0);
  const uint8_t nan[10] = {1, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
  EXPECT_TRUE(std::isnan(ExtendedToDouble(nan)));
  const uint8_t huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
  EXPECT_TRUE(std::isinf(ExtendedToDouble(huge)));
}

}  // namespace
