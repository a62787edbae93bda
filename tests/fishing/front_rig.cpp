#include "tests/fishing/front_rig.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "media/dib_writer.h"
#include "media/library_writer.h"
#include "tests/support/test_pictures.h"
#include "tests/support/sounding.h"

namespace front_test {

namespace {

// A short 16-bit mono square wave, loud enough to tell from silence.
TWave Tone(int samples) {
  TWave wave;
  const uint32_t rate = 22050;
  const uint16_t channels = 1, bits = 16, align = 2;
  const uint32_t bytesPerSecond = rate * align;
  const uint16_t pcm = 1;
  auto put16 = [&](uint16_t v) {
    wave.Format.push_back(static_cast<uint8_t>(v));
    wave.Format.push_back(static_cast<uint8_t>(v >> 8));
  };
  auto put32 = [&](uint32_t v) {
    put16(static_cast<uint16_t>(v));
    put16(static_cast<uint16_t>(v >> 16));
  };
  put16(pcm);
  put16(channels);
  put32(rate);
  put32(bytesPerSecond);
  put16(align);
  put16(bits);
  for (int i = 0; i < samples; ++i) {
    const int16_t value = (i / 25) % 2 ? 9000 : -9000;
    wave.Data.push_back(static_cast<uint8_t>(value));
    wave.Data.push_back(static_cast<uint8_t>(static_cast<uint16_t>(value) >> 8));
  }
  return wave;
}

}  // namespace

std::string Catalogue(const std::string& body) { return "[Lakes]\r\n" + body; }

TFrontRig::TFrontRig() {
  std::random_device seed;
  folder = std::filesystem::temp_directory_path() / ("front_test_" + std::to_string(seed()));
  std::filesystem::create_directories(folder / "lakes");
  WriteWaveLibrary(Path("sound.dxw"), {TWaveItemData{"cast", false, 0, Tone(22050)}});
  WriteWaveLibrary(Path("music.dxw"), {TWaveItemData{"music", true, 0, Tone(4410)}});
  WriteFile("lakes/lakes.ini",
            Catalogue("lake1=Lake1\r\nlake2=Lake2\r\nlake3=Lake3\r\nlake4=Lake4\r\nlake5=Lake5\r\n"));
  for (int i = 1; i <= 5; ++i) {
    const std::string name = "Lake" + std::to_string(i);
    WriteFile("lakes/" + name + ".ini", "[Lake Data]\r\nDescription=The lake number " + std::to_string(i) +
                                            "\r\nEntryFee=" + std::to_string(i * 10) + "\r\n");
  }
  const std::vector<uint8_t> bmp = EncodeBitmapFile(Solid(200, 198, 0x3366CC));
  std::ofstream(Path("lakes/Lake1.bmp"), std::ios::binary)
      .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
}

TFrontRig::~TFrontRig() {
  form.reset();
  std::error_code error;
  std::filesystem::remove_all(folder, error);
}

void TFrontRig::WriteFile(const std::string& relative, const std::string& text) {
  std::filesystem::create_directories((folder / relative).parent_path());
  std::ofstream(Path(relative), std::ios::binary) << text;
}

bool TFrontRig::Exists(const std::string& relative) const { return std::filesystem::exists(folder / relative); }

std::string TFrontRig::ReadFile(const std::string& relative) const {
  std::ifstream file(Path(relative), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

TMainForm& TFrontRig::Start() {
  form = std::make_unique<TMainForm>(host, folder.string());
  host.Attach(*form);
  host.Start();
  return *form;
}

bool TFrontRig::Sounding(TDXWaveList& library, const std::string& name) {
  return ::Sounding(library.Items, name);
}

bool TFrontRig::Audible() {
  for (int16_t sample : host.PullAudio(2048)) {
    if (sample != 0) return true;
  }
  return false;
}

}  // namespace front_test
