// A wave: the format block of a RIFF "fmt " chunk as stored, and the sample data of its "data" chunk
// (which a wave read from a library file shares with the file's bytes).
#pragma once

#include <cstdint>
#include <vector>

#include "media/wave_bytes.h"

struct TWave {
  std::vector<uint8_t> Format;  // whole "fmt " body; the first 16 bytes are the PCM fields
  TWaveBytes Data;              // samples

  bool Empty() const { return Data.empty(); }
  // PCM fields of the format block (0 when the block is shorter than 16 bytes).
  uint16_t FormatTag() const;
  uint16_t Channels() const;
  uint32_t SamplesPerSecond() const;
  uint32_t AvgBytesPerSecond() const;
  uint16_t BlockAlign() const;
  uint16_t BitsPerSample() const;
  bool operator==(const TWave&) const = default;
};
