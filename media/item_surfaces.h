// The 16-bit surfaces the drawing device builds from an image item's picture, and the pattern table
// that points into them. Empty until the device initialises; freed when it finalises.
#pragma once

#include <vector>

#include "media/geometry.h"

struct TItemSurfaces {
  bool Ready = false;
};
