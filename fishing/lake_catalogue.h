// The lake catalogue "lakes\lakes.ini" (section "Lakes", keys "lake1", "lake2", ... naming the lakes
// in order; "NA" or no key means no lake under that number) and the lake files
// "lakes\<name>.ini" (section "Lake Data"), whose values a trip on that lake uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fishing/lake_trip.h"

constexpr const char* kCatalogueFile = "lakes\\lakes.ini";
constexpr const char* kCatalogueSection = "Lakes";
constexpr const char* kLakeSection = "Lake Data";

// The names of lakes 1..lakesOpen in number order, gaps and "NA" skipped; empty for a missing or
// unreadable catalogue. Reads the file once, whatever lakesOpen is.
std::vector<std::string> ReadLakeCatalogue(const std::string& path, int32_t lakesOpen);
// The lakes 1..lakesOpen of several catalogues in search order (the program's, then the player's own)
// as one list in number order: a number goes to the first catalogue that names a lake under it, and
// a later catalogue's lake is left out when an earlier catalogue lists its name (letter case
// ignored), as the earlier one's files win. One catalogue gives exactly ReadLakeCatalogue.
std::vector<std::string> ReadLakeCatalogues(const std::vector<std::string>& paths, int32_t lakesOpen);

// Reads a lake file into the trip's lake values (every missing or unreadable key at its default,
// derived values kept within 32 bits) and returns its "Description".
std::string ReadLakeFile(const std::string& path, LakeTrip& trip);
