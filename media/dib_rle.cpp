#include "media/dib_rle.h"

#include <algorithm>
#include <cstring>

void CheckRle(TByteReader code, int bitCount, int32_t height) {
  const bool fourBit = bitCount == 4;
  const size_t size = code.Remaining();
  const uint8_t* at = code.Bytes(size);
  const uint8_t* const end = at + size;
  int64_t y = 0;
  while (y < height && at != end) {
    if (end - at < 2) ThrowStreamReadError();
    const uint8_t count = at[0];
    const uint8_t value = at[1];
    at += 2;
    // Runs, the most common instruction, move along a row only.
    if (count > 0) continue;
    switch (value) {
      case 0:
        ++y;
        break;
      case 1:
        return;
      case 2:
        if (end - at < 2) ThrowStreamReadError();
        y += at[1];
        at += 2;
        break;
      default: {
        const uint32_t byteCount = fourBit ? (value + 1u) / 2 : value;
        if (static_cast<size_t>(end - at) < byteCount) ThrowStreamReadError();
        at += byteCount;
        if ((byteCount & 1) && at != end) ++at;
        break;
      }
    }
  }
}

void DecodeRle(TByteReader& code, int bitCount, int32_t width, int32_t height, uint8_t* indices) {
  const bool fourBit = bitCount == 4;
  int64_t x = 0;
  int64_t y = 0;
  while (y < height && !code.AtEnd()) {
    const uint8_t count = code.U8();
    const uint8_t value = code.U8();
    uint8_t* row = indices + y * width;
    if (count > 0) {
      const int64_t n = std::min<int64_t>(count, width - x);
      if (fourBit) {
        const uint8_t pair[2] = {static_cast<uint8_t>(value >> 4), static_cast<uint8_t>(value & 15)};
        for (int64_t i = 0; i < n; ++i) row[x + i] = pair[i & 1];
      } else if (n > 0) {
        std::memset(row + x, value, static_cast<size_t>(n));
      }
      x = std::min<int64_t>(x + count, width);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return;
      case 2: {  // move
        const uint8_t dx = code.U8();
        const uint8_t dy = code.U8();
        x = std::min<int64_t>(x + dx, width);
        y += dy;
        break;
      }
      default: {  // literal pixels
        const uint32_t byteCount = fourBit ? (value + 1u) / 2 : value;
        const uint8_t* literal = code.Bytes(byteCount);
        const int64_t n = std::min<int64_t>(value, width - x);
        for (int64_t i = 0; i < n; ++i) {
          row[x + i] = fourBit ? ((i & 1) ? literal[i / 2] & 15 : literal[i / 2] >> 4) : literal[i];
        }
        x = std::min<int64_t>(x + value, width);
        // The pad byte may be missing when the code ends right here.
        if ((byteCount & 1) && !code.AtEnd()) code.Skip(1);
        break;
      }
    }
  }
}
