#include "skin/controls/IconWnd_win.h"

#include <algorithm>

#include "fw/BitmapCanvas.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/WindowBitmap_win.h"
#include "skin/render/BorderMask.h"
#include "skin/render/GlyphPaint.h"

namespace qw {

TqxIconWnd::TqxIconWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
                       bool dlgMode)
    : TqxStaticWnd(wnd, section, manager, skinData, dlgMode),
      IsBmp((GetWindowLongW(wnd, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {}

bool TqxIconWnd::PaintText(TBitmap32& cache) { return IsBmp ? PaintBitmap(cache) : PaintIcon(cache); }

bool TqxIconWnd::PaintIcon(TBitmap32& cache) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(CtrlHandle, STM_GETICON, 0, 0));
  if (!icon) return false;
  TBitmapCanvas canvas(cache);
  return canvas.Handle() && DrawIconEx(canvas.Handle(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

bool TqxIconWnd::PaintBitmap(TBitmap32& cache) {
  // The bitmap belongs to the window: it is read at every paint, never kept or freed here.
  int bits = 0;
  const TBitmap32 picture =
      ReadWindowBitmap(reinterpret_cast<HBITMAP>(SendMessageW(CtrlHandle, STM_GETIMAGE, IMAGE_BITMAP, 0)), bits);
  if (picture.Empty()) return false;
  if (bits == 32) {
    DrawAlphaGlyph(TRect{0, 0, cache.Width(), cache.Height()}, TRect{0, 0, picture.Width(), picture.Height()}, cache,
                   false, 1, kNoTint, false, EmptyCacheInfo(), picture);
    return true;
  }
  TBitmapCanvas canvas(cache);
  if (!canvas.Handle()) return false;
  CopyBitmapToDC(canvas.Handle(), picture, TRect{0, 0, picture.Width(), picture.Height()}, TPoint{});
  return true;
}

}  // namespace qw
