#include "fishing/gear_upgrades.h"

#include <array>

namespace {

// One row per gear: the price of the step up from level 1, 2, 3 (0: no step), and the button's
// caption at level 1..4 (nullptr: no such level).
struct TGearRow {
  int maxLevel;
  std::array<int, 3> prices;
  std::array<const char*, 4> captions;
};

const TGearRow& RowOf(TGear gear) {
  static constexpr TGearRow kLures{4, {25, 50, 100},
                                   {"Upgrade Lures $25", "Upgrade Lures $50", "Upgrade Lures $100",
                                    "No More Lure Upgrades"}};
  static constexpr TGearRow kRod{4, {250, 500, 1000},
                                 {"Upgrade Rod/Reel $250", "Upgrade Rod/Reel $500", "Upgrade Rod/Reel $1000",
                                  "No More Rod Upgrades"}};
  static constexpr TGearRow kBoat{3, {5000, 15000, 0},
                                  {"Upgrade Boat $5,000", "Upgrade Boat $15,000", "No More Boat Upgrades",
                                   nullptr}};
  switch (gear) {
    case TGear::Lures: return kLures;
    case TGear::Rod: return kRod;
    case TGear::Boat: break;
  }
  return kBoat;
}

}  // namespace

int GearMaxLevel(TGear gear) { return RowOf(gear).maxLevel; }

std::optional<int> UpgradePrice(TGear gear, int level) {
  const TGearRow& row = RowOf(gear);
  if (level < 1 || level >= row.maxLevel) return std::nullopt;
  return row.prices[static_cast<size_t>(level - 1)];
}

std::optional<std::string> UpgradeCaption(TGear gear, int level) {
  const TGearRow& row = RowOf(gear);
  if (level < 1 || level > row.maxLevel) return std::nullopt;
  return std::string(row.captions[static_cast<size_t>(level - 1)]);
}

std::optional<std::string> BoatImageFor(int level) {
  if (level < 1 || level > 3) return std::nullopt;
  return "boat" + std::to_string(level);
}
