#include "media/riff_wave.h"

#include <cstring>

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

template <class TBody>
void PutChunk(std::vector<uint8_t>& out, const char* id, const TBody& body) {
  PutTag(out, id);
  PutU32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
}

std::vector<uint8_t> CopyBytes(TByteReader& in, uint32_t length) {
  const uint8_t* from = in.Bytes(length);
  return std::vector<uint8_t>(from, from + length);
}

}  // namespace

TWave ReadRiffWave(TByteReader payload, const TSharedBytes& owner) {
  TWave wave;
  if (payload.AtEnd()) return wave;
  uint8_t header[12] = {};
  payload.ReadSome(header, sizeof header);
  if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) {
    throw EWaveStreamError("Wave is invalid");
  }
  for (;;) {
    uint8_t chunk[8] = {};
    payload.ReadSome(chunk, sizeof chunk);
    const uint32_t id = chunk[0] | (chunk[1] << 8) | (chunk[2] << 16) | (uint32_t{chunk[3]} << 24);
    if (id == 0) break;
    const uint32_t length =
        chunk[4] | (chunk[5] << 8) | (chunk[6] << 16) | (uint32_t{chunk[7]} << 24);
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      wave.Format = CopyBytes(payload, length);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      const uint8_t* samples = payload.Bytes(length);
      // Samples at an odd address could not be played in place as 16-bit words: those are copied.
      if (owner && reinterpret_cast<uintptr_t>(samples) % 2 == 0) {
        wave.Data = TWaveBytes(owner, samples, length);
      } else {
        wave.Data = std::vector<uint8_t>(samples, samples + length);
      }
    } else if (payload.Has(length)) {
      payload.Skip(length);
    } else {
      break;  // runs past the end: nothing more can follow
    }
  }
  return wave;
}

std::vector<uint8_t> EncodeRiffWave(const TWave& wave) {
  std::vector<uint8_t> out;
  out.reserve(20 + wave.Format.size() + 8 + wave.Data.size());
  PutTag(out, "RIFF");
  PutU32(out, 0);  // filled in below
  PutTag(out, "WAVE");
  if (!wave.Format.empty()) PutChunk(out, "fmt ", wave.Format);
  PutChunk(out, "data", wave.Data);
  const uint32_t size = static_cast<uint32_t>(out.size() - 8);
  for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<uint8_t>(size >> (8 * i));
  return out;
}
