#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/generator/PasswordGenerator.h"
#include "app/generator/RandomSource.h"

namespace qw {
namespace {

class TFakeClock final : public TClock {
 public:
  bool HasCounter = true;
  int64_t Counter = 0;
  uint32_t Ticks = 0;
  bool QueryPerformanceCounter(int64_t& value) override {
    value = Counter;
    return HasCounter;
  }
  uint32_t GetTickCount() override { return Ticks; }
};

TEST(LcgRandomSource, ReproducesTheKnownSequenceFromSeedZero) {
  TLcgRandomSource lcg(nullptr);
  lcg.RandomSeed = 0;
  std::vector<uint32_t> got;
  for (int i = 0; i < 8; ++i) got.push_back(lcg.RandomBelow(91));
  EXPECT_EQ(got, (std::vector<uint32_t>{0, 2, 78, 18, 24, 61, 29, 14}));

  lcg.RandomSeed = 0;
  lcg.RandomBelow(91);
  EXPECT_EQ(lcg.RandomSeed, 1u);
  lcg.RandomBelow(91);
  EXPECT_EQ(lcg.RandomSeed, 134775814u);
}

TEST(LcgRandomSource, ZeroRangeStillAdvancesTheSeed) {
  TLcgRandomSource lcg(nullptr);
  lcg.RandomSeed = 5;
  EXPECT_EQ(lcg.RandomBelow(0), 0u);
  EXPECT_EQ(lcg.RandomSeed, 5u * 134775813u + 1u);
}

TEST(LcgRandomSource, ReseedsFromTheCounterOrElseTheTickCount) {
  TFakeClock clock;
  TLcgRandomSource lcg(&clock);
  clock.Counter = 0x123456789ABCDEF0;
  clock.Ticks = 77;
  lcg.ReseedFromClock();
  EXPECT_EQ(lcg.RandomSeed, 0x9ABCDEF0u);  // the counter's low 32 bits
  clock.HasCounter = false;
  lcg.ReseedFromClock();
  EXPECT_EQ(lcg.RandomSeed, 77u);

  TLcgRandomSource fixed(nullptr);
  fixed.RandomSeed = 42;
  fixed.ReseedFromClock();
  EXPECT_EQ(fixed.RandomSeed, 42u);
}

TEST(UniformBelow, RejectsTheBiasedTailAndCoversEveryValueEquallyOften) {
  // Feed every 32-bit word whose top bits vary through a counter: for n = 3, 2^32 mod 3 = 1, so exactly
  // the word 0xFFFFFFFF must be rejected.
  std::vector<uint32_t> words = {0xFFFFFFFFu, 7u};
  size_t next = 0;
  EXPECT_EQ(UniformBelow(3, [&] { return words[next++]; }), 1u);
  EXPECT_EQ(next, 2u);  // the first word was thrown away

  // Over all accepted words of a small window of the range, each residue appears equally often.
  for (uint32_t n : {1u, 2u, 3u, 7u, 10u, 29u, 91u, 255u}) {
    const uint32_t rejected = static_cast<uint32_t>((uint64_t{1} << 32) % n);
    const uint32_t limit = static_cast<uint32_t>((uint64_t{1} << 32) - rejected);
    // The last n*4 accepted words end at `limit`; the rejected tail follows them.
    std::vector<int> hits(n, 0);
    uint32_t w = limit - n * 4;
    int consumed = 0;
    for (uint32_t i = 0; i < n * 4; ++i) {
      const uint32_t v = UniformBelow(n, [&] { ++consumed; return w++; });
      ASSERT_LT(v, n);
      ++hits[v];
    }
    for (uint32_t v = 0; v < n; ++v) EXPECT_EQ(hits[v], 4) << "n=" << n << " v=" << v;
    // Every word of the tail is rejected: the first draw from it must fall through to the next word.
    int draws = 0;
    uint32_t tail = limit;
    const uint32_t v = UniformBelow(n, [&] { ++draws; return draws <= static_cast<int>(rejected) ? tail++ : 5u; });
    EXPECT_EQ(draws, static_cast<int>(rejected) + (n > 1 ? 1 : 0));
    EXPECT_EQ(v, n > 1 ? 5u % n : 0u);
  }
}

TEST(SystemRandomSource, StaysInRangeAndDiffersBetweenPasswords) {
  TSystemRandomSource random;
  for (uint32_t n : {1u, 2u, 3u, 91u, 0x80000001u, 0xFFFFFFFFu}) {
    for (int i = 0; i < 200; ++i) ASSERT_LT(random.RandomBelow(n), n);
  }
  EXPECT_EQ(random.RandomBelow(0), 0u);

  PasswordRequest request;
  request.CountText = u"20";
  std::set<std::u16string> seen;
  for (int i = 0; i < 20; ++i) seen.insert(GeneratePassword(request, random));
  EXPECT_EQ(seen.size(), 20u);  // 91^20 possibilities: a repeat means the source is broken
}

}  // namespace
}  // namespace qw
