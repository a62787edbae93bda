#include "media/component_stream.h"

#include <cmath>
#include <cstring>

namespace {

[[noreturn]] void InvalidPropertyValue() { throw EPropertyError("Invalid property value"); }

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

bool IsIntegerType(TValueType type) {
  return type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32;
}

}  // namespace

// Counts one level of nesting for as long as it lives; refuses to go deeper than the limit.
class TComponentReader::TDepthGuard {
 public:
  explicit TDepthGuard(TComponentReader& reader) : reader_(reader) {
    if (reader_.depth_ >= kMaxStreamDepth) throw EReadError("Invalid stream format");
    ++reader_.depth_;
  }
  ~TDepthGuard() { --reader_.depth_; }
  TDepthGuard(const TDepthGuard&) = delete;
  TDepthGuard& operator=(const TDepthGuard&) = delete;

 private:
  TComponentReader& reader_;
};

TStreamObject* TStreamObject::NestedObject(std::string_view) { return nullptr; }

double ExtendedToDouble(const uint8_t bytes[10]) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[i];
  const int exponent = ((bytes[9] & 0x7F) << 8) | bytes[8];
  const bool negative = (bytes[9] & 0x80) != 0;
  double value;
  if (exponent == 0x7FFF) {
    value = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  } else if (mantissa == 0) {
    value = 0.0;
  } else {
    // The mantissa holds its integer bit explicitly: value = mantissa * 2^(exponent - 16383 - 63).
    value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  }
  return negative ? -value : value;
}

void TComponentReader::ReadSignature() {
  uint8_t signature[4];
  in_.Read(signature, 4);
  if (std::memcmp(signature, "TPF0", 4) != 0) throw EReadError("Invalid stream format");
}

void TComponentReader::ReadRootObject(TStreamObject& root) { ReadObject(&root); }

void TComponentReader::ReadObject(TStreamObject* instance) {
  TDepthGuard guard(*this);
  ReadPrefix();
  in_.ShortString();  // class name
  in_.ShortString();  // instance name
  while (!EndOfList()) {
    if (instance) {
      ReadProperty(*instance);
    } else {
      SkipProperty();
    }
  }
  ReadListEnd();
  // Children are not part of a library; they are read so that the record ends where it should.
  while (!EndOfList()) ReadObject(nullptr);
  ReadListEnd();
}

void TComponentReader::ReadPrefix() {
  const auto first = static_cast<uint8_t>(NextValue());
  if ((first & 0xF0) != 0xF0) return;
  in_.U8();
  if (first & 2) ReadInteger();  // the child position: not used
}

void TComponentReader::ReadProperty(TStreamObject& instance) {
  const std::string path = in_.ShortString();
  try {
    TStreamObject* target = &instance;
    std::string_view rest = path;
    for (size_t dot = rest.find('.'); dot != std::string_view::npos; dot = rest.find('.')) {
      target = target->NestedObject(rest.substr(0, dot));
      if (!target) PropertyNotFound();
      rest.remove_prefix(dot + 1);
    }
    if (!target->ReadProperty(rest, *this)) PropertyNotFound();
  } catch (const Exception& error) {
    std::string name = instance.ObjectName();
    if (name.empty()) name = instance.ClassName();
    throw EReadError("Error reading " + name + "." + path + ": " + error.Message());
  }
}

void TComponentReader::PropertyNotFound() {
  SkipValue();
  throw EPropertyError("Property does not exist");
}

void TComponentReader::SkipProperty() {
  in_.ShortString();
  SkipValue();
}

TValueType TComponentReader::ReadValueType() { return static_cast<TValueType>(in_.U8()); }

TValueType TComponentReader::NextValue() {
  TByteReader probe = in_;
  return static_cast<TValueType>(probe.U8());
}

bool TComponentReader::EndOfList() { return NextValue() == TValueType::vaNull; }

void TComponentReader::ReadListEnd() {
  if (ReadValueType() != TValueType::vaNull) InvalidPropertyValue();
}

int32_t TComponentReader::ReadInteger() {
  switch (ReadValueType()) {
    case TValueType::vaInt8: return in_.I8();
    case TValueType::vaInt16: return in_.I16();
    case TValueType::vaInt32: return in_.I32();
    default: InvalidPropertyValue();
  }
}

int64_t TComponentReader::ReadInt64() {
  if (NextValue() == TValueType::vaInt64) {
    ReadValueType();
    return in_.I64();
  }
  return ReadInteger();
}

double TComponentReader::ReadFloat() {
  switch (ReadValueType()) {
    case TValueType::vaExtended: return ExtendedToDouble(in_.Bytes(10));
    case TValueType::vaSingle: return in_.F32();
    case TValueType::vaDate: return in_.F64();
    default: InvalidPropertyValue();
  }
}

int64_t TComponentReader::ReadCurrency() {
  if (ReadValueType() != TValueType::vaCurrency) InvalidPropertyValue();
  return in_.I64();
}

std::string TComponentReader::ReadString() {
  switch (ReadValueType()) {
    case TValueType::vaString: return in_.ShortString();
    case TValueType::vaLString: {
      const uint32_t length = in_.U32();
      const uint8_t* bytes = in_.Bytes(length);
      return std::string(reinterpret_cast<const char*>(bytes), length);
    }
    default: InvalidPropertyValue();
  }
}

std::u16string TComponentReader::ReadWideString() {
  if (ReadValueType() != TValueType::vaWString) InvalidPropertyValue();
  const uint64_t units = in_.U32();
  const uint8_t* bytes = in_.Bytes(units * 2);
  std::u16string text(static_cast<size_t>(units), u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return text;
}

std::string TComponentReader::ReadIdent() {
  switch (ReadValueType()) {
    case TValueType::vaIdent: return in_.ShortString();
    case TValueType::vaFalse: return "False";
    case TValueType::vaTrue: return "True";
    case TValueType::vaNil: return "nil";
    default: InvalidPropertyValue();
  }
}

bool TComponentReader::ReadBoolean() {
  switch (ReadValueType()) {
    case TValueType::vaFalse: return false;
    case TValueType::vaTrue: return true;
    case TValueType::vaIdent: {
      const std::string ident = in_.ShortString();
      if (SameText(ident, "False")) return false;
      if (SameText(ident, "True")) return true;
      InvalidPropertyValue();
    }
    default: InvalidPropertyValue();
  }
}

std::vector<std::string> TComponentReader::ReadSet() {
  if (ReadValueType() != TValueType::vaSet) InvalidPropertyValue();
  std::vector<std::string> members;
  for (std::string member = in_.ShortString(); !member.empty(); member = in_.ShortString()) {
    members.push_back(std::move(member));
  }
  return members;
}

TByteReader TComponentReader::ReadBinary() {
  if (ReadValueType() != TValueType::vaBinary) InvalidPropertyValue();
  const uint32_t length = in_.U32();
  return in_.Slice(length);
}

void TComponentReader::ReadCollection(const std::function<TStreamObject&()>& addItem) {
  if (ReadValueType() != TValueType::vaCollection) InvalidPropertyValue();
  TDepthGuard guard(*this);
  while (!EndOfList()) {
    if (IsIntegerType(NextValue())) ReadInteger();  // the item's order: not used
    TStreamObject& item = addItem();
    if (ReadValueType() != TValueType::vaList) InvalidPropertyValue();
    while (!EndOfList()) ReadProperty(item);
    ReadListEnd();
  }
  ReadListEnd();
}

void TComponentReader::ReadList(const std::function<void()>& readElement) {
  if (ReadValueType() != TValueType::vaList) InvalidPropertyValue();
  TDepthGuard guard(*this);
  while (!EndOfList()) {
    const size_t before = in_.Position();
    readElement();
    // An element reader that consumed nothing would make this loop spin.
    if (in_.Position() == before) InvalidPropertyValue();
  }
  ReadListEnd();
}

void TComponentReader::SkipValue() {
  switch (ReadValueType()) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
      break;
    case TValueType::vaList: {
      TDepthGuard guard(*this);
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    }
    case TValueType::vaInt8: in_.Skip(1); break;
    case TValueType::vaInt16: in_.Skip(2); break;
    case TValueType::vaInt32:
    case TValueType::vaSingle: in_.Skip(4); break;
    case TValueType::vaInt64:
    case TValueType::vaCurrency:
    case TValueType::vaDate: in_.Skip(8); break;
    case TValueType::vaExtended: in_.Skip(10); break;
    case TValueType::vaString:
    case TValueType::vaIdent: in_.ShortString(); break;
    case TValueType::vaBinary:
    case TValueType::vaLString: in_.Skip(in_.U32()); break;
    case TValueType::vaWString: in_.Skip(uint64_t{in_.U32()} * 2); break;
    case TValueType::vaSet:
      while (!in_.ShortString().empty()) {
        // Each member is consumed by the condition.
      }
      break;
    case TValueType::vaCollection: {
      TDepthGuard guard(*this);
      while (!EndOfList()) {
        if (IsIntegerType(NextValue())) SkipValue();
        in_.Skip(1);  // the item's list marker
        while (!EndOfList()) SkipProperty();
        ReadListEnd();
      }
      ReadListEnd();
      break;
    }
    default: InvalidPropertyValue();
  }
}
