// Splits: what a first ball leaves standing when the standing pins have a gap between them.
//
// The rack, seen from the bowler:   7  8  9  10
//                                     4  5  6
//                                       2  3
//                                         1
// Each pin touches the pins beside it in its row and the two pins diagonally behind it (pin 5
// touches 2, 3, 4, 6, 8 and 9). A leave is a split when the head pin is down, two or more pins stand,
// and the standing pins are not all linked through pins that touch: some fallen pin lies between
// them. So 7-10, 4-6, 2-7, 3-10 and 4-7-10 are splits; 2-3, 4-5, 5-6 and 8-9 are not, and no leave
// with the head pin standing is.
#pragma once

#include <array>

// True when the pins standing (entries 1..10; entry 0 unused) make a split.
bool IsSplit(const std::array<bool, 11>& standing);
