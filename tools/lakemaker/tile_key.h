// The key of lake sources: one character (in a text map) and one colour (in a painted picture) for
// each kind of cell. Grass and sand take their shore piece from the shore rule; every other kind
// is one tile number. The same numbers serve every tile library.
//
//   char  colour   tile     kind                  char  colour   tile  kind
//   ~     3050C8   3        plain water           .     60983E   4+m   grass
//   -     3C7AB4   0        ripples               :     D4C294   20+m  sand
//   =     4682BE   1        ripples, other phase  T     1E5A28   36    pine
//   *     78AAE6   2        glints                Y     3C8C32   37    leafy tree
//   O     143C78   52       deep water            b     5A823C   38    bush
//   ,     70A6AC   44       shallows              R     808080   39    rock
//   ;     8CBEC8   49       animated shallows     H     8C5A32   40    cabin
//   r     A0B450   45       reeds                 P     96BE28   41    palm
//   l     50B464   46       lily pads             C     648C46   42    cactus
//   j     A07846   47       jetty                 f     E682B4   43    flowers
//   o     5A6E82   48       rock in water         B     E62828   53    buoy marker
//   w     2E8C78   50       water weed            $     FFD700   54    chest marker
//   _     6E503C   51       floating log          @     FFA000   55    clock float marker
//   x     000000   -1       no tile               A     F0F0F0   56    angler marker
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TTileKind {
  char symbol;      // the character of a text map
  uint32_t colour;  // the colour of a painted picture, 0x00RRGGBB
  int32_t tile;     // the tile number (the plain ground for grass and sand)
  const char* name; // in plain words, for messages and the palette
};

// Every kind, in the order of the palette.
const std::vector<TTileKind>& TileKinds();
// The kind of a text map character, or nullptr.
const TTileKind* KindOfSymbol(char symbol);
// The kind of a painted colour (0x00RRGGBB), or nullptr.
const TTileKind* KindOfColour(uint32_t colour);
// The kind showing a tile number (any grass or sand piece gives its ground), or nullptr for
// numbers no character stands for.
const TTileKind* KindOfTile(int32_t tile);
// "'~' (plain water)": a character with its meaning, for messages.
std::string DescribeKind(const TTileKind& kind);
