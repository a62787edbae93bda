#include "media/random.h"

namespace {

constexpr uint64_t kMultiplier = 6364136223846793005ULL;
constexpr uint64_t kIncrement = 1442695040888963407ULL;

}  // namespace

void TRandom::Seed(uint64_t x) {
  // Two steps around adding the seed, so that nearby seeds (consecutive clock values) start far apart.
  state_ = 0;
  Next();
  state_ += x;
  Next();
}

uint32_t TRandom::Next() {
  const uint64_t old = state_;
  state_ = old * kMultiplier + kIncrement;
  const auto xorShifted = static_cast<uint32_t>(((old >> 18) ^ old) >> 27);
  const auto rotation = static_cast<uint32_t>(old >> 59);
  return (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
}

int32_t TRandom::Random(int32_t n) {
  if (n <= 0) return 0;
  // Multiply-and-shift maps 32 random bits onto 0..n-1; draws that fall in the short leftover range
  // are rejected so that every result is exactly equally likely.
  const auto range = static_cast<uint32_t>(n);
  uint64_t product = static_cast<uint64_t>(Next()) * range;
  auto low = static_cast<uint32_t>(product);
  if (low < range) {
    const uint32_t threshold = (0u - range) % range;
    while (low < threshold) {
      product = static_cast<uint64_t>(Next()) * range;
      low = static_cast<uint32_t>(product);
    }
  }
  return static_cast<int32_t>(product >> 32);
}
