// The one bounds-checked reader of little-endian binary data that every file format of the media
// layer goes through. Every read first checks that its bytes are present; a read past the end raises
// EReadError "Stream read error" and leaves the position unchanged. A nested payload is read through
// Slice(), a reader of its own that cannot reach past the payload.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "media/errors.h"

// Raises EReadError "Stream read error".
[[noreturn]] void ThrowStreamReadError();

class TByteReader {
 public:
  TByteReader() = default;
  TByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Size() const { return size_; }
  size_t Position() const { return pos_; }
  size_t Remaining() const { return size_ - pos_; }
  bool AtEnd() const { return pos_ == size_; }
  // True when count more bytes are present (count may be any 64-bit size).
  bool Has(uint64_t count) const { return count <= Remaining(); }
  // Moves to an absolute position within the data.
  void Seek(size_t position) {
    if (position > size_) ThrowStreamReadError();
    pos_ = position;
  }

  uint8_t U8() { return static_cast<uint8_t>(Take(1)[0]); }
  int8_t I8() { return static_cast<int8_t>(U8()); }
  uint16_t U16() { return static_cast<uint16_t>(Little(Take(2), 2)); }
  int16_t I16() { return static_cast<int16_t>(U16()); }
  uint32_t U32() { return static_cast<uint32_t>(Little(Take(4), 4)); }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  uint64_t U64() { return Little(Take(8), 8); }
  int64_t I64() { return static_cast<int64_t>(U64()); }
  float F32() {
    const uint32_t bits = U32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  double F64() {
    const uint64_t bits = U64();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  // Pointer to the next count bytes, which are consumed.
  const uint8_t* Bytes(uint64_t count) { return Take(count); }
  // Copies count bytes into out.
  void Read(void* out, uint64_t count) {
    const uint8_t* from = Take(count);
    if (count) std::memcpy(out, from, static_cast<size_t>(count));
  }
  // Copies up to count bytes into out and returns how many were present (never raises).
  size_t ReadSome(void* out, size_t count) {
    const size_t n = count < Remaining() ? count : Remaining();
    if (n) std::memcpy(out, data_ + pos_, n);
    pos_ += n;
    return n;
  }
  void Skip(uint64_t count) { Take(count); }
  // A reader over the next count bytes, which are consumed here.
  TByteReader Slice(uint64_t count) {
    const uint8_t* from = Take(count);
    return TByteReader(from, static_cast<size_t>(count));
  }
  // A reader over everything from the position on, which is consumed here.
  TByteReader Rest() { return Slice(Remaining()); }
  // One length byte and that many bytes.
  std::string ShortString() {
    const uint8_t length = U8();
    const uint8_t* from = Take(length);
    return std::string(reinterpret_cast<const char*>(from), length);
  }

 private:
  const uint8_t* Take(uint64_t count) {
    if (count > Remaining()) ThrowStreamReadError();
    const uint8_t* from = data_ + pos_;
    pos_ += static_cast<size_t>(count);
    return from;
  }
  static uint64_t Little(const uint8_t* p, int count) {
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | p[i];
    return value;
  }

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t pos_ = 0;
};
