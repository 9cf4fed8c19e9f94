#include "skin/frame/CaptionDraw_win.h"

#include <algorithm>
#include <vector>

#include "fw/BitmapCanvas.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/FramePicture.h"
#include "skin/render/BorderMask.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

// Where a mask cuts pixels out of a W x H window (its key pixels in the corners), in window rows.
void AddMaskCuts(const TsMaskData& mask, int width, int height, int keepRowsBelow, std::vector<TRegionRun>& cuts) {
  if (width < 2 || height < 2) return;
  TBitmap32 scratch(width, height);
  for (const TRegionRun& run : DrawBorderMaskRegion(scratch, false, 0, mask))
    if (keepRowsBelow <= 0 || run.Y < keepRowsBelow) cuts.push_back(run);
}

}  // namespace

HFONT CreateCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfCaptionFont);
}

TCaptionFontScope::TCaptionFontScope(HDC dc) : FDC(dc), FFont(dc ? CreateCaptionFont() : nullptr) {
  if (!FFont) return;
  FOld = SelectObject(dc, FFont);
  GetTextMetricsW(dc, &FMetrics);
}

TCaptionFontScope::~TCaptionFontScope() {
  if (!FFont) return;
  SelectObject(FDC, FOld);
  DeleteObject(FFont);
}

int CaptionTextSection(const TsSkinManager& manager, int titleIndex) {
  const int plate = manager.GetSkinIndex(u"CAPTION");
  return manager.IsValidSkinIndex(plate) ? plate : titleIndex;
}

void PaintCaptionStrip(TBitmap32& picture, TsSkinManager& manager, int titleIndex, std::u16string_view titleSection,
                       bool active, TRect band) {
  if (!manager.IsValidSkinIndex(titleIndex) || band.Right <= band.Left || band.Bottom <= band.Top) return;
  // The strip's transparent parts show the border painted under it.
  TBitmap32 under = CopyBitmapArea(picture, band);
  const int state = LimitState(manager.gd[static_cast<size_t>(titleIndex)], active ? 1 : 0);
  PaintSectionItem(titleIndex, titleSection, MakeCacheInfo(&under, 0, 0), state, band, TPoint{0, 0}, picture,
                   &manager);
}

void DrawCaptionIcon(TBitmap32& picture, TRect r, HICON icon) {
  if (!icon || r.Right <= r.Left || r.Bottom <= r.Top) return;
  const TBitmap32 before = CopyBitmapArea(picture, r);
  {
    TBitmapCanvas canvas(picture);
    if (!canvas.Handle()) return;
    DrawIconEx(canvas.Handle(), r.Left, r.Top, icon, r.Right - r.Left, r.Bottom - r.Top, 0, nullptr, DI_NORMAL);
  }
  const int left = std::max(0, r.Left), top = std::max(0, r.Top);
  for (int y = 0; y < before.Height(); ++y) {
    uint32_t* row = picture.Row(top + y) + left;
    const uint32_t* old = before.Row(y);
    for (int x = 0; x < before.Width(); ++x)
      row[x] = (row[x] & 0x00FFFFFFu) == (old[x] & 0x00FFFFFFu) ? old[x] : row[x] | 0xFF000000u;
  }
}

std::vector<TRegionRun> FrameMaskCuts(const TsSkinManager& manager, int borderMaskIndex, int titleMaskIndex, int width,
                                      int height, int headerHeight) {
  std::vector<TRegionRun> cuts;
  if (manager.IsValidImgIndex(borderMaskIndex))
    AddMaskCuts(manager.ma[static_cast<size_t>(borderMaskIndex)], width, height, 0, cuts);
  if (manager.IsValidImgIndex(titleMaskIndex)) {
    const TsMaskData& mask = manager.ma[static_cast<size_t>(titleMaskIndex)];
    AddMaskCuts(mask, width, std::max(2, headerHeight), std::max<int>(1, mask.WT), cuts);
  }
  return cuts;
}

HRGN MakeFrameRegion(const TsSkinManager& manager, int borderMaskIndex, int titleMaskIndex, int width, int height,
                     int headerHeight) {
  if (width <= 0 || height <= 0) return nullptr;
  const std::vector<TRegionRun> cuts = FrameMaskCuts(manager, borderMaskIndex, titleMaskIndex, width, height, headerHeight);
  HRGN region = CreateRectRgn(0, 0, width, height);
  for (const TRegionRun& run : cuts) {
    HRGN cut = CreateRectRgn(run.Left, run.Y, run.Right, run.Y + 1);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  return region;
}

}  // namespace qw
