#pragma once
// Where the generator's randomness comes from. The window uses the system CSPRNG; the linear
// congruential source reproduces the classic deterministic sequence for tests and for `--seed`.
#include <cstdint>
#include <functional>

#include "base/Clock.h"

namespace qw {

class TRandomSource {
 public:
  virtual ~TRandomSource() = default;
  // Called once at the start of every generation, before anything else is read.
  virtual void ReseedFromClock() = 0;
  // Returns a value in [0, n); for n = 0 it returns 0.
  virtual uint32_t RandomBelow(uint32_t n) = 0;
};

// The 32-bit linear congruential source: seed * 134775813 + 1, result = high word of seed * n.
class TLcgRandomSource final : public TRandomSource {
 public:
  // With a clock, every generation reseeds from it; without one (nullptr) the seed is left alone, so a
  // seed set once continues its sequence across generations.
  explicit TLcgRandomSource(TClock* clock) : FClock(clock) {}
  void ReseedFromClock() override;
  uint32_t RandomBelow(uint32_t n) override;

  uint32_t RandomSeed = 0;

 private:
  TClock* FClock;
};

// Draws a uniformly distributed value in [0, n) from 32-bit words by rejection: a word at or above the
// largest multiple of n below 2^32 is thrown away and another drawn, so no value is favoured.
uint32_t UniformBelow(uint32_t n, const std::function<uint32_t()>& nextWord);

// The operating system's CSPRNG with unbiased rejection sampling. There is nothing to seed.
class TSystemRandomSource final : public TRandomSource {
 public:
  void ReseedFromClock() override {}
  uint32_t RandomBelow(uint32_t n) override;

 private:
  uint32_t NextWord();
  uint32_t FBuffer[64] = {};
  unsigned FUsed = 64;
};

}  // namespace qw
