#include "media/blend_rows.h"

#include <algorithm>

#include "media/blender.h"

#if defined(TH_HAVE_SSE2_ROWS)
#include <emmintrin.h>
#endif

void BlendRowPlain(uint16_t* dest, const uint16_t* source, int count, int alpha, TPixelFormat format,
                   bool keyed, uint16_t key) {
  for (int i = 0; i < count; ++i) {
    const uint16_t pixel = source[i];
    if (keyed && pixel == key) continue;
    dest[i] = alpha >= 255 ? pixel : Blend16(pixel, dest[i], alpha, format);
  }
}

void FillRowBlendedPlain(uint16_t* dest, int count, uint16_t color, int alpha, TPixelFormat format) {
  for (int i = 0; i < count; ++i) dest[i] = Blend16(color, dest[i], alpha, format);
}

#if defined(TH_HAVE_SSE2_ROWS)

namespace {

// The blender's arithmetic on eight pixels at once, one channel of each pixel per 16-bit lane:
// channel products stay below 63 * 255 + 127, and t div 255 = (t * 0x8081) shr 23 for every t
// below 65536, so each lane gives what Blend16 gives.

constexpr int RedShift(TPixelFormat format) { return format == TPixelFormat::RGB565 ? 11 : 10; }

template <TPixelFormat F>
inline __m128i Red(__m128i pixels) {
  if constexpr (F == TPixelFormat::RGB565) {
    return _mm_srli_epi16(pixels, 11);
  } else {
    return _mm_and_si128(_mm_srli_epi16(pixels, 10), _mm_set1_epi16(0x1F));
  }
}

template <TPixelFormat F>
inline __m128i Green(__m128i pixels) {
  return _mm_and_si128(_mm_srli_epi16(pixels, 5), _mm_set1_epi16(F == TPixelFormat::RGB565 ? 0x3F : 0x1F));
}

inline __m128i Blue(__m128i pixels) { return _mm_and_si128(pixels, _mm_set1_epi16(0x1F)); }

template <TPixelFormat F>
inline __m128i Pack(__m128i red, __m128i green, __m128i blue) {
  return _mm_or_si128(_mm_or_si128(_mm_slli_epi16(red, RedShift(F)), _mm_slli_epi16(green, 5)), blue);
}

inline __m128i Div255(__m128i t) {
  return _mm_srli_epi16(_mm_mulhi_epu16(t, _mm_set1_epi16(static_cast<short>(0x8081))), 7);
}

// (s * alpha + d * rest + 127) div 255 for one channel.
inline __m128i MixChannel(__m128i s, __m128i d, __m128i alpha, __m128i rest) {
  const __m128i t =
      _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(s, alpha), _mm_mullo_epi16(d, rest)), _mm_set1_epi16(127));
  return Div255(t);
}

template <TPixelFormat F>
inline __m128i Mix(__m128i s, __m128i d, __m128i alpha, __m128i rest) {
  return Pack<F>(MixChannel(Red<F>(s), Red<F>(d), alpha, rest),
                 MixChannel(Green<F>(s), Green<F>(d), alpha, rest),
                 MixChannel(Blue(s), Blue(d), alpha, rest));
}

// Where keep is all ones, d; elsewhere v.
inline __m128i Select(__m128i keep, __m128i d, __m128i v) {
  return _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, v));
}

inline __m128i Load(const uint16_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }
inline void Store(uint16_t* at, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(at), v); }

// The whole eights of a row; returns how many pixels were done.
template <TPixelFormat F, bool Keyed>
int BlendEights(uint16_t* dest, const uint16_t* source, int count, int alpha, uint16_t key) {
  const __m128i keys = _mm_set1_epi16(static_cast<short>(key));
  int i = 0;
  if (alpha >= 255) {
    for (; i + 8 <= count; i += 8) {
      const __m128i s = Load(source + i);
      Store(dest + i, Keyed ? Select(_mm_cmpeq_epi16(s, keys), Load(dest + i), s) : s);
    }
    return i;
  }
  const __m128i a = _mm_set1_epi16(static_cast<short>(alpha));
  const __m128i rest = _mm_set1_epi16(static_cast<short>(255 - alpha));
  for (; i + 8 <= count; i += 8) {
    const __m128i s = Load(source + i);
    const __m128i d = Load(dest + i);
    const __m128i mixed = Mix<F>(s, d, a, rest);
    Store(dest + i, Keyed ? Select(_mm_cmpeq_epi16(s, keys), d, mixed) : mixed);
  }
  return i;
}

template <TPixelFormat F>
int FillEights(uint16_t* dest, int count, uint16_t color, int alpha) {
  // The colour's share of each channel, with the rounding, is the same for every pixel.
  const __m128i c = _mm_set1_epi16(static_cast<short>(color));
  const __m128i a = _mm_set1_epi16(static_cast<short>(alpha));
  const __m128i half = _mm_set1_epi16(127);
  const __m128i red = _mm_add_epi16(_mm_mullo_epi16(Red<F>(c), a), half);
  const __m128i green = _mm_add_epi16(_mm_mullo_epi16(Green<F>(c), a), half);
  const __m128i blue = _mm_add_epi16(_mm_mullo_epi16(Blue(c), a), half);
  const __m128i rest = _mm_set1_epi16(static_cast<short>(255 - alpha));
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m128i d = Load(dest + i);
    const __m128i r = Div255(_mm_add_epi16(_mm_mullo_epi16(Red<F>(d), rest), red));
    const __m128i g = Div255(_mm_add_epi16(_mm_mullo_epi16(Green<F>(d), rest), green));
    const __m128i b = Div255(_mm_add_epi16(_mm_mullo_epi16(Blue(d), rest), blue));
    Store(dest + i, Pack<F>(r, g, b));
  }
  return i;
}

}  // namespace

void BlendRowSse2(uint16_t* dest, const uint16_t* source, int count, int alpha, TPixelFormat format,
                  bool keyed, uint16_t key) {
  alpha = std::min(alpha, 255);
  int done = 0;
  if (format == TPixelFormat::RGB565) {
    done = keyed ? BlendEights<TPixelFormat::RGB565, true>(dest, source, count, alpha, key)
                 : BlendEights<TPixelFormat::RGB565, false>(dest, source, count, alpha, key);
  } else {
    done = keyed ? BlendEights<TPixelFormat::RGB555, true>(dest, source, count, alpha, key)
                 : BlendEights<TPixelFormat::RGB555, false>(dest, source, count, alpha, key);
  }
  BlendRowPlain(dest + done, source + done, count - done, alpha, format, keyed, key);
}

void FillRowBlendedSse2(uint16_t* dest, int count, uint16_t color, int alpha, TPixelFormat format) {
  alpha = std::clamp(alpha, 0, 255);
  const int done = format == TPixelFormat::RGB565
                       ? FillEights<TPixelFormat::RGB565>(dest, count, color, alpha)
                       : FillEights<TPixelFormat::RGB555>(dest, count, color, alpha);
  FillRowBlendedPlain(dest + done, count - done, color, alpha, format);
}

#endif
