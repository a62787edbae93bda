#include "tools/dxlib/png_file.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include "media/bitmap_file.h"
#include "media/dib_reader.h"
#include "media/errors.h"
#include "media/file_bytes.h"

void WritePng(const std::string& path, const TPicture& picture) {
  if (picture.Empty()) throw EStreamError(Fmt("Cannot create file %s: the picture is empty", path.c_str()));
  std::vector<uint8_t> rgba(picture.Pixels.size() * 4);
  for (size_t i = 0; i < picture.Pixels.size(); ++i) {
    const uint32_t pixel = picture.Pixels[i];
    rgba[4 * i] = static_cast<uint8_t>(pixel >> 16);
    rgba[4 * i + 1] = static_cast<uint8_t>(pixel >> 8);
    rgba[4 * i + 2] = static_cast<uint8_t>(pixel);
    rgba[4 * i + 3] = 255;
  }
  if (!stbi_write_png(path.c_str(), picture.Width, picture.Height, 4, rgba.data(), picture.Width * 4)) {
    throw EStreamError(Fmt("Cannot create file %s", path.c_str()));
  }
}

TPicture ReadPictureFile(const std::string& path) {
  std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".bmp") return ReadBitmapFile(path);
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  int width = 0;
  int height = 0;
  int channels = 0;
  if (bytes.size() > INT32_MAX) throw EInvalidGraphic(Fmt("%s: file too large", path.c_str()));
  const std::unique_ptr<uint8_t, void (*)(void*)> rgb(
      stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3),
      stbi_image_free);
  if (!rgb) {
    throw EInvalidGraphic(Fmt("%s: not a picture dxlib can read (%s)", path.c_str(), stbi_failure_reason()));
  }
  if (width > kMaxPictureSide || height > kMaxPictureSide ||
      int64_t{width} * height > kMaxPicturePixels) {
    throw EInvalidGraphic(Fmt("%s: picture larger than %d x %d pixels", path.c_str(), kMaxPictureSide,
                              kMaxPictureSide));
  }
  TPicture picture{width, height, {}};
  picture.Pixels.resize(static_cast<size_t>(width) * height);
  const uint8_t* p = rgb.get();
  for (uint32_t& pixel : picture.Pixels) {
    pixel = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    p += 3;
  }
  return picture;
}
