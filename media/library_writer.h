// Writes image and sound library files in the component stream format that TPictureCollection and
// TWaveCollection read, so read(write(x)) gives back the same items. Used by the content tools.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/geometry.h"
#include "media/picture.h"
#include "media/wave.h"

struct TPictureItemData {
  std::string Name;
  int32_t PatternWidth = 0;
  int32_t PatternHeight = 0;
  int32_t SkipWidth = 0;
  int32_t SkipHeight = 0;
  bool SystemMemory = false;
  bool Transparent = true;
  TColor TransparentColor = clBlack;
  TPicture Picture;  // stored losslessly in the smallest DIB that holds it
};

struct TWaveItemData {
  std::string Name;
  bool Looped = false;
  int32_t MaxPlayingCount = 0;
  TWave Wave;
};

// An image library file: root object "TPictureCollectionComponent" whose "List" holds the items.
// Pictures are stored as "TDIB" (see dib_writer.h); an empty picture is not stored.
std::vector<uint8_t> EncodePictureLibrary(const std::vector<TPictureItemData>& items);
// A sound library file: root object "TWaveCollectionComponent"; each wave stored as a RIFF file.
std::vector<uint8_t> EncodeWaveLibrary(const std::vector<TWaveItemData>& items);

// Write the encoded library to path through a temporary file and a rename.
// Raises EStreamError "Cannot create file %s" on failure.
void WritePictureLibrary(const std::string& path, const std::vector<TPictureItemData>& items);
void WriteWaveLibrary(const std::string& path, const std::vector<TWaveItemData>& items);
