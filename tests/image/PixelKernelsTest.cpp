// Every vector form of the row rules against the rules written out pixel by pixel: all (d, s) channel
// pairs, every blend weight, masks and alphas of every value, key pixels and every key action, and row
// lengths and starts that leave tails.
#include "image/PixelKernels.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace qw {
namespace {

using TRow = std::vector<uint32_t>;

// 65536 pixels whose blue, green and red channels each meet every (d, s) pair once; masks and alphas
// from a generator; every ninth source pixel the key.
struct TRows {
  TRow D, S, M, Under;
  explicit TRows(uint32_t seed) : D(65536), S(65536), M(65536), Under(65536) {
    uint32_t v = seed;
    for (uint32_t i = 0; i < 65536; ++i) {
      v = v * 1664525u + 1013904223u;
      const uint32_t dv = i >> 8, sv = i & 0xFF;
      D[i] = (v & 0xFF000000u) | (255 - dv) << 16 | (dv ^ 0x5A) << 8 | dv;
      S[i] = i % 9 == 4 ? 0x00FF00FFu : (v << 8 & 0xFF000000u) | (255 - sv) << 16 | (sv ^ 0xA5) << 8 | sv;
      M[i] = v * 2654435761u;
      Under[i] = v ^ 0x9E3779B9u;
    }
  }
};

using TRun = std::function<void(const TPixelKernels&, uint32_t* d, const TRows& r, size_t at, size_t n)>;

TKeyRule Rule(TKeyAction action, const TRows& r, size_t at) {
  TKeyRule k;
  k.Action = action;
  k.Or = action == TKeyAction::Keep ? 0xFF000000u : 0;
  k.Under = r.Under.data() + at;
  k.Fill = 0x00123456u;
  return k;
}

struct TCase {
  const char* Name;
  TRun Run;
};

std::vector<TCase> Cases() {
  std::vector<TCase> cases;
  for (uint32_t a = 0; a <= 256; ++a)
    cases.push_back({"Blend", [a](const TPixelKernels& k, uint32_t* d, const TRows& r, size_t at, size_t n) {
                       k.Blend(d, d, r.S.data() + at, n, a, a & 1 ? 0xFF000000u : 0);
                     }});
  for (TKeyAction action : {TKeyAction::None, TKeyAction::Keep, TKeyAction::Under, TKeyAction::Fill}) {
    cases.push_back({"CopyKeyed", [action](const TPixelKernels& k, uint32_t* d, const TRows& r, size_t at, size_t n) {
                       k.CopyKeyed(d, r.S.data() + at, n, Rule(action, r, at));
                     }});
    cases.push_back({"MaskBlendKeyed", [action](const TPixelKernels& k, uint32_t* d, const TRows& r, size_t at,
                                                size_t n) {
                       k.MaskBlendKeyed(d, r.S.data() + at, r.M.data() + at, n, Rule(action, r, at));
                     }});
    if (action != TKeyAction::Fill)
      cases.push_back({"AlphaOver", [action](const TPixelKernels& k, uint32_t* d, const TRows& r, size_t at, size_t n) {
                         k.AlphaOver(d, r.S.data() + at, n, Rule(action, r, at));
                       }});
  }
  for (bool fainter : {false, true})
    cases.push_back({"GlyphMask", [fainter](const TPixelKernels& k, uint32_t* d, const TRows& r, size_t at, size_t n) {
                       k.GlyphMask(d, r.S.data() + at, r.M.data() + at, n, fainter);
                     }});
  cases.push_back({"Coverage", [](const TPixelKernels& k, uint32_t* d, const TRows& r, size_t at, size_t n) {
                     k.Coverage(d, r.S.data() + at, n, 0x00336699u);
                   }});
  cases.push_back({"Fill", [](const TPixelKernels& k, uint32_t* d, const TRows&, size_t, size_t n) {
                     k.Fill(d, n, 0x80A0B0C0u);
                   }});
  return cases;
}

TEST(PixelKernels, EveryVectorFormEqualsTheReference) {
  const TRows rows(12345);
  const TPixelKernels& ref = ReferencePixelKernels();
  int forms = 0;
  for (TPixelIsa isa : {TPixelIsa::Sse2, TPixelIsa::Avx2}) {
    const TPixelKernels* fast = PixelKernelsFor(isa);
    if (!fast) continue;
    ++forms;
    for (const TCase& c : Cases()) {
      TRow want = rows.D, got = rows.D;
      c.Run(ref, want.data(), rows, 0, want.size());
      c.Run(*fast, got.data(), rows, 0, got.size());
      ASSERT_EQ(got, want) << fast->Name << " " << c.Name;
      for (size_t at = 1; at < 4; ++at)
        for (size_t n = 0; n <= 19; ++n) {  // short rows and tails; nothing beyond the row changes
          want = rows.D;
          got = rows.D;
          c.Run(ref, want.data() + at, rows, at, n);
          c.Run(*fast, got.data() + at, rows, at, n);
          ASSERT_EQ(got, want) << fast->Name << " " << c.Name << " at " << at << " n " << n;
        }
    }
  }
#if defined(__SSE2__)
  EXPECT_GT(forms, 0);
#endif
}

}  // namespace
}  // namespace qw
