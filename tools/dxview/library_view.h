// What dxview shows of a library: the properties of an item as text lines, and one pattern of a
// picture as a picture of its own (transparent pixels as a grey checkerboard).
#pragma once

#include <string>
#include <vector>

#include "media/picture.h"
#include "media/picture_collection.h"
#include "media/wave_collection.h"

// Lines describing an image item and the pattern shown.
std::vector<std::string> DescribeImage(const TPictureCollectionItem& item, int pattern);
// Lines describing a sound item.
std::vector<std::string> DescribeSound(const TWaveCollectionItem& item);
// The pattern cut out of the item's picture; empty when the pattern does not exist.
TPicture PatternPicture(const TPictureCollectionItem& item, int pattern);
