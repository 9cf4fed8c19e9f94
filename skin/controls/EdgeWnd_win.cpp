#include "skin/controls/EdgeWnd_win.h"

#include <algorithm>

#include "image/BitmapDC_win.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/core/CommonData_win.h"

namespace qw {

TqxEdgeWnd::TqxEdgeWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
                       bool dlgMode)
    : TqxStaticWnd(wnd, section, manager, skinData, dlgMode) {}

std::u16string_view TqxEdgeWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(u"EDIT") : GivenSection();
}

void TqxEdgeWnd::PaintEdge() {
  if (!WindowVisible()) return;
  SkinData->BGChanged = true;
  if (!PrepareWrapperCache(*SkinData, CtrlHandle, false)) return;
  const TBitmap32& cache = *SkinData->CacheBmp();
  const int w = cache.Width(), h = cache.Height(), ring = std::min(kRingWidth, std::min(w, h) / 2);
  if (ring <= 0) return;
  HDC dc = GetWindowDC(CtrlHandle);
  if (!dc) return;
  for (const TRect& r : {TRect{0, 0, w, ring}, TRect{0, h - ring, w, h}, TRect{0, ring, ring, h - ring},
                         TRect{w - ring, ring, w, h - ring}})
    CopyBitmapToDC(dc, cache, r, TPoint{r.Left, r.Top});
  ReleaseDC(CtrlHandle, dc);
}

void TqxEdgeWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxMainWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_PAINT:
      // The system draws the picture; the ring goes over its edge afterwards.
      CallPrevWndProc(message);
      if (!Destroyed) PaintEdge();
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_NCPAINT:
      // The system's sunken edge is not drawn; the ring stands in for it.
      message.Result = 0;
      PaintEdge();
      return;
    default:
      return TqxMainWnd::qxWndProc(message);
  }
}

}  // namespace qw
