// RIFF waves: the chunk walk, malformed chunks, and sound items read from libraries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/file_bytes.h"
#include "media/library_writer.h"
#include "media/riff_wave.h"
#include "media/wave_collection.h"
#include "tests/media/library_streams.h"

namespace {

const std::vector<uint8_t> kPcmFormat{1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0};

TWave Read(const TBytes& bytes) { return ReadRiffWave(TByteReader(bytes.Data.data(), bytes.Data.size())); }

TBytes Riff() { return TBytes().Text("RIFF").U32(0).Text("WAVE"); }

TEST(LibraryWave, ReadsFormatAndDataSkippingOtherChunks) {
  TBytes bytes = Riff();
  bytes.Text("fmt ").U32(16).Add(kPcmFormat);
  bytes.Text("LIST").U32(5).Text("INFOx");  // odd length: no pad byte follows
  bytes.Text("data").U32(4).U8(1).U8(2).U8(3).U8(4);
  const TWave wave = Read(bytes);
  EXPECT_EQ(wave.Format, kPcmFormat);
  EXPECT_EQ(wave.Data, (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(wave.FormatTag(), 1);
  EXPECT_EQ(wave.Channels(), 2);
  EXPECT_EQ(wave.SamplesPerSecond(), 44100u);
  EXPECT_EQ(wave.AvgBytesPerSecond(), 176400u);
  EXPECT_EQ(wave.BlockAlign(), 4);
  EXPECT_EQ(wave.BitsPerSample(), 16);
}

TEST(LibraryWave, MalformedChunksEndCleanly) {
  EXPECT_EQ(Read(TBytes()), TWave{});
  EXPECT_EQ(ErrorOf([] { Read(TBytes().Text("RIFX").U32(0).Text("WAVE")); }), "Wave is invalid");
  EXPECT_EQ(ErrorOf([] { Read(TBytes().Text("RIFF").U32(0).Text("AVI ")); }), "Wave is invalid");
  EXPECT_EQ(ErrorOf([] { Read(TBytes().Text("RIF")); }), "Wave is invalid");
  EXPECT_THROW(Read(TBytes().Text("RIFF")), EWaveStreamError);

  // A chunk length of 0xFFFFFFFF ends the walk instead of looping or allocating.
  TBytes huge = Riff();
  huge.Text("data").U32(2).U8(7).U8(8).Text("junk").U32(0xFFFFFFFF).Text("data").U32(1).U8(9);
  EXPECT_EQ(Read(huge).Data, (std::vector<uint8_t>{7, 8}));
  // A data chunk longer than the payload is a read error.
  TBytes longData = Riff();
  longData.Text("data").U32(0xFFFFFFFF).U8(1);
  EXPECT_EQ(ErrorOf([&] { Read(longData); }), "Stream read error");
  // Zero-length chunks, a short format block, "fmt " after "data", a chunk header cut short.
  TBytes odd = Riff();
  odd.Text("zero").U32(0).Text("data").U32(1).U8(5).Text("fmt ").U32(3).U8(1).U8(0).U8(2).Text("da");
  const TWave wave = Read(odd);
  EXPECT_EQ(wave.Data, std::vector<uint8_t>{5});
  EXPECT_EQ(wave.Format, (std::vector<uint8_t>{1, 0, 2}));
  EXPECT_EQ(wave.Channels(), 0);  // shorter than 16 bytes: no PCM fields
  // A zero identifier ends the walk.
  TBytes stop = Riff();
  stop.U32(0).U32(4).Text("data").U32(1).U8(1);
  EXPECT_TRUE(Read(stop).Data.empty());
}

TEST(LibraryWave, SoundItemsLoadWithTheirSettings) {
  TWaveItemData loop;
  loop.Name = "engine";
  loop.Looped = true;
  loop.MaxPlayingCount = 1;
  loop.Wave.Format = kPcmFormat;
  loop.Wave.Data.assign(1001, 0x40);
  TWaveItemData silent;
  silent.Name = "nothing";
  silent.MaxPlayingCount = 3;
  const std::vector<uint8_t> bytes = EncodeWaveLibrary({loop, silent});
  TWaveCollection waves;
  waves.ReadFromStream(bytes.data(), bytes.size());
  ASSERT_EQ(waves.Count(), 2);
  const TWaveCollectionItem& engine = waves.Find("ENGINE");
  EXPECT_TRUE(engine.Looped());
  EXPECT_EQ(engine.MaxPlayingCount(), 1);
  EXPECT_EQ(engine.Wave(), loop.Wave);
  EXPECT_EQ(engine.Frequency, 0);
  EXPECT_EQ(engine.Pan, 0);
  EXPECT_EQ(engine.Volume(), 0);
  EXPECT_FALSE(waves.Items(1).Looped());
  EXPECT_EQ(waves.Items(1).MaxPlayingCount(), 3);
  EXPECT_TRUE(waves.Items(1).Wave().Empty());

  // A LIST chunk between "fmt " and "data" inside a library item.
  TBytes riff = Riff();
  riff.Text("fmt ").U32(16).Add(kPcmFormat).Text("LIST").U32(4).Text("INFO").Text("data").U32(2).U8(1).U8(2);
  const auto withList = TLibraryBuilder("TWaveCollectionComponent")
                            .BeginList()
                            .Item([&](TComponentWriter& w) {
                              w.WritePropertyName("Name");
                              w.WriteString("cast");
                              w.WritePropertyName("MaxPlayingCount");
                              w.WriteInteger(-5);
                              w.WritePropertyName("Wave.WAVE");
                              w.WriteBinary(riff.Data);
                            })
                            .Finish();
  waves.ReadFromStream(withList.data(), withList.size());
  ASSERT_EQ(waves.Count(), 1);
  EXPECT_EQ(waves.Items(0).Wave().Data, (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(waves.Items(0).Wave().Format, kPcmFormat);
  EXPECT_EQ(waves.Items(0).MaxPlayingCount(), 0);  // negative counts are stored as 0
}

TEST(LibraryWave, WavesReadFromAFileShareItsBytesAndOutliveTheLibrary) {
  // Names of one to four letters put the samples at both even and odd places in the file.
  std::vector<TWaveItemData> items(4);
  for (size_t i = 0; i < items.size(); ++i) {
    items[i].Name = std::string(i + 1, 'a');
    items[i].Wave.Format = kPcmFormat;
    items[i].Wave.Data.assign(64, static_cast<uint8_t>(i + 1));
  }
  const std::string path = testing::TempDir() + "library_wave_shared.dxw";
  WriteFileBytes(path, EncodeWaveLibrary(items));
  TWave first;
  int shared = 0;
  {
    TWaveCollection waves;
    waves.ReadFromFile(path);
    ASSERT_EQ(waves.Count(), 4);
    for (int i = 0; i < 4; ++i) {
      const TWaveBytes& data = waves.Items(i).Wave().Data;
      EXPECT_EQ(data, items[static_cast<size_t>(i)].Wave.Data);
      // Shared samples lie at even addresses, where the mixer plays them in place.
      if (data.Shared()) {
        EXPECT_EQ(reinterpret_cast<uintptr_t>(data.data()) % 2, 0u) << i;
      }
      shared += data.Shared();
    }
    EXPECT_GT(shared, 0);
    EXPECT_LT(shared, 4);
    first = waves.Items(0).Wave();
  }
  // The copy keeps the file's bytes alive; changing another copy gives that one bytes of its own.
  TWave changed = first;
  changed.Data[0] = 99;
  EXPECT_EQ(first.Data, items[0].Wave.Data);
  EXPECT_EQ(changed.Data[0], 99);
  EXPECT_FALSE(changed.Data.Shared());
}

TEST(LibraryWave, EncodedWavesReadBack) {
  TWave wave;
  wave.Format = {1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0, 0};  // 17 bytes
  wave.Data = {1, 2, 3};
  const std::vector<uint8_t> riff = EncodeRiffWave(wave);
  EXPECT_EQ(ReadRiffWave(TByteReader(riff.data(), riff.size())), wave);
}

}  // namespace
