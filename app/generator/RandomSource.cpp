#include "app/generator/RandomSource.h"

#include <stdexcept>

#include "base/SystemRandom.h"

namespace qw {

void TLcgRandomSource::ReseedFromClock() {
  if (!FClock) return;
  int64_t counter = 0;
  if (FClock->QueryPerformanceCounter(counter)) {
    RandomSeed = static_cast<uint32_t>(static_cast<uint64_t>(counter));
  } else {
    RandomSeed = FClock->GetTickCount();
  }
}

uint32_t TLcgRandomSource::RandomBelow(uint32_t n) {
  RandomSeed = RandomSeed * 134775813u + 1u;
  return static_cast<uint32_t>((static_cast<uint64_t>(RandomSeed) * n) >> 32);
}

uint32_t UniformBelow(uint32_t n, const std::function<uint32_t()>& nextWord) {
  if (n <= 1) return 0;
  // 2^32 mod n, computed without 64-bit division: (2^32 - n) mod n.
  const uint32_t rejected = (0u - n) % n;
  const uint32_t limit = 0u - rejected;  // 2^32 - rejected, as a 32-bit value (0 means "all accepted")
  for (;;) {
    const uint32_t w = nextWord();
    if (rejected == 0 || w < limit) return w % n;
  }
}

uint32_t TSystemRandomSource::NextWord() {
  if (FUsed == std::size(FBuffer)) {
    if (!FillSystemRandom(FBuffer, sizeof FBuffer)) {
      throw std::runtime_error("the system random number generator failed");
    }
    FUsed = 0;
  }
  return FBuffer[FUsed++];
}

uint32_t TSystemRandomSource::RandomBelow(uint32_t n) {
  const uint32_t v = UniformBelow(n, [this] { return NextWord(); });
  return v;
}

}  // namespace qw
