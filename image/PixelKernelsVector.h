// The vector forms of the row rules (see PixelKernels.h), written once over a set of vector operations O
// and compiled once per instruction set: PixelKernelsSse2.cpp and PixelKernelsAvx2.cpp each include this
// inside a namespace of their own with their own O, so no function is shared between the two builds.
// The last few pixels of a row go through the same vector code on copies (TRows::Run).
//
// Lanes: a pixel's bytes B, G, R, A widen to four 16-bit lanes. The blends are all of one form,
// (w*x + (256 - w)*y) >> 8 = (y*256 + w*(x - y)) >> 8, whose value lies in 0..65280: computed in 16-bit
// lanes modulo 2^16 it comes out exact, and the shift is a plain logical one.
//
// No include guard on purpose; the including file provides <algorithm>, <cstddef>, <cstdint> and
// PixelKernels.h.

template <class O>
struct TRows {
  using V = typename O::V;
  static constexpr size_t N = O::N;  // pixels per vector

  // The weights of a pixel: w in the colour lanes, `alpha` in the alpha lane.
  static V Weights(uint32_t w, uint32_t alpha) {
    return O::Set64(uint64_t{alpha} << 48 | uint64_t{w} << 32 | uint64_t{w} << 16 | w);
  }
  // (y*256 + w*(x - y)) >> 8 on 16-bit lanes.
  static V Mix16(V x, V y, V w) { return O::Srli16(O::Add16(O::Slli16(y, 8), O::Mullo16(w, O::Sub16(x, y))), 8); }
  // MaskBlend of whole pixels: weights from the mask's colour bytes, the alpha lane weighs d fully.
  static V MaskBlend(V d, V s, V m) {
    const V alpha256 = Weights(0, 256);
    const V mc = O::And(m, O::Set1(0x00FFFFFFu));
    const V lo = Mix16(O::Lo8(d), O::Lo8(s), O::Add16(O::Lo8(mc), alpha256));
    const V hi = Mix16(O::Hi8(d), O::Hi8(s), O::Add16(O::Hi8(mc), alpha256));
    return O::Pack16(lo, hi);
  }
  // What the key rule makes of the pixels where `isKey` is set (u: the pixels behind, for Under); `made`
  // elsewhere.
  static V KeyResult(V isKey, V made, V d, const uint32_t* u, const TKeyRule& k) {
    switch (k.Action) {
      case TKeyAction::Keep: return O::Select(isKey, d, made);
      case TKeyAction::Under: return O::Select(isKey, O::Or(O::Load(u), O::Set1(k.Or)), made);
      case TKeyAction::Fill: return O::Select(isKey, O::Set1(k.Fill), made);
      default: return made;
    }
  }

  // Runs body(d, s, m, u) on every whole vector of the row, then once on copies of the last n % N
  // pixels (the rest of the copies is zero and dropped): short rows, such as a border's sides, take the
  // same arithmetic without a pixel loop. m and u may be null.
  template <class Body>
  static void Run(uint32_t* d, const uint32_t* s, const uint32_t* m, const uint32_t* u, size_t n, Body body) {
    size_t i = 0;
    for (; i + N <= n; i += N) body(d + i, s + i, m ? m + i : nullptr, u ? u + i : nullptr);
    const size_t r = n - i;
    if (r == 0) return;
    uint32_t bd[N] = {}, bs[N] = {}, bm[N] = {}, bu[N] = {};
    std::copy_n(d + i, r, bd);
    std::copy_n(s + i, r, bs);
    if (m) std::copy_n(m + i, r, bm);
    if (u) std::copy_n(u + i, r, bu);
    body(bd, bs, m ? bm : nullptr, u ? bu : nullptr);
    std::copy_n(bd, r, d + i);
  }

  static void Fill(uint32_t* d, size_t n, uint32_t v) {
    const V x = O::Set1(v);
    size_t i = 0;
    for (; i + 2 * N <= n; i += 2 * N) {
      O::Store(d + i, x);
      O::Store(d + i + N, x);
    }
    for (; i < n; ++i) d[i] = v;
  }

  static void Blend(uint32_t* out, const uint32_t* d, const uint32_t* s, size_t n, uint32_t a, uint32_t orBits) {
    // The alpha lane weighs d fully and s not at all, so d's alpha passes through.
    const V wd = Weights(a, 256), ws = Weights(256 - a, 0), bits = O::Set1(orBits);
    if (out != d) std::copy_n(d, n, out);
    Run(out, s, nullptr, nullptr, n, [&](uint32_t* dp, const uint32_t* sp, const uint32_t*, const uint32_t*) {
      const V dv = O::Load(dp), sv = O::Load(sp);
      const V lo = O::Srli16(O::Add16(O::Mullo16(O::Lo8(dv), wd), O::Mullo16(O::Lo8(sv), ws)), 8);
      const V hi = O::Srli16(O::Add16(O::Mullo16(O::Hi8(dv), wd), O::Mullo16(O::Hi8(sv), ws)), 8);
      O::Store(dp, O::Or(O::Pack16(lo, hi), bits));
    });
  }

  static void CopyKeyed(uint32_t* d, const uint32_t* s, size_t n, const TKeyRule& k) {
    const V key = O::Set1(k.Key), bits = O::Set1(k.Or);
    Run(d, s, nullptr, k.Under, n, [&](uint32_t* dp, const uint32_t* sp, const uint32_t*, const uint32_t* up) {
      const V sv = O::Load(sp);
      O::Store(dp, KeyResult(O::CmpEq32(sv, key), O::Or(sv, bits), O::Load(dp), up, k));
    });
  }

  static void MaskBlendKeyed(uint32_t* d, const uint32_t* s, const uint32_t* m, size_t n, const TKeyRule& k) {
    const V key = O::Set1(k.Key), bits = O::Set1(k.Or);
    Run(d, s, m, k.Under, n, [&](uint32_t* dp, const uint32_t* sp, const uint32_t* mp, const uint32_t* up) {
      const V dv = O::Load(dp), sv = O::Load(sp);
      const V made = O::Or(MaskBlend(dv, sv, O::Load(mp)), bits);
      O::Store(dp, KeyResult(O::CmpEq32(sv, key), made, dv, up, k));
    });
  }

  static void GlyphMask(uint32_t* d, const uint32_t* s, const uint32_t* m, size_t n, bool fainter) {
    const V key = O::Set1(0x00FF00FFu), red = O::Set1(0x00FF0000u), raise = O::Set1(fainter ? 0x00646464u : 0);
    const V alphaLane = Weights(0, 0xFFFF), white16 = Weights(255, 255);
    // Alpha: a + ((255 - a)*(255 - mask red)) >> 8, the product below 2^16.
    auto alpha = [&](V d16, V m16) {
      const V grow = O::Srli16(O::Mullo16(O::Sub16(white16, d16), O::Sub16(white16, O::template Bcast16<2>(m16))), 8);
      return O::And(O::Add16(d16, grow), alphaLane);
    };
    Run(d, s, m, nullptr, n, [&](uint32_t* dp, const uint32_t* sp, const uint32_t* mp, const uint32_t*) {
      const V dv = O::Load(dp), sv = O::Load(sp), mv = O::Load(mp);
      const V skip = O::Or(O::CmpEq32(sv, key), O::CmpEq32(O::And(mv, red), red));
      const V blended = MaskBlend(dv, sv, O::AddsU8(mv, raise));
      const V a = O::Pack16(alpha(O::Lo8(dv), O::Lo8(mv)), alpha(O::Hi8(dv), O::Hi8(mv)));
      const V made = O::Or(O::And(blended, O::Set1(0x00FFFFFFu)), a);
      O::Store(dp, O::Select(skip, dv, made));
    });
  }

  static void AlphaOver(uint32_t* d, const uint32_t* s, size_t n, const TKeyRule& k) {
    const V key = O::Set1(k.Key), colourLanes = Weights(0xFFFF, 0), alphaLane = Weights(0, 0xFFFF);
    const V white16 = Weights(255, 255), div255 = O::Set64(0x8081808180818081ull);
    // One half: the colour lanes blend by the source alpha; the alpha lane grows by A*(255 - a) div 255,
    // the division exact as (x*0x8081) >> 23 for every x below 2^16.
    auto half = [&](V d16, V s16) {
      const V a16 = O::template Bcast16<3>(s16);
      const V colour = Mix16(s16, d16, a16);
      const V grow = O::Srli16(O::MulhiU16(O::Mullo16(a16, O::Sub16(white16, d16)), div255), 7);
      return O::Or(O::And(colour, colourLanes), O::And(O::Add16(d16, grow), alphaLane));
    };
    Run(d, s, nullptr, k.Under, n, [&](uint32_t* dp, const uint32_t* sp, const uint32_t*, const uint32_t* up) {
      const V dv = O::Load(dp), sv = O::Load(sp);
      const V made = O::Pack16(half(O::Lo8(dv), O::Lo8(sv)), half(O::Hi8(dv), O::Hi8(sv)));
      O::Store(dp, KeyResult(O::CmpEq32(sv, key), made, dv, up, k));
    });
  }

  static void Coverage(uint32_t* d, const uint32_t* t, size_t n, uint32_t c) {
    const V cv = O::Set1(c), rgb = O::Set1(0x00FFFFFFu), top = O::Set1(0xFF000000u), zero = O::Set1(0);
    Run(d, t, nullptr, nullptr, n, [&](uint32_t* dp, const uint32_t* tp, const uint32_t*, const uint32_t*) {
      const V dv = O::Load(dp), tv = O::Load(tp);
      const V a = O::And(tv, top);
      const V white = O::And(O::CmpEq32(O::And(tv, rgb), rgb), O::Or(O::CmpEq32(a, zero), O::CmpEq32(a, top)));
      // ((d - c)*t + c*256) >> 8 is the mask blend of d over c with the coverage as weights.
      const V made = O::Or(MaskBlend(dv, cv, tv), top);
      O::Store(dp, O::Select(white, dv, made));
    });
  }

  static constexpr TPixelKernels Table(const char* name) {
    return TPixelKernels{name, Fill, Blend, CopyKeyed, MaskBlendKeyed, GlyphMask, AlphaOver, Coverage};
  }
};
