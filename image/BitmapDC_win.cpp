#include "image/BitmapDC_win.h"

namespace qw {

void FillRectDC(HDC dc, const TRect& r, TColor color) {
  if (!dc || IsRectEmpty(r)) return;
  const int saved = SaveDC(dc);
  if (HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color)))) {
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
  }
  if (saved) RestoreDC(dc, saved);
}

void FillBorderDC(HDC dc, const TRect& r, int wl, int wt, int wr, int wb, TColor color) {
  FillRectDC(dc, TRect{r.Left, r.Top, r.Right, r.Top + wt}, color);
  FillRectDC(dc, TRect{r.Left, r.Top + wt, r.Left + wl, r.Bottom}, color);
  FillRectDC(dc, TRect{r.Left + wl, r.Bottom - wb, r.Right, r.Bottom}, color);
  FillRectDC(dc, TRect{r.Right - wr, r.Top + wt, r.Right, r.Bottom - wb}, color);
}

void CopyBitmapToDC(HDC dc, const TBitmap32& bmp, const TRect& from, TPoint to) {
  if (!bmp.NativeHandle() || IsRectEmpty(from)) return;
  GdiFlush();
  HDC mem = CreateCompatibleDC(dc);
  if (!mem) return;
  const HGDIOBJ old = SelectObject(mem, static_cast<HBITMAP>(bmp.NativeHandle()));
  BitBlt(dc, to.X, to.Y, WidthOfRect(from), HeightOfRect(from), mem, from.Left, from.Top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
}

}  // namespace qw
