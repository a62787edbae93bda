#include "media/component_stream_writer.h"

#include "media/errors.h"

void TComponentWriter::WriteSignature() {
  for (const char c : {'T', 'P', 'F', '0'}) out_.push_back(static_cast<uint8_t>(c));
}

void TComponentWriter::BeginObject(std::string_view className, std::string_view instanceName) {
  WriteShortString(className);
  WriteShortString(instanceName);
}

void TComponentWriter::WriteInteger(int64_t value) {
  int bytes;
  if (value >= INT8_MIN && value <= INT8_MAX) {
    WriteValueType(TValueType::vaInt8);
    bytes = 1;
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    WriteValueType(TValueType::vaInt16);
    bytes = 2;
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteValueType(TValueType::vaInt32);
    bytes = 4;
  } else {
    WriteValueType(TValueType::vaInt64);
    bytes = 8;
  }
  const auto bits = static_cast<uint64_t>(value);
  for (int i = 0; i < bytes; ++i) out_.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

void TComponentWriter::WriteString(std::string_view text) {
  if (text.size() <= 255) {
    WriteValueType(TValueType::vaString);
    WriteShortString(text);
    return;
  }
  WriteValueType(TValueType::vaLString);
  WriteU32(static_cast<uint32_t>(text.size()));
  WriteBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void TComponentWriter::WriteIdent(std::string_view ident) {
  WriteValueType(TValueType::vaIdent);
  WriteShortString(ident);
}

void TComponentWriter::WriteBinary(const std::vector<uint8_t>& bytes) {
  if (bytes.size() > UINT32_MAX) throw EStreamError("Binary value too large");
  WriteValueType(TValueType::vaBinary);
  WriteU32(static_cast<uint32_t>(bytes.size()));
  WriteBytes(bytes.data(), bytes.size());
}

void TComponentWriter::WriteShortString(std::string_view text) {
  if (text.size() > 255) throw EStreamError("Name too long for a short string: " + std::string(text));
  out_.push_back(static_cast<uint8_t>(text.size()));
  WriteBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void TComponentWriter::WriteU32(uint32_t value) {
  for (int i = 0; i < 4; ++i) out_.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
