// Any lake written back as a lake source with a text map, so that dxlib lake make gives the same
// .iso again: the rules, one character a cell, the objects in their order, and a [Tiles] line for
// every cell whose tile the characters and the shore rule would not give back.
#pragma once

#include <string>
#include <vector>

#include "fishing/iso_map.h"
#include "tools/lakemaker/lake_rules.h"

// The source text. notes gets what a source cannot carry and was changed on the way (object
// records left empty between used ones, used-up objects, names, values or texts a line cannot
// hold as they are).
std::string LakeSourceText(const TIsoMap& map, const TLakeRules& rules, std::vector<std::string>& notes);
