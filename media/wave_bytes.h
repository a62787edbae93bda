// The sample bytes of a wave: either bytes of its own, or a stretch of a library file's bytes that
// it shares with the other waves read from that file (reading a library then copies nothing, and
// the file stays in memory while any of its waves does). Reading gives the bytes whichever they
// are; anything that changes them first gives a shared wave a copy of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "media/file_bytes.h"

class TWaveBytes {
 public:
  TWaveBytes() = default;
  // Implicit, so that a vector of bytes can be given wherever a wave's bytes are.
  TWaveBytes(std::vector<uint8_t> bytes) : own_(std::move(bytes)) {}
  TWaveBytes(std::initializer_list<uint8_t> bytes) : own_(bytes) {}
  // size bytes at data, which lie in the bytes owner keeps alive.
  TWaveBytes(const TSharedBytes& owner, const uint8_t* data, size_t size) : shared_(owner, data), sharedSize_(size) {}

  const uint8_t* data() const { return shared_ ? shared_.get() : own_.data(); }
  size_t size() const { return shared_ ? sharedSize_ : own_.size(); }
  bool empty() const { return size() == 0; }
  const uint8_t* begin() const { return data(); }
  const uint8_t* end() const { return data() + size(); }
  const uint8_t& operator[](size_t i) const { return data()[i]; }

  // The bytes as a vector of the wave's own, to change.
  std::vector<uint8_t>& Own();
  void assign(size_t count, uint8_t value) { Own().assign(count, value); }
  void resize(size_t count) { Own().resize(count); }
  void reserve(size_t count) { Own().reserve(count); }
  void push_back(uint8_t value) { Own().push_back(value); }
  uint8_t& operator[](size_t i) { return Own()[i]; }
  uint8_t* begin() { return Own().data(); }
  uint8_t* end() {
    std::vector<uint8_t>& own = Own();
    return own.data() + own.size();
  }

  // Whether the bytes are shared with a file rather than the wave's own.
  bool Shared() const { return shared_ != nullptr; }

  friend bool operator==(const TWaveBytes& a, const TWaveBytes& b);
  friend bool operator==(const TWaveBytes& a, const std::vector<uint8_t>& b);

 private:
  std::vector<uint8_t> own_;
  TSharedBytes shared_;  // points at the shared bytes and keeps their owner alive
  size_t sharedSize_ = 0;
};
