#include "tools/lakemaker/tile_key.h"

#include "tools/lakemaker/shore_rule.h"

const std::vector<TTileKind>& TileKinds() {
  static const std::vector<TTileKind> kinds = {
      {'~', 0x3050C8, 3, "plain water"},
      {'-', 0x3C7AB4, 0, "ripples"},
      {'=', 0x4682BE, 1, "ripples, other phase"},
      {'*', 0x78AAE6, 2, "glints"},
      {'O', 0x143C78, 52, "deep water"},
      {',', 0x70A6AC, 44, "shallows"},
      {';', 0x8CBEC8, 49, "animated shallows"},
      {'r', 0xA0B450, 45, "reeds"},
      {'l', 0x50B464, 46, "lily pads"},
      {'j', 0xA07846, 47, "jetty"},
      {'o', 0x5A6E82, 48, "rock in water"},
      {'w', 0x2E8C78, 50, "water weed"},
      {'_', 0x6E503C, 51, "floating log"},
      {'.', 0x60983E, shore::kGrass, "grass"},
      {':', 0xD4C294, shore::kSand, "sand"},
      {'T', 0x1E5A28, 36, "pine"},
      {'Y', 0x3C8C32, 37, "leafy tree"},
      {'b', 0x5A823C, 38, "bush"},
      {'R', 0x808080, 39, "rock"},
      {'H', 0x8C5A32, 40, "cabin"},
      {'P', 0x96BE28, 41, "palm"},
      {'C', 0x648C46, 42, "cactus"},
      {'f', 0xE682B4, 43, "flowers"},
      {'B', 0xE62828, 53, "buoy marker"},
      {'$', 0xFFD700, 54, "chest marker"},
      {'@', 0xFFA000, 55, "clock float marker"},
      {'A', 0xF0F0F0, 56, "angler marker"},
      {'x', 0x000000, -1, "no tile"},
  };
  return kinds;
}

const TTileKind* KindOfSymbol(char symbol) {
  for (const TTileKind& kind : TileKinds()) {
    if (kind.symbol == symbol) return &kind;
  }
  return nullptr;
}

const TTileKind* KindOfColour(uint32_t colour) {
  for (const TTileKind& kind : TileKinds()) {
    if (kind.colour == (colour & 0xFFFFFF)) return &kind;
  }
  return nullptr;
}

const TTileKind* KindOfTile(int32_t tile) {
  const int32_t ground = PlainGround(tile);
  for (const TTileKind& kind : TileKinds()) {
    if (kind.tile == ground) return &kind;
  }
  return nullptr;
}

std::string DescribeKind(const TTileKind& kind) {
  return std::string("'") + kind.symbol + "' (" + kind.name + ")";
}
