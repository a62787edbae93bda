// Writes the component stream format described in component_stream.h: the library writer builds
// image and sound library files with it, and tests build hand-made streams.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "media/component_stream.h"

class TComponentWriter {
 public:
  // The "TPF0" signature.
  void WriteSignature();
  // Starts an object record (no prefix byte): class name and instance name.
  void BeginObject(std::string_view className, std::string_view instanceName);
  // Ends a property list, a child list, a list, a collection item or a collection.
  void WriteListEnd() { out_.push_back(0); }
  void WritePropertyName(std::string_view name) { WriteShortString(name); }

  void WriteValueType(TValueType type) { out_.push_back(static_cast<uint8_t>(type)); }
  // The smallest of types 2, 3, 4 and 19 that holds the value.
  void WriteInteger(int64_t value);
  // Type 6 up to 255 bytes, type 12 beyond.
  void WriteString(std::string_view text);
  void WriteIdent(std::string_view ident);
  void WriteBoolean(bool value) { WriteValueType(value ? TValueType::vaTrue : TValueType::vaFalse); }
  void WriteBinary(const std::vector<uint8_t>& bytes);
  // A collection: BeginCollection, then per item BeginCollectionItem, properties, WriteListEnd;
  // then WriteListEnd.
  void BeginCollection() { WriteValueType(TValueType::vaCollection); }
  void BeginCollectionItem() { WriteValueType(TValueType::vaList); }

  // Raw pieces, for payloads and hand-made test streams.
  void WriteShortString(std::string_view text);
  void WriteU8(uint8_t value) { out_.push_back(value); }
  void WriteU32(uint32_t value);
  void WriteBytes(const uint8_t* data, size_t size) { out_.insert(out_.end(), data, data + size); }

  const std::vector<uint8_t>& Bytes() const { return out_; }
  std::vector<uint8_t> TakeBytes() { return std::move(out_); }

 private:
  std::vector<uint8_t> out_;
};
