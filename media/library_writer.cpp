#include "media/library_writer.h"

#include "media/color_names.h"
#include "media/component_stream_writer.h"
#include "media/dib_writer.h"
#include "media/file_bytes.h"
#include "media/riff_wave.h"

namespace {

void WritePictureItem(TComponentWriter& out, const TPictureItemData& item) {
  out.WritePropertyName("Name");
  out.WriteString(item.Name);
  out.WritePropertyName("PatternHeight");
  out.WriteInteger(item.PatternHeight);
  out.WritePropertyName("PatternWidth");
  out.WriteInteger(item.PatternWidth);
  if (!item.Picture.Empty()) {
    std::vector<uint8_t> payload{4, 'T', 'D', 'I', 'B'};
    const std::vector<uint8_t> dib = EncodeDib(item.Picture);
    payload.insert(payload.end(), dib.begin(), dib.end());
    out.WritePropertyName("Picture.Data");
    out.WriteBinary(payload);
  }
  if (item.SkipHeight != 0) {
    out.WritePropertyName("SkipHeight");
    out.WriteInteger(item.SkipHeight);
  }
  if (item.SkipWidth != 0) {
    out.WritePropertyName("SkipWidth");
    out.WriteInteger(item.SkipWidth);
  }
  out.WritePropertyName("SystemMemory");
  out.WriteBoolean(item.SystemMemory);
  out.WritePropertyName("Transparent");
  out.WriteBoolean(item.Transparent);
  out.WritePropertyName("TransparentColor");
  std::string ident;
  if (ColorToIdent(item.TransparentColor, ident)) {
    out.WriteIdent(ident);
  } else {
    out.WriteInteger(static_cast<int32_t>(item.TransparentColor));
  }
}

void WriteWaveItem(TComponentWriter& out, const TWaveItemData& item) {
  out.WritePropertyName("Name");
  out.WriteString(item.Name);
  out.WritePropertyName("Looped");
  out.WriteBoolean(item.Looped);
  out.WritePropertyName("MaxPlayingCount");
  out.WriteInteger(item.MaxPlayingCount);
  if (!item.Wave.Format.empty() || !item.Wave.Data.empty()) {
    out.WritePropertyName("Wave.WAVE");
    out.WriteBinary(EncodeRiffWave(item.Wave));
  }
}

template <class Item, class WriteItem>
std::vector<uint8_t> EncodeLibrary(const char* className, const std::vector<Item>& items,
                                   WriteItem writeItem) {
  TComponentWriter out;
  out.WriteSignature();
  out.BeginObject(className, "");
  out.WritePropertyName("List");
  out.BeginCollection();
  for (const Item& item : items) {
    out.BeginCollectionItem();
    writeItem(out, item);
    out.WriteListEnd();
  }
  out.WriteListEnd();  // collection
  out.WriteListEnd();  // properties
  out.WriteListEnd();  // children
  return out.TakeBytes();
}

}  // namespace

std::vector<uint8_t> EncodePictureLibrary(const std::vector<TPictureItemData>& items) {
  return EncodeLibrary("TPictureCollectionComponent", items, WritePictureItem);
}

std::vector<uint8_t> EncodeWaveLibrary(const std::vector<TWaveItemData>& items) {
  return EncodeLibrary("TWaveCollectionComponent", items, WriteWaveItem);
}

void WritePictureLibrary(const std::string& path, const std::vector<TPictureItemData>& items) {
  WriteFileBytes(path, EncodePictureLibrary(items));
}

void WriteWaveLibrary(const std::string& path, const std::vector<TWaveItemData>& items) {
  WriteFileBytes(path, EncodeWaveLibrary(items));
}
