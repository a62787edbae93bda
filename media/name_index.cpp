#include "media/name_index.h"

namespace {

// Windows-1252 lower case: ASCII letters, the accented capitals 0xC0..0xDE (but not the multiplication
// sign 0xD7), and the four capitals that live in 0x80..0x9F.
char LowerChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  switch (u) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return c;
  }
}

}  // namespace

std::string LowerCaseName(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = LowerChar(c);
  return lower;
}

TNamedItem::TNamedItem(TNameIndex& index) : nameIndex_(index) { nameIndex_.Link(*this); }

TNamedItem::~TNamedItem() { nameIndex_.Unlink(*this); }

void TNamedItem::SetName(const std::string& name) {
  nameIndex_.Unlink(*this);
  name_ = name;
  lowerName_ = LowerCaseName(name);
  nameIndex_.Link(*this);
}

int TNameIndex::Bucket(std::string_view name) {
  const size_t length = name.size();
  uint32_t sum = static_cast<uint32_t>(length) * 16;
  if (length >= 2) {
    sum += static_cast<unsigned char>(LowerChar(name.front()));
    sum += static_cast<unsigned char>(LowerChar(name[length - 2]));
  }
  return static_cast<int>(sum & 255);
}

TNamedItem* TNameIndex::Find(std::string_view name) const {
  // Compared letter by letter in lower case: play looks names up every tick, and making the
  // lower-case name each time would cost more than the search.
  const auto sameName = [name](const std::string& lower) {
    if (lower.size() != name.size()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
      if (lower[i] != LowerChar(name[i])) return false;
    }
    return true;
  };
  for (TNamedItem* item = heads_[Bucket(name)]; item; item = item->next_) {
    if (sameName(item->lowerName_)) return item;
  }
  return nullptr;
}

void TNameIndex::Link(TNamedItem& item) {
  item.bucket_ = Bucket(item.lowerName_);
  TNamedItem*& head = heads_[item.bucket_];
  item.prev_ = nullptr;
  item.next_ = head;
  if (head) head->prev_ = &item;
  head = &item;
}

void TNameIndex::Unlink(TNamedItem& item) {
  if (item.prev_) {
    item.prev_->next_ = item.next_;
  } else if (heads_[item.bucket_] == &item) {
    heads_[item.bucket_] = item.next_;
  }
  if (item.next_) item.next_->prev_ = item.prev_;
  item.prev_ = nullptr;
  item.next_ = nullptr;
}
