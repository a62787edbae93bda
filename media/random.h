// TRandom: the program's one seedable random number generator. The main form owns it; play draws
// every random choice from it, so a test that seeds it replays a trip exactly.
//
// The generator is a 64-bit linear congruential step (multiplier 6364136223846793005, increment
// 1442695040888963407) whose output is the high 32 bits of the old state, xor-shifted and rotated by
// its top five bits (the well-known PCG-XSH-RR output function). It uses only integer arithmetic, so
// a seed gives the same sequence on every platform and compiler.
#pragma once

#include <cstdint>

class TRandom {
 public:
  // A generator seeded with 0 (tests seed it explicitly; the program calls Randomize).
  TRandom() { Seed(0); }
  explicit TRandom(uint64_t seed) { Seed(seed); }

  // Restarts the sequence that the seed x names.
  void Seed(uint64_t x);
  // Seeds from a value that differs from run to run; the caller passes the host's wall clock.
  void Randomize(uint64_t clockValue) { Seed(clockValue); }

  // A uniform integer in 0 .. n - 1; 0 when n <= 0.
  int32_t Random(int32_t n);
  // The next 32 raw bits.
  uint32_t Next();

 private:
  uint64_t state_ = 0;
};
