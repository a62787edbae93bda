#include "media/wave_collection.h"

#include <memory>

#include "media/component_stream.h"
#include "media/file_bytes.h"
#include "media/riff_wave.h"

namespace {

// The "Wave" object nested in a sound item: its "WAVE" is the stored RIFF file.
class TWaveObject : public TStreamObject {
 public:
  TWaveObject(TWaveCollectionItem& item, const TSharedBytes& file) : item_(item), file_(file) {}
  std::string ClassName() const override { return "TWave"; }
  bool ReadProperty(std::string_view name, TComponentReader& reader) override {
    if (name != "WAVE") return false;
    item_.SetWave(ReadRiffWave(reader.ReadBinary(), file_));
    return true;
  }

 private:
  TWaveCollectionItem& item_;
  const TSharedBytes& file_;
};

class TWaveItemObject : public TStreamObject {
 public:
  TWaveItemObject(TWaveCollectionItem& item, const TSharedBytes& file) : item_(item), wave_(item, file) {}
  std::string ClassName() const override { return "TWaveCollectionItem"; }
  TStreamObject* NestedObject(std::string_view part) override {
    return part == "Wave" ? &wave_ : nullptr;
  }
  bool ReadProperty(std::string_view name, TComponentReader& reader) override {
    if (name == "Name") {
      item_.SetName(reader.ReadString());
    } else if (name == "Looped") {
      item_.SetLooped(reader.ReadBoolean());
    } else if (name == "MaxPlayingCount") {
      item_.SetMaxPlayingCount(reader.ReadInteger());
    } else if (name == "Wave") {
      throw EPropertyError("Invalid property value");  // an object, set through its "WAVE"
    } else {
      return false;
    }
    return true;
  }

 private:
  TWaveCollectionItem& item_;
  TWaveObject wave_;
};

// The library's root object, whose "List" is the collection being loaded.
class TWaveRootObject : public TStreamObject {
 public:
  TWaveRootObject(TWaveCollection& list, const TSharedBytes& file) : list_(list), file_(file) {}
  std::string ClassName() const override { return "TWaveCollectionComponent"; }
  bool ReadProperty(std::string_view name, TComponentReader& reader) override {
    if (name == "Name") {
      reader.ReadString();
    } else if (name == "Tag") {
      reader.ReadInteger();
    } else if (name == "List") {
      std::unique_ptr<TWaveItemObject> current;
      reader.ReadCollection([&]() -> TStreamObject& {
        current = std::make_unique<TWaveItemObject>(list_.Add(), file_);
        return *current;
      });
    } else {
      return false;
    }
    return true;
  }

 private:
  TWaveCollection& list_;
  const TSharedBytes& file_;
};

}  // namespace

TWaveCollectionItem::TWaveCollectionItem(TWaveCollection& collection)
    : TNamedItem(collection.NameIndex()), collection_(collection) {}

TWaveCollectionItem::~TWaveCollectionItem() = default;

TWaveCollection::TWaveCollection() = default;

TWaveCollection::~TWaveCollection() = default;

TWaveCollectionItem& TWaveCollection::Find(const std::string& name) {
  TWaveCollectionItem* item = FindItem(name);
  if (!item) throw EWaveCollectionError(Fmt("Wave '%s' not found", name.c_str()));
  return *item;
}

TWaveCollectionItem& TWaveCollection::Add() {
  return Append(std::make_unique<TWaveCollectionItem>(*this));
}

void TWaveCollection::ReadFromFile(const std::string& path) {
  const TSharedFile file = ReadSharedFile(path);
  Load(file.Bytes.get(), file.Size, file.Bytes);
  fileName_ = path;
}

void TWaveCollection::ReadFromStream(const uint8_t* data, size_t size) { Load(data, size, nullptr); }

void TWaveCollection::Load(const uint8_t* data, size_t size, const TSharedBytes& file) {
  fileName_.clear();
  Clear();
  TComponentReader reader(data, size);
  reader.ReadSignature();
  TWaveRootObject root(*this, file);
  reader.ReadRootObject(root);
  AfterLoad();
}
