// Which heading each pattern of a turning sprite shows. The game picks patterns with these
// formulas (headings in steps, 256 a turn, 0 = right, 64 = down the screen); each pattern is
// drawn at the middle of the headings that select it, so the picture is never more than half a
// pattern's range off the true heading.
#pragma once

namespace sprites {

// Boats (32 patterns): 31 - (heading - 4) div 8, truncating toward zero.
int BoatPattern(int heading);
// Angler facing (16): 15 - (step - 15) div 16, truncating toward zero; pattern = face * 6 + frame.
int AnglerFace(int step);
// Fish (16): ((256 - heading) mod 256) shr 4.
int FishPattern(int heading);
// Monster direction (16): the same as the fish; the pattern is 2 * direction, + 1 when attacking.
int MonsterDirection(int heading);

// The circular mean of the headings 0..255 for which formula gives `pattern`, in steps (0..256).
double PatternHeading(int (*formula)(int), int pattern);

}  // namespace sprites
