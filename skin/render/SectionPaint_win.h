#pragma once
// Windows: section painting straight into device contexts, and window regions from border runs.
#include <windows.h>

#include <vector>

#include "skin/render/SectionPaint.h"

namespace qw {

// Paints the section into a temporary bitmap of R's size and copies it to DC at R (DC state kept).
void PaintSectionItemToDC(int skinIndex, std::u16string_view sectionName, const TCacheInfo& ci,
                          const TsSkinManager* manager, HDC dc, const TRect& r, TPoint pP, int state);
// PaintSectionByName with the parent's pixels read from ParentDC at R's top-left (none: ParentColor only).
int PaintSectionByNameDC(TBitmap32& bmp, std::u16string_view sectionName, std::u16string_view fallbackName,
                         HDC parentDC, TColor parentColor, const TRect& r, const TsSkinManager* manager, int state);
// Removes the runs from Region (each run one rectangle one pixel high).
void CutRunsFromRegion(HRGN region, const std::vector<TRegionRun>& runs);
// A new region: the W x H rectangle without the runs. The caller owns it.
HRGN RegionWithoutRuns(int width, int height, const std::vector<TRegionRun>& runs);
// PaintBorderOnly for a control painting into DC: the frame band is copied from the cache bitmap to
// DC (unless DC is the cache's own), or, without a border mask, filled with the state colour.
void PaintBorderOnlyDC(HDC dc, TBitmap32& cache, const TRect& r, int frameWidth, TRect& innerR, int state,
                       const TsControlPaintData& data, bool dcIsCache);

}  // namespace qw
