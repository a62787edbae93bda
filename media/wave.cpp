#include "media/wave.h"

#include <cstddef>

namespace {

uint32_t FormatField(const std::vector<uint8_t>& format, size_t offset, int bytes) {
  if (format.size() < 16) return 0;
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | format[offset + i];
  return value;
}

}  // namespace

uint16_t TWave::FormatTag() const { return static_cast<uint16_t>(FormatField(Format, 0, 2)); }
uint16_t TWave::Channels() const { return static_cast<uint16_t>(FormatField(Format, 2, 2)); }
uint32_t TWave::SamplesPerSecond() const { return FormatField(Format, 4, 4); }
uint32_t TWave::AvgBytesPerSecond() const { return FormatField(Format, 8, 4); }
uint16_t TWave::BlockAlign() const { return static_cast<uint16_t>(FormatField(Format, 12, 2)); }
uint16_t TWave::BitsPerSample() const { return static_cast<uint16_t>(FormatField(Format, 14, 2)); }
