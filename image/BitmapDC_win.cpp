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

}  // namespace qw
