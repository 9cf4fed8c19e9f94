#include "skin/render/SectionPaint_win.h"

#include <exception>

#include "image/BitmapDC_win.h"

namespace qw {


void PaintSectionItemToDC(int skinIndex, std::u16string_view sectionName, const TCacheInfo& ci,
                          const TsSkinManager* manager, HDC dc, const TRect& r, TPoint pP, int state) {
  if (r.Left < 0 || r.Top < 0 || IsRectEmpty(r)) return;
  const int saved = SaveDC(dc);
  try {
    TBitmap32 item(WidthOfRect(r), HeightOfRect(r));
    PaintSectionItem(skinIndex, sectionName, ci, state, TRect{0, 0, item.Width(), item.Height()}, pP, item, manager);
    CopyBitmapToDC(dc, item, TRect{0, 0, item.Width(), item.Height()}, TPoint{r.Left, r.Top});
  } catch (const std::exception&) {
    // No bitmap for an absurd size: nothing is painted.
  }
  RestoreDC(dc, saved);
}

int PaintSectionByNameDC(TBitmap32& bmp, std::u16string_view sectionName, std::u16string_view fallbackName,
                         HDC parentDC, TColor parentColor, const TRect& r, const TsSkinManager* manager, int state) {
  if (parentDC && bmp.NativeHandle()) {
    GdiFlush();
    HDC mem = CreateCompatibleDC(parentDC);
    if (mem) {
      const HGDIOBJ old = SelectObject(mem, static_cast<HBITMAP>(bmp.NativeHandle()));
      BitBlt(mem, 0, 0, bmp.Width(), bmp.Height(), parentDC, r.Left, r.Top, SRCCOPY);
      SelectObject(mem, old);
      DeleteDC(mem);
    }
    GdiFlush();
    return PaintSectionByName(bmp, sectionName, fallbackName, &bmp, TPoint{0, 0}, parentColor, manager, state);
  }
  return PaintSectionByName(bmp, sectionName, fallbackName, nullptr, TPoint{0, 0}, parentColor, manager, state);
}

void CutRunsFromRegion(HRGN region, const std::vector<TRegionRun>& runs) {
  if (!region) return;
  for (const TRegionRun& run : runs) {
    HRGN cut = CreateRectRgn(run.Left, run.Y, run.Right, run.Y + 1);
    if (!cut) continue;
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
}

HRGN RegionWithoutRuns(int width, int height, const std::vector<TRegionRun>& runs) {
  HRGN region = CreateRectRgn(0, 0, width, height);
  CutRunsFromRegion(region, runs);
  return region;
}

void PaintBorderOnlyDC(HDC dc, TBitmap32& cache, const TRect& r, int frameWidth, TRect& innerR, int state,
                       const TsControlPaintData& data, bool dcIsCache) {
  if (PaintBorderOnly(cache, r, frameWidth, innerR, state, data)) {
    if (frameWidth > 0 && !dcIsCache) {
      const int w = frameWidth;
      const TRect bands[4] = {TRect{r.Left, r.Top, r.Right, r.Top + w}, TRect{r.Left, r.Top + w, r.Left + w, r.Bottom},
                              TRect{r.Left + w, r.Bottom - w, r.Right, r.Bottom},
                              TRect{r.Right - w, r.Top + w, r.Right, r.Bottom - w}};
      for (const TRect& b : bands) CopyBitmapToDC(dc, cache, b, TPoint{b.Left, b.Top});
    }
    return;
  }
  if (frameWidth > 0)
    FillBorderDC(dc, r, frameWidth, frameWidth, frameWidth, frameWidth, data.StateColor(state));
}

}  // namespace qw
