#pragma once
// Clipping and rounding shared by the bitmap primitives: every read and every write stays inside the
// bitmaps, whatever rectangles and points the caller passes.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

// One rectangular transfer: W x H pixels from (SrcX, SrcY) to (DstX, DstY).
struct TCopyArea {
  int32_t DstX = 0, DstY = 0;
  int32_t SrcX = 0, SrcY = 0;
  int32_t W = 0, H = 0;
};

// Cuts a transfer to both bitmaps (of the given sizes): a negative start on either side moves the other
// start by the same amount and shrinks the size. False when nothing is left.
inline bool ClipCopyArea(TCopyArea& a, int32_t srcW, int32_t srcH, int32_t dstW, int32_t dstH) {
  auto cutStart = [](int32_t& self, int32_t& other, int32_t& size) {
    if (self < 0) {
      const int64_t shift = -int64_t{self};
      size = static_cast<int32_t>(std::max<int64_t>(0, size - shift));
      other = static_cast<int32_t>(std::clamp<int64_t>(other + shift, INT32_MIN, INT32_MAX));
      self = 0;
    }
  };
  if (a.W <= 0 || a.H <= 0) return false;
  cutStart(a.SrcX, a.DstX, a.W);
  cutStart(a.DstX, a.SrcX, a.W);
  cutStart(a.SrcY, a.DstY, a.H);
  cutStart(a.DstY, a.SrcY, a.H);
  a.W = static_cast<int32_t>(std::min<int64_t>({int64_t{a.W}, int64_t{srcW} - a.SrcX, int64_t{dstW} - a.DstX}));
  a.H = static_cast<int32_t>(std::min<int64_t>({int64_t{a.H}, int64_t{srcH} - a.SrcY, int64_t{dstH} - a.DstY}));
  if (a.W <= 0 || a.H <= 0) {
    a.W = a.H = 0;
    return false;
  }
  return true;
}

// The length from a to b, 0 when negative, computed without overflow for any pair.
inline int32_t SpanOf(int32_t a, int32_t b) {
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{b} - a, 0, INT32_MAX));
}

// R cut to a bitmap of the given size (negative Left/Top become 0, Right/Bottom at most the size); the
// result may be empty.
inline TRect ClipRectToSize(const TRect& r, int32_t w, int32_t h) {
  return TRect{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, w), std::min(r.Bottom, h)};
}

// num / den rounded to nearest, ties to even (den > 0). Exact, so every build agrees bit for bit.
inline int64_t RoundDivEven(int64_t num, int64_t den) {
  int64_t q = num / den, r = num % den;
  if (r < 0) {  // floor division
    r += den;
    --q;
  }
  const int64_t twice = 2 * r;
  if (twice > den || (twice == den && (q & 1) != 0)) ++q;
  return q;
}

// An integer channel value limited to 0..255.
inline uint32_t ClampByte(int64_t v) { return static_cast<uint32_t>(std::clamp<int64_t>(v, 0, 255)); }

// A real channel value rounded to nearest (ties to even, the default rounding mode) and limited to
// 0..255; NaN gives 0.
inline uint32_t RoundToByte(double v) {
  if (!(v > 0.0)) return 0;
  if (v >= 255.0) return 255;
  return static_cast<uint32_t>(std::nearbyint(v));
}

}  // namespace qw
