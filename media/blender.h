// The software blender shared by DrawBlended and FillRectBlended: each channel becomes
// (source * alpha + destination * (255 - alpha) + 127) div 255, in the surface's own channel units.
#pragma once

#include <cstdint>

#include "media/pixel_format.h"

// Mixes src over dst with weight alpha (0 = dst unchanged, 255 = src).
uint16_t Blend16(uint16_t src, uint16_t dst, int alpha, TPixelFormat format);
