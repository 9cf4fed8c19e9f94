// The fast blend forms against the rule as written, over every weight and every channel pair.
#include "image/BlendRow.h"

#include <gtest/gtest.h>

#include <vector>

namespace qw {
namespace {

// 65536 pixels whose blue, green and red channels each run through every (d, s) pair exactly once
// (in different orders), so one row per weight covers the whole space on all three lanes.
void MakeRows(std::vector<uint32_t>& d, std::vector<uint32_t>& s) {
  d.resize(65536);
  s.resize(65536);
  for (uint32_t i = 0; i < 65536; ++i) {
    const uint32_t dv = i >> 8, sv = i & 0xFF;
    d[i] = (0x11u * (i & 0xF)) << 24 | (255 - dv) << 16 | (dv ^ 0x5A) << 8 | dv;
    s[i] = (0x22u * (i & 0x7)) << 24 | (255 - sv) << 16 | (sv ^ 0xA5) << 8 | sv;
  }
}

TEST(BlendRow, FastFormsEqualTheRuleForEveryWeightAndChannelPair) {
  std::vector<uint32_t> d, s;
  MakeRows(d, s);
  for (uint32_t a = 0; a <= 256; ++a) {
    std::vector<uint32_t> ref = d, swar = d, fast = d;
    BlendRowReference(ref.data(), s.data(), ref.size(), a);
    BlendRowSwar(swar.data(), s.data(), swar.size(), a);
    BlendRow(fast.data(), s.data(), fast.size(), a);
    ASSERT_EQ(swar, ref) << "A=" << a;
    ASSERT_EQ(fast, ref) << "A=" << a;
  }
}

TEST(BlendRow, UnalignedStartsAndEveryTailLengthMatchTheRule) {
  std::vector<uint32_t> d, s;
  MakeRows(d, s);
  for (size_t start = 0; start < 4; ++start)
    for (size_t count = 0; count <= 19; ++count) {
      std::vector<uint32_t> ref = d, fast = d;
      BlendRowReference(ref.data() + start, s.data() + 1000, count, 77);
      BlendRow(fast.data() + start, s.data() + 1000, count, 77);
      ASSERT_EQ(fast, ref) << "start " << start << " count " << count;  // nothing outside the row changes
    }
}

TEST(BlendRow, KnownValuesOfTheRule) {
  uint32_t d = 0xAB000000u, s = 0x00FFFFFFu;
  BlendRow(&d, &s, 1, 255);  // only 1/256 of the source leaks through: (255*(0-255) + 255*256) >> 8 = 0
  EXPECT_EQ(d, 0xAB000000u);
  d = 0xAB000000u;
  BlendRow(&d, &s, 1, 0);  // plain copy of the colour, alpha kept
  EXPECT_EQ(d, 0xABFFFFFFu);
  d = 0x00000000u;
  BlendRow(&d, &s, 1, 128);  // (128*(0-255) + 255*256) >> 8 = 127
  EXPECT_EQ(d, 0x007F7F7Fu);
}

}  // namespace
}  // namespace qw
