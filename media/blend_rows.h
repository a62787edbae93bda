// Runs of pixels through the software blender (blender.h): the rows of DrawBlended and
// FillRectBlended. Each comes in a plain version that runs anywhere and, on x86-64, an SSE2
// version that gives exactly the same pixels eight at a time; the name without a suffix is the
// fastest one built in.
#pragma once

#include <cstdint>

#include "media/pixel_format.h"

// Mixes count source pixels over dest with weight alpha 1..255: at 255 each source pixel replaces
// its destination pixel as it is; below, Blend16. With keyed, source pixels equal to key leave
// their destination pixel alone.
void BlendRowPlain(uint16_t* dest, const uint16_t* source, int count, int alpha, TPixelFormat format,
                   bool keyed, uint16_t key);
// Mixes the pixel color over count destination pixels with weight alpha 0..255 (Blend16 each).
void FillRowBlendedPlain(uint16_t* dest, int count, uint16_t color, int alpha, TPixelFormat format);

#if defined(__SSE2__)
#define TH_HAVE_SSE2_ROWS 1
void BlendRowSse2(uint16_t* dest, const uint16_t* source, int count, int alpha, TPixelFormat format,
                  bool keyed, uint16_t key);
void FillRowBlendedSse2(uint16_t* dest, int count, uint16_t color, int alpha, TPixelFormat format);
#endif

inline void BlendRow(uint16_t* dest, const uint16_t* source, int count, int alpha, TPixelFormat format,
                     bool keyed, uint16_t key) {
#if defined(TH_HAVE_SSE2_ROWS)
  BlendRowSse2(dest, source, count, alpha, format, keyed, key);
#else
  BlendRowPlain(dest, source, count, alpha, format, keyed, key);
#endif
}

inline void FillRowBlended(uint16_t* dest, int count, uint16_t color, int alpha, TPixelFormat format) {
#if defined(TH_HAVE_SSE2_ROWS)
  FillRowBlendedSse2(dest, count, color, alpha, format);
#else
  FillRowBlendedPlain(dest, count, color, alpha, format);
#endif
}
