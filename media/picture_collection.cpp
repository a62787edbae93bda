#include "media/picture_collection.h"

#include <algorithm>

#include "media/bitmap_file.h"
#include "media/color_names.h"
#include "media/component_stream.h"
#include "media/file_bytes.h"

namespace {

[[noreturn]] void InvalidPropertyValue() { throw EPropertyError("Invalid property value"); }

// The "Picture" object nested in an image item: its "Data" is the stored bitmap.
class TPictureObject : public TStreamObject {
 public:
  TPictureObject(TPictureCollectionItem& item, const TSharedBytes& file)
      : item_(item), file_(file) {}
  std::string ClassName() const override { return "TPicture"; }
  bool ReadProperty(std::string_view name, TComponentReader& reader) override {
    if (name != "Data") return false;
    item_.SetPicture(ReadPictureData(reader.ReadBinary(), file_));
    return true;
  }

 private:
  TPictureCollectionItem& item_;
  const TSharedBytes& file_;
};

class TPictureItemObject : public TStreamObject {
 public:
  TPictureItemObject(TPictureCollectionItem& item, const TSharedBytes& file)
      : item_(item), picture_(item, file) {}
  std::string ClassName() const override { return "TPictureCollectionItem"; }
  TStreamObject* NestedObject(std::string_view part) override {
    return part == "Picture" ? &picture_ : nullptr;
  }
  bool ReadProperty(std::string_view name, TComponentReader& reader) override {
    if (name == "Name") {
      item_.SetName(reader.ReadString());
    } else if (name == "PatternWidth") {
      item_.PatternWidth = reader.ReadInteger();
    } else if (name == "PatternHeight") {
      item_.PatternHeight = reader.ReadInteger();
    } else if (name == "SkipWidth") {
      item_.SkipWidth = reader.ReadInteger();
    } else if (name == "SkipHeight") {
      item_.SkipHeight = reader.ReadInteger();
    } else if (name == "SystemMemory") {
      item_.SystemMemory = reader.ReadBoolean();
    } else if (name == "Transparent") {
      item_.Transparent = reader.ReadBoolean();
    } else if (name == "TransparentColor") {
      item_.SetTransparentColor(ReadColor(reader));
    } else if (name == "Picture") {
      InvalidPropertyValue();  // an object, set only through its own properties
    } else {
      return false;
    }
    return true;
  }

 private:
  static TColor ReadColor(TComponentReader& reader) {
    if (reader.NextValue() != TValueType::vaIdent) {
      return static_cast<TColor>(reader.ReadInteger());
    }
    TColor color = clBlack;
    if (!IdentToColor(reader.ReadIdent(), color)) InvalidPropertyValue();
    return color;
  }

  TPictureCollectionItem& item_;
  TPictureObject picture_;
};

// The collection as the nested object "List" of the root: it holds the colour table.
class TPictureListObject : public TStreamObject {
 public:
  explicit TPictureListObject(TPictureCollection& list) : list_(list) {}
  std::string ClassName() const override { return "TPictureCollection"; }
  bool ReadProperty(std::string_view name, TComponentReader& reader) override {
    if (name != "ColorTable") return false;
    TByteReader table = reader.ReadBinary();
    const uint8_t* bytes = table.Bytes(1024);
    list_.ColorTable.assign(bytes, bytes + 1024);
    return true;
  }

 private:
  TPictureCollection& list_;
};

// The library's root object, whose "List" is the collection being loaded.
class TPictureRootObject : public TStreamObject {
 public:
  TPictureRootObject(TPictureCollection& list, const TSharedBytes& file)
      : list_(list), file_(file), listObject_(list) {}
  std::string ClassName() const override { return "TPictureCollectionComponent"; }
  TStreamObject* NestedObject(std::string_view part) override {
    return part == "List" ? &listObject_ : nullptr;
  }
  bool ReadProperty(std::string_view name, TComponentReader& reader) override {
    if (name == "Name") {
      reader.ReadString();
    } else if (name == "Tag") {
      reader.ReadInteger();
    } else if (name == "List") {
      std::unique_ptr<TPictureItemObject> current;
      reader.ReadCollection([&]() -> TStreamObject& {
        current = std::make_unique<TPictureItemObject>(list_.Add(), file_);
        return *current;
      });
    } else {
      return false;
    }
    return true;
  }

 private:
  TPictureCollection& list_;
  const TSharedBytes& file_;
  TPictureListObject listObject_;
};

}  // namespace

TPictureCollectionItem::TPictureCollectionItem(TPictureCollection& collection)
    : TNamedItem(collection.NameIndex()), collection_(collection) {}

TPictureCollectionItem::~TPictureCollectionItem() = default;

const TPicture& TPictureCollectionItem::Picture() const {
  if (!decoded_) decoded_ = dib_.Decode();
  return *decoded_;
}

void TPictureCollectionItem::SetPicture(TDib dib) {
  dib_ = std::move(dib);
  decoded_.reset();
}

void TPictureCollectionItem::SetPicture(TPicture picture) {
  dib_ = TDib::FromPicture(picture);
  decoded_ = std::move(picture);
}

TPatternGrid TPictureCollectionItem::Grid() const {
  return MakePatternGrid(dib_.Width(), dib_.Height(), PatternWidth, PatternHeight, SkipWidth,
                         SkipHeight);
}

// The grid's pattern sides, without the divisions the rest of the grid needs.
int TPictureCollectionItem::Width() const { return PatternWidth > 0 ? PatternWidth : dib_.Width(); }

int TPictureCollectionItem::Height() const { return PatternHeight > 0 ? PatternHeight : dib_.Height(); }

int TPictureCollectionItem::PatternTotal() const {
  const std::array<int32_t, 6> fields{dib_.Width(), dib_.Height(), PatternWidth, PatternHeight, SkipWidth, SkipHeight};
  if (fields != totalFields_) {
    const TPatternGrid grid = Grid();
    total_ = static_cast<int>(std::min<int64_t>(grid.Columns * grid.Rows, INT32_MAX));
    totalFields_ = fields;
  }
  return total_;
}

TRect TPictureCollectionItem::PatternRect(int pattern) const {
  const TPatternGrid grid = Grid();
  if (pattern < 0 || pattern >= grid.Columns * grid.Rows) return TRect{};
  const int64_t row = pattern / grid.Columns;
  const int64_t column = pattern % grid.Columns;
  return Bounds(static_cast<int>(column * grid.StrideX), static_cast<int>(row * grid.StrideY),
                static_cast<int>(grid.PatternWidth), static_cast<int>(grid.PatternHeight));
}

TPictureCollection::TPictureCollection() = default;

TPictureCollection::~TPictureCollection() = default;

TPictureCollectionItem& TPictureCollection::Find(const std::string& name) {
  TPictureCollectionItem* item = FindItem(name);
  if (!item) throw EPictureCollectionError(Fmt("Image '%s' not found", name.c_str()));
  return *item;
}

TPictureCollectionItem& TPictureCollection::Add() {
  return Append(std::make_unique<TPictureCollectionItem>(*this));
}

void TPictureCollection::ReadFromFile(const std::string& path) {
  const TSharedFile file = ReadSharedFile(path);
  Load(file.Bytes.get(), file.Size, file.Bytes);
}

void TPictureCollection::ReadFromStream(const uint8_t* data, size_t size) {
  Load(data, size, nullptr);
}

void TPictureCollection::ReadFromLastingBytes(const uint8_t* data, size_t size) {
  // Pointing at the bytes without owning them: nothing frees what lasts as long as the program.
  Load(data, size, TSharedBytes(TSharedBytes(), data));
}

void TPictureCollection::Load(const uint8_t* data, size_t size, const TSharedBytes& file) {
  Clear();
  TComponentReader reader(data, size);
  reader.ReadSignature();
  TPictureRootObject root(*this, file);
  reader.ReadRootObject(root);
  AfterLoad();
}
