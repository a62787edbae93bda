// The component stream: the tagged binary format of image and sound library files.
//
//   file          "TPF0", then one object record (nothing after it is read)
//   object record [prefix byte 0xF0..0xFF; if bit 1 (value 2) is set, one integer value follows]
//                 class name (short string), instance name (short string),
//                 properties: (name as short string, value)* 0,   children: object record* 0
//   short string  1 length byte, then that many bytes (Windows-1252)
//   value         1 type byte, then:
//      0 end of list      1 list: values until a 0 type byte
//      2 int8   3 int16   4 int32   19 int64          (little-endian, signed)
//      5 extended (10 bytes)   15 single (4)   16 currency (int64 x 10000)   17 date (double)
//      6 string (short string)   7 identifier (short string)   12 long string (uint32 n, n bytes)
//      8 false   9 true   13 nil   10 binary (uint32 n, n bytes)
//     11 set: short strings until an empty one
//     14 collection: items until a 0 byte, then that 0; item = [int value] 1 properties 0
//     18 wide string (uint32 n UTF-16 code units, 2n bytes)
//
// A property name may be a dotted path ("Picture.Data"): each part but the last names an object
// nested in the one before. Objects, lists and collections share one nesting limit.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "media/byte_reader.h"

enum class TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
};

// Deepest nesting of objects, lists and collections a stream may have.
constexpr int kMaxStreamDepth = 64;

class TComponentReader;

// An object that a component stream fills: it reads the values of the properties it knows.
class TStreamObject {
 public:
  virtual ~TStreamObject() = default;
  // Names the object in error messages when ObjectName() is empty.
  virtual std::string ClassName() const = 0;
  virtual std::string ObjectName() const { return {}; }
  // The object that `part` of a dotted property path names, or nullptr when there is none.
  virtual TStreamObject* NestedObject(std::string_view part);
  // Reads the value of the property `name` from reader; false (nothing read) when there is no such
  // property.
  virtual bool ReadProperty(std::string_view name, TComponentReader& reader) = 0;
};

class TComponentReader {
 public:
  TComponentReader(const uint8_t* data, size_t size) : in_(data, size) {}

  // Checks the "TPF0" signature: "Invalid stream format" when it differs.
  void ReadSignature();
  // Reads one object record into root. Child objects are read and skipped. An error inside a
  // property is raised as EReadError "Error reading <object>.<property>: <message>".
  void ReadRootObject(TStreamObject& root);

  // Value readers for TStreamObject::ReadProperty. A value of another type raises EPropertyError
  // "Invalid property value".
  TValueType NextValue();           // the next type byte, not consumed
  int32_t ReadInteger();            // types 2, 3, 4
  int64_t ReadInt64();              // types 2, 3, 4, 19
  double ReadFloat();               // types 5, 15, 17
  int64_t ReadCurrency();           // type 16, the stored value x 10000
  std::string ReadString();         // types 6, 12
  std::u16string ReadWideString();  // type 18
  std::string ReadIdent();          // type 7; 8, 9, 13 read as "False", "True", "nil"
  bool ReadBoolean();               // types 8, 9, and 7 naming "False" or "True"
  std::vector<std::string> ReadSet();  // type 11
  TByteReader ReadBinary();         // type 10: a reader over its payload
  // Type 14: for each item calls addItem, then reads the item's properties into the result.
  void ReadCollection(const std::function<TStreamObject&()>& addItem);
  // Type 1: calls readElement once per value of the list; readElement must consume one value.
  void ReadList(const std::function<void()>& readElement);
  // Reads and drops one value of any type.
  void SkipValue();

 private:
  class TDepthGuard;

  void ReadObject(TStreamObject* instance);
  void ReadPrefix();
  void ReadProperty(TStreamObject& instance);
  void SkipProperty();
  [[noreturn]] void PropertyNotFound();
  TValueType ReadValueType();
  bool EndOfList();
  void ReadListEnd();

  TByteReader in_;
  int depth_ = 0;
};

// Converts an 80-bit extended floating-point value (little-endian) to double.
double ExtendedToDouble(const uint8_t bytes[10]);
