// A lake source made into the lake's map: the cells of the source, the objects in their records
// with the markers of info stops, treasure and extra time on their cells, the shore pieces from
// the shore rule, then the cells of [Tiles]. The checks say in plain words, with the place in the
// source, what would keep the lake from playing as its maker meant.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fishing/iso_map.h"
#include "tools/lakemaker/lake_source.h"

// The map of a source, without checks (a source read with problems gives a map of what was read).
std::unique_ptr<TIsoMap> AssembleLakeMap(const TLakeSource& source);

// Checks the source and its assembled map: objects on the map and on water where they must be,
// their values, the outer ring of land, water reachable from the start, enough plain water for the
// fish and monsters, and the checks play makes before a trip. notes gets what play allows but a
// maker may not mean (object names play does not know, letters the picture fonts cannot show).
void CheckLakeSource(const TLakeSource& source, const TIsoMap& map, TSourceProblems& problems,
                     std::vector<std::string>& notes);
