#include "skin/render/TextPaint.h"

#include <algorithm>
#include <cmath>

#include "image/BitmapClip.h"
#include "image/PixelKernels.h"
#include "skin/data/SkinManager.h"
#include "skin/render/RenderScratch.h"
#include "skin/render/TextureFill.h"

namespace qw {

TTextColors SectionTextColors(const TsSkinManager& m, int skinIndex, bool hot) {
  TTextColors c;
  if (!m.IsValidSkinIndex(skinIndex)) return c;
  const TsGeneralData& g = m.gd[size_t(skinIndex)];
  const TsFontColor& f = g.Props[hot && g.States > 1 ? 1 : 0].FontColor;
  c.Main = f.Color;
  c.Left = f.Left;
  c.Top = f.Top;
  c.Right = f.Right;
  c.Bottom = f.Bottom;
  return c;
}

std::vector<TTextPass> TextPasses(const TTextColors& colors, bool contours) {
  std::vector<TTextPass> passes;
  if (contours) {
    const TTextPass sides[4] = {{{-1, 0}, colors.Left}, {{0, -1}, colors.Top}, {{1, 0}, colors.Right}, {{0, 1}, colors.Bottom}};
    for (const TTextPass& p : sides)
      if (p.Color != clNone) passes.push_back(p);
  }
  passes.push_back(TTextPass{{0, 0}, colors.Main});
  return passes;
}

TColor DisabledTextColor(TColor fontColor, TColor globalColor) {
  return MixColors(ColorToRGB(fontColor), ColorToRGB(globalColor), 0.4);
}

void CompositeTextCoverage(TBitmap32& bmp, const TBitmap32& coverage, TPoint at, TColor color) {
  const uint32_t c = SwapRedBlue(static_cast<uint32_t>(ColorToRGB(color)));
  TCopyArea a{at.X, at.Y, 0, 0, coverage.Width(), coverage.Height()};
  if (!ClipCopyArea(a, coverage.Width(), coverage.Height(), bmp.Width(), bmp.Height())) return;
  const TPixelKernels& rows = &bmp == &coverage ? ReferencePixelKernels() : PixelKernels();
  for (int32_t y = 0; y < a.H; ++y)
    rows.Coverage(bmp.Row(a.DstY + y) + a.DstX, coverage.Row(a.SrcY + y) + a.SrcX, size_t(a.W), c);
}

void DrawTextOnBitmap32(TBitmap32& bmp, TTextRenderer& renderer, std::u16string_view text, const TRect& r,
                        uint32_t flags, TColor color) {
  if (text.empty() || IsRectEmpty(r) || !SaneRect(r)) return;
  // No caption needs more than a screenful; larger rectangles are cut to Bmp's extent.
  const int32_t w = std::min(WidthOfRect(r), std::max(bmp.Width(), 1) * 2);
  const int32_t h = std::min(HeightOfRect(r), std::max(bmp.Height(), 1) * 2);
  TBitmap32& tmp = ScratchBitmap(ssText, w, h);
  if (tmp.Empty()) return;
  renderer.DrawTextBlack(tmp, text, TRect{0, 0, w, h}, flags);
  CompositeTextCoverage(bmp, tmp, TPoint{r.Left, r.Top}, color);
}

void WriteTextOnBitmap(TBitmap32& bmp, TTextRenderer& renderer, std::u16string_view text, bool contours,
                       const TsSkinManager* manager, bool hot, int skinIndex, uint32_t flags, const TRect& r,
                       TColor fontColor) {
  if (text.empty() || IsRectEmpty(r)) return;
  const TsSkinManager* m = manager ? manager : DefaultManager();
  if (!m || !m->IsValidSkinIndex(skinIndex)) {
    DrawTextOnBitmap32(bmp, renderer, text, r, flags, fontColor);
    return;
  }
  for (const TTextPass& p : TextPasses(SectionTextColors(*m, skinIndex, hot), contours))
    DrawTextOnBitmap32(bmp, renderer, text, OffsetRect(r, p.Offset.X, p.Offset.Y), flags, p.Color);
}

std::vector<double> BlurKernel(int radius) {
  if (radius <= 0) return {};
  double w[201];
  double sum = 0;
  for (int i = 0; i <= 200; ++i) {
    const double t = (i - 100) / static_cast<double>(radius);
    w[i] = std::exp(-t * t / 2);
    sum += w[i];
  }
  for (double& v : w) v /= sum;
  // Trim the tails while what lies beyond the half-width weighs less than half a gray level.
  int j = 100;
  double tail = 0;
  while (tail < 1.0 / 510 && j > 1) {
    tail += w[100 - j] + w[100 + j];
    --j;
  }
  std::vector<double> k(w + 100 - j, w + 100 + j + 1);
  double s = 0;
  for (double v : k) s += v;
  for (double& v : k) v /= s;
  return k;
}

namespace {

// One pass of the blur over count values spaced step apart, edges repeated.
void BlurLine(uint8_t* data, int32_t count, int32_t step, const std::vector<double>& k, std::vector<uint8_t>& scratch) {
  const int32_t j = static_cast<int32_t>(k.size() / 2);
  scratch.resize(size_t(count));
  for (int32_t i = 0; i < count; ++i) scratch[size_t(i)] = data[size_t(i) * size_t(step)];
  for (int32_t i = 0; i < count; ++i) {
    double v = 0;
    for (int32_t o = -j; o <= j; ++o) {
      const int32_t src = std::clamp(i - o, 0, count - 1);
      v += k[size_t(o + j)] * scratch[size_t(src)];
    }
    // The weights sum to one only up to rounding: a tiny lift keeps a uniform 255 at 255.
    data[size_t(i) * size_t(step)] = static_cast<uint8_t>(std::clamp(static_cast<int>(v + 1e-9), 0, 255));
  }
}

}  // namespace

void BlurMask(TGrayMask& mask, int radius) {
  const std::vector<double> k = BlurKernel(radius);
  if (k.empty() || mask.Width <= 0 || mask.Height <= 0) return;
  std::vector<uint8_t> scratch;
  for (int32_t y = 0; y < mask.Height; ++y) BlurLine(&mask.At(0, y), mask.Width, 1, k, scratch);
  for (int32_t x = 0; x < mask.Width; ++x) BlurLine(&mask.At(x, 0), mask.Height, mask.Width, k, scratch);
}

void DrawTextGlow(TBitmap32& bmp, TTextRenderer& renderer, std::u16string_view text, const TRect& r, TGrayMask& cache,
                  TColor color, int radius, int sides, uint32_t flags) {
  if (text.empty() || IsRectEmpty(r) || radius <= 0 || radius > 255 || !SaneRect(r)) return;
  const TRect r2 = OffsetRect(r, 1, 1);
  const int32_t grow = radius + 4;
  const int32_t w = std::min<int64_t>(int64_t{WidthOfRect(r2)} + 2 * grow, 8192);
  const int32_t h = std::min<int64_t>(int64_t{HeightOfRect(r2)} + 2 * grow, 8192);
  if (cache.Width != w || cache.Height != h || cache.Pixels.size() != size_t(w) * size_t(h)) {
    TBitmap32& tmp = ScratchBitmap(ssGlow, w, h);
    if (tmp.Empty()) return;
    const TRect at{grow, grow, grow + WidthOfRect(r2), grow + HeightOfRect(r2)};
    renderer.DrawTextBlack(tmp, text, at, flags);
    const TPoint moves[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int s = 0; s < 4; ++s)
      if (sides & (1 << s)) renderer.DrawTextBlack(tmp, text, OffsetRect(at, moves[s].X, moves[s].Y), flags);
    cache.Width = w;
    cache.Height = h;
    cache.Pixels.resize(size_t(w) * size_t(h));
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) {
        const uint32_t p = tmp.At(x, y);
        cache.At(x, y) = static_cast<uint8_t>((((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3);
      }
    BlurMask(cache, radius);
  }
  const uint32_t c = SwapRedBlue(static_cast<uint32_t>(ColorToRGB(color)));
  for (int32_t y = 0; y < cache.Height; ++y) {
    const int64_t by = int64_t{r2.Top} + y - grow;
    if (by < 0 || by >= bmp.Height()) continue;
    uint32_t* row = bmp.Row(static_cast<int32_t>(by));
    for (int32_t x = 0; x < cache.Width; ++x) {
      const int32_t m = cache.At(x, y);
      if (m >= 255) continue;
      const int64_t bx = int64_t{r2.Left} + x - grow;
      if (bx < 0 || bx >= bmp.Width()) continue;
      uint32_t& d = row[bx];
      uint32_t out = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        const int32_t dc = (d >> shift) & 0xFF, cc = (c >> shift) & 0xFF;
        out |= static_cast<uint32_t>(cc + m * (dc - cc) / 255) << shift;
      }
      const uint32_t a = d >> 24;
      d = out | ((a + (255 - m) * (255 - a) / 255) << 24);
    }
  }
}

namespace {

inline bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
inline bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

int32_t TextWidth(TTextRenderer& renderer, std::u16string_view text) {
  return renderer.MeasureText(text, kDtSingleLine | kDtNoPrefix, 0).Width;
}

}  // namespace

std::u16string CutTextToWidth(TTextRenderer& renderer, std::u16string_view text, int32_t maxWidth) {
  if (maxWidth <= 0) return {};
  std::u16string result(text);
  if (TextWidth(renderer, result) <= maxWidth) return result;
  while (!result.empty()) {
    if (TextWidth(renderer, result + u"...") <= maxWidth) break;
    const size_t n = result.size();
    result.pop_back();
    if (n >= 2 && IsLowSurrogate(text[n - 1]) && IsHighSurrogate(result.back())) result.pop_back();
  }
  if (!result.empty()) result += u"...";
  return result;
}

}  // namespace qw
