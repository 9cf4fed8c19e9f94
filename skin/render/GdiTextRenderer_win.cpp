#include "skin/render/GdiTextRenderer_win.h"

#include "base/Geometry_win.h"

namespace qw {

TGdiTextRenderer::TGdiTextRenderer(HFONT font)
    : FFont(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))), FDC(CreateCompatibleDC(nullptr)) {
  FOldFont = FDC ? SelectObject(FDC, FFont) : nullptr;
}

TGdiTextRenderer::~TGdiTextRenderer() {
  if (FDC) {
    SelectObject(FDC, FOldFont);
    DeleteDC(FDC);
  }
}

TTextExtent TGdiTextRenderer::MeasureText(std::u16string_view text, uint32_t flags, int32_t maxWidth) {
  if (!FDC || text.empty()) return {};
  RECT rc{0, 0, maxWidth > 0 ? maxWidth : 0, 0};
  DrawTextW(FDC, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &rc,
            flags | DT_CALCRECT);
  return TTextExtent{rc.right - rc.left, rc.bottom - rc.top};
}

void TGdiTextRenderer::DrawTextBlack(TBitmap32& target, std::u16string_view text, const TRect& r, uint32_t flags) {
  if (!FDC || text.empty() || !target.NativeHandle()) return;
  GdiFlush();
  const HGDIOBJ oldBitmap = SelectObject(FDC, static_cast<HBITMAP>(target.NativeHandle()));
  const int oldMode = SetBkMode(FDC, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(FDC, RGB(0, 0, 0));
  RECT rc = WinRect(r);
  DrawTextW(FDC, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &rc, flags);
  GdiFlush();
  SetTextColor(FDC, oldColor);
  SetBkMode(FDC, oldMode);
  SelectObject(FDC, oldBitmap);
}

}  // namespace qw
