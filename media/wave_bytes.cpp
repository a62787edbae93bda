#include "media/wave_bytes.h"

#include <algorithm>

std::vector<uint8_t>& TWaveBytes::Own() {
  if (shared_) {
    own_.assign(shared_.get(), shared_.get() + sharedSize_);
    shared_.reset();
    sharedSize_ = 0;
  }
  return own_;
}

bool operator==(const TWaveBytes& a, const TWaveBytes& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool operator==(const TWaveBytes& a, const std::vector<uint8_t>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}
