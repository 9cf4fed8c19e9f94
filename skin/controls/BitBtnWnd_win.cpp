#include "skin/controls/BitBtnWnd_win.h"

#include <algorithm>

#include "fw/Button.h"
#include "skin/controls/WindowBitmap_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/render/BorderMask.h"
#include "skin/render/GlyphPaint.h"

namespace qw {

TBitBtn* TqxBitBtnWnd::Bit() const { return dynamic_cast<TBitBtn*>(Control()); }

TBitmap32 TqxBitBtnWnd::Glyph(int& bits) const {
  if (const TBitBtn* b = Bit()) {
    bits = 32;
    return b->Glyph.Empty() ? TBitmap32() : b->Glyph.Bitmap().Clone();
  }
  return ReadWindowBitmap(reinterpret_cast<HBITMAP>(SendMessageW(CtrlHandle, BM_GETIMAGE, IMAGE_BITMAP, 0)), bits);
}

TItemSize TqxBitBtnWnd::GlyphSize() const {
  if (const TBitBtn* b = Bit()) {
    if (b->Glyph.Empty()) return TItemSize{};
    return TItemSize{b->Glyph.Bitmap().Width() / std::max(1, b->NumGlyphs), b->Glyph.Bitmap().Height()};
  }
  int bits = 0;
  const TBitmap32 glyph = Glyph(bits);
  return TItemSize{glyph.Width(), glyph.Height()};
}

int TqxBitBtnWnd::MaxCaptionWidth() const {
  TBitBtnContent c;
  c.Width = WndSize.cx;
  c.Height = WndSize.cy;
  c.Caption = std::u16string_view(reinterpret_cast<const char16_t*>(CaptionText().data()), CaptionText().size());
  c.Glyph = GlyphSize();
  if (const TBitBtn* b = Bit()) {
    c.Margin = b->Margin;
    c.Spacing = b->Spacing;
    c.Layout = b->Layout;
  }
  return qw::MaxCaptionWidth(c);
}

TGlyphTextLayout TqxBitBtnWnd::Layout(TItemSize text) const {
  TGlyphTextInput in;
  in.Client = TRect{0, 0, WndSize.cx, WndSize.cy};
  in.Glyph = GlyphSize();
  in.Text = text;
  in.RightToLeft = (GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
  if (const TBitBtn* b = Bit()) {
    in.Spacing = b->Spacing;
    in.Margin = b->Margin;
    in.Layout = b->Layout;
  }
  TGlyphTextLayout out = LayoutGlyphAndText(in);
  if (Down()) {
    out.GlyphPos = TPoint{out.GlyphPos.X + 1, out.GlyphPos.Y + 1};
    out.CaptionRect = TRect{out.CaptionRect.Left + 1, out.CaptionRect.Top + 1, out.CaptionRect.Right + 1,
                            out.CaptionRect.Bottom + 1};
  }
  return out;
}

TRect TqxBitBtnWnd::CaptionRect(TItemSize text) const { return Layout(text).CaptionRect; }

TRect TqxBitBtnWnd::GlyphRect() const {
  const TItemSize glyph = GlyphSize();
  const TPoint at = Layout(FTextSize).GlyphPos;
  return TRect{at.X, at.Y, at.X + glyph.Width, at.Y + glyph.Height};
}

void TqxBitBtnWnd::DrawGlyph(TBitmap32& cache, int state) {
  int bits = 0;
  const TBitmap32 glyph = Glyph(bits);
  const TItemSize size = GlyphSize();
  if (glyph.Empty() || size.Width <= 0 || size.Height <= 0) return;
  const int numGlyphs = Bit() ? std::max(1, Bit()->NumGlyphs) : 1;
  const TRect dst = GlyphRect();
  if (bits == 32 && numGlyphs == 1 && IsAlphaGlyph(glyph)) {
    DrawAlphaGlyph(dst, TRect{0, 0, size.Width, size.Height}, cache, false, 0, kNoTint, false, EmptyCacheInfo(), glyph);
    return;
  }
  DrawClassicGlyph(WithoutAlpha(glyph), cache, dst, Down(), state, 0, IsWindowEnabled(CtrlHandle) != FALSE,
                   dgBlended, numGlyphs);
}

}  // namespace qw
