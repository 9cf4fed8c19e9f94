#include "image/BitmapCopy.h"

#include <algorithm>

#include "image/BitmapClip.h"
#include "image/PixelKernels.h"

namespace qw {

namespace {

inline uint32_t FillPixel(const TCacheInfo& ci) { return ColorToPixel(ColorToRGB(ci.FillColor), 0); }

// The smaller of the two rectangles, from both starts.
inline TCopyArea AreaOf(const TRect& dstRect, const TRect& srcRect) {
  return TCopyArea{dstRect.Left, dstRect.Top, srcRect.Left, srcRect.Top,
                   std::min(SpanOf(dstRect.Left, dstRect.Right), SpanOf(srcRect.Left, srcRect.Right)),
                   std::min(SpanOf(dstRect.Top, dstRect.Bottom), SpanOf(srcRect.Top, srcRect.Bottom))};
}

// The vector rows read several pixels before writing any; where the destination is also the source or
// the parent, only the pixel-by-pixel rows see every earlier write as the rules expect.
const TPixelKernels& RowsFor(const TBitmap32& dst, const TBitmap32* src, const TCacheInfo& ci, const TKeyRule& rule) {
  const bool readsParent = rule.Action == TKeyAction::Under;
  return &dst == src || (readsParent && &dst == ci.Bmp) ? ReferencePixelKernels() : PixelKernels();
}

// Runs fn(from, to, rule) over the columns [0, w) of a transfer row that starts at destination (x, y):
// where ci.Bmp holds the pixels behind, `rule` takes them (Under), elsewhere it keeps the destination.
template <typename Fn>
void ForParentSpans(const TCacheInfo& ci, TKeyRule rule, int32_t x, int32_t y, int32_t w, Fn fn) {
  const int64_t py = int64_t{y} + ci.Y;
  const int64_t px = int64_t{x} + ci.X;  // ci.Bmp's column behind transfer column 0
  rule.Action = TKeyAction::Keep;
  if (!ci.Bmp || py < 0 || py >= ci.Bmp->Height()) {
    fn(0, w, rule);
    return;
  }
  const int32_t from = static_cast<int32_t>(std::clamp<int64_t>(-px, 0, w));
  const int32_t to = static_cast<int32_t>(std::clamp<int64_t>(ci.Bmp->Width() - px, from, w));
  if (from > 0) fn(0, from, rule);
  if (to > from) {
    TKeyRule under = rule;
    under.Action = TKeyAction::Under;
    under.Under = ci.Bmp->Row(static_cast<int32_t>(py)) + (px + from);
    fn(from, to, under);
  }
  if (to < w) fn(to, w, rule);
}

// Runs fn(from, to, rule) over a transfer row: once with `rule`, or split by ForParentSpans when it
// takes the parent's pixels.
template <typename Fn>
void ForRuleSpans(const TCacheInfo& ci, const TKeyRule& rule, int32_t x, int32_t y, int32_t w, Fn fn) {
  if (rule.Action == TKeyAction::Under)
    ForParentSpans(ci, rule, x, y, w, fn);
  else
    fn(0, w, rule);
}

TKeyRule MakeRule(TKeyAction action, uint32_t orBits, uint32_t fill = 0) {
  TKeyRule k;
  k.Action = action;
  k.Or = orBits;
  k.Fill = fill;
  return k;
}

}  // namespace

void CopyKeyedRect(TBitmap32& dst, const TBitmap32& src, int32_t dstX, int32_t dstY, TRect srcRect,
                   bool useParent, const TCacheInfo& ci, uint32_t key) {
  srcRect.Right = std::min(srcRect.Right, src.Width() - 1);
  srcRect.Bottom = std::min(srcRect.Bottom, src.Height() - 1);
  TCopyArea a{dstX, dstY, srcRect.Left, srcRect.Top,
              static_cast<int32_t>(std::clamp<int64_t>(int64_t{srcRect.Right} - srcRect.Left + 1, 0, INT32_MAX)),
              static_cast<int32_t>(std::clamp<int64_t>(int64_t{srcRect.Bottom} - srcRect.Top + 1, 0, INT32_MAX))};
  if (!ClipCopyArea(a, src.Width(), src.Height(), dst.Width(), dst.Height())) return;
  const bool parent = useParent && ci.Ready && ci.Bmp;
  // Onto the parent itself the key leaves the parent's own pixel in place.
  TKeyRule rule = parent && ci.Bmp == &dst ? MakeRule(TKeyAction::Keep, 0xFF000000u)
                  : parent                 ? MakeRule(TKeyAction::Under, 0)
                  : ci.Ready               ? MakeRule(TKeyAction::Keep, 0)
                                           : MakeRule(TKeyAction::Fill, 0, FillPixel(ci));
  rule.Key = key;
  const TPixelKernels& rows = RowsFor(dst, &src, ci, rule);
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    ForRuleSpans(ci, rule, a.DstX, a.DstY + y, a.W, [&](int32_t from, int32_t to, const TKeyRule& k) {
      rows.CopyKeyed(d + from, s + from, size_t(to - from), k);
    });
  }
}

void CopyMaskedPiece(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, const TMaskPieceInfo& mask,
                     bool useParent, const TCacheInfo& ci, const TBitmap32& src) {
  const int32_t maskOffset = SpanOf(mask.R.Top, mask.R.Bottom) / 2;
  TCopyArea a = AreaOf(dstRect, srcRect);
  // Only rows whose mask row lies inside Src are copied.
  if (!ClipCopyArea(a, src.Width(), src.Height() - maskOffset, dst.Width(), dst.Height())) return;
  const TKeyRule rule = ci.Ready ? (useParent ? MakeRule(TKeyAction::Under, 0xFF000000u)
                                              : MakeRule(TKeyAction::None, 0xFF000000u))
                                 : (useParent ? MakeRule(TKeyAction::Fill, 0, FillPixel(ci))
                                              : MakeRule(TKeyAction::Keep, 0));
  const TPixelKernels& rows = RowsFor(dst, &src, ci, rule);
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
    const uint32_t* m = src.Row(a.SrcY + y + maskOffset) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    ForRuleSpans(ci, rule, a.DstX, a.DstY + y, a.W, [&](int32_t from, int32_t to, const TKeyRule& k) {
      rows.MaskBlendKeyed(d + from, s + from, m + from, size_t(to - from), k);
    });
  }
}

void CopyGlyphWithMask(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, const TMaskPieceInfo& mask,
                       int addedTransparency, const TBitmap32& src) {
  TCopyArea a = AreaOf(dstRect, srcRect);
  const TKeyRule keep = MakeRule(TKeyAction::Keep, 0);
  const TPixelKernels& rows = RowsFor(dst, &src, TCacheInfo{}, keep);
  if (mask.MaskType <= 0) {
    if (!ClipCopyArea(a, src.Width(), src.Height(), dst.Width(), dst.Height())) return;
    for (int32_t y = 0; y < a.H; ++y)
      rows.CopyKeyed(dst.Row(a.DstY + y) + a.DstX, src.Row(a.SrcY + y) + a.SrcX, size_t(a.W), keep);
    return;
  }
  const int32_t maskOffset = SpanOf(mask.R.Top, mask.R.Bottom) / (mask.MaskType + 1);
  if (!ClipCopyArea(a, src.Width(), src.Height() - maskOffset, dst.Width(), dst.Height())) return;
  for (int32_t y = 0; y < a.H; ++y)
    rows.GlyphMask(dst.Row(a.DstY + y) + a.DstX, src.Row(a.SrcY + y) + a.SrcX,
                   src.Row(a.SrcY + y + maskOffset) + a.SrcX, size_t(a.W), addedTransparency != 1);
}

void CopyAlphaBitmap(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool useParent,
                     const TCacheInfo& ci, const TBitmap32* src) {
  if (!src) return;
  TCopyArea a = AreaOf(dstRect, srcRect);
  if (!ClipCopyArea(a, src->Width(), src->Height(), dst.Width(), dst.Height())) return;
  const TKeyRule rule = !ci.Ready ? MakeRule(TKeyAction::None, 0)
                        : useParent ? MakeRule(TKeyAction::Under, 0xFF000000u)
                                    : MakeRule(TKeyAction::Keep, 0);
  const TPixelKernels& rows = RowsFor(dst, src, ci, rule);
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src->Row(a.SrcY + y) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    ForRuleSpans(ci, rule, a.DstX, a.DstY + y, a.W, [&](int32_t from, int32_t to, const TKeyRule& k) {
      rows.AlphaOver(d + from, s + from, size_t(to - from), k);
    });
  }
}

}  // namespace qw
