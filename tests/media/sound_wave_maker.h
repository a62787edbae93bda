// PCM waves built in memory for the sound tests.
#pragma once

#include <cstdint>
#include <vector>

#include "media/wave.h"

inline TWave MakeWave(int channels, int rate, int bits, std::vector<uint8_t> data,
                      uint16_t tag = 1) {
  TWave wave;
  const int block = channels * bits / 8;
  const auto put16 = [&](int v) {
    wave.Format.push_back(static_cast<uint8_t>(v));
    wave.Format.push_back(static_cast<uint8_t>(v >> 8));
  };
  const auto put32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) wave.Format.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put16(tag);
  put16(channels);
  put32(static_cast<uint32_t>(rate));
  put32(static_cast<uint32_t>(rate * block));
  put16(block);
  put16(bits);
  wave.Data = std::move(data);
  return wave;
}

// 16-bit mono samples as little-endian bytes.
inline std::vector<uint8_t> Mono16(const std::vector<int16_t>& samples) {
  std::vector<uint8_t> bytes;
  for (int16_t s : samples) {
    bytes.push_back(static_cast<uint8_t>(s & 0xFF));
    bytes.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
  }
  return bytes;
}
