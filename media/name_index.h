// Named collection items and the name index that finds them without regard to letter case.
//
// The index has 256 buckets. The bucket of a name is computed on the name in lower case:
//   length 0 or 1:  (length * 16) mod 256
//   otherwise:      (length * 16 + code of the first char + code of the second-to-last char) mod 256
// Each bucket is a doubly linked chain. Setting a name (on creation with an empty name, and on every
// rename) unlinks the item and inserts it at the head of its bucket, so among items of equal name
// the one named last is found first.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "media/errors.h"

class TNameIndex;

// The name in lower case (ASCII and the Windows-1252 letters), as the index compares names.
std::string LowerCaseName(std::string_view name);

// Base of image and sound items: a name in the collection's index and the item's position.
class TNamedItem {
 public:
  TNamedItem(const TNamedItem&) = delete;
  TNamedItem& operator=(const TNamedItem&) = delete;

  const std::string& Name() const { return name_; }
  // Renames the item and moves it to the head of its new bucket chain.
  void SetName(const std::string& name);
  // Position in the collection, 0..Count-1.
  int Index() const { return index_; }

 protected:
  // Links the item into the index with an empty name.
  explicit TNamedItem(TNameIndex& index);
  virtual ~TNamedItem();

 private:
  friend class TNameIndex;
  template <class T>
  friend class TNamedCollection;

  TNameIndex& nameIndex_;
  std::string name_;
  std::string lowerName_;
  int index_ = -1;
  int bucket_ = 0;
  TNamedItem* prev_ = nullptr;
  TNamedItem* next_ = nullptr;
};

// The 256 bucket chains of one collection.
class TNameIndex {
 public:
  TNameIndex() { heads_.fill(nullptr); }
  TNameIndex(const TNameIndex&) = delete;
  TNameIndex& operator=(const TNameIndex&) = delete;

  // Bucket of a name (the same for the name in any case).
  static int Bucket(std::string_view name);
  // The first item in the name's chain whose name equals it without regard to case, or nullptr.
  TNamedItem* Find(std::string_view name) const;

 private:
  friend class TNamedItem;
  void Link(TNamedItem& item);
  void Unlink(TNamedItem& item);

  std::array<TNamedItem*, 256> heads_;
};

// An ordered list of named items that owns them. T derives from TNamedItem.
template <class T>
class TNamedCollection {
 public:
  TNamedCollection() = default;
  TNamedCollection(const TNamedCollection&) = delete;
  TNamedCollection& operator=(const TNamedCollection&) = delete;
  virtual ~TNamedCollection() = default;

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError "List index out of bounds (%d)" for an index outside 0..Count-1.
  T& Items(int index) { return *items_[CheckedIndex(index)]; }
  const T& Items(int index) const { return *items_[CheckedIndex(index)]; }
  // Index of the item Find would return, or -1.
  int IndexOf(const std::string& name) const {
    const TNamedItem* item = nameIndex_.Find(name);
    return item ? item->Index() : -1;
  }
  // Removes every item.
  void Clear() {
    while (!items_.empty()) items_.pop_back();
  }
  // Removes one item; every later item's index goes down by one.
  void Delete(int index) {
    const size_t at = CheckedIndex(index);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    for (size_t i = at; i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i);
  }

  TNameIndex& NameIndex() { return nameIndex_; }

 protected:
  // The item found through the name index, or nullptr.
  T* FindItem(const std::string& name) const { return static_cast<T*>(nameIndex_.Find(name)); }
  // Takes ownership of a new item (already linked into this collection's index) and appends it.
  T& Append(std::unique_ptr<T> item) {
    item->index_ = Count();
    items_.push_back(std::move(item));
    return *items_.back();
  }

 private:
  size_t CheckedIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Fmt("List index out of bounds (%d)", index));
    return static_cast<size_t>(index);
  }

  // Declared before the items so that it outlives them: each item unlinks itself when destroyed.
  TNameIndex nameIndex_;
  std::vector<std::unique_ptr<T>> items_;
};
