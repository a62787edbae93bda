// What kind of library a file holds, and loading it for the dxlib commands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/picture_collection.h"
#include "media/wave_collection.h"

enum class TLibraryKind { Image, Sound };

// The root object's class name decides ("TWaveCollectionComponent" is a sound library,
// "TPictureCollectionComponent" an image library); failing that the extension (".dxw" is sound).
TLibraryKind LibraryKindOf(const std::string& path, const std::vector<uint8_t>& bytes);

// A library file loaded into the collection its kind needs.
struct TLoadedLibrary {
  TLibraryKind Kind = TLibraryKind::Image;
  TPictureCollection Images;
  TWaveCollection Sounds;
};

// Reads the file; the readers' errors propagate unchanged.
void LoadLibrary(const std::string& path, TLoadedLibrary& library);
