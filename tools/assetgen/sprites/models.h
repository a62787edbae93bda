// The sprite models and the pictures made from them: boats, anglers, fish and lake monsters.
// Each Make function returns finished library items whose pattern order follows headings.h.
#pragma once

#include <string>
#include <vector>

#include "media/library_writer.h"
#include "tools/assetgen/sprites/image.h"
#include "tools/assetgen/sprites/render3d.h"

namespace sprites {

// "boat1".."boat3" and "boat1gas".."boat3gas": 32 headings each, centred on the boat.
std::vector<TPictureItemData> MakeBoats();
// "fishguy", "fishboy", "fishgirl": 16 facings x 6 frames; the man's feet at the middle of the
// bottom edge, the children's 3 pixels lower than the boat's centre (their lift is -3).
std::vector<TPictureItemData> MakeAnglers();
// "fish": 16 headings, centred.
TPictureItemData MakeFish();
// The monster kinds, 32 patterns each (16 headings, calm then attacking), centred.
std::vector<TPictureItemData> MakeMonsters();
// Names of the monster kinds that MakeMonsters draws: the three the lakes use, and "Monster", the
// kind a lake gets when its file names none.
const std::vector<std::string>& MonsterKinds();

// The boat of the given level (1..3) and an angler (0 man, 1 boy, 2 girl) in a frame (0..5), as
// models for larger pictures.
Model BoatShape(int level, bool gas);
Model AnglerShape(int figure, int frame);
// A monster of the given kind, larger than life, attacking, turned three-quarters towards the
// viewer, on a transparent w x h picture.
Image MonsterCloseUp(const std::string& kind, int w, int h);

// Pattern sizes, shared with the tests.
constexpr int kBoatWidth = 80, kBoatHeight = 56;
constexpr int kManWidth = 64, kManHeight = 64;
constexpr int kKidWidth = 52, kKidHeight = 52;
constexpr int kFishWidth = 32, kFishHeight = 24;
constexpr int kMonsterWidth = 80, kMonsterHeight = 64;

}  // namespace sprites
