// Hand-made library streams and pictures for the library file tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/component_stream_writer.h"
#include "media/errors.h"

// Little-endian bytes appended one field at a time.
struct TBytes {
  std::vector<uint8_t> Data;
  TBytes& U8(uint8_t v) { Data.push_back(v); return *this; }
  TBytes& U16(uint16_t v) { return U8(v & 255).U8(v >> 8); }
  TBytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  TBytes& Text(const std::string& s) { Data.insert(Data.end(), s.begin(), s.end()); return *this; }
  TBytes& Add(const std::vector<uint8_t>& v) { Data.insert(Data.end(), v.begin(), v.end()); return *this; }
};

// A library whose root holds a "List" collection; each item is written by a callback.
class TLibraryBuilder {
 public:
  explicit TLibraryBuilder(const std::string& className = "TPictureCollectionComponent") {
    w.WriteSignature();
    w.BeginObject(className, "");
  }
  // Root properties before the list.
  TLibraryBuilder& Root(const std::function<void(TComponentWriter&)>& write) {
    write(w);
    return *this;
  }
  TLibraryBuilder& BeginList() {
    w.WritePropertyName("List");
    w.BeginCollection();
    return *this;
  }
  TLibraryBuilder& Item(const std::function<void(TComponentWriter&)>& write) {
    w.BeginCollectionItem();
    write(w);
    w.WriteListEnd();
    return *this;
  }
  std::vector<uint8_t> Finish() {
    w.WriteListEnd();  // collection
    w.WriteListEnd();  // properties
    w.WriteListEnd();  // children
    return w.TakeBytes();
  }

  TComponentWriter w;
};

// A 40-byte DIB info header.
inline TBytes InfoHeader(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                         uint32_t imageSize = 0, uint32_t colorsUsed = 0) {
  TBytes b;
  b.U32(40).U32(static_cast<uint32_t>(width)).U32(static_cast<uint32_t>(height)).U16(1).U16(bits);
  b.U32(compression).U32(imageSize).U32(0).U32(0).U32(colorsUsed).U32(0);
  return b;
}

// The "Picture.Data" payload of a "TDIB" picture.
inline std::vector<uint8_t> DibPayload(const std::vector<uint8_t>& dib) {
  TBytes b;
  b.U8(4).Text("TDIB").Add(dib);
  return b.Data;
}

// The message of the error that calling f raises, or "" when it raises none.
template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}
